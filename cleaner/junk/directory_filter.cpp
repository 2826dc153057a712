#include "cleaner/junk/directory_filter.h"

#include "cleaner/junk/junk_list_model.h"
#include "cleaner/shell/main_window.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

TForm2::TForm2(TForm1& form1, QWidget* parent) : QDialog(parent), form1_(form1) {
    setWindowTitle(QStringLiteral("Filtruj katalog"));
    resize(622, 401);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* choose = new QLabel(QStringLiteral("Wybierz katalogi z listy..."), this);
    QFont bold = choose->font();
    bold.setBold(true);
    choose->setFont(bold);
    layout->addWidget(choose);
    auto* captions = new QHBoxLayout;
    captions->addWidget(new QLabel(QStringLiteral("Ścieżki katyalogów"), this), 3);
    captions->addWidget(new QLabel(QStringLiteral("Rozszerzenie (maska)"), this), 1);
    layout->addLayout(captions);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    lista1 = new QListWidget(splitter);
    lista2 = new QListWidget(splitter);
    for (QListWidget* list : {lista1, lista2})
        list->setSelectionMode(QAbstractItemView::MultiSelection);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Zastosuj = new QPushButton(QStringLiteral("Zastosuj"), this);
    Anuluj = new QPushButton(QStringLiteral("Anuluj"), this);
    buttons->addWidget(Zastosuj);
    buttons->addWidget(Anuluj);
    layout->addLayout(buttons);

    connect(lista1, &QListWidget::itemClicked, this, &TForm2::lista1Click);
    connect(lista2, &QListWidget::itemClicked, this, &TForm2::lista2Click);
    connect(lista1, &QListWidget::itemDoubleClicked, this, &TForm2::lista1DblClick);
    connect(Zastosuj, &QPushButton::clicked, this, &TForm2::ZastosujClick);
    connect(Anuluj, &QPushButton::clicked, this, &TForm2::AnulujClick);
}

void TForm2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

bool TForm2::event(QEvent* event) {
    // Coming back from another window of the program rebuilds the lists, as at every activation.
    if (event->type() == QEvent::WindowActivate && isVisible())
        FormActivate();
    return QDialog::event(event);
}

void TForm2::FormActivate() {
    lista1->clear();
    lista2->clear();
    for (int i = 0; i < form1_.lista->count(); ++i) {
        lista1->addItem(form1_.lista->item(i)->text());
        lista2->addItem(i < form1_.lista2->count() ? form1_.lista2->item(i)->text() : QString());
    }
}

namespace {
void mirrorSelection(QListWidget* from, QListWidget* to, QListWidgetItem* item) {
    if (!item)
        return;
    if (QListWidgetItem* other = to->item(from->row(item)))
        other->setSelected(item->isSelected());
}
} // namespace

void TForm2::lista1Click(QListWidgetItem* item) {
    mirrorSelection(lista1, lista2, item);
}

void TForm2::lista2Click(QListWidgetItem* item) {
    mirrorSelection(lista2, lista1, item);
}

bool TForm2::zaznaczone() const {
    return !lista1->selectedItems().isEmpty();
}

void TForm2::lista1DblClick() {
    ZastosujClick();
}

void TForm2::AnulujClick() {
    close();
}

void TForm2::ZastosujClick() {
    if (!zaznaczone()) {
        ui::dialogs().messageBox(QStringLiteral("Nie wybrano żadnego katalogu na liście."),
                                 QStringLiteral("Wybierz katalog..."), ui::Buttons::Ok,
                                 ui::Severity::Warning);
        return;
    }
    // The picked locations, read before the window hides and the lists could change.
    std::vector<cleaner::Location> picked;
    for (int i = 0; i < lista1->count(); ++i) {
        if (lista1->item(i)->isSelected())
            picked.push_back({lista1->item(i)->text().toStdString(),
                              lista2->item(i) ? lista2->item(i)->text().toStdString() : ""});
    }
    form1_.scanSelectedLocations(picked, [this] { hide(); });
    close();
}
