#include "ui/application.h"

#include "ui/dialogs.h"

#include <QMessageBox>

#include <system_error>

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(error);
    } catch (...) {
        dialogs().messageBox(QStringLiteral("Nieznany błąd."), applicationTitle(), Buttons::Ok,
                             Severity::Error);
    }
    return false;
}

namespace {
QString& title() {
    static QString text;
    return text;
}
} // namespace

QString applicationTitle() {
    return title();
}

void setApplicationTitle(const QString& text) {
    title() = text;
}

QString errorText(const std::exception& error) {
    return QString::fromUtf8(error.what());
}

void showError(const std::exception& error) {
    dialogs().messageBox(errorText(error), applicationTitle(), Buttons::Ok, Severity::Error);
}

} // namespace ui
