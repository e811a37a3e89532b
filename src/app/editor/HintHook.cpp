#include "HintHook.h"

#include <QHelpEvent>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

#include "GridEditors.h"
#include "StringGrid.h"

namespace travo {
namespace {

constexpr int kHintDelay = 1000;
constexpr int kForever = 24 * 60 * 60 * 1000; // hidden by the mouse leaving, not by a timer

template <typename T> T* Enclosing(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* t = qobject_cast<T*>(w)) return t;
    }
    return nullptr;
}

} // namespace

TravoStyle::TravoStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int TravoStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintDelay;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

HintHook::HintHook(QObject* parent, QTabWidget* pages) : QObject(parent), pages_(pages) {}

QString HintHook::HintAt(QWidget* widget, QPoint pos, QRect* area) const {
    if (auto* bar = Enclosing<QTabBar>(widget); bar && bar->parentWidget() == pages_) {
        const QPoint at = widget->mapTo(bar, pos);
        const int tab = bar->tabAt(at);
        if (tab >= 0) {
            *area =
                QRect(widget->mapFrom(bar, bar->tabRect(tab).topLeft()), bar->tabRect(tab).size());
            return pages_->widget(tab)->toolTip();
        }
    }
    if (auto* grid = Enclosing<StringGrid>(widget)) {
        const QPoint at = widget->mapTo(grid, pos);
        const int col = grid->ColumnAt(at);
        QObject* header = col >= 0 ? grid->Object(col, 0) : nullptr;
        if (auto* list = qobject_cast<EditorList*>(header))
            header = list->editors.empty() ? nullptr : list->editors.front();
        if (auto* editor = qobject_cast<QWidget*>(header); editor && !editor->toolTip().isEmpty()) {
            const QRect cell = grid->CellRect(col, 0);
            *area = QRect(widget->mapFrom(grid, QPoint(cell.left(), 0)),
                          QSize(cell.width(), grid->height()));
            return editor->toolTip();
        }
        if (!grid->toolTip().isEmpty()) {
            *area = QRect(widget->mapFrom(grid, QPoint(0, 0)), grid->size());
            return grid->toolTip();
        }
    }
    // A control without a hint of its own shows the nearest enclosing one's.
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->toolTip().isEmpty()) {
            *area = QRect(widget->mapFrom(w, QPoint(0, 0)), w->size());
            return w->toolTip();
        }
        if (w->isWindow()) break;
    }
    return {};
}

bool HintHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (!shown_) {
        event->ignore();
        return true;
    }
    auto* help = static_cast<QHelpEvent*>(event);
    QRect area;
    const QString text = HintAt(widget, help->pos(), &area);
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), text, widget, area, kForever);
    }
    return true;
}

} // namespace travo
