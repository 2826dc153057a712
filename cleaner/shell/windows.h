#pragma once

#include "platform/drive_table.h"

#include <QDialog>

#include <memory>

class TAdmin;
class TForm1;
class TForm2;
class TForm3;
class TRaport;
class Twlasciwosci_forma;
class TKonfig;
class TForm7;
class TForm9;
class TForm13;
class TForm14;

// The windows of the cleaner, created once at start in this order and kept until the end.
// Windows whose features are not built yet are plain hidden dialogs carrying their captions.
struct ZelvikWindows {
    explicit ZelvikWindows(platform::DriveTable drives);
    ~ZelvikWindows();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TRaport> Raport;
    std::unique_ptr<QDialog> Form5;
    std::unique_ptr<QDialog> Form6;
    std::unique_ptr<TForm7> Form7;
    std::unique_ptr<TForm9> Form9;
    std::unique_ptr<Twlasciwosci_forma> wlasciwosci_forma;
    std::unique_ptr<QDialog> Dynamik;
    std::unique_ptr<TAdmin> Admin;
    std::unique_ptr<TForm13> Form13;
    std::unique_ptr<TForm14> Form14;
    std::unique_ptr<QDialog> kreator;
    std::unique_ptr<TKonfig> Konfig;
};
