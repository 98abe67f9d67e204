// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace frame {

class FolderLock;

// Per-user store of text values addressed by (application, section, key). Names compare without regard
// to case; the file keeps the order it was read in. The file is read once, when the store is made, and
// written back atomically (temporary file, synced, then renamed over the old one) by Flush. A save keeps
// what the store does not interpret where it stood (comments, lines it cannot read, keys before the
// first section) and the file's permissions; a new file is private to the user.
//
// A file larger than kReadCap is read only up to the cap, and a save never replaces it: the keys after
// the cap (a player's records among them) would be lost. Nor does a save write a file larger than the
// cap, which the next start could not read whole. Both saves fail and say why.
//
// Two copies of one program may share the file. A save that finds the file replaced by another copy
// since this store read it first takes that copy's values in: keys this store has changed keep its
// value, all other keys take the other copy's. So of two copies that both changed a key, the one that
// saves last wins, whichever changed it later: the store learns of a change only when it is written,
// and the programs write their options at the close. Lists that need more than that per-key rule (the
// high-score tables) merge through Refresh before they are written.
class SettingsStore {
  public:
    // The store of `application` in the user's configuration folder.
    explicit SettingsStore(const QString& application);
    // A store kept in an explicit file (tests, tools).
    SettingsStore(const QString& application, const QString& filePath);
    // Flushes what changed. A failure there goes unreported: a close that must tell the player calls
    // Flush itself first.
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString ReadSetting(const QString& section, const QString& key, const QString& defaultText) const;
    void WriteSetting(const QString& section, const QString& key, const QString& text);

    // Typed readers: any stored text that is not a valid value of the type and range reads as the default.
    bool ReadFlag(const QString& section, const QString& key, bool defaultValue) const;
    int16_t ReadInt16(const QString& section, const QString& key, int16_t defaultValue,
                      int16_t minimum = INT16_MIN, int16_t maximum = INT16_MAX) const;
    int32_t ReadInt32(const QString& section, const QString& key, int32_t defaultValue,
                      int32_t minimum = INT32_MIN, int32_t maximum = INT32_MAX) const;
    void WriteFlag(const QString& section, const QString& key, bool value);
    void WriteInt(const QString& section, const QString& key, int64_t value);

    // Writes the file if anything changed. Returns false when it could not be written: the file on
    // disk is then byte for byte as it was, every value stays in memory (a later Flush may succeed),
    // and ErrorText() says what went wrong.
    bool Flush();
    // Why the last Flush failed, one sentence naming the file, for a message box or standard error:
    // "Could not save /home/x/.config/quillbyte-arcade/Zephlon.ini: No space left on device".
    // Empty when the last Flush succeeded or none was made.
    QString ErrorText() const { return m_error; }

    // Takes in what another copy of the program saved since this store last read or wrote the file
    // (keys this store changed keep its values) and returns the file as that copy left it, for the
    // caller to merge what the per-key rule cannot. Null when the file is as this store knows it,
    // which costs one stat. From here to the end of the next Flush the store holds the folder's save
    // lock, so no other copy can save between the merge and the write: call Flush soon after.
    std::unique_ptr<const SettingsStore> Refresh();

    QString application() const { return m_application; }
    QString filePath() const { return m_path; }

    // Folder that holds the stores of all programs; tests point it at a temporary folder.
    static QString DefaultDirectory();
    static void SetDefaultDirectory(const QString& directory);

    // Decimal parsing shared with the other readers of untrusted text.
    static std::optional<int64_t> ParseInteger(const QString& text);

    // Largest part of a file that is read; the rest of a bigger file is not taken in, and such a file is
    // never replaced. No save writes more.
    static constexpr qsizetype kReadCap = 4 * 1024 * 1024;

    // How long a save waits for another copy's save to finish (the folder's lock) before it fails.
    static void SetLockWait(std::chrono::milliseconds wait);
    // The call that syncs the folder after the rename (fsync); tests put in one that fails.
    using SyncCall = int (*)(int fd);
    static void SetFolderSync(SyncCall sync);

  private:
    struct Entry {
        QString key;
        QString value;
        // The key and value as the file holds them, kept only once this store changed them.
        QString saved;
        QString savedKey;
        bool modified = false;  // written since the file was last read or written: saved* hold the file's
        bool onDisk = false;    // the key is in the file as this store last read or wrote it
        bool seen = false;      // met in the file being taken in
        bool Changed() const { return !onDisk || (modified && (value != saved || key != savedKey)); }
    };
    struct Section {
        QString name;
        std::vector<qsizetype> order;     // the section's entries in file order
        QHash<QString, qsizetype> index;  // case-folded key -> entry
        QString notes;                    // lines kept as they are, before the section's heading
    };
    // All entries in one array, so a big file costs one allocation rather than one per growth.
    struct Contents {
        std::vector<Entry> entries;
        std::vector<Section> sections;
        QHash<QString, qsizetype> index;  // case-folded name -> section
        // Lines the store does not interpret (comments, unreadable lines, keys outside a section), each
        // with its line end, kept where they stood: before the first heading, before an entry, at the end.
        QString preamble;
        QHash<qsizetype, QString> notes;  // entry -> the lines before it
        QString trailer;
        const Section* Find(const QString& name) const;
        Section& Get(const QString& name);
        Entry* Find(const Section& section, const QString& key);
        // Appends `entry` to `section` under its case-folded key.
        Entry& Add(Section& section, const QString& folded, Entry entry);
    };
    // What this store knows of the file on disk, to tell at a save whether another program replaced it.
    struct FileState {
        bool known = false;  // false: never read successfully, so it must be read before it is replaced
        bool exists = false;
        bool cut = false;  // larger than kReadCap: read in part, so it must never be replaced
        uint64_t device = 0;
        uint64_t inode = 0;
        int64_t size = 0;
        int64_t mtimeNs = 0;
        size_t hash = 0;
    };
    enum class DiskCheck { Same, Changed, Failed };
    // The file read from disk: its state, its values, or why it could not be read.
    struct DiskRead {
        FileState state;
        Contents contents;
        QString error;  // empty when read (a missing file reads as empty)
    };

    SettingsStore(const QString& application, const QString& filePath, Contents contents);

    static DiskRead ReadFile(const QString& path);
    static void Parse(const QByteArray& bytes, bool cut, Contents& contents);
    // Whether the file changed since this store last read or wrote it; reads it when it may have.
    DiskCheck CheckDisk(DiskRead& disk);
    // Brings a newly read file into memory under the per-key rule.
    void TakeIn(const Contents& disk);
    QString WritePath() const;
    enum class Lock { Held, Busy, Unavailable };
    Lock LockFolder(const QString& folder, std::chrono::milliseconds wait);
    QByteArray Serialise() const;
    bool Fail(const QString& reason);
    void UpdateDirty();

    QString m_application;
    QString m_path;
    Contents m_contents;
    FileState m_file;
    bool m_dirty = false;
    bool m_snapshot = false;  // a read-only view returned by Refresh
    QString m_error;
    std::shared_ptr<FolderLock> m_lock;
    bool m_lockBusy = false;  // Refresh found another copy holding the lock after the whole wait
};

}  // namespace frame
