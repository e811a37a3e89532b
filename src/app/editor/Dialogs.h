#pragma once
// The modal dialogs, created once at start and handed to whoever shows them.
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <functional>

namespace travo {

class TFormErrorMessage;
class TFormOkMessage;
class TFormDialogSetKeyConfig;

// Modal results, as the dialogs' buttons give them.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrRetry = 4 };

// Shows a dialog modally and gives its result; tests may answer in its place.
using ModalRunner = std::function<int(QDialog&)>;

// What both message dialogs start from: no title text, a fixed client area and one
// background colour.
inline void SetUpMessageDialog(QDialog* dialog, const char* name, QSize size, QColor background) {
    dialog->setObjectName(name);
    dialog->setWindowTitle(QString());
    dialog->setFixedSize(size);
    QPalette p = dialog->palette();
    p.setColor(QPalette::Window, background);
    dialog->setPalette(p);
    dialog->setAutoFillBackground(true);
}

// Esc presses the dialog's cancel button, and does nothing while that is hidden
// (the close box still closes); true when the key was Esc.
inline bool EscapePressesCancel(const QKeyEvent* e, QPushButton* cancel) {
    if (e->key() != Qt::Key_Escape) return false;
    if (!cancel->isHidden()) cancel->click();
    return true;
}

struct Dialogs {
    TFormErrorMessage* error = nullptr;
    TFormOkMessage* ok = nullptr;
    TFormDialogSetKeyConfig* keyPrompt = nullptr;
    ModalRunner run = [](QDialog& d) { return d.exec(); };

    int Show(QDialog& dialog) const { return run(dialog); }
};

} // namespace travo
