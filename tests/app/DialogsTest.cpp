// The two message dialogs and the key prompt driven as an installer does: which
// buttons each variant shows, where the focus lands, and what Enter, Tab, Esc and
// the close box give.
#include <QLabel>

#include "GuiTest.h"
#include "QtText.h"
#include "crypto/FormSetKeyFile.h"
#include "editor/Editors.h"
#include "editor/FormError.h"
#include "editor/FormOk.h"
#include "editor/Look.h"
#include "text/Cp1251.h"

using namespace travo;
using namespace travo::test;

namespace {

enum class Press { Enter, TabEnter, Space, Escape, Close };

// Shows the dialog modally, presses keys once it is up, and gives its result; what
// had the focus when it came up goes to firstFocus.
int Run(QDialog& dialog, Press press, QString* firstFocus = nullptr) {
    WhenModal([press, firstFocus](QDialog* d) {
        // The dialog's own focus child: the window may not be active yet offscreen.
        QWidget* focus = d->focusWidget();
        if (firstFocus) *firstFocus = focus ? focus->objectName() : QString();
        if (!focus) focus = d;
        switch (press) {
        case Press::Enter: Key(focus, Qt::Key_Return, "\r"); break;
        case Press::TabEnter:
            Key(focus, Qt::Key_Tab, "\t");
            Key(d->focusWidget(), Qt::Key_Return, "\r");
            break;
        case Press::Space: Key(focus, Qt::Key_Space, " "); break;
        case Press::Escape: Key(focus, Qt::Key_Escape, "\x1b"); break;
        case Press::Close: d->close(); break;
        }
        // A key that closes nothing leaves the dialog up: end it with a result no
        // button gives, so that the test sees it.
        if (d->isVisible()) d->done(99);
    });
    return dialog.exec();
}

QString Shown(const std::initializer_list<PictureButton*> buttons) {
    QStringList names;
    for (PictureButton* b : buttons)
        if (!b->isHidden()) names << b->objectName();
    return names.join(' ');
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpGuiTests(); }
    void cleanup() { QCOMPARE(DropPendingAnswers(), 0); }

    void errorDialogVariants() {
        struct Case {
            const char* name;
            std::function<void(TFormErrorMessage&)> setUp;
            const char* shown;
            const char* focus;
            int enter, tabEnter, escape;
        };
        const std::vector<Case> cases = {
            {"blocking error", [](auto& e) { e.SetMessages("m", "r", false, true); }, "B_Cancel",
             "B_Cancel", mrRetry, mrRetry, mrRetry},
            {"notice", [](auto& e) { e.SetMessages("m", "r", true, false); }, "B_Continue",
             "B_Continue", mrOk, mrOk, 99},
            {"range error", [](auto& e) { e.SetErrorContinue("m", "r", true); },
             "B_Default B_Cancel", "B_Cancel", mrRetry, mrOk, mrRetry},
            {"logic error", [](auto& e) { e.SetErrorContinue("m", "r", false); }, "B_Cancel",
             "B_Cancel", mrRetry, mrRetry, mrRetry},
        };
        QWidget owner;
        owner.show();
        TFormErrorMessage dialog(&owner);
        for (const Case& c : cases) {
            c.setUp(dialog);
            QCOMPARE(Shown({dialog.B_Default, dialog.B_Continue, dialog.B_Cancel}),
                     QString(c.shown));
            QString focus;
            QVERIFY2(Run(dialog, Press::Enter, &focus) == c.enter, c.name);
            QCOMPARE(focus, QString(c.focus));
            QVERIFY2(Run(dialog, Press::TabEnter) == c.tabEnter, c.name);
            QVERIFY2(Run(dialog, Press::Escape) == c.escape, c.name);
            QVERIFY2(Run(dialog, Press::Close) == mrCancel, c.name);
            QVERIFY2(Run(dialog, Press::Space) == c.enter, c.name);
        }
    }

