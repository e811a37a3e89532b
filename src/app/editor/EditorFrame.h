#pragma once
// What the pages of the editor need of the main window that owns them.
#include <QWidget>

namespace travo {

class T_Command_DEVICE;
class GridEditors;
struct Dialogs;

// The page whose focus memory a control reports to; Mode controls are remembered
// by no page.
enum class FocusSlot { Common, Mode, Indic, Shleifs, Rele, Keys, None };

class EditorFrame {
public:
    virtual ~EditorFrame() = default;
    virtual T_Command_DEVICE& Working() = 0;
    virtual GridEditors& Grids() = 0;
    virtual const Dialogs& GetDialogs() const = 0;
    // Focus colouring for the control and, for a page slot, the page's focus memory.
    virtual void Track(QWidget* control, FocusSlot slot) = 0;
    // Brings the page to the front and focuses the control on it.
    virtual void GotoItem(QWidget* page, QWidget* control) = 0;
    virtual bool IsActivePage(const QWidget* page) const = 0;
};

} // namespace travo
