#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "support/memory_settings.h"
#include "support/scripted_dialogs.h"
#include "ui/form1.h"
#include "ui/path_list_view.h"

namespace dirnal::testing {

// A main window under test, with settings in memory and scripted answers;
// controls are reached by their names, as a user or a screen reader would.
class Form1Fixture : public ::testing::Test {
protected:
    // The window goes before the trees and listers it was given.
    void TearDown() override { form.reset(); }

    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }
    bool shown(const char* name) const { return !find(name)->isHidden(); }
    void click(const char* button) const { find<QAbstractButton>(button)->click(); }
    void menu(const QString& item) const { form->findChild<QAction*>(item)->trigger(); }
    void clickEntry(int row, Qt::KeyboardModifiers modifiers = {}) const
    {
        auto* view = find<ui::PathListView>("List1");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->model()->index(row, 0)).center());
    }
    void fill(const std::vector<std::string>& entries) const
    {
        form->pathList().assign(entries);
        form->showPathList();
    }
    std::vector<std::string> entries() const { return form->pathList().entries(); }

    MemorySettings settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<ui::Form1> form;
};

}  // namespace dirnal::testing
