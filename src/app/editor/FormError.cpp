#include "FormError.h"

#include <QLabel>

#include "ButtonPictures.h"
#include "Dialogs.h"
#include "Look.h"
#include "QtText.h"

namespace travo {
namespace {

QFont Arial(int pixels, bool italic, bool underline) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QLabel* Text(QWidget* parent, const char* name, QRect geometry, QFont font, QColor color,
             const QString& text = {}) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (geometry.width() > 0) {
        label->setGeometry(geometry);
    } else {
        label->move(geometry.topLeft());
        label->adjustSize();
    }
    return label;
}

} // namespace

TFormErrorMessage::TFormErrorMessage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      faces_(MakeFaces(ErrorDialogPictures(),
                       {U("Установить \"по-умолчанию\""), U("Продолжить"), U("Исправить")})) {
    SetUpMessageDialog(this, "TFormErrorMessage", QSize(615, 282), colors::LightYellow);

    Text(this, "L_Error", QRect(8, 8, 0, 0), Arial(21, false, true), colors::Red, U("Ошибка:"));
    ST_Message = Text(this, "ST_Message", QRect(8, 40, 601, 73), Arial(19, true, false),
                      colors::WindowText());
    Text(this, "L_Recom", QRect(8, 112, 0, 0), Arial(21, false, true), colors::Green,
         U("Рекомендация:"));
    ST_Recomendation = Text(this, "ST_Recomendation", QRect(8, 144, 601, 73),
                            Arial(19, true, false), colors::Maroon);

    auto button = [this](const char* name, int tag, QRect geometry, int result) {
        PictureButton* b = MakeDialogButton(this, name, tag, faces_, 10);
        b->setGeometry(geometry);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    B_Continue = button("B_Continue", 2, QRect(16, 224, 250, 49), mrOk);
    B_Default = button("B_Default", 1, QRect(16, 224, 369, 49), mrOk);
    B_Cancel = button("B_Cancel", 3, QRect(408, 224, 194, 49), mrRetry);
    B_Cancel->setDefault(true);
    SetMessages({}, {}, false, true);
}

void TFormErrorMessage::SetMessages(const QString& message, const QString& recommendation,
                                    bool continueShown, bool correctShown) {
    ST_Message->setText(message);
    ST_Recomendation->setText(recommendation);
    B_Continue->setVisible(continueShown);
    B_Cancel->setVisible(correctShown);
    B_Default->setVisible(false);
}

void TFormErrorMessage::SetErrorContinue(const QString& message, const QString& recommendation,
                                         bool defaultAllowed) {
    ST_Message->setText(message);
    ST_Recomendation->setText(recommendation);
    B_Cancel->setVisible(true);
    B_Continue->setVisible(false);
    B_Default->setVisible(defaultAllowed);
}

void TFormErrorMessage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QPalette p = palette();
    p.setColor(QPalette::Window, colors::LightYellow);
    setPalette(p);
    if (!B_Cancel->isHidden())
        B_Cancel->setFocus();
    else if (!B_Continue->isHidden())
        B_Continue->setFocus();
    else if (!B_Default->isHidden())
        B_Default->setFocus();
    PaintFormButtons(this);
}

void TFormErrorMessage::keyPressEvent(QKeyEvent* e) {
    if (!EscapePressesCancel(e, B_Cancel)) QDialog::keyPressEvent(e); // "Исправить"
}

void TFormErrorMessage::reject() {
    done(mrCancel); // the close box
}

} // namespace travo
