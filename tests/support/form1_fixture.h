#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "platform/native_directory_lister.h"
#include "support/session_fakes.h"
#include "support/temp_tree.h"
#include "ui/form1.h"

namespace dirnal::testing {

// The main window on a real temporary tree, with settings in memory and scripted
// answers; controls are reached by objectName, as a user or a screen reader finds them.
class Form1Fixture : public ::testing::Test {
protected:
    void open(const std::string& initial)
    {
        services.settings = &settings;
        services.lister = services.lister ? services.lister : &disk;
        services.drives = [this] { return drives; };
        services.dialogs = &dialogs;
        services.initialDirectory = initial;
        form = std::make_unique<ui::Form1>(services);
    }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string text(const char* name) const { return find(name)->property("text").toString().toStdString(); }
    bool shown(const char* name) const { return !find(name)->isHidden(); }
    void click(const char* button) const { find<QAbstractButton>(button)->click(); }
    void menu(const char* item) const { find<QAction>(item)->trigger(); }
    // Where a list shows a row; nowhere until the window has shown the list with it.
    QRect rowRect(const char* list, int row) const
    {
        auto* view = find<QAbstractItemView>(list);
        return view->visualRect(view->model()->index(row, 0));
    }
    void clickRow(const char* list, int row) const
    {
        QTest::mouseClick(find<QAbstractItemView>(list)->viewport(), Qt::LeftButton, {}, rowRect(list, row).center());
    }
    void fill(const std::vector<std::string>& entries) const
    {
        form->session().list().assign(entries);
        form->showPathList();
        rowRect("List1", 0);  // laid out now, as a shown window would: a later change must show the list again
    }
    std::vector<std::string> entries() const { return form->session().list().entries(); }

    TempTree tree;
    NativeDirectoryLister disk;
    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::vector<std::string> drives{"/"};
    ui::Form1Services services;  // open() adds the fakes above; a test may set a lister or the rest first
    std::unique_ptr<ui::Form1> form;
};

}  // namespace dirnal::testing
