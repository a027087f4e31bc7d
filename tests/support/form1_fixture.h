#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QTest>
#include <QCoreApplication>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/native_services.h"
#include "support/session_fakes.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"
#include "ui/form1.h"

namespace dirnal::testing {

// Runs a test's steps inside the next walk or check of all entries, once the session is busy with it.
struct DuringWalk final : SessionListener {
    void busyChanged() override
    {
        if (steps)
            QMetaObject::invokeMethod(QCoreApplication::instance(), std::exchange(steps, {}), Qt::QueuedConnection);
    }
    std::function<void()> steps;
};

// The main window on a real temporary tree, with settings in memory and scripted
// answers; controls are reached by objectName, as a user or a screen reader finds them.
class Form1Fixture : public ::testing::Test {
protected:
    // Without a Documents folder, the panels open where a test says, on Windows too.
    Form1Fixture() { services.session.settings = &settings, services.session.documents.reset(); }

    // Returns once start-up has checked the stored folders, unless told not to wait.
    void open(const std::string& initial, bool untilStartedUp = true)
    {
        services.drives.drives = [this] { return drives; };
        services.dialogs = &dialogs;
        services.initialDirectory = initial;
        form = std::make_unique<ui::Form1>(services);
        form->session().addListener(duringWalk);
        if (untilStartedUp) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return !form->session().busy(); }, 10000));
        }
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
        answered();
    }
    // Once a clicked or found entry has said whether it exists.
    void answered() const
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !form->session().clickedEntryPending(); }, 5000));
    }
    // Opens a folder in a directory list, as a double-click does, once it has answered.
    void openFolder(const char* list, const std::string& path) const
    {
        find<ui::DirectoryList>(list)->setPath(path);
        ASSERT_TRUE(QTest::qWaitFor([&] { return find<ui::DirectoryList>(list)->path() == path; }, 5000)) << path;
    }
    // Appends the entries as single paths.
    void fill(const std::vector<std::string>& entries)
    {
        for (const std::string& entry : entries)
            ASSERT_TRUE(form->session().appendSinglePath(entry, dialogs));
        rowRect("List1", 0);  // laid out now, as a shown window would: a later change must show the list again
    }
    std::vector<std::string> entries() const { return form->session().list().entries(); }

    TempTree tree;
    MemorySettings settings;
    ScriptedDialogs dialogs;
    NativeServices native;
    // For a test's own lister over the disk; the process's own, which a
    // panel's listing may still use after the window has gone.
    const NativeDirectoryLister& disk = nativeLister();
    std::vector<std::string> drives{"/"};
    // open() adds the fakes above; a test may set a lister or the rest first.
    ui::Form1Services services{native.forSession()};
    DuringWalk duringWalk;
    std::unique_ptr<ui::Form1> form;
};

}  // namespace dirnal::testing
