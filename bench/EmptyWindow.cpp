// The floor of the start-up benchmark: the least a Qt Widgets program does to show
// one window, quitting after the window's first paint. With "--label" the window
// holds one line of text, which shows what starting the font system alone costs.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <cstring>

namespace {

class QuitOnPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    if (argc > 1 && std::strcmp(argv[1], "--label") == 0) {
        auto* label = new QLabel(QStringLiteral("Конфигурация"), &window);
        label->move(10, 10);
    }
    QuitOnPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return app.exec();
}
