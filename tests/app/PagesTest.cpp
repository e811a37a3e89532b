// The Common, Modes and Indication pages: redraw, edit, unload; the siren chooser;
// labels and spinners; the focus memory of the pages and GotoItem.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>

#include "GuiTest.h"
#include "QtText.h"
#include "editor/Editors.h"
#include "editor/PageCommon.h"
#include "editor/PageIndic.h"
#include "editor/PageMode.h"
#include "editor/StringGrid.h"
#include "editor/Widgets.h"
#include "text/Cp1251.h"

using namespace travo;
using namespace travo::test;

class PagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void commonPageRoundTrip() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        T_Command_DEVICE& d = h.State().working;
        d.SetCryptoKey(W("ключ 1"));
        d.SetCryptoKeyOld("old");
        d.SetPassword("12345");
        w.Redraw_All();
        PageCommon& c = w.Common();
        QCOMPARE(c.E_Common_KEY->text(), U("ключ 1"));
        QCOMPARE(c.E_Common_KEYOld->text(), QString("old"));
        QCOMPARE(c.E_Common_Password->text(), QString("12345"));
        c.E_Common_KEY->setFocus();
        c.E_Common_KEY->clear();
        Type(c.E_Common_KEY, U("Новый ключ-ё!"));
        QCOMPARE(c.E_Common_KEY->text(), U("Новый ключ")); // no "-", "ё" or "!"
        c.E_Common_Password->clear();
        Type(c.E_Common_Password, "12a34");
        QCOMPARE(c.E_Common_Password->text(), QString("1234"));
        c.E_Common_KEYOld->clear();
        w.UnLoad_All();
        QCOMPARE(d.GetCryptoKey(), W("Новый ключ"));
        QCOMPARE(d.GetCryptoKeyOld(), "");
        QCOMPARE(d.GetPassword(), "1234");
        QCOMPARE(c.E_Common_KEY->MaxLength(), 32);
        QCOMPARE(c.E_Common_Password->MaxLength(), 5);
    }

    void modeGroupsLiveOnTheCommonPage() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        PageMode& m = w.Mode();
        QCOMPARE(m.GB_Mode_GuardDevice->parentWidget(), w.Tab_Common);
        QCOMPARE(m.GB_Mode_Common->parentWidget(), w.Tab_Common);
        QVERIFY(m.GB_Mode_GuardDevice->y() >= w.Common().E_Common_Password->geometry().bottom());
        QVERIFY(m.GB_Mode_Common->y() > m.GB_Mode_GuardDevice->geometry().bottom());
        QCOMPARE(m.CB_Mode_LockNoIP->text(),
                 U("Запрещена постановка на охрану при отсутствии связи с УТ"));

        T_Command_DEVICE& d = h.State().working;
        QVERIFY(m.CB_Mode_LockNoIP->isChecked());
        d.SetLockNoIP(false);
        d.SetUnlockMode(false);
        d.SetEnterEnable(true);
        d.SetLogEnable(false);
        d.SetPowerOffMode(1);
        d.SetAccel(5);
        w.Redraw_All();
        QVERIFY(!m.CB_Mode_LockNoIP->isChecked());
        QVERIFY(!m.CB_Mode_UnlockMode->isChecked());
        QVERIFY(m.CB_Mode_EnterEnable->isChecked());
        QCOMPARE(m.CB_Mode_PowerOffMode->currentIndex(), 1);
        QCOMPARE(m.L_Mode_Accel2->text(), QString(" (5)"));
        for (int v = 0; v <= 5; ++v) {
            m.TB_Mode_Accel->setValue(v);
            QCOMPARE(m.L_Mode_Accel2->text(), QString(" (%1)").arg(v));
        }
        m.CB_Mode_LogEnable->setChecked(true);
        m.CB_Mode_PowerOffMode->setCurrentIndex(0);
        m.TB_Mode_Accel->setValue(2);
        w.UnLoad_All();
        QVERIFY(d.GetLogEnable());
        QCOMPARE(d.GetPowerOffMode(), 0);
        QCOMPARE(d.GetAccel(), 2);
        QVERIFY(!d.GetLockNoIP());
    }

    void powerOffLabelsLightUpWithTheirList() {
        EditorHarness h;
        QVERIFY(h.Start());
        PageMode& m = h.Window().Mode();
        h.Window().activateWindow();
        m.CB_Mode_PowerOffMode->setFocus();
        QCOMPARE(m.L_Mode_PowerOffMode1->palette().color(QPalette::Window), QColor(255, 255, 0));
        QCOMPARE(m.L_Mode_PowerOffMode2->palette().color(QPalette::Window), QColor(255, 255, 0));
        h.Window().Common().E_Common_KEY->setFocus();
        QVERIFY(m.L_Mode_PowerOffMode1->palette().color(QPalette::Window) != QColor(255, 255, 0));
    }

    void indicationPageRoundTrip() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        PageIndic& p = w.Indic();
        T_Command_DEVICE& d = h.State().working;
        d.SetExtIndic(15);
        d.SetIndicZone(3);
        d.SetIntZummer(4);
        d.SetSirena(0);
        d.SetSirenaParts(PartSet{1, 3, 4});
        w.Redraw_All();
        QCOMPARE(p.E_Indic_ExtIndic->text(), QString("15"));
        QCOMPARE(p.UD_Indic_ExtIndic->Position(), 15);
        QCOMPARE(p.CB_Indic_Zone->currentText(), U("раздел 3"));
        QCOMPARE(p.L_Indic_IntZummer_3->text(), QString(" (4)"));
        QCOMPARE(p.E_Indic_Sirena->text(), QString("0"));
        QCOMPARE(p.SG_Indic_Sirena_Parts->Cell(0, 0), QString("1,3-4"));
        QCOMPARE(p.CB_Indic_Zone->count(), 5);
        QCOMPARE(p.CB_Indic_Zone->itemText(0), U("нет раздела"));

        p.E_Indic_ExtIndic->clear();
        p.E_Indic_Sirena->setText("7x7"); // pasted: the change filter keeps the digits
        QCOMPARE(p.E_Indic_Sirena->text(), QString("77"));
        for (int v = 0; v <= 4; ++v) {
            p.TB_Indic_IntZummer->setValue(v);
            QCOMPARE(p.L_Indic_IntZummer_3->text(), QString(" (%1)").arg(v));
        }
        w.UnLoad_All();
        QCOMPARE(d.GetExtIndic(), 0); // an empty box stores 0
        QCOMPARE(d.GetSirena(), 77);
        QCOMPARE(d.GetIntZummer(), 4);
        QCOMPARE(d.GetSirenaParts(), (PartSet{1, 3, 4})); // untouched by the unload

        // Choosing "нет раздела" stores 0 at once.
        emit p.CB_Indic_Zone->activated(0);
        QCOMPARE(d.GetIndicZone(), 0);
    }

    void sirenChooserOpensAndCloses() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        w.PagesParam->setCurrentWidget(w.Tab_Indic);
        PageIndic& p = w.Indic();
        StringGrid* grid = p.SG_Indic_Sirena_Parts;
        CheckListBox* list = p.SirenaPartsList;
        T_Command_DEVICE& d = h.State().working;
        grid->setFocus();

        // Keys other than Enter are discarded; Enter opens.
        Key(grid, Qt::Key_A, "a");
        QVERIFY(list->isHidden());
        Key(grid, Qt::Key_Return, "\r");
        QVERIFY(list->isVisible());
        QCOMPARE(list->width(), grid->width());
        QCOMPARE(list->height(), 4 * (grid->height() + 2));
        QCOMPARE(list->pos(), grid->mapTo(w.Tab_Indic, QPoint(0, 0)) - QPoint(2, 2));
        QCOMPARE(list->Columns(), 3);
        // Ticks 1, 3 and 4; Escape stores them all the same.
        list->SetChecked(0, true);
        list->SetChecked(2, true);
        list->SetChecked(3, true);
        Key(list, Qt::Key_Escape, "\x1b");
        QVERIFY(list->isHidden());
        QCOMPARE(grid->Cell(0, 0), QString("1,3-4"));
        QCOMPARE(d.GetSirenaParts(), (PartSet{1, 3, 4}));

        // A click opens and reads the ticks back; a press elsewhere closes and stores.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton);
        QVERIFY(list->isVisible());
        QVERIFY(list->Checked(0) && !list->Checked(1) && list->Checked(2) && list->Checked(3));
        list->SetChecked(0, false);
        list->SetChecked(2, false);
        list->SetChecked(3, false);
        QTest::mouseClick(p.E_Indic_ExtIndic, Qt::LeftButton);
        QVERIFY(list->isHidden());
        QCOMPARE(grid->Cell(0, 0), QString());
        QVERIFY(d.GetSirenaParts().Empty());

        // A double click toggles an item; Enter closes.
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton);
        QVERIFY(list->isVisible());
        const QRect second = list->visualItemRect(list->item(1));
        // A real double click: a click, then the double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(list->Checked(1));
        Key(list, Qt::Key_Return, "\r");
        QCOMPARE(grid->Cell(0, 0), QString("2"));
        QCOMPARE(d.GetSirenaParts(), PartSet{2});
    }

    void labelsAndSpinnersFocusTheirBox() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        w.PagesParam->setCurrentWidget(w.Tab_Indic);
        PageIndic& p = w.Indic();
        FocusLabel* label = nullptr;
        for (auto* l : w.Tab_Indic->findChildren<FocusLabel*>()) {
            if (l->FocusControl() == p.E_Indic_Sirena && l->text().startsWith(U("Время")))
                label = l;
        }
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), p.E_Indic_Sirena);
        p.E_Indic_ExtIndic->setFocus();
        p.E_Indic_Sirena->setEnabled(false);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), p.E_Indic_ExtIndic); // disabled: no focus
        p.E_Indic_Sirena->setEnabled(true);

        p.E_Indic_Sirena->setText("998");
        QTest::mousePress(p.UD_Indic_Sirena->UpButton(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), p.E_Indic_Sirena);
        QTest::mouseRelease(p.UD_Indic_Sirena->UpButton(), Qt::LeftButton);
        QCOMPARE(p.E_Indic_Sirena->text(), QString("999"));
        p.UD_Indic_Sirena->UpButton()->click();
        QCOMPARE(p.E_Indic_Sirena->text(), QString("999")); // the spinner stops at 999
        p.UD_Indic_ExtIndic->DownButton()->click();
        QCOMPARE(p.E_Indic_ExtIndic->text(), QString("89"));
    }

    void pagesRememberTheirFocus() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        PageCommon& c = w.Common();
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        c.E_Common_Password->setFocus();
        w.PagesParam->setCurrentWidget(w.Tab_Indic);
        w.Indic().E_Indic_Sirena->setFocus();
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        QCOMPARE(QApplication::focusWidget(), c.E_Common_Password);
        w.PagesParam->setCurrentWidget(w.Tab_Indic);
        QCOMPARE(QApplication::focusWidget(), w.Indic().E_Indic_Sirena);

        // A mode control is remembered by no page: the Common page keeps the password.
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        w.Mode().CB_Mode_LogEnable->setFocus();
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        QCOMPARE(QApplication::focusWidget(), c.E_Common_Password);

        // A remembered control that became disabled empties the slot.
        c.E_Common_Password->setEnabled(false);
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        c.E_Common_Password->setEnabled(true);
        c.E_Common_KEY->setFocus();
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        w.PagesParam->setCurrentWidget(w.Tab_Common);
        QCOMPARE(QApplication::focusWidget(), c.E_Common_KEY);
    }

    void gotoItemWalksForwardToThePage() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        QStringList passed;
        connect(w.PagesParam, &QTabWidget::currentChanged, this,
                [&](int i) { passed << w.PagesParam->widget(i)->objectName(); });
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        passed.clear();
        w.GotoItem(w.Tab_Indic, w.Indic().E_Indic_Sirena);
        // Forwards from Разделы, past the hidden pages, round to Индикация.
        QCOMPARE(passed,
                 (QStringList{"Tab_Shleifs", "Tab_Rele", "Tab_Keys", "Tab_Common", "Tab_Indic"}));
        QCOMPARE(QApplication::focusWidget(), w.Indic().E_Indic_Sirena);
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
