// Start-up of the main window: the file of the command line, of the folder, or the
// defaults; protected files with the real key prompt; the armed panel; "По-умолчанию".
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>

#include "CryptoWriter.h"
#include "GuiTest.h"
#include "QtText.h"
#include "crypto/FormSetKeyFile.h"
#include "editor/Editors.h"
#include "editor/FormError.h"
#include "editor/FormOk.h"
#include "editor/Look.h"
#include "editor/PageCommon.h"
#include "text/Cp1251.h"

using namespace travo;
using namespace travo::test;

namespace {

const QString kPrefix = U("Конфигуратор ТРАВО \"Варнот 18кГц 4\" v.4.0.4.6   =>   ");
const QString kDefaults = U("Конфигурация \"по-умолчанию\"");

std::string Protected(const std::string& key, const std::string& payload) {
    CryptoFileSpec spec;
    spec.keyText = key;
    spec.payload = payload;
    return MakeCryptoFile(spec);
}

QString Status(TForm2& w) {
    return w.StaticTextStatus->text();
}
QColor StatusColor(TForm2& w) {
    return w.StaticTextStatus->palette().color(QPalette::WindowText);
}

void TypeKeyAndApply(QDialog* dialog, const QString& key) {
    auto* prompt = static_cast<TFormDialogSetKeyConfig*>(dialog);
    prompt->EditKEYConfig->clear();
    prompt->EditKEYConfig->setFocus();
    Type(prompt->EditKEYConfig, key);
    prompt->BtnOK->click();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void withoutADisplayItSaysSo() {
        // None at all, and one that is named but cannot be opened.
        for (const char* display : {"", ":987"}) {
            QProcess editor;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(name);
            if (*display) env.insert("DISPLAY", display);
            editor.setProcessEnvironment(env);
            editor.start(QStringLiteral(TRAVO_EDITOR_EXE), {});
            QVERIFY(editor.waitForFinished(30000));
            QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
            QCOMPARE(editor.exitCode(), 2);
            QVERIFY2(editor.readAllStandardError().contains("no display"), display);
        }
    }

    void withoutAFileShowsTheDefaults() {
        EditorHarness h;
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        QCOMPARE(Status(w), kDefaults);
        QCOMPARE(StatusColor(w), colors::Green);
        QCOMPARE(w.windowTitle(), kPrefix);
        QVERIFY(!w.PagesParam->isTabVisible(w.PagesParam->indexOf(w.TabDebug)));
        QVERIFY(!w.PagesParam->isTabVisible(w.PagesParam->indexOf(w.Tab_Mode)));
        QVERIFY(w.PagesParam->isVisible());
        QCOMPARE(Find<QLineEdit>(&w, "E_Indic_ExtIndic")->text(), QString("90"));
        QCOMPARE(w.size(), QSize(792, 556));
        QStringList captions;
        for (int i = 0; i < w.PagesParam->count(); ++i) captions << w.PagesParam->tabText(i);
        QCOMPARE(captions, (QStringList{U("Общие"), U("Режимы"), U("Индикация"), U("Разделы"),
                                        U("Шлейфы"), U("Реле"), U("Ключи"), U("Текст")}));
    }

    void aPlainFileFromTheCommandLine() {
        EditorHarness h;
        const QString file = h.Write("site.gsm", "Varnoth-Site A\r\nst-30\r\nks1-K1\r\n");
        QVERIFY(h.Start({file}));
        TForm2& w = h.Window();
        const QString date =
            QLocale().toString(QFileInfo(file).lastModified().date(), QLocale::ShortFormat);
        QCOMPARE(Status(w), U("Конфигурация сохраненная (Site A) от ") + date + U(" года "));
        QCOMPARE(w.windowTitle(), kPrefix + file);
        QCOMPARE(Find<QLineEdit>(&w, "E_Indic_Sirena")->text(), QString("30"));
        QCOMPARE(w.Common().E_Common_KEY->text(), QString("K1"));
    }

    void theFolderConfigIniComesBeforeConfigCry() {
        EditorHarness h;
        h.Write("config.ini", "st-31\r\n");
        h.Write("config.cry", Protected("k", "st-32\r\n"));
        QVERIFY(h.Start());
        QCOMPARE(h.State().working.GetSirena(), 31);
        QCOMPARE(h.Window().windowTitle(), kPrefix + QDir::toNativeSeparators("./config.ini"));
    }

    void aProtectedFileAsksForTheKey() {
        EditorHarness h;
        h.Write("config.cry", Protected(W("Ключ"), "Varnoth-P\r\nst-33\r\n"));
        QStringList shownWrongKey;
        WhenModal([&](QDialog* d) {
            auto* prompt = static_cast<TFormDialogSetKeyConfig*>(d);
            shownWrongKey << QString::number(prompt->StaticTextErrorKey->isVisible());
            TypeKeyAndApply(d, "wrong");
            WhenModal([&](QDialog* again) {
                auto* p2 = static_cast<TFormDialogSetKeyConfig*>(again);
                shownWrongKey << QString::number(p2->StaticTextErrorKey->isVisible());
                TypeKeyAndApply(again, U("Ключ"));
            });
        });
        QVERIFY(h.Start());
        TForm2& w = h.Window();
        QCOMPARE(shownWrongKey, (QStringList{"0", "1"}));
        QCOMPARE(h.State().working.GetSirena(), 33);
        QVERIFY(Status(w).startsWith(U("Конфигурация сохраненная (P) от ")));
        // The file named no key: the key that opened it is key and old key.
        QCOMPARE(w.Common().E_Common_KEY->text(), U("Ключ"));
        QCOMPARE(w.Common().E_Common_KEYOld->text(), U("Ключ"));
        QCOMPARE(w.GetDialogs().keyPrompt->LastFileKey(), W("Ключ"));
    }

    void cancellingTheKeyPromptShowsTheDefaults() {
        EditorHarness h;
        const QString file = h.Write("a.CRY", Protected("k", "st-34\r\n"));
        WhenModal([](QDialog* d) { static_cast<TFormDialogSetKeyConfig*>(d)->BtnCancel->click(); });
        QVERIFY(h.Start({file}));
        TForm2& w = h.Window();
        QCOMPARE(Status(w), kDefaults);
        QCOMPARE(w.windowTitle(), kPrefix);
        QCOMPARE(h.State().working.GetSirena(), 90);
        QVERIFY(w.Memo1->toPlainText().isEmpty());
    }

    void aForeignProtectedFileIsToldApart() {
        EditorHarness h;
        const QString file = h.Write("f.cry", "Varnoth-X\r\n");
        QString message;
        QStringList buttons;
        WhenModal([&](QDialog* d) {
            // The key prompt first (no key at hand), then the error dialog.
            auto* prompt = qobject_cast<TFormDialogSetKeyConfig*>(d);
            QVERIFY(prompt);
            TypeKeyAndApply(d, "k");
            WhenModal([&](QDialog* e) {
                auto* error = qobject_cast<TFormErrorMessage*>(e);
                message = error->ST_Message->text();
                if (!error->B_Cancel->isHidden()) buttons << "fix";
                if (!error->B_Continue->isHidden()) buttons << "continue";
                if (!error->B_Default->isHidden()) buttons << "default";
                error->B_Cancel->click();
            });
        });
        QVERIFY(h.Start({file}));
        QVERIFY(message.startsWith(U("Ошибка контрольной сигнатуры файла конфигурации")));
        QVERIFY(message.endsWith(U("\"ТРАВО ВАРНОТ 18кГц 4\"")));
        QCOMPARE(buttons, QStringList{"fix"});
        QCOMPARE(Status(h.Window()), kDefaults);
    }

    void debugShowsTheTextPage() {
        for (const QString& sw : {QString("-debug"), QString("-DEBUG")}) {
            EditorHarness h;
            const QString file = h.Write("x.ini", "st-35\r\n");
            QVERIFY(h.Start({sw, file}));
            TForm2& w = h.Window();
            QVERIFY(w.PagesParam->isTabVisible(w.PagesParam->indexOf(w.TabDebug)));
            QCOMPARE(w.Memo1->toPlainText(), QString("st-35\n"));
            QCOMPARE(h.State().working.GetSirena(), 35);
        }
        EditorHarness alone;
        alone.Write("config.ini", "st-36\r\n");
        QVERIFY(alone.Start({"-Debug"}));
        QCOMPARE(alone.State().working.GetSirena(), 36);
    }

    void anyOtherExtensionIsPlainText() {
        EditorHarness h;
        const QString file = h.Write("notes.txt", "st-37\r\n");
        QVERIFY(h.Start({file}));
        QCOMPARE(h.State().working.GetSirena(), 37);
    }

    void anArmedPanelIsReadOnly() {
        EditorHarness h;
        const QString file = h.Write("config.ini", "st-38\r\n");
        h.Write("lock.txt", "");
        QStringList seen;
        WhenModal([&](QDialog* d) {
            auto* error = qobject_cast<TFormErrorMessage*>(d);
            seen << error->ST_Message->text();
            seen << QString::number(!error->B_Continue->isHidden()) +
                        QString::number(!error->B_Cancel->isHidden());
            Key(error, Qt::Key_Escape); // does nothing in the notice
            seen << QString::number(error->isVisible());
            error->B_Continue->click();
        });
        QVERIFY(h.Start({file}));
        TForm2& w = h.Window();
        QCOMPARE(seen, (QStringList{U("Прибор находится во взятом состоянии, редактирование "
                                      "параметров невозможно"),
                                    "10", "1"}));
        QVERIFY(Status(w).endsWith(U(" года (только чтение)")));
        QCOMPARE(StatusColor(w), colors::Red);
        QVERIFY(w.B_SaveToDevice->isHidden());
        QVERIFY(!w.B_SaveToDevice->isEnabled());
        w.ButtonVisible(false);
        w.ButtonVisible(true);
        QVERIFY(w.B_SaveToDevice->isHidden());
        QVERIFY(w.B_Save->isVisible());
    }

    void resetToDefaultsAsksFirst() {
        EditorHarness h;
        const QString file = h.Write("x.ini", "st-39\r\n");
        QVERIFY(h.Start({file}));
        TForm2& w = h.Window();
        w.GetDialogs().keyPrompt->EditKEYConfig->setText("old");

        WhenModal([](QDialog* d) { static_cast<TFormOkMessage*>(d)->BitBtnCancel->click(); });
        w.B_Default->click();
        QCOMPARE(h.State().working.GetSirena(), 39);

        QString question;
        WhenModal([&](QDialog* d) {
            auto* ok = static_cast<TFormOkMessage*>(d);
            question = ok->StaticTextMessage->text();
            QVERIFY(ok->BitBtnCancel->isVisible());
            QCOMPARE(ok->BitBtnContinue->x(), 328);
            ok->BitBtnContinue->click();
        });
        w.B_Default->click();
        QCOMPARE(question, U("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"));
        QCOMPARE(h.State().working.GetSirena(), 90);
        QCOMPARE(Find<QLineEdit>(&w, "E_Indic_Sirena")->text(), QString("90"));
        QCOMPARE(Status(w), kDefaults);
        QCOMPARE(StatusColor(w), colors::Green);
        QCOMPARE(w.windowTitle(), kPrefix);
        QVERIFY(w.GetDialogs().keyPrompt->EditKEYConfig->text().isEmpty());
        QCOMPARE(w.Memo1->toPlainText(), QString("st-39\n")); // the text page keeps its text
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
