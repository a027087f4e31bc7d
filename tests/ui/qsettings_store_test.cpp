#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/qsettings_store.h"

namespace dirnal {
namespace {

TEST(QSettingsStore, ReadsBackWhatWasWrittenInTheOptionenSection)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettingsStore store(file);
        store.write(settings_keys::kListFile, "/home/anna/Größe/dirnal.lst");
        store.write(settings_keys::kStartDirectory, std::string("/srv/\xff\xfe raw"));
        store.write(settings_keys::kStartDrive, "");
    }
    const QSettingsStore reread(file);
    EXPECT_EQ(reread.read(settings_keys::kListFile, "x"), "/home/anna/Größe/dirnal.lst");
    EXPECT_EQ(reread.read(settings_keys::kStartDirectory, "x"), std::string("/srv/\xff\xfe raw"));
    EXPECT_EQ(reread.read(settings_keys::kStartDrive, "x"), "");
    EXPECT_EQ(reread.read(settings_keys::kListFileDrive, "/"), "/") << "a missing key yields the default";

    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    EXPECT_TRUE(text.contains("[Optionen]"));
    EXPECT_TRUE(text.contains("lbl_file.Caption"));
}

TEST(QSettingsStore, AGarbledFileYieldsDefaults)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("\x01\x02[[[Optionen\n==\xff\n");
    raw.close();
    const QSettingsStore store(file);
    EXPECT_EQ(store.read(settings_keys::kStartDirectory, "/tmp/"), "/tmp/");
}

}  // namespace
}  // namespace dirnal
