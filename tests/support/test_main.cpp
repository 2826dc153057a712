#include "support/sandbox.h"

#include "ui/application.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A test that leaves a modal window open without answering it would hang the whole run: after
// a generous wait the window is closed and the test fails, naming the window.
void watchForForgottenModalWindows(QObject* owner) {
    auto* watch = new QTimer(owner);
    auto* openFor = new QElapsedTimer;
    QObject::connect(watch, &QTimer::destroyed, [openFor] { delete openFor; });
    QObject::connect(watch, &QTimer::timeout, [openFor] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            openFor->invalidate();
            return;
        }
        if (!openFor->isValid())
            openFor->start();
        if (openFor->elapsed() < 20000)
            return;
        ADD_FAILURE() << "modal window left open: " << modal->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        openFor->invalidate();
    });
    watch->start(250);
}

} // namespace

// Every test program: isolate from the machine first, then run the tests inside the programs'
// application object (offscreen unless the caller chose a platform) so window tests can create
// widgets and exceptions reach the general error handler.
int main(int argc, char** argv) {
    isolateProcessFromTheMachine();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::Application app(argc, argv);
    watchForForgottenModalWindows(&app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
