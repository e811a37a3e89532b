#include "Widgets.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace travo {

FocusLabel::FocusLabel(const QString& text, QWidget* parent, QWidget* focusControl)
    : QLabel(text, parent), focusControl_(focusControl) {}

void FocusLabel::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (focusControl_ && focusControl_->isEnabled() && focusControl_->isVisible())
        focusControl_->setFocus(Qt::MouseFocusReason);
}

UpDown::UpDown(QWidget* parent, QLineEdit* associate, int min, int max)
    : QWidget(parent), associate_(associate), min_(min), max_(max) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
        // A press on either arrow puts the focus into the box first.
        connect(b, &QToolButton::pressed, associate_, [this] { associate_->setFocus(); });
    }
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDown::Step(int delta) {
    bool ok = false;
    const int typed = associate_->text().toInt(&ok);
    const int from = ok ? typed : position_;
    position_ = std::clamp(from + delta, min_, max_);
    associate_->setText(QString::number(position_));
}

} // namespace travo
