#include "cleaner/locations/folder_chooser.h"

#include "cleaner/locations/folder_choice.h"
#include "ui/dialogs.h"
#include "ui/shell_folder_tree.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFormy::TFormy(const platform::DriveTable& drives, QWidget* parent)
    : TFormy(drives, platform::networkShares(), parent) {}

TFormy::TFormy(const platform::DriveTable& drives, std::vector<platform::NetworkShare> shares,
               QWidget* parent)
    : QDialog(parent), drives_(drives), shares_(std::move(shares)) {
    setWindowTitle(QStringLiteral("Wybierz katalog..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    treeBox_ = new QVBoxLayout;
    treeBox_->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(treeBox_, 1);
    // My Computer until the mode is known.
    createTree(false);

    layout->addWidget(new QLabel(QStringLiteral("Wybrany zasób..."), this));
    wybrany = new QLineEdit(this);
    wybrany->setReadOnly(true);
    layout->addWidget(wybrany);

    Edit1 = new QLineEdit(this);
    Edit1->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setDefault(true);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    buttons->addWidget(OK);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);
    connect(OK, &QPushButton::clicked, this, &TFormy::OKClick);
    connect(Anuluj, &QPushButton::clicked, this, &TFormy::AnulujClick);

    setFixedSize(330, 420);
}

void TFormy::createTree(bool network) {
    const auto root =
        network ? ui::ShellFolderTree::Root::Network : ui::ShellFolderTree::Root::MyComputer;
    if (katalogi && katalogi->root() == root)
        return;
    delete katalogi;
    katalogi = new ui::ShellFolderTree(drives_, root, *shares_, this);
    treeBox_->addWidget(katalogi);
    katalogi->setContextMenuPolicy(Qt::CustomContextMenu);
    // A right click selects the item under the mouse, as a left click does.
    connect(katalogi, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QTreeWidgetItem* item = katalogi->itemAt(at)) {
            katalogi->setCurrentItem(item);
            katalogiClick();
        }
    });
    connect(katalogi, &QTreeWidget::itemClicked, this, &TFormy::katalogiClick);
    // The keyboard moves the selection too: the path shown (and tested on OK) always is the
    // selected one, so OK never takes a folder other than the one it tested.
    connect(katalogi, &ui::ShellFolderTree::selectionChanged, this, &TFormy::katalogiClick);
    if (wybrany)
        wybrany->clear();
}

void TFormy::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void TFormy::FormActivate() {
    createTree(cleaner::chooserShowsNetwork(Edit1->text().toStdString()));
}

void TFormy::katalogiClick() {
    wybrany->setText(katalogi->selectedPath());
}

void TFormy::OKClick() {
    const auto mode = cleaner::chooserMode(Edit1->text().toStdString());
    if (!mode)
        return;
    const QString path = wybrany->text();
    if (const auto refusal = cleaner::refusalOfChosenPath(*mode, path.toStdString())) {
        ui::dialogs().showMessage(QString::fromStdString(*refusal));
        return;
    }
    chosen_ = path;
    accept();
}

void TFormy::AnulujClick() {
    chosen_.clear();
    reject();
}
