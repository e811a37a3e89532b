#include "GridEditors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "Look.h"
#include "QtText.h"
#include "model/Device.h"

namespace travo {
namespace {

constexpr const char* kGridProperty = "editorGrid";
constexpr const char* kKindProperty = "editorKind";
constexpr const char* kOpenedProperty = "editorOpened";

bool IsInside(const QWidget* container, const QObject* target) {
    for (auto* w = qobject_cast<const QWidget*>(target); w; w = w->parentWidget()) {
        if (w == container) return true;
    }
    return false;
}

} // namespace

GridEditors::GridEditors(QWidget* owner, T_Command_DEVICE& device)
    : QObject(owner), owner_(owner), device_(device) {
    description_ = new QLabel(nullptr, Qt::ToolTip);
    description_->setObjectName("ItemDescriptionHint");
    description_->setWordWrap(true);
    description_->setMargin(3);
    description_->setStyleSheet("QLabel { background: #ffffe1; color: black; border: 1px solid "
                                "#767676; }");
    connect(owner, &QObject::destroyed, description_, &QObject::deleteLater);
}

void GridEditors::Attach(StringGrid* grid) {
    if (std::find(attached_.begin(), attached_.end(), grid) != attached_.end()) return;
    attached_.push_back(grid);
    connect(grid, &StringGrid::keyPressed, this, [this, grid](QKeyEvent* e) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space)
            SG_Open_Edit(grid);
    });
    connect(grid, &StringGrid::doubleClicked, this, [this, grid] { SG_Open_Edit(grid); });
    connect(grid, &StringGrid::selectCell, this, [this, grid](int, int) {
        grid->setFocus();
        for (QWidget* w : owner_->findChildren<QWidget*>()) {
            if (GridOf(w) == grid && w->isVisible()) w->hide();
        }
    });
}

void GridEditors::Register(QWidget* editor, StringGrid* grid, EditorKind kind) {
    editor->setProperty(kGridProperty, QVariant::fromValue<QObject*>(grid));
    editor->setProperty(kKindProperty, static_cast<int>(kind));
    editor->hide();
    Attach(grid);
}

StringGrid* GridEditors::GridOf(const QWidget* editor) {
    return editor ? qobject_cast<StringGrid*>(editor->property(kGridProperty).value<QObject*>())
                  : nullptr;
}

EditorKind GridEditors::KindOf(const QWidget* editor) {
    return static_cast<EditorKind>(editor->property(kKindProperty).toInt());
}

bool GridEditors::OpenedForGrid(const QWidget* editor) {
    return GridOf(editor) && editor->property(kOpenedProperty).toBool();
}

void GridEditors::StoreEditor(StringGrid* grid, EditorList* list, int col, QWidget* editor) {
    if (list)
        list->editors.push_back(editor);
    else
        grid->SetObject(col, 0, editor);
}

MaskEdit* GridEditors::CreateMaskEdit(StringGrid* grid, int col, EditorKind kind) {
    auto* edit = new MaskEdit(grid->parentWidget());
    QFont font = grid->font();
    font.setBold(true);
    edit->setFont(font);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, colors::Focused);
    edit->setPalette(p);
    edit->setFrame(false);
    edit->SetEndKeys(true);
    Register(edit, grid, kind);
    StoreEditor(grid, nullptr, col, edit);
    connect(edit, &MaskEdit::endKey, this, [this, edit] { EndEdit(edit); });
    connect(edit, &MaskEdit::exited, this, [this, edit] { Exited(edit); });
    return edit;
}

MaskEdit* GridEditors::SG_Create_DigitEdit(StringGrid* grid, int col) {
    MaskEdit* e = CreateMaskEdit(grid, col, EditorKind::Digit);
    e->SetKeyFilter(&FilterSet(FilterKind::Digits));
    e->SetChangeFilter(&FilterSet(FilterKind::Digits));
    return e;
}

