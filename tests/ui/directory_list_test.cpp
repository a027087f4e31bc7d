// The directory list reads a folder beside the event loop.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/native_directory_lister.h"
#include "support/fake_lister.h"
#include "support/temp_tree.h"
#include "ui/directory_list.h"

namespace dirnal::ui {
namespace {

// Counts the queued calls that reach the objects it watches.
struct QueuedCalls final : QObject {
    bool eventFilter(QObject*, QEvent* event) override { count += event->type() == QEvent::MetaCall; return false; }
    int count = 0;
};

TEST(DirectoryList, ShowsTheOpenFolderAtOnceItsSubdirectoriesWhenReadAndDropsAListingNoLongerWanted)
{
    testing::TempTree tree;
    tree.mkdir("big/a");
    tree.mkdir("big/b");
    tree.mkdir("other/c");
    const NativeDirectoryLister disk;
    testing::HeldLister lister(disk);
    lister.hold(tree.path("big"));
    DirectoryList list;
    list.setLister(lister, [](const std::string&) { return std::string("/"); });
    QueuedCalls listingsBack;  // each listing read comes back as one, the one no longer wanted too
    list.installEventFilter(&listingsBack);
    const auto fromEnd = [&](int row) { return list.model()->index(list.model()->rowCount() - row, 0); };
    QSignalSpy shown(&list, &DirectoryList::subdirectoriesShown);

    ASSERT_TRUE(list.setPath(tree.path("big")));  // returns while the listing is held
    EXPECT_EQ(fromEnd(1).data().toString().trimmed(), QStringLiteral("big"));
    EXPECT_EQ(list.currentIndex(), fromEnd(1)) << "the open folder is current";
    ASSERT_TRUE(list.setPath(tree.path("other")));
    ASSERT_TRUE(shown.wait(5000));
    lister.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listingsBack.count == 2; }, 5000));  // the held one, late, for a folder no longer open
    EXPECT_EQ(fromEnd(2).data().toString().trimmed() + u'/' + fromEnd(1).data().toString().trimmed(), "other/c");
    EXPECT_EQ(shown.count(), 1);
}

}  // namespace
}  // namespace dirnal::ui
