#include "platform/qt/qsettings_store.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace dirnal {

namespace {

QString groupedKey(const std::string& key)
{
    return QString::fromLatin1(settings_keys::kSection) + u'/' + QString::fromStdString(key);
}

bool isValidUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decode() is lazy: the conversion to QString is what runs it.
    const QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// A file that is there but no regular file (reading it could wait for
// ever), a link to nothing (settings written there would vanish without a
// word) or one the user may not write.
bool unusable(const QString& file)
{
    const QFileInfo info(file);
    if (info.isSymLink() && !info.exists())
        return true;
    return info.exists() && (!info.isFile() || !info.isWritable());
}

}  // namespace

#ifdef _WIN32
// In the registry: HKEY_CURRENT_USER\Software\dirnal_lst_generator, with
// the section "Optionen" as a key below it and a string value per setting.
QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\") +
                                                QString::fromLatin1(settings_keys::kApplication),
                                            QSettings::NativeFormat))
{
}
#else
// An INI file in the user's configuration folder, where Qt keeps it:
// ~/.config/dirnal_lst_generator/dirnal_lst_generator.conf.
QSettingsStore::QSettingsStore()
    : QSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
                     QString::fromLatin1(settings_keys::kApplication) + u'/' +
                     QString::fromLatin1(settings_keys::kApplication) + QStringLiteral(".conf"))
{
}
#endif

QSettingsStore::QSettingsStore(const QString& iniFile) : file_(iniFile)
{
    if (!unusable(iniFile))
        settings_ = std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

std::optional<std::string> QSettingsStore::unusableFile() const
{
    if (settings_)
        return std::nullopt;
    return file_.toStdString();
}

std::string QSettingsStore::read(const std::string& key, const std::string& defaultValue) const
{
    if (!settings_)
        return defaultValue;
    const QVariant value = settings_->value(groupedKey(key));
    if (!value.isValid())
        return defaultValue;
    // Paths that are not valid UTF-8 are kept as bytes (see write).
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray().toStdString();
    if (!value.canConvert<QString>())
        return defaultValue;
    return value.toString().toStdString();
}

void QSettingsStore::write(const std::string& key, const std::string& value)
{
    if (!settings_)
        return;
    if (isValidUtf8(value))
        settings_->setValue(groupedKey(key), QString::fromStdString(value));
    else
        settings_->setValue(groupedKey(key), QByteArray::fromStdString(value));
    settings_->sync();
}

}  // namespace dirnal