MaskEdit* GridEditors::SG_Create_TextEdit(StringGrid* grid, int col) {
    MaskEdit* e = CreateMaskEdit(grid, col, EditorKind::Text);
    e->SetKeyFilter(&FilterSet(FilterKind::Text));
    return e;
}

MaskEdit* GridEditors::SG_Create_HexEdit(StringGrid* grid, int col) {
    MaskEdit* e = CreateMaskEdit(grid, col, EditorKind::Hex);
    e->SetKeyFilter(&FilterSet(FilterKind::Hex));
    e->SetUpperCase(true);
    return e;
}

MaskEdit* GridEditors::SG_Create_PhoneEdit(StringGrid* grid, int col) {
    MaskEdit* e = CreateMaskEdit(grid, col, EditorKind::Phone);
    e->SetKeyFilter(&FilterSet(FilterKind::Phone));
    e->SetChangeFilter(&FilterSet(FilterKind::Phone));
    return e;
}

GridCombo* GridEditors::SG_Create_ComboBox(StringGrid* grid, EditorList* list, int col) {
    auto* combo = new GridCombo(grid->parentWidget());
    combo->setFont(grid->font());
    combo->SetOpenOnEnter(true);
    combo->SetDescriptionWindow(description_);
    Register(combo, grid, EditorKind::Combo);
    StoreEditor(grid, list, col, combo);
    connect(combo, &GridCombo::closedUp, this, [this, combo] {
        if (!combo->isVisible()) return;
        EndEdit(combo);
        description_->hide();
    });
    connect(combo, &GridCombo::exited, this, [this, combo] { Exited(combo); });
    return combo;
}

CheckListBox* GridEditors::SG_Create_CheckListBox(StringGrid* grid, EditorList* list, int col) {
    auto* box = new CheckListBox(grid->parentWidget());
    box->setFont(grid->font());
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colors::Focused);
    box->setPalette(p);
    box->SetEndKeys(true);
    Register(box, grid, EditorKind::CheckList);
    StoreEditor(grid, list, col, box);
    connect(box, &CheckListBox::endKey, this, [this, box] { EndEdit(box); });
    connect(box, &CheckListBox::exited, this, [this, box] { Exited(box); });
    return box;
}

EditorList* GridEditors::SG_Create_ObjectList(StringGrid* grid, int col) {
    auto* list = new EditorList(grid);
    grid->SetObject(col, 0, list);
    Attach(grid);
    return list;
}

void GridEditors::SG_Edit_Enable(std::optional<EditorKind> kind, StringGrid* grid, int row,
                                 int col) {
    if (!kind) return;
    QObject* header = grid->Object(col, 0);
    if (auto* list = qobject_cast<EditorList*>(header)) {
        for (QWidget* e : list->editors) {
            if (KindOf(e) == *kind) {
                grid->SetObject(col, row, e);
                return;
            }
        }
        return;
    }
    if (header) grid->SetObject(col, row, header);
}

void GridEditors::SetExitHandler(QWidget* editor, std::function<void()> handler) {
    exitHandlers_[editor] = std::move(handler);
}

void GridEditors::Place(StringGrid* grid, QWidget* editor) {
    grid->lower();
    editor->setProperty(kOpenedProperty, true);
    const QRect cell = grid->CellRect(grid->Col(), grid->Row());
    editor->setGeometry(grid->x() + cell.left() + 1, grid->y() + cell.top() + 1, cell.width() + 1,
                        cell.height() + 1);
}

QString GridEditors::Tune(StringGrid* grid, QWidget* editor) {
    if (grid->Tag() != 1) return {};
    const int user = grid->Row();
    if (grid->Col() == 1) {
        if (auto* edit = qobject_cast<MaskEdit*>(editor))
            edit->SetMaxLength(device_.GetKeyType(user) != 0 ? 9 : 10);
        return {};
    }
    if (grid->Col() == 3) {
        std::string code = device_.GetKeyCode(user);
        while (!code.empty() && code.back() == '0') code.pop_back();
        return Q(code);
    }
    return {};
}

