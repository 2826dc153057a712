#pragma once

#include "cleaner/junk/junk_search.h"
#include "cleaner/locations/first_run.h"
#include "cleaner/locations/location_list.h"
#include "platform/drive_table.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>

class QAction;
class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QSystemTrayIcon;
class QTabWidget;
class QTreeView;
class QTreeWidget;
class JunkListModel;
struct ZelvikWindows;
namespace ui {
class TaskPane;
}

// The main window of the cleaner: status page, junk list, settings with the location list,
// failure list, about page and file types; the task pane at its left.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(platform::DriveTable drives, QWidget* parent = nullptr);
    ~TForm1() override;

    // Page indices of `pages`.
    enum Page { czysc = 0, podglad2, ustawienia2, bledy, o_programie, Opis };

    // Start-up and settings.
    void FormCreate();
    void FormShow();
    void FormActivate();
    void Odczyt_konf();
    void konf1Click();
    void zapisz_date();
    void Czytaj_rozmiar();
    void Zapisz_rozmiar();
    void Zamknij1Click();

    // System detection and the location list files.
    void System_op();
    void Odczyt_listy();
    void Odczyt_listy_XP();
    void Odczyt_listy_NT();
    void Zapisz_liste();
    void Zapisz_liste_XP();
    void Zapisz_liste_NT();
    // Loads or saves the list file of the running family (nothing for Windows 3.1).
    void loadFamilyList();
    void saveFamilyList();
    std::vector<cleaner::Location> locations() const;

    // Task pane and commands.
    void Styl_XP();
    void ItemClick(int tag);
    void Ukryj_XP();
    void Pokaz_XP();
    void SpeedButton1Click();
    void Wyszukaj1Click();
    // "Ukryj w zasobniku": hands the program over to the launcher, which waits in the tray.
    void trayClick();

    // Junk search.
    void Skaner_smieci();
    void FileSearch(const std::string& directory, const std::string& mask, bool recurse);
    void Timer1Timer();

    // The other windows of the program, created beside this one.
    void setWindows(ZelvikWindows* windows) { windows_ = windows; }

    // Removal, failure list, report, properties and filters: declared here by that work.
    void Usun_smietnik();
    void Usun1Click();
    void oczysc_menuClick();
    void smiecie_plikClick();
    void nie_usuwaj_plClick();
    void Czysc_listeClick();
    void ListView1Click();
    void wlasciwosciClick();
    void kosz2Click();
    void FiltrujClick();
    void zastosuj_filtrClick();
    void Zastosowanie_filtrow();
    // The directory filter scan over the picked locations; hideFilter hides the filter window
    // once the scan starts.
    void scanSelectedLocations(const std::vector<cleaner::Location>& picked,
                               const std::function<void()>& hideFilter);
    // The selected junk-list row, -1 when none.
    int selectedJunkRow() const;
    // Test seam: what empties the trash (platform::emptyTrash, which visits every mount).
    void setTrashEmptier(std::function<void()> emptier) { emptyTrash_ = std::move(emptier); }
    QMenu* junkPopup = nullptr;
    QAction* oczysc_menu = nullptr;
    QAction* smiecie_plik = nullptr;
    QAction* nie_usuwaj_pl = nullptr;
    QAction* wlasciwosci = nullptr;
    QMenu* failurePopup = nullptr;
    QAction* Czysc_liste = nullptr;
    QAction* Filtrujkatalogi1 = nullptr;
    QLineEdit* edit_filtr = nullptr;
    QPushButton* zastosuj_filtr = nullptr;
    // The search's report label text, also shown by the report window.
    void setReportFilesText(const QString& text);

private:
    void buildRemoval();
    std::function<void()> emptyTrash_;

