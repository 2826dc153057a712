#include "support/sandbox.h"

#include "ui/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

// Every test program: isolate from the machine first, then run the tests inside a Qt
// application with the programs' general error handler (offscreen unless the caller chose a
// platform) so window tests can create widgets.
int main(int argc, char** argv) {
    isolateProcessFromTheMachine();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::Application app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
