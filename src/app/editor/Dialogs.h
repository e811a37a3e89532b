#pragma once
// The modal dialogs, created once at start and handed to whoever shows them.
#include <QDialog>
#include <functional>

namespace travo {

class TFormErrorMessage;
class TFormOkMessage;
class TFormDialogSetKeyConfig;

// Modal results, as the dialogs' buttons give them.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrRetry = 4 };

// Shows a dialog modally and gives its result; tests may answer in its place.
using ModalRunner = std::function<int(QDialog&)>;

struct Dialogs {
    TFormErrorMessage* error = nullptr;
    TFormOkMessage* ok = nullptr;
    TFormDialogSetKeyConfig* keyPrompt = nullptr;
    ModalRunner run = [](QDialog& d) { return d.exec(); };

    int Show(QDialog& dialog) const { return run(dialog); }
};

} // namespace travo
