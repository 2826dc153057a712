#include "ui/dialogs.h"

#include "ui/application.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace ui {
namespace {

QMessageBox::Icon iconFor(Severity severity) {
    switch (severity) {
    case Severity::Information:
        return QMessageBox::Information;
    case Severity::Question:
        return QMessageBox::Question;
    case Severity::Warning:
        return QMessageBox::Warning;
    case Severity::Error:
        return QMessageBox::Critical;
    case Severity::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsFor(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer answerFor(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

class QtDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }

    Answer messageBox(const QString& text, const QString& caption, Buttons buttons,
                      Severity severity) override {
        QMessageBox box(iconFor(severity), caption, text, buttonsFor(buttons),
                        QApplication::activeWindow());
        return answerFor(box.exec());
    }

    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& initial) override {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                                   QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    }
};

Dialogs* current = nullptr;

} // namespace

Dialogs& dialogs() {
    static QtDialogs real;
    return current ? *current : real;
}

void setDialogs(Dialogs* replacement) {
    current = replacement;
}

ScriptedDialogs::ScriptedDialogs() {
    setDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    setDialogs(nullptr);
}

void ScriptedDialogs::showMessage(const QString& text) {
    shown << text;
    if (onShow)
        onShow(text);
}

Answer ScriptedDialogs::messageBox(const QString& text, const QString&, Buttons, Severity) {
    showMessage(text);
    return nextAnswer;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString&, const QString& prompt,
                                                 const QString&) {
    showMessage(prompt);
    return nextInput;
}

} // namespace ui
