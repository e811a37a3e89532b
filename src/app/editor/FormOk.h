#pragma once
// The confirmation and success dialog: "Продолжить", and "Отказаться" when asked.
#include <QDialog>

#include "Look.h"

class QLabel;

namespace travo {

class PictureButton;

class TFormOkMessage : public QDialog {
    Q_OBJECT
public:
    explicit TFormOkMessage(QWidget* parent);

    void SetMessages(const QString& message, const QString& secondLine, bool withCancel);

    QLabel* StaticTextMessage;
    QLabel* StaticTextRecomendation;
    PictureButton* BitBtnContinue;
    PictureButton* BitBtnCancel;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;

private:
    FaceSource faces_;
};

} // namespace travo
