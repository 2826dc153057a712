#pragma once

#include <QApplication>

namespace ui {

// The application object of every program: an exception that leaves an event handler is shown
// in a message box with the system's error text, and the program keeps running.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The application title: the caption of simple messages and of the error handler's box. Kept
// apart from Qt's display name, which the desktop would append to every window caption.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// What the general error handler shows for the exception being handled.
QString errorText(const std::exception& error);
void showError(const std::exception& error);

} // namespace ui
