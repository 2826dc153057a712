// The scanner's network share choice: the folder chooser in its network mode.
#include "cleaner/disk_scanner/scanner_window.h"

#include "cleaner/locations/folder_chooser.h"

#include <QLineEdit>

void TForm7::siecClick() {
    TFormy chooser(drives_, this);
    chooser.Edit1->setText(QStringLiteral("2"));
    if (chooser.exec() == QDialog::Accepted)
        setNetworkResource(chooser.chosenPath());
}
