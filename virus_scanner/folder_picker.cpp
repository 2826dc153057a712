#include "virus_scanner/folder_picker.h"

#include "ui/dialogs.h"
#include "ui/shell_folder_tree.h"
#include "virus_scanner/file_details.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace virkil {

TForm3::TForm3(const platform::DriveTable& drives, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Wybierz katalog..."));
    katalogi = new ui::ShellFolderTree(drives, ui::ShellFolderTree::Root::Desktop, this);
    katalogi->setIndentation(19);
    katalogi->setMinimumSize(360, 320);
    wybrany = new QLineEdit(this);
    wybrany->setReadOnly(true);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(katalogi);
    layout->addWidget(new QLabel(QStringLiteral("Wybrany zasób..."), this));
    layout->addWidget(wybrany);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(katalogi, &QTreeWidget::itemClicked, this, &TForm3::katalogiClick);
    connect(ok, &QPushButton::clicked, this, &TForm3::OKClick);
    connect(cancel, &QPushButton::clicked, this, &TForm3::AnulujClick);
}

void TForm3::katalogiClick() {
    wybrany->setText(katalogi->selectedPath());
}

void TForm3::OKClick() {
    if (const auto refusal = folderRefusal(wybrany->text().toStdString())) {
        ui::dialogs().showMessage(QString::fromStdString(*refusal));
        return;
    }
    selected_ = katalogi->selectedPath();
    accept();
}

void TForm3::AnulujClick() {
    reject();
}

} // namespace virkil
