#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    ui::setApplicationTitle(QStringLiteral("Brudex 2.6"));
    ZelvikWindows windows(platform::DriveTable::load());
    windows.Form1->show();
    return app.exec();
}
