#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/qt/qsettings_store.h"

namespace dirnal {
namespace {

TEST(QSettingsStore, ReadsBackWhatWasWrittenInTheOptionenSectionByteForByte)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    QSettingsStore(file).write(settings_keys::kStartDirectory, std::string("/srv/Größe/\xff\xfe raw"));
    const QSettingsStore reread(file);
    EXPECT_EQ(reread.read(settings_keys::kStartDirectory, "x"), std::string("/srv/Größe/\xff\xfe raw"));
    EXPECT_EQ(reread.read(settings_keys::kListFileDrive, "/"), "/") << "a missing key yields the default";
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains("[Optionen]"));
}

}  // namespace
}  // namespace dirnal
