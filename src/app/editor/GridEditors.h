#pragma once
// In-place editing of grid cells: each editable column owns hidden editors that are
// laid over a cell when it opens and write the value back when they lose the focus.
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "Editors.h"
#include "StringGrid.h"

class QLabel;

namespace travo {

class T_Command_DEVICE;

enum class EditorKind { Digit, Text, Hex, Phone, Combo, CheckList };

// The editors of one column when the kind depends on the row.
class EditorList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    std::vector<QWidget*> editors;
};

class GridEditors : public QObject {
    Q_OBJECT
public:
    // owner: the window that owns every editor; device: for the users grid's tuning.
    GridEditors(QWidget* owner, T_Command_DEVICE& device);

    MaskEdit* SG_Create_DigitEdit(StringGrid* grid, int col);
    MaskEdit* SG_Create_TextEdit(StringGrid* grid, int col);
    MaskEdit* SG_Create_HexEdit(StringGrid* grid, int col);
    MaskEdit* SG_Create_PhoneEdit(StringGrid* grid, int col);
    GridCombo* SG_Create_ComboBox(StringGrid* grid, EditorList* list, int col);
    CheckListBox* SG_Create_CheckListBox(StringGrid* grid, EditorList* list, int col);
    EditorList* SG_Create_ObjectList(StringGrid* grid, int col);

    // Binds a data cell to the column's editor of a kind; nothing unbinds it.
    void SG_Edit_Enable(std::optional<EditorKind> kind, StringGrid* grid, int row, int col);

    // What the page does when an editor opened for its grid loses the focus; the
    // editor is hidden afterwards.
    void SetExitHandler(QWidget* editor, std::function<void()> handler);

    void SG_Open_Edit(StringGrid* grid);
    // True once the editor was opened over its grid.
    static bool OpenedForGrid(const QWidget* editor);
    static StringGrid* GridOf(const QWidget* editor);
    static EditorKind KindOf(const QWidget* editor);
    QWidget* OpenEditor() const { return open_; }

    // Closes whatever editor is open the way Esc does.
    void CloseOpenEditor();

    // Mouse presses outside the widget run close (used by the siren chooser too).
    void CaptureMouse(QWidget* widget, std::function<void()> close);
    void ReleaseMouse(QWidget* widget);

    QLabel* DescriptionWindow() const { return description_; }
    void SetWarningTipHider(std::function<void()> hide) { hideWarning_ = std::move(hide); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MaskEdit* CreateMaskEdit(StringGrid* grid, int col, EditorKind kind);
    void Attach(StringGrid* grid);
    void Register(QWidget* editor, StringGrid* grid, EditorKind kind);
    void StoreEditor(StringGrid* grid, EditorList* list, int col, QWidget* editor);
    void Place(StringGrid* grid, QWidget* editor);
    QString Tune(StringGrid* grid, QWidget* editor);
    void OpenMaskEdit(StringGrid* grid, MaskEdit* edit, const QString& text);
    void OpenComboBox(StringGrid* grid, GridCombo* combo);
    void OpenCheckListBox(StringGrid* grid, CheckListBox* list);
    void EndEdit(QWidget* editor);
    void Exited(QWidget* editor);

    QWidget* owner_;
    T_Command_DEVICE& device_;
    QLabel* description_;
    std::vector<StringGrid*> attached_;
    std::map<QWidget*, std::function<void()>> exitHandlers_;
    QPointer<QWidget> open_;
    QPointer<QWidget> captured_;
    std::function<void()> captureClose_;
    std::function<void()> hideWarning_;
};

} // namespace travo
