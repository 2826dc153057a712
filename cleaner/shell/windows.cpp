#include "cleaner/shell/windows.h"

#include "cleaner/disk_scanner/mask_zoom_window.h"
#include "cleaner/disk_scanner/scanner_window.h"
#include "cleaner/junk/directory_filter.h"
#include "cleaner/junk/file_properties.h"
#include "cleaner/junk/report_window.h"
#include "cleaner/locations/first_run_dialog.h"
#include "cleaner/locations/new_profile_dialog.h"
#include "cleaner/locations/other_system_profile_dialog.h"
#include "cleaner/modes/admin_dialog.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/please_wait.h"

namespace {
std::unique_ptr<QDialog> captionedWindow(const char* caption) {
    auto window = std::make_unique<QDialog>();
    window->setWindowTitle(QString::fromUtf8(caption));
    return window;
}
} // namespace

ZelvikWindows::ZelvikWindows(platform::DriveTable drives) {
    Form1 = std::make_unique<TForm1>(std::move(drives));
    Form1->setWindows(this);
    Form2 = std::make_unique<TForm2>(*Form1);
    Form3 = std::make_unique<TForm3>();
    Raport = std::make_unique<TRaport>(*Form1);
    Form5 = captionedWindow("Historia...");
    Form6 = captionedWindow("Otwórz stronę WWW / Wyślij e-mail");
    Form7 = std::make_unique<TForm7>(Form1->drives());
    Form9 = std::make_unique<TForm9>(*Form1);
    wlasciwosci_forma = std::make_unique<Twlasciwosci_forma>(*Form1);
    Dynamik = captionedWindow("Dynamiczne usuwanie plików");
    Admin = std::make_unique<TAdmin>();
    Form13 = std::make_unique<TForm13>(*Form1);
    Form9->setOtherSystemDialog(Form13.get());
    Form13->setNewUserDialog(Form9.get());
    Form14 = std::make_unique<TForm14>(*Form7);
    Form7->setZoomWindow(Form14.get());
    kreator = captionedWindow("Automatyczne oczyszczanie...");
    Konfig = std::make_unique<TKonfig>(Form1.get(), Admin.get());
}

ZelvikWindows::~ZelvikWindows() = default;
