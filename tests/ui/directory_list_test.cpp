// The directory list reads a folder beside the event loop.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <future>

#include "platform/native_directory_lister.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"

namespace dirnal::ui {
namespace {

// The disk, with one folder whose listing waits until it is let go.
struct HeldFolder final : DirectoryLister {
    bool dirExists(const std::string& path) const override { return disk.dirExists(path); }
    DirectoryListing list(const std::string& path) const override
    {
        if (path == held)
            release.wait();
        return disk.list(path);
    }
    NativeDirectoryLister disk;
    std::string held;
    std::promise<void> letGo;
    std::shared_future<void> release = letGo.get_future().share();
};

TEST(DirectoryList, ShowsTheOpenFolderAtOnceItsSubdirectoriesWhenReadAndDropsAListingNoLongerWanted)
{
    testing::TempTree tree;
    tree.mkdir("big/a");
    tree.mkdir("big/b");
    tree.mkdir("other/c");
    HeldFolder lister;
    lister.held = tree.path("big");
    DirectoryList list(lister, [](const std::string&) { return std::string("/"); });
    const auto rows = [&] {
        QStringList names;
        for (int row = 0; row < list.model()->rowCount(); ++row)
            names << list.model()->index(row, 0).data().toString().trimmed();
        return names;
    };
    QSignalSpy shown(&list, &DirectoryList::subdirectoriesShown);

    ASSERT_TRUE(list.setPath(tree.path("big")));  // returns while the listing is held
    EXPECT_EQ(rows().last(), QStringLiteral("big"));
    EXPECT_EQ(list.currentIndex().row(), rows().size() - 1) << "the open folder is current";
    ASSERT_TRUE(list.setPath(tree.path("other")));
    ASSERT_TRUE(shown.wait(5000));
    lister.letGo.set_value();
    QTest::qWait(200);  // the held listing comes in late, for a folder no longer open
    EXPECT_EQ(rows().mid(rows().size() - 2), (QStringList{QStringLiteral("other"), QStringLiteral("c")}));
    EXPECT_EQ(shown.count(), 1);
}

}  // namespace
}  // namespace dirnal::ui
