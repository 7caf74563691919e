// ProfileStore: the per-user key-value store behind settings and scoreboards.
#include "profilestore.h"

#include "product.h"

#include <QStringList>

ProfileStore::ProfileStore(const QString& iniPath)
    : settings_(iniPath, QSettings::IniFormat)
{}

QString ProfileStore::userIniPath(const QString& programBaseName)
{
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, ProductName, programBaseName);
    return user.fileName();
}

int ProfileStore::readInt(const QString& section, const QString& key, int fallback) const
{
    const QVariant value = settings_.value(path(section, key));
    // A value holding a comma comes back as a list; that is garbage for a number too.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList)
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

QString ProfileStore::readText(const QString& section, const QString& key,
                               const QString& fallback) const
{
    const QVariant value = settings_.value(path(section, key));
    if (!value.isValid())
        return fallback;
    // An unquoted comma in a hand-edited file splits the text; put it back together.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void ProfileStore::writeInt(const QString& section, const QString& key, int value)
{
    settings_.setValue(path(section, key), QString::number(value));
}

void ProfileStore::writeText(const QString& section, const QString& key, const QString& value)
{
    settings_.setValue(path(section, key), value);
}

bool ProfileStore::sync()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

QString ProfileStore::path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
