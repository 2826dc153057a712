#include "virus_scanner/properties_window.h"

#include "virus_scanner/file_details.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace virkil {

TForm2::TForm2(const platform::DriveTable& drives, QWidget* parent)
    : QDialog(parent), drives_(drives) {
    setWindowTitle(QStringLiteral("Właściwości pliku..."));
    auto* form = new QFormLayout;
    auto value = [this](QLabel*& label) {
        label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    form->addRow(QStringLiteral("Lokalizacja:"), value(sciezka));
    form->addRow(QStringLiteral("Rozmiar:"), value(rozmiar));
    form->addRow(QStringLiteral("Nazwa DOS:"), value(dos));
    form->addRow(QStringLiteral("Modyfikowany:"), value(modyfikowany));
    form->addRow(QStringLiteral("Typ pliku:"), value(typ));
    sciezka->setWordWrap(true);
    sciezka->setMinimumWidth(320);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm2::FormActivate(const QString& path) {
    sciezka->setText(path);
    sciezka->repaint();
    const std::string windowsPath = path.toStdString();
    // A file gone since the scan shows its location and type with the other values empty.
    const std::optional<FileDetails> details = fileDetails(drives_, windowsPath);
    rozmiar->setText(details ? QString::fromStdString(details->size) : QString());
    dos->setText(details ? QString::fromStdString(details->dosName) : QString());
    modyfikowany->setText(details ? QString::fromStdString(details->modified) : QString());
    typ->setText(QString::fromStdString(fileTypeText(windowsPath)));
}

} // namespace virkil
