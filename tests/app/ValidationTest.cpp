// The validation run through the real error dialog: each rule of the Indication,
// Partitions and Common pages with each of the dialog's outcomes.
#include <QLabel>
#include <QTabWidget>

#include "GuiTest.h"
#include "QtText.h"
#include "editor/Editors.h"
#include "editor/FormError.h"
#include "editor/Look.h"
#include "editor/PageCommon.h"
#include "editor/PageIndic.h"
#include "editor/PageParts.h"
#include "editor/StringGrid.h"

using namespace travo;
using namespace travo::test;

namespace {

enum class Answer { Default, Fix, Escape, Close };

struct Seen {
    QString message, recommendation, buttons;
};

// Answers the next error dialog and records what it showed.
void AnswerError(Answer answer, Seen& seen) {
    WhenModal([answer, &seen](QDialog* d) {
        auto* e = qobject_cast<TFormErrorMessage*>(d);
        QVERIFY(e);
        seen.message = e->ST_Message->text();
        seen.recommendation = e->ST_Recomendation->text();
        seen.buttons = QString(e->B_Default->isHidden() ? "" : "default ") +
                       (e->B_Continue->isHidden() ? "" : "continue ") +
                       (e->B_Cancel->isHidden() ? "" : "fix");
        switch (answer) {
        case Answer::Default: e->B_Default->click(); break;
        case Answer::Fix: e->B_Cancel->click(); break;
        case Answer::Escape: Key(e, Qt::Key_Escape, "\x1b"); break;
        case Answer::Close: e->close(); break;
        }
    });
}

struct Rule {
    const char* name;
    std::function<void(T_Command_DEVICE&)> breakIt;
    const char* message;
    const char* recommendation;
    const char* buttons;
    const char* page;
    const char* control;
    int row; // grid rules
    std::function<bool(TForm2&)> repaired;
};

} // namespace

class ValidationTest : public QObject {
    Q_OBJECT

    std::vector<Rule> Rules() {
        return {
            {"indicator time", [](auto& d) { d.SetExtIndic(0); },
             "Недопустимая величина времени работы выносного индикатора",
             "Время работы выносного индикатора должно находится в диапазоне 1..999сек.",
             "default fix", "Tab_Indic", "E_Indic_ExtIndic", 0,
             [](TForm2& w) { return w.Indic().E_Indic_ExtIndic->text() == "90"; }},
            {"siren time", [](auto& d) { d.SetSirena(1000); },
             "Недопустимая величина времени работы сирены",
             "Время работы сирены должно находится в диапазоне 0..999сек.", "default fix",
             "Tab_Indic", "E_Indic_Sirena", 0,
             [](TForm2& w) { return w.Indic().E_Indic_Sirena->text() == "90"; }},
            {"exit delay", [](auto& d) { d.SetPartDelay(3, 181); },
             "Недопустимая величина времени выхода для раздела.",
             "Задержка времени выхода может быть задана в диапазоне 0..180 секунд", "default fix",
             "Tab_Parts", "SG_Parts", 3,
             [](TForm2& w) { return w.Working().GetPartDelay(3) == 90; }},
            {"short password", [](auto& d) { d.SetPassword("1234"); },
             "Пароль администратора должен иметь длину 5 символов",
             "Введите 5 символов пароля администратора", "fix", "Tab_Common", "E_Common_Password",
             0, nullptr},
            {"no key", [](auto& d) { d.SetCryptoKey(""); },
             "Не задан ключ шифрования файла конфигурации",
             "Для защиты информации в приборе следует задать ключ шифрования", "fix", "Tab_Common",
             "E_Common_KEY", 0, nullptr},
        };
    }

    // A window with a clean configuration, broken by one rule.
    bool Prepare(EditorHarness& h, const Rule& rule) {
        if (!h.Start()) return false;
        h.Window().activateWindow();
        h.State().working.SetCryptoKey("key");
        rule.breakIt(h.State().working);
        h.Window().Redraw_All();
        h.Window().PagesParam->setCurrentWidget(h.Window().Tab_Keys);
        return true;
    }

private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void aCleanConfigurationPassesWithoutADialog() {
        EditorHarness h;
        QVERIFY(h.Start());
        h.State().working.SetCryptoKey("key");
        h.Window().Redraw_All();
        h.Window().UnLoad_All();
        QVERIFY(h.Window().Check_All(false));
    }

