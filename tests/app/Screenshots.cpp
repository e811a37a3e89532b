// Renders every page and dialog of the editor to PNG files, to look at them:
// screenshots DIR [FILE]
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include "QtText.h"
#include "crypto/FormSetKeyFile.h"
#include "editor/FormError.h"
#include "editor/FormOk.h"
#include "editor/HintHook.h"
#include "editor/MainForm.h"

using namespace travo;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(new TravoStyle);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    QApplication::setFont(font);
    const QString out = argc > 1 ? argv[1] : ".";
    QStringList args;
    if (argc > 2) args << argv[2];
    AppState state;
    TForm2 window(state, args, QDir::currentPath());
    QObject::connect(&window, &TForm2::startupDone, [&] {
        for (int i = 0; i < window.PagesParam->count(); ++i) {
            if (!window.PagesParam->isTabVisible(i)) continue;
            window.PagesParam->setCurrentIndex(i);
            QCoreApplication::processEvents(); // scroll bars show or hide by a queued call
            window.grab().save(
                QDir(out).filePath(window.PagesParam->widget(i)->objectName() + ".png"));
        }
        const Dialogs& d = window.GetDialogs();
        d.error->SetErrorContinue(U("Недопустимая величина времени работы сирены"),
                                  U("Время работы сирены должно находится в диапазоне 0..999сек."),
                                  true);
        d.error->show();
        d.error->grab().save(QDir(out).filePath("error.png"));
        d.error->hide();
        d.ok->SetMessages(U("Вы хотите \"сбросить\" настройки в значение \"по-умолчанию\"?"),
                          U("(все введённые значения параметров будут потеряны)"), true);
        d.ok->show();
        d.ok->grab().save(QDir(out).filePath("ok.png"));
        d.ok->hide();
        d.keyPrompt->show();
        d.keyPrompt->grab().save(QDir(out).filePath("key.png"));
        d.keyPrompt->hide();
        app.quit();
    });
    window.show();
    return app.exec();
}
