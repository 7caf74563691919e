// ProfileStore: the per-user key-value store behind settings and scoreboards.
#include "profilestore.h"

#include "product.h"
#include "regularfile.h"
#include "wholewrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#endif

ProfileStore::ProfileStore(const QString& iniPath)
    : fileName_(iniPath)
    // Without a file name QSettings keeps values in memory and reports every sync failed.
    , settings_(
          std::make_unique<QSettings>(fileIsUsable() ? iniPath : QString(), QSettings::IniFormat))
{}

namespace {
// At least this much is tried, to tell a nearly full disk from a full one.
constexpr qint64 LeastRoom = qint64{64} * 1024;

bool absentOrRegular(const QString& path)
{
    return !QFileInfo::exists(path) || isRegularFile(path);
}

// When the file was last changed, in milliseconds; nothing when it is not there.
std::optional<qint64> modifiedAt(const QString& path)
{
    const QFileInfo file(path);
    return file.exists() ? std::optional(file.lastModified().toMSecsSinceEpoch()) : std::nullopt;
}

// QSettings tells a changed file by its size and its time to the millisecond: rewritten at
// the same size within the millisecond, the file would look unchanged to another copy, which
// would then write over what this one wrote. A write always moves the time on.
void moveTimeOn(const QString& path, const std::optional<qint64>& before)
{
#if defined(Q_OS_UNIX)
    const std::optional<qint64> after = modifiedAt(path);
    if (!before || !after || *after > *before)
        return;
    const qint64 next = *before + 1;
    const timespec times[2] = {{0, UTIME_OMIT}, {next / 1000, (next % 1000) * 1'000'000}};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
#else
    Q_UNUSED(path);
    Q_UNUSED(before);
#endif
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
    return isRemoved(at) ? QVariant() : settings_->value(at);
}

bool ProfileStore::contains(const QString& section, const QString& key) const
{
    const QString at = path(section, key);
    return unsynced_.contains(at) || (!isRemoved(at) && settings_->contains(at));
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

QStringList ProfileStore::sections() const
{
    QStringList found;
    for (const QString& section : settings_->childGroups())
        if (!removedSections_.contains(section))
            found << section;
    for (auto written = unsynced_.cbegin(); written != unsynced_.cend(); ++written)
        if (const QString section = written.key().section(QLatin1Char('/'), 0, 0);
            !found.contains(section))
            found << section;
    return found;
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

// Whether the folder has room for that many bytes more, tried with a file written beside
// the settings; why not, in the system's words, or nothing. QSettings cannot be asked: a
// write its file cut short by a full disk or a size limit goes unnoticed, and it puts the
// truncated file in place of the good one. The file tried is a new one of the game's own,
// made exclusively, so that nothing planted in the folder (a link, a FIFO) is ever followed
// or opened.
QString ProfileStore::noRoomFor(qint64 bytes) const
{
    // Unbuffered, so that a write that fails says why at once.
    struct Probe : QTemporaryFile {
        using QTemporaryFile::QTemporaryFile;
        bool open() { return QTemporaryFile::open(ReadWrite | Unbuffered); }
    };
    QDir().mkpath(QFileInfo(fileName_).absolutePath()); // as QSettings does
    Probe probe(fileName_ + QStringLiteral(".write-test-XXXXXX"));
    if (!probe.open() || !writeWhole(probe, QByteArray(std::max(bytes, LeastRoom), ' ')))
        return probe.errorString();
    return {};
}

// An upper bound of what the file takes once the pending writes are in: Qt writes what it
// read in much the same bytes, and escapes a character in six at most.
qint64 ProfileStore::bytesToWrite() const
{
    constexpr qint64 MostPerCharacter = 6;
    qint64 pending = 0;
    for (auto written = unsynced_.cbegin(); written != unsynced_.cend(); ++written)
        pending += written.key().size() + written.value().size() + 2;
    return 2 * QFileInfo(fileName_).size() + MostPerCharacter * pending;
}

// QSettings waits for its lock until Qt judges it stale, half a minute for one taken on
// another computer; a leaving player must not.
QString ProfileStore::heldElsewhere() const
{
    constexpr int WaitMilliseconds = 1000;
    QLockFile lock(fileName_ + QStringLiteral(".lock"));
    if (lock.tryLock(WaitMilliseconds) || lock.error() != QLockFile::LockFailedError)
        return {}; // free, or not to be had here at all: QSettings tells
    return QCoreApplication::translate("ProfileStore", "%1 is in use by another program.")
        .arg(QDir::toNativeSeparators(fileName_));
}

bool ProfileStore::sync()
{
    // The file may have been replaced by a FIFO since; reading it would block for good.
    if (settings_->fileName().isEmpty() || !fileIsUsable())
        return failed(QCoreApplication::translate("ProfileStore", "%1 is not a regular file.")
                          .arg(QDir::toNativeSeparators(absentOrRegular(fileName_)
                                                            ? fileName_ + QStringLiteral(".lock")
                                                            : fileName_)));
    // Writes of this sync, or of one that failed, which QSettings still holds.
    const bool writes =
        !unsynced_.isEmpty() || !removedSections_.isEmpty() || !lastError_.isEmpty();
    if (writes) {
        if (const QString held = heldElsewhere(); !held.isEmpty())
            return failed(held);
        if (const QString why = noRoomFor(bytesToWrite()); !why.isEmpty())
            return failed(why);
    }
    // Before the writes: a section removed and then written again keeps the new values.
    for (const QString& section : std::as_const(removedSections_))
        settings_->remove(section);
    removedSections_.clear();
    for (auto written = unsynced_.cbegin(); written != unsynced_.cend(); ++written)
        settings_->setValue(written.key(), written.value());
    unsynced_.clear();
    const std::optional<qint64> before = modifiedAt(fileName_);
    settings_->sync();
    // A damaged line read leaves a status though the write went through, and a failure once
    // met stays. A new object shares the file's pending writes and tries them again as it
    // starts: its status is this save's.
    settings_ = std::make_unique<QSettings>(fileName_, QSettings::IniFormat);
    if (settings_->status() == QSettings::AccessError) {
        const QString why = noRoomFor(LeastRoom);
        return failed(!why.isEmpty()
                          ? why
                          : QCoreApplication::translate("ProfileStore", "%1 cannot be written.")
                                .arg(QDir::toNativeSeparators(fileName_)));
    }
    if (writes)
        moveTimeOn(fileName_, before);
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
