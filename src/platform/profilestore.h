// ProfileStore: the per-user key-value store behind settings and scoreboards.
#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// Sections and keys over an INI file. Reads never fail: an absent or unusable value gives
// the caller's fallback. Writes that cannot reach the disk are reported by sync() alone, so a
// read-only profile means values are not kept, and nothing worse. A path that names a FIFO,
// socket or device is never opened, nor is such a thing where the file's lock goes: such a
// store keeps its values for the run only.
class ProfileStore {
public:
    // The store at an explicit INI file; tests point it at a private folder.
    explicit ProfileStore(const QString& iniPath);

    // The user's store for this program: organisation "Tilewright", application = the
    // program file's base name, so a renamed copy keeps a profile of its own.
    static QString userIniPath(const QString& programBaseName);

    // Whether the key is present, whatever its value.
    bool contains(const QString& section, const QString& key) const;
    // Nothing when the key is absent or does not hold a whole number in 32-bit range.
    std::optional<int> readNumber(const QString& section, const QString& key) const;
    // The fallback when the key is absent or does not hold a whole number in 32-bit range.
    int readInt(const QString& section, const QString& key, int fallback) const;
    QString readText(const QString& section, const QString& key, const QString& fallback) const;
    void writeInt(const QString& section, const QString& key, int value);
    void writeText(const QString& section, const QString& key, const QString& value);
    // The sections that hold a key, pending writes and removals included.
    QStringList sections() const;
    // Every key of the section, as if it had never been written; taken out of the file at
    // the next sync.
    void removeSection(const QString& section);

    // Flushes pending writes and takes in what others wrote to the file meanwhile; false
    // when they could not be written, and lastError() then says why. Pending writes wait a
    // second at most for a writer elsewhere (another computer sharing the folder) to let go
    // of the file, and are tried only where the folder has room for the file they make, so
    // that a full disk never leaves it cut short; when either fails they stay pending, and a
    // later sync writes them.
    bool sync();
    // Why the last sync failed, in the system's words ("No space left on device",
    // "Permission denied"); empty after a sync that worked.
    QString lastError() const { return lastError_; }
    QString fileName() const { return fileName_; }

    // Runs a read-change-write step while holding a lock file of the store's own beside the
    // file, so that two copies of the game never interleave their steps. Another copy's
    // step is waited for a second at most; a lock that cannot be had (a read-only folder,
    // something other than a regular file in its place) runs the step unlocked, so nothing
    // is lost for want of it. True when the step ran locked.
    bool runLocked(const std::function<void()>& step);

private:
    static QString path(const QString& section, const QString& key);
    bool isRemoved(const QString& at) const;
    bool fileIsUsable() const;
    bool failed(const QString& why);
    QString noRoomFor(qint64 bytes) const;
    qint64 bytesToWrite() const;
    QString heldElsewhere() const;
    QVariant value(const QString& section, const QString& key) const;

    QString fileName_;
    // Made anew by each sync: the status of a QSettings tells the first failure it ever met.
    std::unique_ptr<QSettings> settings_;
    // Writes wait here until a sync finds a regular file to take them: QSettings would also
    // flush them when destroyed, and a FIFO put in the file's place would block it.
    QHash<QString, QString> unsynced_;
    QStringList removedSections_; // waiting for a sync in the same way
    QString lastError_;
};
