// Temporary profile: a settings file's path in a folder of its own, gone with the test.
#pragma once

#include <QSettings>
#include <QTemporaryDir>

struct TempProfile {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("tilewright.ini"));

    // A stored value as the file holds it, read past the profile store.
    QString raw(const QString& key) const
    {
        return QSettings(path, QSettings::IniFormat).value(key).toString();
    }
};
