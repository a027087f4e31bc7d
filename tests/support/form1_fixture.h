#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix_directory_lister.h"
#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_tree.h"
#include "ui/form1.h"
#include "ui/path_list_view.h"

namespace dirnal::testing {

// A main window under test on a real temporary tree, with settings in
// memory and scripted answers. Controls are reached by their objectNames,
// as a user or a screen reader finds them.
class Form1Fixture : public ::testing::Test {
protected:
    void open(const std::string& initial, const std::function<void(ui::Form1Services&)>& adjust = {},
              const DirectoryLister* lister = nullptr)
    {
        ui::Form1Services services;
        services.settings = &settings;
        services.lister = lister ? lister : &disk;
        services.dialogs = &dialogs;
        services.initialDirectory = initial;
        services.drives = [this] { return drives; };
        if (adjust)
            adjust(services);
        form = std::make_unique<ui::Form1>(std::move(services));
    }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // What a label, button or text box shows.
    std::string text(const char* name) const { return find(name)->property("text").toString().toStdString(); }
    bool shown(const char* name) const { return !find(name)->isHidden(); }
    void click(const char* button) const { find<QAbstractButton>(button)->click(); }
    void menu(const char* item) const { form->findChild<QAction*>(QString::fromLatin1(item))->trigger(); }
    void clickEntry(int row) const
    {
        auto* view = find<ui::PathListView>("List1");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
    }
    void fill(const std::vector<std::string>& entries) const
    {
        form->session().list().assign(entries);
        form->showPathList();
    }
    std::vector<std::string> entries() const { return form->session().list().entries(); }

    TempTree tree;
    PosixDirectoryLister disk;
    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::vector<std::string> drives{"/"};
    std::unique_ptr<ui::Form1> form;
};

}  // namespace dirnal::testing
