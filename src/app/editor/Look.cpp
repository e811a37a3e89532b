#include "Look.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

#include "Help.h"
#include "QtText.h"

namespace travo {

namespace colors {
QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}
QColor Window() {
    return QApplication::palette().color(QPalette::Base);
}
QColor WindowText() {
    return QApplication::palette().color(QPalette::Text);
}
} // namespace colors

void SetHelpHint(QWidget* control, int context) {
    const R_HELP_Type* record = FindHelp(context);
    if (!control || !record) return;
    control->setProperty("helpContext", context);
    control->setToolTip(U(record->text));
}

int HelpContext(const QWidget* control) {
    return control ? control->property("helpContext").toInt() : 0;
}

void SetFocusColor(QWidget* control, bool focused) {
    if (!control) return;
    auto paint = [&](std::initializer_list<QPalette::ColorRole> roles, QColor normal, bool fill) {
        QPalette p = control->palette();
        for (auto role : roles) p.setColor(role, focused ? colors::Focused : normal);
        control->setPalette(p);
        if (fill) control->setAutoFillBackground(true);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        paint({QPalette::Base}, edit->isReadOnly() ? colors::ButtonFace() : colors::Window(),
              false);
    } else if (qobject_cast<QComboBox*>(control) || qobject_cast<QAbstractItemView*>(control)) {
        paint({QPalette::Base, QPalette::Button}, colors::Window(), false);
    } else if (qobject_cast<QLabel*>(control) || qobject_cast<QCheckBox*>(control) ||
               qobject_cast<QRadioButton*>(control) || qobject_cast<QSlider*>(control)) {
        paint({QPalette::Window}, colors::ButtonFace(), true);
    }
}

PictureButton::PictureButton(QWidget* parent, int tag, bool pictureAbove)
    : QPushButton(parent), tag_(tag), pictureAbove_(pictureAbove) {
    setFocusPolicy(Qt::StrongFocus);
}

FaceSource MakeFaces(std::vector<QPixmap> pictures, std::vector<QString> captions) {
    return std::make_shared<const ButtonFaces>(
        ButtonFaces{std::move(pictures), std::move(captions)});
}

QString PictureButton::Caption() const {
    const size_t index = static_cast<size_t>(tag_ < 0 ? -tag_ : tag_);
    if (!faces_ || index == 0 || index > faces_->captions.size()) return {};
    return faces_->captions[index - 1];
}

const std::vector<QPixmap>& PictureButton::Pictures() const {
    static const std::vector<QPixmap> none;
    return faces_ ? faces_->pictures : none;
}

PictureButton* MakeDialogButton(QWidget* dialog, const char* name, int tag, FaceSource faces,
                                int pointSize) {
    auto* b = new PictureButton(dialog, tag, false);
    b->setObjectName(name);
    b->SetFaceSource(std::move(faces));
    b->setAutoDefault(false);
    QFont face = b->font();
    face.setBold(true);
    if (pointSize > 0) face.setPointSize(pointSize);
    b->setFont(face);
    return b;
}

void PictureButton::SetGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    setIcon(QIcon(glyph));
    setIconSize(glyph.size() / glyph.devicePixelRatio());
}

void PictureButton::focusInEvent(QFocusEvent* e) {
    QPushButton::focusInEvent(e);
    PaintButtonFocused(this);
}

void PictureButton::focusOutEvent(QFocusEvent* e) {
    QPushButton::focusOutEvent(e);
    PaintButtonNormal(this);
}

void PictureButton::keyPressEvent(QKeyEvent* e) {
    // Enter presses the focused button, the one painted yellow, and not the window's
    // default button: the installer confirms what he sees highlighted.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

QColor PictureBackground() {
    return {150, 160, 175};
}

void PaintButtonGlyph(PictureButton* button, const std::vector<QPixmap>& pictures, QColor face,
                      const QString& caption) {
    button->setText({});
    const int W = button->width() - 6, H = button->height() - 6;
    if (W <= 0 || H <= 0) return;
    QPixmap bitmap(W, H);
    QPainter p(&bitmap);
    const QRect inner(2, 2, W - 4, H - 4);
    int w = 0;
    const int tag = button->Tag();
    if (tag > 0 && static_cast<size_t>(tag) <= pictures.size()) {
        const QPixmap& picture = pictures[static_cast<size_t>(tag - 1)];
        w = picture.width();
        const int h = picture.height();
        p.fillRect(bitmap.rect(), PictureBackground());
        p.fillRect(inner, face);
        QPoint at;
        if (caption.isEmpty())
            at = {(W - w) / 2, (H - h) / 2};
        else if (!button->PictureAbove())
            at = {4, (H - h) / 2 + 1};
        else
            at = {(W - w) / 2, 6};
        p.drawPixmap(at, picture); // its transparent background takes the face colour
    } else {
        p.fillRect(bitmap.rect(), colors::Red);
        p.fillRect(inner, face);
    }
    if (!caption.isEmpty()) {
        p.setFont(button->font());
        p.setPen(button->palette().color(QPalette::ButtonText));
        const int boxWidth = button->PictureAbove() ? W : W - w;
        const int flags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop;
        QRect box = p.boundingRect(QRect(0, 0, boxWidth, 0), flags, caption);
        box.moveTo(0, 0);
        const int T = box.height();
        if (!button->PictureAbove())
            box.translate(H / 2 + w - 5, (H - T) / 2);
        else
            box.translate((W - box.width()) / 2, H - (T / 4) * 5 - 2);
        p.drawText(box, flags, caption);
    }
    p.end();
    button->SetGlyph(bitmap);
}

void PaintButtonFocused(PictureButton* button) {
    if (button->Tag() != 0)
        PaintButtonGlyph(button, button->Pictures(), colors::Focused, button->Caption());
}

void PaintButtonNormal(PictureButton* button) {
    if (button->Tag() != 0)
        PaintButtonGlyph(button, button->Pictures(), colors::ButtonFace(), button->Caption());
}

void PaintFormButtons(QWidget* form) {
    const auto buttons = form->findChildren<PictureButton*>();
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) {
        if ((*it)->Tag() == 0) continue;
        if ((*it)->hasFocus())
            PaintButtonFocused(*it);
        else
            PaintButtonNormal(*it);
    }
}

} // namespace travo
