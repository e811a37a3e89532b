#pragma once
// The error dialog: a message, a recommendation, and up to two of "Продолжить",
// "Установить \"по-умолчанию\"" and "Исправить".
#include <QDialog>

#include "Look.h"

class QLabel;

namespace travo {

class PictureButton;

class TFormErrorMessage : public QDialog {
    Q_OBJECT
public:
    explicit TFormErrorMessage(QWidget* parent);

    void SetMessages(const QString& message, const QString& recommendation, bool continueShown,
                     bool correctShown);
    void SetErrorContinue(const QString& message, const QString& recommendation,
                          bool defaultAllowed);

    QLabel* ST_Message;
    QLabel* ST_Recomendation;
    PictureButton* B_Continue;
    PictureButton* B_Default;
    PictureButton* B_Cancel;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;

private:
    FaceSource faces_;
};

} // namespace travo
