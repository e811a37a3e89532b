#include "Application.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "QtSettingsStore.h"
#include "QtText.h"
#include "editor/HintHook.h"
#include "editor/MainForm.h"

namespace travo {
namespace {

// Qt aborts without a display; say so in words instead.
bool DisplayAvailable() {
#if defined(Q_OS_LINUX)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// A display that is named but cannot be opened makes Qt abort while the application
// starts; this says so in words and ends with the same exit code as no display.
QtMessageHandler previousHandler = nullptr;
void StartupMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "travo4gsm: no display to show the window on (the window system could not be "
                     "started).\n%s\n",
                     qPrintable(text));
        std::fflush(stderr);
        std::_Exit(2);
    }
    if (previousHandler) previousHandler(type, context, text);
}

// Quits the program after the first paint of the window it watches.
class QuitOnPaint : public QObject {
public:
    explicit QuitOnPaint(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int RunEditor(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fputs("travo4gsm: no display to show the window on (DISPLAY is not set).\n"
                   "Run it on a desktop, or under xvfb-run.\n",
                   stderr);
        return 2;
    }
    previousHandler = qInstallMessageHandler(StartupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    QApplication::setStyle(new TravoStyle);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    QApplication::setFont(font);

    AppState state;
    state.settings.ProgramPath =
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + "/").toStdString();
    state.store = QtSettingsStore::OpenDefault();

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    TForm2 window(state, arguments, QDir::currentPath());
    QuitOnPaint quitter(&window);
    if (qEnvironmentVariableIsSet("TRAVO_QUIT_AFTER_START")) {
        // For the start-up benchmark: quit once the window is painted with its file open.
        QObject::connect(&window, &TForm2::startupDone, &window, [&window, &quitter] {
            window.installEventFilter(&quitter);
            window.update();
        });
    }
    window.show();
    return app.exec();
}

} // namespace travo
