#include "Editors.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QPainter>
#include <QScreen>
#include <QStylePainter>
#include <QStyledItemDelegate>

#include "Look.h"
#include "QtText.h"
#include "text/Cp1251.h"

namespace travo {

bool LeavesForGood(const QFocusEvent& e) {
    return e.reason() != Qt::PopupFocusReason && e.reason() != Qt::ActiveWindowFocusReason;
}

bool KeyPasses(const QKeyEvent& e, const CharSet& set) {
    const QString text = e.text();
    if (text.isEmpty() || e.key() == Qt::Key_Delete) return true;
    for (const char32_t cp : text.toUcs4()) {
        const auto byte = UnicodeToCp1251(cp);
        if (!byte || !set.Accepts(*byte)) return false;
    }
    return true;
}

QString FilterText(const QString& text, const CharSet& set) {
    QString out;
    for (const char32_t cp : text.toUcs4()) {
        const auto byte = UnicodeToCp1251(cp);
        if (byte && set.Accepts(*byte)) out += QString::fromUcs4(&cp, 1);
    }
    return out;
}

MaskEdit::MaskEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] { FilterEditText(); });
    connect(this, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (t.size() > maxLength_) setText(t.left(maxLength_));
    });
}

void MaskEdit::SetChangeFilter(const CharSet* set) {
    changeFilter_ = set;
    FilterEditText();
}

void MaskEdit::FilterEditText() {
    QString t = text();
    if (changeFilter_) t = travo::FilterText(t, *changeFilter_);
    if (upper_) t = t.toUpper();
    if (t == text()) return; // nothing removed: no further change
    setText(t);
    setCursorPosition(static_cast<int>(t.size()));
}

void MaskEdit::keyPressEvent(QKeyEvent* e) {
    if (endKeys_ &&
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape)) {
        emit endKey();
        return;
    }
    // Enter and Esc are not typing: they go on to the dialog's default and cancel buttons.
    const bool dialogKey =
        e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
    if (keyFilter_ && !dialogKey && !KeyPasses(*e, *keyFilter_)) return;
    const QString typed = e->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() &&
        text().size() - selectedText().size() + typed.size() > maxLength_) {
        return;
    }
    if (upper_ && !e->text().isEmpty() && e->text().at(0).isPrint()) {
        insert(e->text().toUpper());
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void MaskEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (e->reason() != Qt::PopupFocusReason) selectAll();
}

void MaskEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (LeavesForGood(*e)) emit exited();
}

namespace {

// Draws the short part of an item: yellow, or in the highlight colour when highlighted.
class ShortNameDelegate : public QStyledItemDelegate {
public:
    ShortNameDelegate(GridCombo* combo) : QStyledItemDelegate(combo), combo_(combo) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool highlighted = option.state & QStyle::State_Selected;
        const QPalette& pal = option.palette;
        p->fillRect(option.rect, highlighted ? pal.color(QPalette::Highlight) : colors::Focused);
        p->setPen(highlighted ? QColor(Qt::white) : colors::WindowText());
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(combo_->ItemHeight());
        return s;
    }

private:
    GridCombo* combo_;
};

} // namespace

GridCombo::GridCombo(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new ShortNameDelegate(this));
    setMaxVisibleItems(20);
    QPalette p = palette();
    p.setColor(QPalette::Button, colors::LightYellow);
    p.setColor(QPalette::Base, colors::LightYellow);
    setPalette(p);
    connect(this, &QComboBox::highlighted, this, [this](int index) { ShowDescription(index); });
}

void GridCombo::SetItems(const QStringList& fullTexts) {
    clear();
    for (const QString& full : fullTexts) {
        const auto bar = full.indexOf('|');
        addItem(bar < 0 ? full : full.left(bar), full);
    }
}

QString GridCombo::FullText(int index) const {
    return itemData(index).toString();
}

int GridCombo::LineIndexOf(const QString& text) const {
    for (int i = 0; i < count(); ++i) {
        if (FullText(i) == text) return i;
    }
    return count();
}