void GridEditors::SG_Open_Edit(StringGrid* grid) {
    if (hideWarning_) hideWarning_();
    auto* editor = qobject_cast<QWidget*>(grid->Object(grid->Col(), grid->Row()));
    if (grid->Row() == 0 || !editor) return;
    const QString start = Tune(grid, editor);
    if (auto* edit = qobject_cast<MaskEdit*>(editor))
        OpenMaskEdit(grid, edit, start);
    else if (auto* combo = qobject_cast<GridCombo*>(editor))
        OpenComboBox(grid, combo);
    else if (auto* list = qobject_cast<CheckListBox*>(editor))
        OpenCheckListBox(grid, list);
    open_ = editor;
    CaptureMouse(editor, [this, editor] { EndEdit(editor); });
}

void GridEditors::OpenMaskEdit(StringGrid* grid, MaskEdit* edit, const QString& text) {
    Place(grid, edit);
    grid->SetObject(grid->Col(), grid->Row(), edit);
    edit->setText(!text.isEmpty() ? text : grid->Cell(grid->Col(), grid->Row()));
    edit->show();
    edit->raise();
    edit->setFocus();
}

void GridEditors::OpenComboBox(StringGrid* grid, GridCombo* combo) {
    Place(grid, combo);
    combo->SetItemHeight(grid->RowHeight());
    const int index = combo->LineIndexOf(grid->Cell(grid->Col(), grid->Row()));
    combo->setCurrentIndex(index < combo->count() ? index : -1); // no match selects nothing
    combo->show();
    combo->raise();
    combo->setFocus();
}

void GridEditors::OpenCheckListBox(StringGrid* grid, CheckListBox* list) {
    Place(grid, list);
    const QRect cell = grid->CellRect(grid->Col(), grid->Row());
    const int parentHeight = list->parentWidget()->height();
    int height = list->count() * list->ItemHeight() + 4;
    const int half = (parentHeight - cell.height()) / 2;
    list->SetColumns(1);
    if (half < height) {
        height = half;
        list->SetColumns(2);
    }
    int top = list->y();
    if (top + height > parentHeight) top -= height - cell.height();
    list->setGeometry(list->x(), top, list->width(), height);
    Set_CheckListBox(grid->Cell(grid->Col(), grid->Row()), ',', list, '-');
    list->show();
    list->raise();
    list->setFocus();
}

void GridEditors::EndEdit(QWidget* editor) {
    if (StringGrid* grid = GridOf(editor)) grid->setFocus();
    editor->hide();
}

void GridEditors::CloseOpenEditor() {
    if (open_ && open_->isVisible()) EndEdit(open_);
}

void GridEditors::Exited(QWidget* editor) {
    ReleaseMouse(editor);
    if (!OpenedForGrid(editor)) return;
    if (auto it = exitHandlers_.find(editor); it != exitHandlers_.end() && it->second) it->second();
    editor->hide();
    if (open_ == editor) open_ = nullptr;
}

void GridEditors::CaptureMouse(QWidget* widget, std::function<void()> close) {
    captured_ = widget;
    captureClose_ = std::move(close);
    qApp->installEventFilter(this);
}

void GridEditors::ReleaseMouse(QWidget* widget) {
    if (captured_ != widget) return;
    captured_ = nullptr;
    captureClose_ = nullptr;
    qApp->removeEventFilter(this);
}

bool GridEditors::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || !captured_) return false;
    if (!captured_->isVisible()) {
        ReleaseMouse(captured_);
        return false;
    }
    if (IsInside(captured_, watched)) return false;
    // A press anywhere else only closes the editor, as Esc does.
    auto close = captureClose_;
    ReleaseMouse(captured_);
    if (close) close();
    return true;
}

} // namespace travo
