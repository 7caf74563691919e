// ProfileStore: the per-user key-value store behind settings and scoreboards.
#include "profilestore.h"

#include "product.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

ProfileStore::ProfileStore(const QString& iniPath)
    : fileName_(iniPath)
    // Without a file name QSettings keeps values in memory and reports every sync failed.
    , settings_(fileIsUsable() ? iniPath : QString(), QSettings::IniFormat)
{}

namespace {
bool absentOrRegular(const QString& path)
{
    return !QFileInfo::exists(path) || isRegularFile(path);
}
} // namespace

bool ProfileStore::fileIsUsable() const
{
    // Every sync also opens the lock file QSettings keeps beside the file.
    return absentOrRegular(fileName_) && absentOrRegular(fileName_ + QStringLiteral(".lock"));
}

QString ProfileStore::userIniPath(const QString& programBaseName)
{
    // Where QSettings keeps a user-scope INI file, found without letting QSettings read it:
    // the file could be a FIFO.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/%1/%2.ini").arg(ProductName, programBaseName);
}

QVariant ProfileStore::value(const QString& section, const QString& key) const
{
    const QString at = path(section, key);
    const auto written = unsynced_.constFind(at);
    if (written != unsynced_.cend())
        return *written;
    return isRemoved(at) ? QVariant() : settings_.value(at);
}

bool ProfileStore::contains(const QString& section, const QString& key) const
{
    const QString at = path(section, key);
    return unsynced_.contains(at) || (!isRemoved(at) && settings_.contains(at));
}

bool ProfileStore::isRemoved(const QString& at) const
{
    return std::any_of(
        removedSections_.cbegin(), removedSections_.cend(),
        [&](const QString& section) { return at.startsWith(section + QLatin1Char('/')); });
}

std::optional<int> ProfileStore::readNumber(const QString& section, const QString& key) const
{
    const QVariant value = this->value(section, key);
    // A value holding a comma comes back as a list; that is garbage for a number too.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList)
        return std::nullopt;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

int ProfileStore::readInt(const QString& section, const QString& key, int fallback) const
{
    return readNumber(section, key).value_or(fallback);
}

QString ProfileStore::readText(const QString& section, const QString& key,
                               const QString& fallback) const
{
    const QVariant value = this->value(section, key);
    if (!value.isValid())
        return fallback;
    // An unquoted comma in a hand-edited file splits the text; put it back together.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void ProfileStore::writeInt(const QString& section, const QString& key, int value)
{
    unsynced_.insert(path(section, key), QString::number(value));
}

void ProfileStore::writeText(const QString& section, const QString& key, const QString& value)
{
    unsynced_.insert(path(section, key), value);
}

void ProfileStore::removeSection(const QString& section)
{
    unsynced_.removeIf(
        [&](const auto& written) { return written.key().startsWith(section + QLatin1Char('/')); });
    removedSections_ << section;
}

bool ProfileStore::failed(const QString& why)
{
    lastError_ = why;
    return false;
}

// QSettings tells that a write failed, not why: a file written beside it tells the reason.
QString ProfileStore::writeFailure() const
{
    QDir().mkpath(QFileInfo(fileName_).absolutePath()); // as QSettings does
    QFile probe(fileName_ + QStringLiteral(".write-test"));
    QString why;
    constexpr qsizetype ProbeBytes = qsizetype{64} * 1024;
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        probe.write(QByteArray(ProbeBytes, ' ')) != ProbeBytes)
        why = probe.errorString();
    probe.remove();
    return !why.isEmpty() ? why
                          : QCoreApplication::translate("ProfileStore", "%1 cannot be written.")
                                .arg(QDir::toNativeSeparators(fileName_));
}

bool ProfileStore::sync()
{
    // The file may have been replaced by a FIFO since; reading it would block for good.
    if (settings_.fileName().isEmpty() || !fileIsUsable())
        return failed(QCoreApplication::translate("ProfileStore", "%1 is not a regular file.")
                          .arg(QDir::toNativeSeparators(absentOrRegular(fileName_)
                                                            ? fileName_ + QStringLiteral(".lock")
                                                            : fileName_)));
    // Before the writes: a section removed and then written again keeps the new values.
    for (const QString& section : std::as_const(removedSections_))
        settings_.remove(section);
    removedSections_.clear();
    for (auto written = unsynced_.cbegin(); written != unsynced_.cend(); ++written)
        settings_.setValue(written.key(), written.value());
    unsynced_.clear();
    settings_.sync();
    if (settings_.status() != QSettings::NoError)
        return failed(writeFailure());
    lastError_.clear();
    return true;
}

bool ProfileStore::runLocked(const std::function<void()>& step)
{
    constexpr int WaitMilliseconds = 1000;
    const QString lockPath = fileName_ + QStringLiteral(".update-lock");
    if (!absentOrRegular(lockPath)) {
        step();
        return false;
    }
    QLockFile lock(lockPath);
    const bool locked = lock.tryLock(WaitMilliseconds);
    step();
    return locked;
}

QString ProfileStore::path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}
