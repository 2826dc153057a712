#include "cleaner/shell/windows.h"

#include "cleaner/disk_scanner/mask_zoom_window.h"
#include "cleaner/disk_scanner/scanner_window.h"
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
    Form2 = captionedWindow("Filtruj katalog");
    Form3 = std::make_unique<TForm3>();
    Raport = captionedWindow("Raport...");
    Form5 = captionedWindow("Historia...");
    Form6 = captionedWindow("Otwórz stronę WWW / Wyślij e-mail");
    Form7 = std::make_unique<TForm7>(Form1->drives());
    Form9 = captionedWindow("Nowy profil użytkownika");
    wlasciwosci_forma = captionedWindow("Właściwości pliku");
    Dynamik = captionedWindow("Dynamiczne usuwanie plików");
    Admin = captionedWindow("Tryby pracy aplikacji...");
    Form13 = captionedWindow("Nowy profil - Inny system operacyjny");
    Form14 = std::make_unique<TForm14>(*Form7);
    Form7->setZoomWindow(Form14.get());
    kreator = captionedWindow("Automatyczne oczyszczanie...");
    Konfig = captionedWindow("Sprawdzenie i ustawienie konfiguracji...");
}

ZelvikWindows::~ZelvikWindows() = default;
