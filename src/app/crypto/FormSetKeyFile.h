#pragma once
// The key prompt for protected files.
#include <QDialog>

#include "editor/Look.h"

#include "crypto/CryptoAttempt.h"

class QLabel;

namespace travo {

class MaskEdit;
class PictureButton;
struct Dialogs;

class TFormDialogSetKeyConfig : public QDialog {
    Q_OBJECT
public:
    explicit TFormDialogSetKeyConfig(QWidget* parent);

    // The current-key layout: the wrong-key line shown, the new-key label hidden.
    void SetKeyMode(bool newKey);
    // The key last confirmed with "Применить", exactly as typed (Windows-1251).
    const std::string& LastFileKey() const { return lastFileKey_; }
    std::string FieldText() const;

    QLabel* StaticTextRecomendation;
    QLabel* StaticTextErrorKey;
    QLabel* StaticTextNew;
    MaskEdit* EditKEYConfig;
    PictureButton* BtnOK;
    PictureButton* BtnCancel;

protected:
    void showEvent(QShowEvent* e) override;

private:
    FaceSource faces_;
    std::string lastFileKey_;
};

// The attempt loop's view of the prompt: the real dialog, shown through dialogs.run.
class KeyPromptWindow : public KeyPrompt {
public:
    KeyPromptWindow(TFormDialogSetKeyConfig& dialog, const Dialogs& dialogs)
        : dialog_(dialog), dialogs_(dialogs) {}
    void BeginAttempt() override;
    void SetWrongKeyShown(bool shown) override;
    bool FieldEmpty() const override;
    std::optional<std::string> Ask() override;

private:
    TFormDialogSetKeyConfig& dialog_;
    const Dialogs& dialogs_;
};

} // namespace travo
