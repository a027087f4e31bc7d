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

}  // namespace
}  // namespace dirnal
