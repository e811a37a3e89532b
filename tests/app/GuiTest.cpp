#include "GuiTest.h"

#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include "editor/HintHook.h"

namespace travo::test {

void SetUpGuiTests() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication::setStyle(new TravoStyle);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    QApplication::setFont(font);
}

namespace {
QObject& Answers() {
    static QObject answers;
    return answers;
}
} // namespace

int DropPendingAnswers() {
    const auto pending = Answers().findChildren<QTimer*>();
    qDeleteAll(pending);
    return static_cast<int>(pending.size());
}

void WhenModal(std::function<void(QDialog*)> answer) {
    auto* timer = new QTimer(&Answers());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->setParent(nullptr);
        timer->deleteLater();
        answer(dialog);
    });
    timer->start();
}

void Key(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void Type(QWidget* target, const QString& text) {
    for (const QChar c : text) Key(target, Qt::Key_unknown, QString(c));
}

EditorHarness::EditorHarness() {
    state_.settings.ProgramPath = dir_.Path().string() + "/";
    state_.store = std::make_unique<QtSettingsStore>(std::make_unique<QSettings>(
        QString::fromStdString((dir_.Path() / "settings.ini").string()), QSettings::IniFormat));
}

bool EditorHarness::Start(QStringList arguments) {
    window_ = std::make_unique<TForm2>(state_, std::move(arguments),
                                       QString::fromStdString(dir_.Path().string()));
    QSignalSpy done(window_.get(), &TForm2::startupDone);
    window_->show();
    return done.count() > 0 || done.wait(10000);
}

QString EditorHarness::Path(const QString& name) const {
    return QString::fromStdString((dir_.Path() / name.toStdString()).string());
}

QString EditorHarness::Write(const QString& name, const std::string& bytes) const {
    return QString::fromStdString(dir_.Write(name.toStdString(), bytes));
}

} // namespace travo::test
