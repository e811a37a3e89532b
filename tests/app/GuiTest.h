#pragma once
// What the editor's GUI tests share: a fixed environment, a window started in a
// folder of its own, and a way to answer the modal dialogs it shows.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "QtSettingsStore.h"
#include "TempDir.h"
#include "editor/MainForm.h"

namespace travo::test {

// Style, font, locale and settings isolation, once per test program.
void SetUpGuiTests();

// Runs answer on the next modal dialog as soon as it is shown.
void WhenModal(std::function<void(QDialog*)> answer);
// Answers still waiting for their dialog; a test's cleanup drops them, so that a
// dialog that never came fails that test and not the next one.
int DropPendingAnswers();

// Types text into the focused widget key by key; Cyrillic included.
void Type(QWidget* target, const QString& text);
void Key(QWidget* target, Qt::Key key, const QString& text = {});

template <typename T> T* Find(QWidget* root, const char* name) {
    return root->findChild<T*>(QString::fromLatin1(name));
}

// A main window over a temporary folder, with its settings in an INI file there.
class EditorHarness {
public:
    EditorHarness();
    // Starts the window with a command line and waits until its start-up is done.
    bool Start(QStringList arguments = {});
    TForm2& Window() { return *window_; }
    AppState& State() { return state_; }
    const TempDir& Dir() const { return dir_; }
    QString Path(const QString& name) const;
    QString Write(const QString& name, const std::string& bytes) const;

private:
    TempDir dir_;
    AppState state_;
    std::unique_ptr<TForm2> window_;
};

} // namespace travo::test
