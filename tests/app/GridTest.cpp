// The in-place cell editors: opening, placing, every way of closing, the combo's
// description window, the check list's layout rules and the users grid's tuning.
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

#include "GuiTest.h"
#include "QtText.h"
#include "editor/GridEditors.h"
#include "editor/Look.h"
#include "editor/PageCommon.h"
#include "editor/PageParts.h"
#include "text/Cp1251.h"

using namespace travo;
using namespace travo::test;

namespace {

struct PartsGrid {
    explicit PartsGrid(EditorHarness& h) : w(h.Window()), d(h.State().working) {
        w.activateWindow();
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        grid = w.Parts().SG_Parts;
        editor = w.Parts().DelayEditor;
        grid->setFocus();
        grid->SetCurrent(1, 2);
    }
    TForm2& w;
    T_Command_DEVICE& d;
    StringGrid* grid;
    MaskEdit* editor;
};

// A grid of its own on a plain parent, for the editor kinds no page of this build uses.
struct Bench {
    QWidget parent;
    T_Command_DEVICE device;
    GridEditors editors{&parent, device};
    StringGrid* grid = new StringGrid(&parent);
    Bench() {
        parent.resize(600, 400);
        grid->SetSize(5, 5);
        for (int c = 0; c < 5; ++c) grid->SetColWidth(c, 100);
        grid->setGeometry(10, 10, 520, 130);
        device.Reset();
        parent.show();
        QApplication::setActiveWindow(&parent);
    }
};

} // namespace

class GridTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void opensByEnterSpaceAndDoubleClick() {
        EditorHarness h;
        QVERIFY(h.Start());
        PartsGrid g(h);
        Key(g.grid, Qt::Key_Return, "\r");
        QVERIFY(g.editor->isVisible());
        QCOMPARE(QApplication::focusWidget(), g.editor);
        const QRect cell = g.grid->CellRect(1, 2);
        QCOMPARE(g.editor->geometry(),
                 QRect(g.grid->x() + cell.left() + 1, g.grid->y() + cell.top() + 1,
                       cell.width() + 1, cell.height() + 1));
        QCOMPARE(g.editor->text(), QString("90"));
        Key(g.editor, Qt::Key_Escape, "\x1b");
        QVERIFY(g.editor->isHidden());
        Key(g.grid, Qt::Key_Space, " ");
        QVERIFY(g.editor->isVisible());
        Key(g.editor, Qt::Key_Escape, "\x1b");
        const QPoint third = g.grid->CellRect(1, 3).center() - g.grid->viewport()->pos();
        QTest::mouseClick(g.grid->viewport(), Qt::LeftButton, {}, third);
        QTest::mouseDClick(g.grid->viewport(), Qt::LeftButton, {}, third);
        QVERIFY(g.editor->isVisible());
        QCOMPARE(g.grid->Row(), 3);
        Key(g.editor, Qt::Key_Return, "\r");
        // Another key, or a cell without editor, opens nothing.
        Key(g.grid, Qt::Key_A, "a");
        QVERIFY(g.editor->isHidden());
    }

    void everyClosingPathKeepsTheTypedValue() {
        EditorHarness h;
        QVERIFY(h.Start());
        PartsGrid g(h);
        struct Path {
            const char* name;
            std::function<void(PartsGrid&)> close;
        };
        const Path paths[] = {
            {"enter", [](PartsGrid& g) { Key(g.editor, Qt::Key_Return, "\r"); }},
            {"escape", [](PartsGrid& g) { Key(g.editor, Qt::Key_Escape, "\x1b"); }},
            {"click elsewhere",
             [](PartsGrid& g) {
                 QTabBar* bar = g.w.PagesParam->tabBar();
                 QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
             }},
            {"click on another cell",
             [](PartsGrid& g) {
                 QTest::mouseClick(g.grid->viewport(), Qt::LeftButton, {},
                                   g.grid->CellRect(1, 4).center() - g.grid->viewport()->pos());
             }},
            {"tab away", [](PartsGrid& g) { Key(g.editor, Qt::Key_Tab, "\t"); }},
        };
        int value = 100;
        for (const Path& path : paths) {
            g.grid->setFocus();
            g.grid->SetCurrent(1, 2);
            Key(g.grid, Qt::Key_Return, "\r");
            QVERIFY2(g.editor->isVisible(), path.name);
            g.editor->selectAll();
            Type(g.editor, QString::number(++value));
            path.close(g);
            QVERIFY2(g.editor->isHidden(), path.name);
            QCOMPARE(g.d.GetPartDelay(2), value);
            QCOMPARE(g.grid->Cell(1, 2), QString::number(value));
        }
        // The click that closed the editor did not go on to the tab it hit.
        QCOMPARE(g.w.PagesParam->currentWidget(), g.w.Tab_Parts);
    }

    void typingIsFilteredAndAnEmptyCellStoresZero() {
        EditorHarness h;
        QVERIFY(h.Start());
        PartsGrid g(h);
        Key(g.grid, Qt::Key_Return, "\r");
        g.editor->selectAll();
        Type(g.editor, U("1a-.ё2345"));
        QCOMPARE(g.editor->text(), QString("123"));
        g.editor->setText("4x5"); // as pasted
        QCOMPARE(g.editor->text(), QString("45"));
        QCOMPARE(g.editor->cursorPosition(), 2);
        g.editor->clear();
        Key(g.editor, Qt::Key_Return, "\r");
        QCOMPARE(g.d.GetPartDelay(2), 0);
        QCOMPARE(g.grid->Cell(1, 2), QString("0"));
    }

    void openingHidesTheWarningTip() {
        EditorHarness h;
        QVERIFY(h.Start());
        PartsGrid g(h);
        int hidden = 0;
        g.w.Grids().SetWarningTipHider([&] { ++hidden; });
        Key(g.grid, Qt::Key_Return, "\r");
        QCOMPARE(hidden, 1);
    }

    void bindingToEditorLists() {
        Bench b;
        EditorList* list = b.editors.SG_Create_ObjectList(b.grid, 3);
        CheckListBox* check = b.editors.SG_Create_CheckListBox(b.grid, list, 3);
        GridCombo* combo = b.editors.SG_Create_ComboBox(b.grid, list, 3);
        b.editors.SG_Edit_Enable(EditorKind::Combo, b.grid, 1, 3);
        b.editors.SG_Edit_Enable(EditorKind::CheckList, b.grid, 2, 3);
        b.editors.SG_Edit_Enable(EditorKind::Digit, b.grid, 3, 3); // none of that kind
        b.editors.SG_Edit_Enable(std::nullopt, b.grid, 4, 3);
        QCOMPARE(b.grid->Object(3, 1), combo);
        QCOMPARE(b.grid->Object(3, 2), check);
        QCOMPARE(b.grid->Object(3, 3), nullptr);
        QCOMPARE(b.grid->Object(3, 4), nullptr);
        QCOMPARE(b.grid->Object(3, 0), list);
        // A single editor is bound whatever kind is asked for.
        MaskEdit* text = b.editors.SG_Create_TextEdit(b.grid, 1);
        b.editors.SG_Edit_Enable(EditorKind::Hex, b.grid, 1, 1);
        QCOMPARE(b.grid->Object(1, 1), text);
        QCOMPARE(GridEditors::GridOf(text), b.grid);
        QVERIFY(!GridEditors::OpenedForGrid(text));
    }

    void comboOpensWithItsDescriptionBeside() {
        Bench b;
        GridCombo* combo = b.editors.SG_Create_ComboBox(b.grid, nullptr, 1);
        combo->SetItems({U("первый|описание первого"), U("второй|строка 1\nстрока 2"), "3"});
        int chosen = -2;
        b.editors.SetExitHandler(combo, [&] { chosen = combo->currentIndex(); });
        for (int r = 1; r <= 4; ++r) b.editors.SG_Edit_Enable(EditorKind::Combo, b.grid, r, 1);
        b.grid->SetCell(1, 1, U("второй|строка 1\nстрока 2"));
        b.grid->SetCell(1, 2, U("нет такого"));
        b.grid->setFocus();
        b.grid->SetCurrent(1, 1);
        b.editors.SG_Open_Edit(b.grid);
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->currentIndex(), 1);  // the item whose whole text is the cell's
        QVERIFY(combo->view()->isVisible()); // entering the combo opened its list
        QLabel* hint = b.editors.DescriptionWindow();
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), U("строка 1\nстрока 2"));
        QVERIFY(hint->x() > combo->view()->mapToGlobal(QPoint(0, 0)).x());
        emit combo->highlighted(2);
        QCOMPARE(hint->text(), QString("3")); // no bar: the item text itself
        combo->setCurrentIndex(0);
        combo->hidePopup(); // a choice closes the list
        QVERIFY(combo->isHidden());
        QVERIFY(hint->isHidden());
        QCOMPARE(chosen, 0);
        QCOMPARE(QApplication::focusWidget(), b.grid);

        b.grid->SetCurrent(1, 2);
        b.editors.SG_Open_Edit(b.grid);
        QCOMPARE(combo->currentIndex(), -1); // no match selects nothing
        QCOMPARE(combo->currentText(), QString());
        combo->hidePopup();
    }

    void checkListFollowsTheCellAndTheRoomLeft() {
        Bench b;
        CheckListBox* box = b.editors.SG_Create_CheckListBox(b.grid, nullptr, 2);
        box->SetItems({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
        QString stored;
        b.editors.SetExitHandler(box, [&] {
            QStringList on;
            for (int i = 0; i < box->count(); ++i)
                if (box->Checked(i)) on << QString::number(i + 1);
            stored = on.join(',');
        });
        for (int r = 1; r <= 4; ++r) b.editors.SG_Edit_Enable(EditorKind::CheckList, b.grid, r, 2);
        b.grid->SetCell(2, 1, "1,3-4,20");
        b.grid->setFocus();
        b.grid->SetCurrent(2, 1);
        b.editors.SG_Open_Edit(b.grid);
        QVERIFY(box->isVisible());
        QVERIFY(box->Checked(0) && !box->Checked(1) && box->Checked(2) && box->Checked(3));
        QCOMPARE(box->count(), 12);
        const int half = (b.parent.height() - b.grid->CellRect(2, 1).height()) / 2;
        QCOMPARE(box->height(), half); // twelve items do not fit: two columns in half the room
        QCOMPARE(box->Columns(), 2);
        Key(box, Qt::Key_Return, "\r");
        QCOMPARE(stored, QString("1,3,4"));

        // Near the bottom of the parent the list opens upwards, ending at the cell.
        b.grid->move(10, b.parent.height() - 120);
        box->SetItems({"1", "2", "3", "4"});
        b.grid->SetCurrent(2, 4);
        b.editors.SG_Open_Edit(b.grid);
        const QRect cell = b.grid->CellRect(2, 4).translated(b.grid->pos());
        QCOMPARE(box->Columns(), 1);
        QCOMPARE(box->geometry().bottom() + 1, cell.top() + 1 + cell.height());
        Key(box, Qt::Key_Escape, "\x1b");
        QVERIFY(box->isHidden());
    }

    void usersGridTuning() {
        Bench b;
        b.grid->SetTag(1);
        MaskEdit* name = b.editors.SG_Create_TextEdit(b.grid, 1);
        MaskEdit* code = b.editors.SG_Create_HexEdit(b.grid, 3);
        for (int r = 1; r <= 4; ++r) {
            b.editors.SG_Edit_Enable(EditorKind::Text, b.grid, r, 1);
            b.editors.SG_Edit_Enable(EditorKind::Hex, b.grid, r, 3);
        }
        b.device.SetKeyType(2, 1);
        b.device.SetKeyCode(3, "1234");
        b.device.SetKeyCode(4, "000000000000");
        b.grid->SetCell(3, 4, "000000000000");
        b.grid->setFocus();
        b.grid->SetCurrent(1, 1);
        b.editors.SG_Open_Edit(b.grid);
        QCOMPARE(name->MaxLength(), 10);
        Key(name, Qt::Key_Escape, "\x1b");
        b.grid->SetCurrent(1, 2);
        b.editors.SG_Open_Edit(b.grid);
        QCOMPARE(name->MaxLength(), 9); // a marked mode leaves nine characters
        Key(name, Qt::Key_Escape, "\x1b");
        b.grid->SetCurrent(3, 3);
        b.editors.SG_Open_Edit(b.grid);
        QCOMPARE(code->text(), QString("1234"));
        Type(code, "ab*g");
        QCOMPARE(code->text(), QString("AB")); // hexadecimal, in upper case
        Key(code, Qt::Key_Escape, "\x1b");
        b.grid->SetCurrent(3, 4);
        b.editors.SG_Open_Edit(b.grid);
        QCOMPARE(code->text(), QString("000000000000")); // nothing left: the cell's text
        Key(code, Qt::Key_Escape, "\x1b");
    }
};

QTEST_MAIN(GridTest)
#include "GridTest.moc"
