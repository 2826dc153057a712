#pragma once

#include "platform/drive_table.h"
#include "virus_scanner/virus_list.h"
#include "virus_scanner/virus_scan.h"

#include <QTimer>
#include <QWidget>

#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTreeWidget;
namespace ui {
class DriveCombo;
}

namespace virkil {

class TForm2;

// The main window of Virkil: the drive or folder to scan, the found files, the virus name list
// and the failure list.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(platform::DriveTable drives, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start: loads the virus list (also called by the constructor).
    void FormCreate();

    // Scan.
    void SkanujClick();
    void ZatrzymajClick();
    void ZamknijClick();
    void dyskChange();
    void katalogClick();
    void zablokuj();
    void Odblokuj();
    // What the folder picker's OK does: the folder becomes the scan target.
    void chooseFolder(const QString& folder, const QString& shown);

    // The virus list and the found files.
    void listaClick();
    void lista_usunClick();
    void lista_dodajClick();
    void Szukajwirusa1Click();
    void usunClick();
    void ListView1Click();
    void usun_plClick();
    void nie_usun_plClick();
    void wlasciwosciClick();
    void Zapisz_wirusa();

    const VirusList& viruses() const { return viruses_; }
    const std::vector<FoundFile>& lista2() const { return lista2_; }
    bool scanning() const { return scanning_; }
    QString statusPanel(int index) const;
    // The path of the current result row; empty when there is none.
    QString currentResult() const;

    // Controls, named as on the form.
    QLabel* lbl_dysk = nullptr;
    ui::DriveCombo* dysk = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* katalog = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QListWidget* lista = nullptr;
    QListWidget* lista_tmp = nullptr;
    QLabel* komunikat = nullptr;
    QProgressBar* pasek2 = nullptr;
    QProgressBar* pasek = nullptr;
    QPushButton* Zatrzymaj = nullptr;
    QPushButton* Skanuj = nullptr;
    QPushButton* usun = nullptr;
    QPushButton* Zamknij = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QAction* lista_usun = nullptr;
    QAction* lista_dodaj = nullptr;
    QAction* Szukajwirusa1 = nullptr;
    QAction* usun_pl = nullptr;
    QAction* nie_usun_pl = nullptr;
    QAction* wlasciwosci = nullptr;
    TForm2* Form2 = nullptr;

    bool zatrzymano = false;
    int tryb_katalogu = 0;
    QString edit_katalog;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Sink;
    void buildForm();
    void setKomunikat(const QString& text);
    void setStatusPanel(int index, const QString& text);
    void showCount(bool withProgramName);
    void flushScanDisplay();
    void removeResultRow(int row);

    platform::DriveTable drives_;
    VirusList viruses_;
    std::vector<FoundFile> lista2_;
    QLabel* panels_[2] = {};
    bool scanning_ = false;
    // Texts and the progress position that change per file, shown at display rate.
    QTimer displayTimer_;
    QString pendingKomunikat_;
    bool komunikatPending_ = false;
    int pendingPasek_ = -1;
};

} // namespace virkil
