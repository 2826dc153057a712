#include "platform/drive_table.h"
#include "ui/application.h"
#include "virus_scanner/main_window.h"

int main(int argc, char** argv) {
    ui::Application app(argc, argv);
    ui::setApplicationTitle(QStringLiteral("Virkil"));
    virkil::TForm1 window(platform::DriveTable::load());
    window.show();
    return app.exec();
}
