#include "ui/application.h"
#include "ui/dialogs.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <system_error>

// The test programs run inside ui::Application, as the programs do.
namespace {

class ThrowingButton : public QPushButton {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            throw std::system_error(std::make_error_code(std::errc::no_such_file_or_directory),
                                    "lista.dat");
        return QPushButton::event(e);
    }
};

} // namespace

TEST(GeneralErrorHandler, AnExceptionLeavingAHandlerIsShownWithTheSystemsTextAndTheProgramGoesOn) {
    ui::ScriptedDialogs dialogs;
    ui::setApplicationTitle(QStringLiteral("Brudex 2.6"));
    ThrowingButton button;
    QEvent event(QEvent::User);
    auto* app = static_cast<ui::Application*>(QCoreApplication::instance());
    // notify() is the handler's entry point; called directly as the event loop would.
    EXPECT_FALSE(app->notify(&button, &event));
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].contains("lista.dat"));
    EXPECT_TRUE(dialogs.shown[0].contains("No such file or directory"));
    EXPECT_EQ(ui::applicationTitle(), "Brudex 2.6");
}
