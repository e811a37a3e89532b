#include "ValidationRun.h"

#include "Dialogs.h"
#include "EditorFrame.h"
#include "FormError.h"
#include "QtText.h"
#include "StringGrid.h"

namespace travo {

bool CheckPage(Page page, EditorFrame& frame, QWidget* pageWidget,
               const std::function<void()>& redraw) {
    const Dialogs& dialogs = frame.GetDialogs();
    for (const CheckStep& step : PageChecks(page)) {
        std::optional<Fault> fault = step(frame.Working());
        if (!fault) continue;
        dialogs.error->SetErrorContinue(Q(fault->message), Q(fault->recommendation),
                                        fault->defaultAllowed);
        const int result = dialogs.Show(*dialogs.error);
        if (result == mrOk && fault->setDefault) {
            fault->setDefault(frame.Working());
            if (redraw) redraw();
            continue;
        }
        if (result == mrRetry) {
            QWidget* control =
                pageWidget->findChild<QWidget*>(QString::fromStdString(fault->focus.control));
            frame.GotoItem(pageWidget, control);
            if (auto* grid = qobject_cast<StringGrid*>(control); grid && fault->focus.row > 0) {
                grid->SetCurrent(fault->focus.column, fault->focus.row);
            }
        }
        return false;
    }
    return true;
}

} // namespace travo
