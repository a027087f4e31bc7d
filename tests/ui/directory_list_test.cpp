// The directory list reads a folder beside the event loop.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "platform/native_directory_lister.h"
#include "support/fake_lister.h"
#include "support/held_checks.h"
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

    list.openDirectory(tree.path("big"));  // returns while the listing is held
    EXPECT_EQ(fromEnd(1).data().toString().trimmed(), QStringLiteral("big"));
    EXPECT_EQ(list.currentIndex(), fromEnd(1)) << "the open folder is current";
    list.openDirectory(tree.path("other"));
    ASSERT_TRUE(shown.wait(5000));
    lister.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listingsBack.count == 2; }, 5000));  // the held one, late, for a folder no longer open
    EXPECT_EQ(fromEnd(2).data().toString().trimmed() + u'/' + fromEnd(1).data().toString().trimmed(), "other/c");
    EXPECT_EQ(shown.count(), 1);
}

TEST(DirectoryList, OpensAFolderOnceItHasSaidItIsOneAndDropsAnAnswerNoLongerWanted)
{
    testing::TempTree tree;
    const NativeDirectoryLister disk;
    testing::HeldChecks checks(disk);
    checks.hold(tree.mkdir("hung"));
    DirectoryList list;
    list.setLister(checks, [](const std::string&) { return std::string("/"); });
    QueuedCalls answers;
    list.installEventFilter(&answers);
    QSignalSpy changed(&list, &DirectoryList::pathChanged), shown(&list, &DirectoryList::subdirectoriesShown),
        unavailable(&list, &DirectoryList::pathUnavailable);

    list.setPath(tree.path("hung"));
    list.setPath(tree.mkdir("answers"));  // asked for while the first has not answered
    ASSERT_TRUE(shown.wait(5000));
    const int before = answers.count;
    checks.release(tree.path("hung"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers.count == before + 1; }, 5000));
    EXPECT_TRUE(list.path() == tree.path("answers") && changed.count() == 1 && unavailable.isEmpty());
    list.setPath(tree.path("gone"));
    ASSERT_TRUE(unavailable.wait(5000));
    EXPECT_EQ(list.path(), tree.path("answers"));
}

}  // namespace
}  // namespace dirnal::ui
