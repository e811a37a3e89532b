#pragma once
// Small controls of the editor's pages: labels that focus their control when
// clicked, and the up-down spinner beside a number box.
#include <QLabel>
#include <QPointer>

class QLineEdit;
class QToolButton;

namespace travo {

// Clicking the label gives the focus to its control when that is enabled and visible.
class FocusLabel : public QLabel {
    Q_OBJECT
public:
    FocusLabel(const QString& text, QWidget* parent, QWidget* focusControl = nullptr);
    void SetFocusControl(QWidget* control) { focusControl_ = control; }
    QWidget* FocusControl() const { return focusControl_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;

private:
    QPointer<QWidget> focusControl_;
};

// Up and down arrows that step the number in their edit box between Min and Max;
// pressing either focuses the box.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QWidget* parent, QLineEdit* associate, int min, int max);
    int Position() const { return position_; }
    void SetPosition(int position) { position_ = position; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

private:
    void Step(int delta);
    QLineEdit* associate_;
    int min_, max_, position_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace travo
