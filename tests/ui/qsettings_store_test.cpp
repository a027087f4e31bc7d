#include <gtest/gtest.h>

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