public:
    // Location editor and profiles: declared here by that work.
    void DodajClick();
    void katalogChange();
    void maskaChange();
    void ZastosujClick();
    void listaClick();
    void lista2Click();
    void usun_zaznaczonyClick();
    void usun_wszystkieClick();
    void profil_menuClick();
    void dodaj_profilClick();
    void profil_innyClick();
    void pop_profilClick();
    QPushButton* Dodaj = nullptr;
    QComboBox* maska = nullptr;
    QPushButton* Zastosuj = nullptr;
    QLineEdit* katalog = nullptr;
    QLineEdit* wybrany_maska = nullptr;
    QMenu* listaMenu = nullptr;
    QAction* usun_zaznaczony = nullptr;
    QAction* usun_wszystkie = nullptr;
    QAction* Dodajnowy1 = nullptr;
    QAction* profil_menu = nullptr;
    QAction* profil_inny = nullptr;
    QAction* pop_profil = nullptr;
    QAction* dodaj_profil = nullptr;
    QAction* inny_profil2 = nullptr;
    QAction* usun_profile = nullptr;

    // Operating modes, first-run configuration: declared here by that work.
    void Administracja1Click(); // menu "Tryby pracy aplikacji": the mode dialog
    void profilClick();         // "Zapisz Mój profil użytkownika"
    // Replaces the location list with the family's defaults on the drive, saves the family's
    // list file and creates prof.dat with the user name field. The unsupported system and the
    // missing user are told here and write nothing. Throws when a file cannot be written.
    cleaner::ProfileOutcome writeDefaultProfile(const std::string& drive);
    QAction* Administracja1 = nullptr;
    QPushButton* profil = nullptr;

    // Disk scanner: declared here by that work.
    QAction* Skanujdyski1 = nullptr;
    void Skanujdyski1Click();

    // State other windows and tests read.
    cleaner::SystemFamily family() const { return family_; }
    bool stopFlag() const { return stopFlag_; }
    bool backgroundFlag() const { return backgroundFlag_; }
    cleaner::JunkSearch& search() { return search_; }
    const platform::DriveTable& drives() const { return drives_; }
    JunkListModel& junkList() { return *junkModel_; }
    // Shows the rows and the status text that a walk has collected.
    void flushWalkDisplay();

    // Controls named as on the form.
    QTabWidget* pages = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lbl_so = nullptr;
    QLabel* lbl_user = nullptr;
    QLabel* lbl_data = nullptr;
    QLabel* czas2 = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QProgressBar* pasek = nullptr;
    QLabel* Panel3 = nullptr;
    QLineEdit* Edytor = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* usr = nullptr;
    QTreeView* ListView1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* ostatnie = nullptr;
    QCheckBox* indeks = nullptr;
    QCheckBox* raport2 = nullptr;
    QPushButton* konf1 = nullptr;
    QListWidget* lista = nullptr;
    QListWidget* lista2 = nullptr;
    QLabel* Panel2 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    QLabel* statusPanels[3] = {};
    ui::TaskPane* taskPane = nullptr;
    QTimer* Timer1 = nullptr;
    QSystemTrayIcon* Ikona1 = nullptr;
    QMenu* trayMenu = nullptr;
    QAction* tray_zamknij = nullptr;
    // Main menu entries.
    QAction* Wyszukaj1 = nullptr;
    QAction* Usun1 = nullptr;
    QAction* kosz = nullptr;
    QAction* Zamknij1 = nullptr;
    QAction* tray = nullptr;
    QAction* Pracujwtle1 = nullptr;

    // The text of the report window's lbl_plikow, as the last search left it.
    QString lbl_plikow;

    void setStatusPanel(int panel, const QString& text);
    QString statusPanel(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class WalkSink;

    void buildPages();
    void buildStatusPage(QWidget* page);
    void buildJunkPage(QWidget* page);
    void buildSettingsPage(QWidget* page);
    void buildFailurePage(QWidget* page);
    void buildLocationEditor(QWidget* page);
    void buildMenu();
    void buildTray();
    void appendLocations(const std::vector<cleaner::Location>& locations);
    void loadList(cleaner::SystemFamily family);
    void saveList(cleaner::SystemFamily family);
    // Families whose list file exists but could not be read: it is not saved over in this run,
    // or the locations that were never loaded would be lost.
    std::set<cleaner::SystemFamily> unreadableLists_;
    void setTrayPicture(const char* iconFile);
    // What the idle look and the stop command share: the window back from the tray with its
    // idle caption and title, the stop flag set and the bar at 0.
    void showIdleWindow();
    void setLabel1(const QString& text);
    void setPanel3(const QString& text);
    void setPaneCaption(int group, int item, const QString& caption);
    void setPaneProgress(int position);
    void buildProfileRow(QWidget* page, QBoxLayout* layout);

    platform::DriveTable drives_;
    cleaner::SystemFamily family_ = cleaner::SystemFamily::Win31;
    cleaner::JunkSearch search_;
    JunkListModel* junkModel_ = nullptr;
    cleaner::SearchClock clock_;
    QTimer displayTimer_; // flushes a walk's rows and texts at display rate
    std::string pendingPanel3_; // converted for the label only when shown
    bool panel3Pending_ = false;
    bool stopFlag_ = false;
    bool backgroundFlag_ = false;
    bool shownOnce_ = false;
    int progressMaximum_ = 0;
    ZelvikWindows* windows_ = nullptr;
    bool firstRunOpened_ = false; // the first-run dialog opens by itself once per run
    // The option boxes as ust.dat last gave them in this run; all unticked before any was read.
    std::array<bool, 4> lastReadOptions_{};
};
