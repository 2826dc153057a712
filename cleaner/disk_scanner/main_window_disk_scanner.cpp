// The main window's way into the disk scanner.
#include "cleaner/disk_scanner/scanner_window.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"

void TForm1::Skanujdyski1Click() {
    if (windows_ && windows_->Form7)
        windows_->Form7->exec();
}
