#pragma once

#include "cleaner/junk/directory_filter.h"
#include "cleaner/junk/file_properties.h"
#include "cleaner/junk/junk_list_model.h"
#include "cleaner/junk/report_window.h"
#include "cleaner/shell/main_window.h"
#include "cleaner/shell/windows.h"
#include "common/install_dir.h"
#include "platform/shell.h"
#include "support/sandbox.h"
#include "ui/dialogs.h"
#include "ui/message_pump.h"
#include "ui/qt_printers.h"
#include "ui/task_pane.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <gtest/gtest.h>

// The cleaner's windows over a sandbox drive C:, already configured, with the options ticked as
// the form designs them and a trash command that can only reach the sandbox's home trash.
class JunkWindowTest : public testing::Test {
protected:
    void SetUp() override {
        c = sandbox.addDrive('c');
        // A configured installation: no activation opens the first-run configuration.
        Sandbox::writeFile(common::dataFile("prof.dat"), "user\r\n");
        windows = std::make_unique<ZelvikWindows>(platform::DriveTable::load());
        form = windows->Form1.get();
        form->FormShow();
        form->setTrashEmptier([] {
            for (const auto& trash : platform::userTrashDirectories({}))
                platform::emptyTrashDirectory(trash);
        });
    }
    void TearDown() override { ui::setPumpHook({}); }

    void setLocations(const std::vector<cleaner::Location>& locations) {
        form->lista->clear();
        form->lista2->clear();
        for (const auto& location : locations) {
            form->lista->addItem(QString::fromStdString(location.directory));
            form->lista2->addItem(QString::fromStdString(location.mask));
        }
    }
    void selectRow(int row) {
        form->ListView1->selectionModel()->select(form->junkList().index(row, 0),
                                                  QItemSelectionModel::ClearAndSelect |
                                                      QItemSelectionModel::Rows);
    }
    // The host file of a junk-list row.
    std::filesystem::path hostFile(int row) const {
        const auto& junk = form->junkList().row(static_cast<std::size_t>(row));
        std::string relative = junk.directory.substr(3) + junk.name;
        for (char& ch : relative)
            if (ch == '\\')
                ch = '/';
        return c / relative;
    }
    std::vector<std::string> failurePaths() const {
        std::vector<std::string> paths;
        for (int i = 0; i < form->ListView2->topLevelItemCount(); ++i)
            paths.push_back(form->ListView2->topLevelItem(i)->text(0).toStdString());
        return paths;
    }
    QString pane(int group, int item) const { return form->taskPane->itemCaption(group, item); }

    Sandbox sandbox;
    std::filesystem::path c;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<ZelvikWindows> windows;
    TForm1* form = nullptr;
};
