// The main window's command of the operating modes.
#include "cleaner/modes/admin_dialog.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"

void TForm1::Administracja1Click() {
    if (windows_)
        windows_->Admin->exec();
}
