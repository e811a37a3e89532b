#pragma once
// The look shared by every window: hints from the hint table, the yellow face of
// the focused control, and picture buttons whose whole face is painted.
#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <memory>
#include <vector>

class QWidget;

namespace travo {

namespace colors {
inline const QColor Focused{255, 255, 0};
inline const QColor LightYellow{255, 255, 150};
inline const QColor Red{255, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Maroon{128, 0, 0};
inline const QColor Lime{0, 255, 0};
inline const QColor GuardType{113, 255, 113};
inline const QColor FireType{255, 170, 170};
inline const QColor PatrolType{170, 170, 255};
QColor ButtonFace();
QColor Window();
QColor WindowText();
} // namespace colors

// Switches the control's hint on with the text of the context; an unknown context
// leaves the control as it was.
void SetHelpHint(QWidget* control, int context);
// The help context a control was given, 0 for none.
int HelpContext(const QWidget* control);

// Yellow when focused, otherwise the normal colour of the control's class; controls
// of other classes are left alone.
void SetFocusColor(QWidget* control, bool focused);

// A form's button pictures and caption table (indexed from 1 by a button's Tag).
// Buttons share it, so a face repainted while the form is being torn down still
// finds its pictures.
struct ButtonFaces {
    std::vector<QPixmap> pictures;
    std::vector<QString> captions;
};
using FaceSource = std::shared_ptr<const ButtonFaces>;
FaceSource MakeFaces(std::vector<QPixmap> pictures, std::vector<QString> captions);

// A picture button: its face (picture and caption) is painted from its Tag.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, int tag, bool pictureAbove);

    int Tag() const { return tag_; }
    bool PictureAbove() const { return pictureAbove_; }
    void SetFaceSource(FaceSource faces) { faces_ = std::move(faces); }
    QString Caption() const;
    const std::vector<QPixmap>& Pictures() const;
    const QPixmap& Glyph() const { return glyph_; }
    void SetGlyph(const QPixmap& glyph);

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    int tag_;
    bool pictureAbove_;
    FaceSource faces_;
    QPixmap glyph_;
};

// A dialog's picture button (picture left of its bold caption) painted from faces;
// a pointSize of 0 keeps the dialog's size.
PictureButton* MakeDialogButton(QWidget* dialog, const char* name, int tag, FaceSource faces,
                                int pointSize = 0);

// The background colour every button picture is drawn on; it shows as the face's frame.
QColor PictureBackground();

void PaintButtonGlyph(PictureButton* button, const std::vector<QPixmap>& pictures, QColor face,
                      const QString& caption);
void PaintButtonFocused(PictureButton* button);
void PaintButtonNormal(PictureButton* button);
// Paints every picture button of a form, the focused one yellow.
void PaintFormButtons(QWidget* form);

} // namespace travo