    void errorDialogLook() {
        QWidget owner;
        TFormErrorMessage dialog(&owner);
        dialog.SetErrorContinue(U("Сообщение"), U("Совет"), true);
        QCOMPARE(dialog.size(), QSize(615, 282));
        QCOMPARE(dialog.windowTitle(), QString());
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(255, 255, 150));
        struct Text {
            const char* name;
            QColor color;
            int pixels;
            bool italic, underline;
            QPoint at;
        };
        const Text texts[] = {
            {"L_Error", Qt::red, 21, false, true, {8, 8}},
            {"ST_Message", colors::WindowText(), 19, true, false, {8, 40}},
            {"L_Recom", QColor(0, 128, 0), 21, false, true, {8, 112}},
            {"ST_Recomendation", QColor(128, 0, 0), 19, true, false, {8, 144}},
        };
        for (const Text& t : texts) {
            auto* label = Find<QLabel>(&dialog, t.name);
            QVERIFY2(label, t.name);
            QCOMPARE(label->pos(), t.at);
            QCOMPARE(label->palette().color(QPalette::WindowText), t.color);
            QCOMPARE(label->font().pixelSize(), t.pixels);
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().italic(), t.italic);
            QCOMPARE(label->font().underline(), t.underline);
        }
        QCOMPARE(Find<QLabel>(&dialog, "L_Error")->text(), U("Ошибка:"));
        QCOMPARE(Find<QLabel>(&dialog, "L_Recom")->text(), U("Рекомендация:"));
        QCOMPARE(dialog.ST_Message->text(), U("Сообщение"));
        QVERIFY(dialog.ST_Message->wordWrap());
        QCOMPARE(dialog.B_Default->geometry(), QRect(16, 224, 369, 49));
        QCOMPARE(dialog.B_Continue->geometry(), QRect(16, 224, 250, 49));
        QCOMPARE(dialog.B_Cancel->geometry(), QRect(408, 224, 194, 49));
        QCOMPARE(dialog.B_Default->Caption(), U("Установить \"по-умолчанию\""));
        QCOMPARE(dialog.B_Continue->Caption(), U("Продолжить"));
        QCOMPARE(dialog.B_Cancel->Caption(), U("Исправить"));
    }

    void confirmationDialogVariants() {
        QWidget owner;
        owner.show();
        TFormOkMessage dialog(&owner);
        QCOMPARE(dialog.size(), QSize(617, 282));
        QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(dialog.StaticTextMessage->font().pixelSize(), 27);
        QCOMPARE(dialog.StaticTextRecomendation->font().pixelSize(), 24);
        QCOMPARE(dialog.StaticTextRecomendation->palette().color(QPalette::WindowText),
                 QColor(128, 0, 0));
        QCOMPARE(dialog.BitBtnCancel->Caption(), U("Отказаться"));
        QCOMPARE(dialog.BitBtnContinue->Caption(), U("Продолжить"));

        dialog.SetMessages(U("Сбросить?"), U("всё пропадёт"), true);
        QCOMPARE(dialog.StaticTextMessage->text(), U("Сбросить?"));
        QCOMPARE(dialog.BitBtnContinue->geometry(), QRect(328, 224, 200, 49));
        QCOMPARE(dialog.BitBtnCancel->geometry(), QRect(48, 224, 200, 49));
        QVERIFY(!dialog.BitBtnCancel->isHidden());
        QString focus;
        QCOMPARE(Run(dialog, Press::Enter, &focus), int(mrOk));
        QCOMPARE(focus, QString("BitBtnContinue"));
        QCOMPARE(Run(dialog, Press::TabEnter), int(mrCancel));
        QCOMPARE(Run(dialog, Press::Escape), int(mrCancel));
        QCOMPARE(Run(dialog, Press::Close), int(mrCancel));

        dialog.SetMessages(U("Сохранено"), QString(), false);
        QCOMPARE(dialog.BitBtnContinue->geometry(), QRect(184, 224, 200, 49));
        QVERIFY(dialog.BitBtnCancel->isHidden());
        QCOMPARE(Run(dialog, Press::Enter), int(mrOk));
        QCOMPARE(Run(dialog, Press::Escape), 99); // no cancel button: Esc does nothing
        QCOMPARE(Run(dialog, Press::Close), int(mrCancel));
    }

    void keyPromptLayoutAndTheLastKey() {
        QWidget owner;
        owner.show();
        TFormDialogSetKeyConfig prompt(&owner);
        prompt.SetKeyMode(false);
        QVERIFY(!prompt.StaticTextErrorKey->isHidden());
        QVERIFY(prompt.StaticTextNew->isHidden());
        QCOMPARE(prompt.height(), 179 - 27); // the outer 179 less the caption bar
        QCOMPARE(prompt.BtnOK->y(), 96);
        QCOMPARE(prompt.BtnCancel->y(), 96);
        QCOMPARE(prompt.BtnOK->Caption(), U("Применить"));
        QCOMPARE(prompt.BtnCancel->Caption(), U("Отказаться"));

        auto typeThen = [&](const QString& text, Press press) {
            WhenModal([text, press](QDialog* d) {
                auto* field = static_cast<TFormDialogSetKeyConfig*>(d)->EditKEYConfig;
                field->clear();
                Type(field, text);
                Key(press == Press::Enter ? static_cast<QWidget*>(field) : d,
                    press == Press::Enter ? Qt::Key_Return : Qt::Key_Escape,
                    press == Press::Enter ? "\r" : "\x1b");
            });
            return prompt.exec();
        };
        QCOMPARE(typeThen(U("Ключ 1"), Press::Enter), int(QDialog::Accepted));
        QCOMPARE(prompt.FieldText(), W("Ключ 1"));
        QCOMPARE(prompt.LastFileKey(), W("Ключ 1"));
        // Cancelling keeps the last confirmed key; the field keeps what was typed.
        QCOMPARE(typeThen("other", Press::Escape), int(QDialog::Rejected));
        QCOMPARE(prompt.LastFileKey(), W("Ключ 1"));
        QCOMPARE(prompt.FieldText(), std::string("other"));
        // At most 32 characters.
        QCOMPARE(typeThen(QString(40, 'k'), Press::Enter), int(QDialog::Accepted));
        QCOMPARE(prompt.LastFileKey(), std::string(32, 'k'));
    }

    void keyPromptKeys() {
        QWidget owner;
        owner.show();
        TFormDialogSetKeyConfig prompt(&owner);
        QString focus;
        QCOMPARE(Run(prompt, Press::Enter, &focus), int(QDialog::Accepted));
        QCOMPARE(focus, QString("EditKEYConfig"));
        // Tab leaves the field for "Применить", then "Отказаться".
        WhenModal([](QDialog* d) {
            Key(d->focusWidget(), Qt::Key_Tab, "\t");
            Key(d->focusWidget(), Qt::Key_Tab, "\t");
            QCOMPARE(d->focusWidget()->objectName(), QString("BtnCancel"));
            Key(d->focusWidget(), Qt::Key_Return, "\r");
        });
        QCOMPARE(prompt.exec(), int(QDialog::Rejected));
        QCOMPARE(Run(prompt, Press::Escape), int(QDialog::Rejected));
    }
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
