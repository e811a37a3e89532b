#include "FormOk.h"

#include <QLabel>

#include "ButtonPictures.h"
#include "Dialogs.h"
#include "Look.h"
#include "QtText.h"

namespace travo {
namespace {

QLabel* Centred(QWidget* parent, const char* name, QRect geometry, int pixels, QColor color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TFormOkMessage::TFormOkMessage(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      faces_(MakeFaces(OkDialogPictures(), {U("Отказаться"), U("Продолжить")})) {
    SetUpMessageDialog(this, "TFormOkMessage", QSize(617, 282), colors::Lime);

    StaticTextMessage =
        Centred(this, "StaticTextMessage", QRect(8, 40, 601, 73), 27, QColor(Qt::black));
    StaticTextRecomendation =
        Centred(this, "StaticTextRecomendation", QRect(8, 128, 601, 73), 24, colors::Maroon);

    BitBtnContinue = MakeDialogButton(this, "BitBtnContinue", 2, faces_, 10);
    BitBtnContinue->setGeometry(328, 224, 200, 49);
    BitBtnCancel = MakeDialogButton(this, "BitBtnCancel", 1, faces_, 10);
    BitBtnCancel->setGeometry(48, 224, 200, 49);
    BitBtnCancel->setDefault(true);
    connect(BitBtnContinue, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

void TFormOkMessage::SetMessages(const QString& message, const QString& secondLine,
                                 bool withCancel) {
    StaticTextMessage->setText(message);
    StaticTextRecomendation->setText(secondLine);
    BitBtnContinue->move(withCancel ? 328 : 184, 224);
    BitBtnCancel->setVisible(withCancel);
}

void TFormOkMessage::keyPressEvent(QKeyEvent* e) {
    if (!EscapePressesCancel(e, BitBtnCancel)) QDialog::keyPressEvent(e); // "Отказаться"
}

void TFormOkMessage::reject() {
    done(mrCancel); // the close box
}

void TFormOkMessage::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    BitBtnContinue->setFocus();
    PaintFormButtons(this);
}

} // namespace travo
