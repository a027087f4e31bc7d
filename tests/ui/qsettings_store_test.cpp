#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/qt/qsettings_store.h"
#include "support/temp_tree.h"

namespace dirnal {
namespace {

TEST(QSettingsStore, ReadsBackWhatWasWrittenInTheOptionenSectionByteForByte)
{
    const testing::TempTree tree;
    const QString file = QString::fromStdString(tree.path("settings.ini"));
    QSettingsStore(file).write(settings_keys::kStartDirectory, std::string("/srv/Größe/\xff\xfe raw"));
    const QSettingsStore reread(file);
    EXPECT_EQ(reread.read(settings_keys::kStartDirectory, "x"), std::string("/srv/Größe/\xff\xfe raw"));
    EXPECT_EQ(reread.read(settings_keys::kListFileDrive, "/"), "/") << "a missing key yields the default";
    EXPECT_NE(testing::contentOf(tree.path("settings.ini")).find("[Optionen]"), std::string::npos);

    tree.touch("garbage.ini", std::string("\0\xff[Optionen\n=\r\n[[", 13));  // not a settings file: the defaults
    EXPECT_EQ(QSettingsStore(QString::fromStdString(tree.path("garbage.ini"))).read(settings_keys::kStartDirectory, "/tmp/"), "/tmp/");
}

#ifndef _WIN32
TEST(QSettingsStore, AFifoALinkToNothingOrAWriteProtectedFileIsLeftAloneAndSaidToBeUnusable)
{
    const testing::TempTree tree;
    const std::string fifo = tree.path("settings.ini");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    QSettingsStore store(QString::fromStdString(fifo));
    EXPECT_EQ(store.read(settings_keys::kStartDirectory, "/tmp/"), "/tmp/");
    store.write(settings_keys::kStartDirectory, "/srv");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(store.unusableFile(), fifo);
    EXPECT_EQ(QSettingsStore(QString::fromStdString(tree.path("new.ini"))).unusableFile(), std::nullopt);
    // Nor is a link to nothing or a file that cannot be written taken: what is stored there would be lost unseen.
    const std::string dangling = tree.path("link.ini"), readOnly = tree.touch("ro.ini", "[Optionen]\n");
    ASSERT_EQ(::symlink(tree.path("nirgends.ini").c_str(), dangling.c_str()), 0);
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    EXPECT_EQ(QSettingsStore(QString::fromStdString(dangling)).unusableFile(), dangling);
    EXPECT_EQ(QSettingsStore(QString::fromStdString(readOnly)).unusableFile(),
              ::geteuid() == 0 ? std::nullopt : std::optional(readOnly)) << "root may write it";
}
#endif

#ifdef _WIN32
TEST(QSettingsStore, OnWindowsTheUsersStoreIsTheRegistryKeyOfTheApplication)
{
    QSettings raw(QStringLiteral("HKEY_CURRENT_USER\\Software\\dirnal_lst_generator\\Optionen"), QSettings::NativeFormat);
    const QString key = QString::fromLatin1(settings_keys::kStartDrive);
    const QVariant before = raw.value(key);  // the user's, put back afterwards
    QSettingsStore().write(settings_keys::kStartDrive, "Q:\\Gr\xc3\xb6\xc3\x9f" "e");
    EXPECT_EQ(raw.value(key), QVariant(QStringLiteral("Q:\\Gr\u00f6\u00dfe")));
    before.isValid() ? raw.setValue(key, before) : raw.remove(key);
}
#endif

}  // namespace
}  // namespace dirnal