void GridCombo::SetItemHeight(int height) {
    itemHeight_ = height;
}

void GridCombo::showPopup() {
    QComboBox::showPopup();
    ShowDescription(currentIndex());
}

void GridCombo::hidePopup() {
    QComboBox::hidePopup();
    if (description_) description_->hide();
    emit closedUp();
}

void GridCombo::ShowDescription(int index) {
    if (!description_) return;
    const QString full = FullText(index);
    const auto bar = full.indexOf('|');
    const QString text = bar < 0 ? full : full.mid(bar + 1);
    if (index < 0 || text.isEmpty() || !view()->isVisible()) {
        description_->hide();
        return;
    }
    const QRect item = view()->visualRect(model()->index(index, 0));
    const QPoint at = view()->viewport()->mapToGlobal(QPoint(view()->width() + 1, item.top()));
    description_->setText(text);
    description_->setMaximumWidth(4 * width());
    description_->adjustSize();
    description_->move(at);
    description_->show();
    description_->raise();
}

void GridCombo::focusInEvent(QFocusEvent* e) {
    QComboBox::focusInEvent(e);
    if (openOnEnter_ && e->reason() != Qt::PopupFocusReason && isVisible()) showPopup();
}

void GridCombo::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    // The open list takes the focus inside the combo: that is no leaving.
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w == this) return;
    }
    if (LeavesForGood(*e)) emit exited();
}

void GridCombo::paintEvent(QPaintEvent*) {
    // The edit part: the short name on light yellow.
    QStylePainter p(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    p.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    p.fillRect(field, colors::LightYellow);
    p.setPen(colors::WindowText());
    p.drawText(field.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, currentText());
}

CheckListBox::CheckListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
}

void CheckListBox::SetItems(const QStringList& items) {
    clear();
    for (const QString& text : items) {
        auto* item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    if (count() > 0) setCurrentRow(0);
}

bool CheckListBox::Checked(int index) const {
    const QListWidgetItem* it = item(index);
    return it && it->checkState() == Qt::Checked;
}

void CheckListBox::SetChecked(int index, bool on) {
    if (QListWidgetItem* it = item(index)) it->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

int CheckListBox::ItemHeight() const {
    return std::max(fontMetrics().height() + 4, sizeHintForRow(0));
}

void CheckListBox::SetColumns(int columns) {
    columns_ = std::max(1, columns);
    LayoutColumns();
}

void CheckListBox::LayoutColumns() {
    if (columns_ > 1) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setGridSize(QSize(std::max(1, (viewport()->width()) / columns_), ItemHeight()));
    } else {
        setWrapping(false);
        setFlow(QListView::TopToBottom);
        setGridSize(QSize());
    }
}

void CheckListBox::resizeEvent(QResizeEvent* e) {
    QListWidget::resizeEvent(e);
    LayoutColumns();
}

void CheckListBox::keyPressEvent(QKeyEvent* e) {
    if (endKeys_ &&
        (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape)) {
        emit endKey();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void CheckListBox::focusOutEvent(QFocusEvent* e) {
    QListWidget::focusOutEvent(e);
    if (LeavesForGood(*e)) emit exited();
}

void Set_CheckListBox(const QString& text, QChar separator, CheckListBox* list, QChar rangeMark) {
    for (int i = 0; i < list->count(); ++i) list->SetChecked(i, false);
    QString rest = text + separator;
    while (!rest.isEmpty()) {
        const auto cut = rest.indexOf(separator);
        const QString piece = rest.left(cut);
        if (piece.isEmpty()) return;
        int from, to;
        if (const auto dash = piece.indexOf(rangeMark); dash >= 0) {
            from = piece.left(dash).toInt();
            to = piece.mid(dash + 1).toInt();
        } else {
            from = to = piece.toInt();
        }
        for (int n = from; n <= to; ++n) {
            if (n >= 1 && n <= list->count()) list->SetChecked(n - 1, true);
        }
        rest = rest.mid(cut + 1);
    }
}

} // namespace travo
