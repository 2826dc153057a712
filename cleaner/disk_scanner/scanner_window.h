#pragma once

#include "cleaner/disk_scanner/disk_scan.h"
#include "cleaner/disk_scanner/mask_sets.h"
#include "platform/drive_table.h"

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class DiskResultModel;
class TForm14;
namespace ui {
class DriveCombo;
}

// The disk scanner "Skaner dysków...": the mask sets, the scan of a drive, a network share or
// all hard drives, and the result list with its filter and deletion. Created once at start;
// the main window shows it modally.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(const platform::DriveTable& drives, QWidget* parent = nullptr);
    ~TForm7() override;

    // The mask zoom window opened by "Powiększenie".
    void setZoomWindow(TForm14* zoom) { zoom_ = zoom; }

    // Mask sets.
    void Odczyt_maski();
    void Odczyt_maski2();
    void Zapisz_maski();
    void Zapisz_maski2();
    // Saves the set in use: maski.dat, or maski2.dat while the restricted set is on.
    void saveActiveMasks();
    void Kopiuj_wszystkie();
    void Button1Click();
    bool Sprawdz_maski(const std::string& candidate) const;
    bool Zaznaczone() const;
    void bezpiecznyClick();
    void szukaj_wszystkieClick();
    void rejestr_noweClick();
    void usun_maskeClick();
    void lista_maskaClick();
    void PowiekszenieClick();

    // The scan.
    void skanujClick();
    void skanuj2Click();
    void ZatrzymajClick();
    void ZamknijClick();
    void dysk_lokalClick();
    void dysk_siecClick();
    void siecClick();
    void skan_wszystkieClick();
    void dyskChange(char letter);
    void Zablokuj();
    void Odblokuj();
    void FormActivate();
    // What the folder chooser writes back when a share is confirmed.
    void setNetworkResource(const QString& path);
    // Closing by the title bar or Escape; while a walk or the filter runs, the walk is stopped
    // and the window closes when the command has ended.
    void reject() override;

    // The results.
    void usunClick();
    void filtrujClick();
    void ListView1Click();
    void usun_smiecClick();
    void nie_usunClick();

    // Shows the rows and the status line text a walk has collected.
    void flushScanDisplay();
    QString statusPanel() const;
    const cleaner::DiskScanResults& lista_pliki() const;
    DiskResultModel& resultModel() { return *model_; }
    const cleaner::DiskScan& scan() const { return scan_; }
    const platform::DriveTable& drives() const { return drives_; }

    // Controls named as on the form.
    QListWidget* lista_maska = nullptr;
    QCheckBox* bezpieczny = nullptr;
    QCheckBox* szukaj_wszystkie = nullptr;
    QPushButton* rejestr_nowe = nullptr;
    QPushButton* Button1 = nullptr; // hidden
    QMenu* menu_maska = nullptr;
    QAction* rejestr_nowe2 = nullptr;
    QAction* usun_maske = nullptr;
    QAction* Powiekszenie = nullptr;

    QRadioButton* dysk_lokal = nullptr;
    QRadioButton* dysk_siec = nullptr;
    ui::DriveCombo* dysk = nullptr;
    QPushButton* siec = nullptr;
    QCheckBox* podkatalogi = nullptr;
    QCheckBox* skan_wszystkie = nullptr;
    QPushButton* skanuj = nullptr;
    QPushButton* skanuj2 = nullptr;
    QPushButton* Zatrzymaj = nullptr;
    QPushButton* Zamknij = nullptr;
    QLineEdit* edytor = nullptr; // hidden: the chosen resource path
    QLabel* Label1 = nullptr;
    QLabel* komunikat = nullptr;
    QProgressBar* pasek = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QTableView* ListView1 = nullptr;

    QPushButton* usun = nullptr;
    QPushButton* filtruj = nullptr;
    QLineEdit* edit_filtr = nullptr;
    QMenu* menu_smiec = nullptr;
    QAction* usun_smiec = nullptr;
    QAction* nie_usun = nullptr;

    // Window state.
    cleaner::SearchSet maska_tmp;
    std::uint8_t tryb_okrojony = 0;
    bool zatrzymano = false;
    std::int32_t znaleziono = 0;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    class ScanSink;

    void buildMaskControls(QWidget* box);
    void buildResourceControls(QWidget* box);
    void buildResults();
    void addMask(const std::string& mask);
    std::vector<std::string> masks() const;
    void setMasks(const std::vector<std::string>& masks);
    void setStatusPanel(const QString& text);
    void setKomunikat(const QString& text);
    void setDriveResource(char letter);
    QString driveLetter() const;
    QPushButton* scanButtonInUse() const;
    void limitReached();
    void startDisplay();
    void stopDisplay();

    platform::DriveTable drives_;
    cleaner::DiskScan scan_;
    DiskResultModel* model_ = nullptr;
    QLabel* statusPanel_ = nullptr;
    TForm14* zoom_ = nullptr;
    QTimer displayTimer_; // flushes a walk's rows and texts at display rate
    std::string pendingStatus_;
    bool statusPending_ = false;
    // A walk or the filter is still running (the stop unlocks the window before the walk has
    // unwound): a second command must not start inside it.
    bool busy_ = false;
    bool closePending_ = false; // a close was asked for while busy_
    void closeIfAsked();
};