    void fixTakesTheInstallerToTheField() {
        for (const Rule& rule : Rules()) {
            for (Answer answer : {Answer::Fix, Answer::Escape}) {
                EditorHarness h;
                QVERIFY(Prepare(h, rule));
                TForm2& w = h.Window();
                Seen seen;
                AnswerError(answer, seen);
                w.UnLoad_All();
                QVERIFY2(!w.Check_All(false), rule.name);
                QCOMPARE(seen.message, U(rule.message));
                QCOMPARE(seen.recommendation, U(rule.recommendation));
                QCOMPARE(seen.buttons, QString(rule.buttons));
                QCOMPARE(w.PagesParam->currentWidget()->objectName(), QString(rule.page));
                QVERIFY(w.focusWidget());
                QCOMPARE(w.focusWidget()->objectName(), QString(rule.control));
                if (rule.row > 0) {
                    auto* grid = Find<StringGrid>(&w, rule.control);
                    QCOMPARE(grid->Row(), rule.row);
                    QCOMPARE(grid->Col(), 1);
                }
            }
        }
    }

    void closingTheDialogStopsWithoutMovingTheFocus() {
        for (const Rule& rule : Rules()) {
            EditorHarness h;
            QVERIFY(Prepare(h, rule));
            TForm2& w = h.Window();
            QWidget* before = w.focusWidget();
            Seen seen;
            AnswerError(Answer::Close, seen);
            w.UnLoad_All();
            QVERIFY2(!w.Check_All(false), rule.name);
            QCOMPARE(w.PagesParam->currentWidget(), w.Tab_Keys);
            QCOMPARE(w.focusWidget(), before);
        }
    }

    void aDefaultRepairsTheValueAndTheRunGoesOn() {
        for (const Rule& rule : Rules()) {
            if (!rule.repaired) continue;
            EditorHarness h;
            QVERIFY(Prepare(h, rule));
            TForm2& w = h.Window();
            Seen seen;
            AnswerError(Answer::Default, seen);
            w.UnLoad_All();
            QVERIFY2(w.Check_All(false), rule.name);
            QVERIFY2(rule.repaired(w), rule.name);
        }
    }

    void thePartitionsGridIsRedrawnOnlyWhenOnShow() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        h.State().working.SetCryptoKey("key");
        h.State().working.SetPartDelay(2, 200);
        w.Redraw_All();
        Seen seen;
        AnswerError(Answer::Default, seen);
        QVERIFY(w.Check_All(false));
        QCOMPARE(w.Parts().SG_Parts->Cell(1, 2), QString("200")); // another page on show
        h.State().working.SetPartDelay(2, 200);
        w.PagesParam->setCurrentWidget(w.Tab_Parts);
        AnswerError(Answer::Default, seen);
        QVERIFY(w.Check_All(false));
        QCOMPARE(w.Parts().SG_Parts->Cell(1, 2), QString("90"));
    }

    void aDefaultStaysAndTheRunGoesOnToTheNextFault() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        w.activateWindow();
        T_Command_DEVICE& d = h.State().working;
        d.SetCryptoKey("key");
        d.SetExtIndic(0);
        d.SetKeyCode(3, "12");
        d.SetKeyCode(9, "12");
        w.Redraw_All();
        Seen first, second;
        AnswerError(Answer::Default, first);
        connect(
            w.GetDialogs().error, &QDialog::finished, this,
            [&] {
                if (second.message.isEmpty()) AnswerError(Answer::Fix, second);
            },
            Qt::SingleShotConnection);
        w.UnLoad_All();
        QVERIFY(!w.Check_All(false));
        QCOMPARE(first.buttons, QString("default fix"));
        QCOMPARE(second.message,
                 U("Для двух или более пользователей заданы одинаковые коды управления"));
        QCOMPARE(second.buttons, QString("fix"));
        QCOMPARE(d.GetExtIndic(), 90); // set by the first dialog, kept after the second
        QCOMPARE(w.PagesParam->currentWidget(), w.Tab_Keys);
    }

    void aValueTooLongForItsBoxStaysWhole() {
        // The box limits typing to three digits; a file's 1000 must still reach the check.
        EditorHarness h;
        QVERIFY(h.Start());
        h.State().working.SetCryptoKey("key");
        h.State().working.SetSirena(1000);
        h.Window().Redraw_All();
        QCOMPARE(h.Window().Indic().E_Indic_Sirena->text(), QString("1000"));
        h.Window().UnLoad_All();
        QCOMPARE(h.State().working.GetSirena(), 1000);
    }

    void passwordBoundaries() {
        for (const char* ok : {"", "12345"}) {
            EditorHarness h;
            QVERIFY(h.Start());
            h.State().working.SetCryptoKey("key");
            h.State().working.SetPassword(ok);
            h.Window().Redraw_All();
            h.Window().UnLoad_All();
            QVERIFY(h.Window().Check_All(false));
        }
    }
};

QTEST_MAIN(ValidationTest)
#include "ValidationTest.moc"
