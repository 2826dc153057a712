#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Every message box, question and input box of the programs goes through here, so a test
// answers a dialog in one line and sees which text was shown.
namespace ui {

enum class Answer { Yes, No, Ok, Cancel };
enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Severity { None, Information, Question, Warning, Error };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A simple message; the caption is the application title.
    virtual void showMessage(const QString& text) = 0;
    // A message box with a caption, buttons and an icon; returns the button pressed.
    virtual Answer messageBox(const QString& text, const QString& caption, Buttons buttons,
                              Severity severity) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& initial) = 0;
};

// The dialogs in use: real Qt message boxes unless a test installed others.
Dialogs& dialogs();
void setDialogs(Dialogs* replacement); // nullptr restores the real ones

// Records what was shown and answers from a script; for tests.
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void showMessage(const QString& text) override;
    Answer messageBox(const QString& text, const QString& caption, Buttons buttons,
                      Severity severity) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override;

    QStringList shown;                       // every text shown, in order
    Answer nextAnswer = Answer::Yes;         // answer of every messageBox
    std::optional<QString> nextInput;        // answer of every inputBox
    std::function<void(const QString&)> onShow; // called with each text shown
};

} // namespace ui
