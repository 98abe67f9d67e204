// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/settingsstore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <map>
#include <thread>
#include <utility>

namespace frame {

// An exclusive lock on a folder (flock on the folder itself, so no lock file is left beside the
// stores), held while a store merges with the file on disk and replaces it. Stores of one process
// share the lock of a folder: they are used on one thread and cannot save at the same time.
class FolderLock {
  public:
    explicit FolderLock(int fd) : m_fd(fd) {}
    ~FolderLock() {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock of `folder`. Null with `busy` set when another program holds it beyond the wait (stuck
    // in its save): the save fails rather than race it. Null without `busy` when the folder has no lock
    // to take (a file system without locks, a folder that cannot be opened): the save goes on without.
    static std::shared_ptr<FolderLock> Acquire(const QString& folder, std::chrono::milliseconds wait,
                                               bool& busy);

  private:
    int m_fd;
};

namespace {

// Another program's save takes milliseconds; a lock held longer than this is not worth a hung close.
std::chrono::milliseconds g_lockWait = std::chrono::seconds(2);
SettingsStore::SyncCall g_syncFolder = ::fsync;
// A temporary file of our own this old is left over from a save that was killed before its rename.
constexpr int64_t kStaleTemporarySeconds = 10 * 60;

std::map<QString, std::weak_ptr<FolderLock>>& heldLocks() {
    static std::map<QString, std::weak_ptr<FolderLock>> locks;
    return locks;
}

QString& directoryOverride() {
    static QString dir;
    return dir;
}

QString errorText(int error) {
    return qt_error_string(error);
}

QString tr(const char* text) {
    return QCoreApplication::translate("frame::SettingsStore", text);
}

int64_t mtimeNs(const struct stat& st) {
    return int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
}

// Values are one line each in the file: escape what would break a line.
QString escapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString unescapeValue(QStringView text) {
    if (!text.contains(u'\\')) return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            QChar n = text[i + 1];
            if (n == u'\\' || n == u'n' || n == u'r') {
                out += n == u'\\' ? u'\\' : (n == u'n' ? u'\n' : u'\r');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// Names are program constants; strip what the line format cannot hold rather than corrupt the file.
QString cleanName(const QString& name) {
    QString out = name;
    out.remove(u'\n');
    out.remove(u'\r');
    out.replace(u'=', u'_');
    out.replace(u'[', u'_');
    out.replace(u']', u'_');
    return out.trimmed();
}

QString fold(const QString& name) {
    return name.toCaseFolded();
}

// Creates `folder` and its missing parents, private to the user.
bool makeFolder(const QString& folder, QString& error) {
    const QStringList parts = QDir::cleanPath(folder).split(u'/');
    QString prefix;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        prefix += parts[i];
        if (i + 1 < parts.size() && prefix.isEmpty()) {
            prefix = QStringLiteral("/");
            continue;
        }
        const QByteArray p = QFile::encodeName(prefix);
        struct stat st {};
        if (::stat(p.constData(), &st) != 0) {
            if (errno != ENOENT) {
                error = errorText(errno);
                return false;
            }
            if (::mkdir(p.constData(), 0700) != 0 && errno != EEXIST) {
                error = errorText(errno);
                return false;
            }
            if (::stat(p.constData(), &st) != 0) {
                error = errorText(errno);
                return false;
            }
        }
        if (!S_ISDIR(st.st_mode)) {
            error = errorText(ENOTDIR);
            return false;
        }
        if (!prefix.endsWith(u'/')) prefix += u'/';
    }
    return true;
}

// Removes temporary files of `fileName` that a killed save left behind: named exactly as this store
// names them, ours, regular, and stale (under the folder's lock every save of ours has finished).
void removeStaleTemporaries(const QString& folder, const QString& fileName, bool locked) {
    const QString prefix = fileName + u'.';
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    for (const QString& name : names) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) continue;
        bool pattern = true;
        for (QChar c : QStringView(name).mid(prefix.size()))
            pattern = pattern && c.unicode() < 128 && c.isLetterOrNumber();
        if (!pattern) continue;
        const QByteArray path = QFile::encodeName(folder + u'/' + name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (locked || now - int64_t{st.st_mtim.tv_sec} > kStaleTemporarySeconds) ::unlink(path.constData());
    }
}

}  // namespace

std::shared_ptr<FolderLock> FolderLock::Acquire(const QString& folder, std::chrono::milliseconds wait,
                                                bool& busy) {
    busy = false;
    const QString key = QFileInfo(folder).canonicalFilePath();
    if (key.isEmpty()) return nullptr;
    auto& locks = heldLocks();
    if (auto held = locks[key].lock()) return held;
    const int fd = ::open(QFile::encodeName(key).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(fd);
            return nullptr;
        }
        if (error == EWOULDBLOCK && std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            busy = true;
            return nullptr;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    auto lock = std::make_shared<FolderLock>(fd);
    locks[key] = lock;
    return lock;
}

const SettingsStore::Section* SettingsStore::Contents::Find(const QString& name) const {
    const auto it = index.constFind(fold(name));
    return it == index.constEnd() ? nullptr : &sections[static_cast<size_t>(*it)];
}

SettingsStore::Section& SettingsStore::Contents::Get(const QString& name) {
    const QString folded = fold(name);
    const auto it = index.constFind(folded);
    if (it != index.constEnd()) return sections[static_cast<size_t>(*it)];
    index.insert(folded, static_cast<qsizetype>(sections.size()));
    sections.push_back({name, {}, {}, {}});
    return sections.back();
}

SettingsStore::Entry* SettingsStore::Contents::Find(const Section& section, const QString& key) {
    const auto it = section.index.constFind(fold(key));
    return it == section.index.constEnd() ? nullptr : &entries[static_cast<size_t>(*it)];
}

SettingsStore::Entry& SettingsStore::Contents::Add(Section& section, const QString& folded, Entry entry) {
    const auto id = static_cast<qsizetype>(entries.size());
    section.index.insert(folded, id);
    section.order.push_back(id);
    return entries.emplace_back(std::move(entry));
}

SettingsStore::SettingsStore(const QString& application)
    : SettingsStore(application,
                    DefaultDirectory() + QLatin1Char('/') + application + QStringLiteral(".ini")) {}

SettingsStore::SettingsStore(const QString& application, const QString& filePath)
    : m_application(application), m_path(filePath) {
    DiskRead disk = ReadFile(m_path);
    // A file that cannot be read (not a regular file, no permission) starts the store empty and
    // unknown: a save then reads it again and refuses to replace what it cannot see.
    if (disk.error.isEmpty()) {
        m_contents = std::move(disk.contents);
        m_file = disk.state;
    }
}

SettingsStore::SettingsStore(const QString& application, const QString& filePath, Contents contents)
    : m_application(application), m_path(filePath), m_contents(std::move(contents)), m_snapshot(true) {}

SettingsStore::~SettingsStore() {
    Flush();
}

QString SettingsStore::DefaultDirectory() {
    if (!directoryOverride().isEmpty()) return directoryOverride();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quillbyte-arcade");
}

void SettingsStore::SetDefaultDirectory(const QString& directory) {
    directoryOverride() = directory;
}

void SettingsStore::SetLockWait(std::chrono::milliseconds wait) {
    g_lockWait = wait;
}

void SettingsStore::SetFolderSync(SyncCall sync) {
    g_syncFolder = sync ? sync : ::fsync;
}

std::optional<int64_t> SettingsStore::ParseInteger(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 20) return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return static_cast<int64_t>(v);
}

SettingsStore::DiskRead SettingsStore::ReadFile(const QString& path) {
    DiskRead r;
    // Never block: a FIFO or device at the path must not hang the program before its window shows.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            r.state.known = true;
        } else {
            r.error = errorText(errno);
        }
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        r.error = errorText(errno);
        ::close(fd);
        return r;
    }
    if (!S_ISREG(st.st_mode)) {
        r.error = S_ISDIR(st.st_mode)
                      ? errorText(EISDIR)
                      : QCoreApplication::translate("frame::SettingsStore", "Not a regular file");
        ::close(fd);
        return r;
    }
    // A hand-edited file may be anything; cap what we take so a huge file cannot exhaust memory.
    QByteArray bytes;
    bytes.resize(std::min<qsizetype>(std::max<qsizetype>(st.st_size, 0), kReadCap));
    qsizetype used = 0;
    bool cut = false;
    for (;;) {
        if (used == bytes.size()) {
            if (used >= kReadCap) {
                char probe;
                cut = ::read(fd, &probe, 1) > 0;
                break;
            }
            bytes.resize(std::min<qsizetype>(std::max<qsizetype>(used * 2, 4096), kReadCap));
        }
        const ssize_t n = ::read(fd, bytes.data() + used, static_cast<size_t>(bytes.size() - used));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            r.error = errorText(errno);
            ::close(fd);
            return r;
        }
        if (n == 0) break;
        used += n;
    }
    ::close(fd);
    bytes.truncate(used);
    r.state.known = true;
    r.state.exists = true;
    r.state.cut = cut;
    r.state.device = st.st_dev;
    r.state.inode = st.st_ino;
    r.state.size = st.st_size;
    r.state.mtimeNs = mtimeNs(st);
    r.state.hash = qHash(QByteArrayView(bytes));
    Parse(bytes, cut, r.contents);
    return r;
}

void SettingsStore::Parse(const QByteArray& bytes, bool cut, Contents& contents) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    // A file cut at the read cap ends in half a line: leave it out rather than keep half a value.
    if (cut) {
        const qsizetype last = std::max(text.lastIndexOf(u'\n'), text.lastIndexOf(u'\r'));
        text.truncate(std::max<qsizetype>(last, 0));
    }
    const QStringView all(text);
    // Room for every line that could hold a key, so the entries are never moved while the file is read.
    const qsizetype equals = std::min<qsizetype>(text.count(u'='), text.size() / 2);
    contents.entries.reserve(contents.entries.size() + static_cast<size_t>(equals));
    Section* current = nullptr;
    QString pending;  // kept lines that wait for the entry or heading they stand before
    const auto keep = [](QString& to, QStringView line) {
        to += line;
        to += u'\n';
    };
    qsizetype i = 0;
    while (i < all.size()) {
        // Lines end in LF, CRLF or a lone CR: files edited on any system read alike.
        qsizetype end = i;
        while (end < all.size() && all[end] != u'\n' && all[end] != u'\r')
            ++end;
        const QStringView line = all.mid(i, end - i);
        i = end + 1;
        if (end < all.size() && all[end] == u'\r' && i < all.size() && all[i] == u'\n') ++i;

        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty()) continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const auto known = contents.sections.size();
            current = &contents.Get(trimmed.mid(1, trimmed.size() - 2).trimmed().toString());
            // A heading met again stands in the file once: what stood before it goes with the next entry.
            if (contents.sections.size() != known) {
                current->notes = std::move(pending);
                pending.clear();
            }
            continue;
        }
        // Everything before the first heading, comments and lines that are no key stay as they are.
        if (!current) {
            keep(contents.preamble, line);
            continue;
        }
        const qsizetype eq = trimmed.startsWith(u';') || trimmed.startsWith(u'#') ? -1 : line.indexOf(u'=');
        QString key = eq > 0 ? line.left(eq).trimmed().toString() : QString();
        if (key.isEmpty()) {
            keep(pending, line);
            continue;
        }
        QString value = unescapeValue(line.mid(eq + 1));
        // One hash look-up per line: a new key's slot is made by the look-up itself.
        const qsizetype known = current->index.size();
        qsizetype& slot = current->index[fold(key)];
        if (current->index.size() == known) {
            // The last of duplicate keys wins, as it was written last.
            contents.entries[static_cast<size_t>(slot)].value = std::move(value);
        } else {
            slot = static_cast<qsizetype>(contents.entries.size());
            current->order.push_back(slot);
            Entry& e = contents.entries.emplace_back();
            e.key = std::move(key);
            e.value = std::move(value);
            e.onDisk = true;
        }
        if (!pending.isEmpty()) {
            contents.notes[slot] += pending;
            pending.clear();
        }
    }
    contents.trailer = std::move(pending);
}

QString SettingsStore::ReadSetting(const QString& section, const QString& key,
                                   const QString& defaultText) const {
    const Section* s = m_contents.Find(cleanName(section));
    if (!s) return defaultText;
    const auto it = s->index.constFind(fold(cleanName(key)));
    return it == s->index.constEnd() ? defaultText : m_contents.entries[static_cast<size_t>(*it)].value;
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& text) {
    const QString sec = cleanName(section);
    const QString k = cleanName(key);
    if (sec.isEmpty() || k.isEmpty() || m_snapshot) return;
    Section& s = m_contents.Get(sec);
    if (Entry* e = m_contents.Find(s, k)) {
        if (e->key == k && e->value == text) return;
        if (!e->modified) {
            e->saved = e->value;
            e->savedKey = e->key;
            e->modified = true;
        }
        e->key = k;
        e->value = text;
        m_dirty = true;
        return;
    }
    Entry e;
    e.key = k;
    e.value = text;
    m_contents.Add(s, fold(k), std::move(e));
    m_dirty = true;
}

bool SettingsStore::ReadFlag(const QString& section, const QString& key, bool defaultValue) const {
    const QString text =
        ReadSetting(section, key, defaultValue ? QStringLiteral("Yes") : QStringLiteral("No"));
    return text == QStringLiteral("Yes");
}

int16_t SettingsStore::ReadInt16(const QString& section, const QString& key, int16_t defaultValue,
                                 int16_t minimum, int16_t maximum) const {
    return static_cast<int16_t>(ReadInt32(section, key, defaultValue, minimum, maximum));
}

int32_t SettingsStore::ReadInt32(const QString& section, const QString& key, int32_t defaultValue,
                                 int32_t minimum, int32_t maximum) const {
    const auto v = ParseInteger(ReadSetting(section, key, QString()));
    if (!v || *v < minimum || *v > maximum) return defaultValue;
    return static_cast<int32_t>(*v);
}

void SettingsStore::WriteFlag(const QString& section, const QString& key, bool value) {
    WriteSetting(section, key, value ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void SettingsStore::WriteInt(const QString& section, const QString& key, int64_t value) {
    WriteSetting(section, key, QString::number(value));
}

QByteArray SettingsStore::Serialise() const {
    QString out = m_contents.preamble;
    const bool notes = !m_contents.notes.isEmpty();
    for (const Section& s : m_contents.sections) {
        if (s.order.empty() && s.notes.isEmpty()) continue;
        out += s.notes;
        out += u'[' + s.name + QStringLiteral("]\n");
        for (const qsizetype id : s.order) {
            const Entry& e = m_contents.entries[static_cast<size_t>(id)];
            if (notes) {
                const auto note = m_contents.notes.constFind(id);
                if (note != m_contents.notes.constEnd()) out += *note;
            }
            out += e.key;
            out += u'=';
            out += escapeValue(e.value);
            out += u'\n';
        }
        out += u'\n';
    }
    out += m_contents.trailer;
    return out.toUtf8();
}

QString SettingsStore::WritePath() const {
    // Replace the file a link points at, not the link: a linked settings file stays linked.
    const QFileInfo info(m_path);
    if (info.isSymLink()) {
        const QString target = info.canonicalFilePath();
        return target.isEmpty() ? info.symLinkTarget() : target;
    }
    return info.absoluteFilePath();
}

void SettingsStore::TakeIn(const Contents& disk) {
    for (Entry& e : m_contents.entries)
        e.seen = false;
    // The lines the store keeps as they are follow the file: it holds the latest of them.
    m_contents.preamble = disk.preamble;
    m_contents.trailer = disk.trailer;
    for (const Section& ds : disk.sections) {
        Section& s = m_contents.Get(ds.name);
        s.notes = ds.notes;
        for (const qsizetype id : ds.order) {
            const Entry& de = disk.entries[static_cast<size_t>(id)];
            const QString note = disk.notes.value(id);
            Entry* e = m_contents.Find(s, de.key);
            if (!e) {
                m_contents.Add(s, fold(de.key), de).seen = true;
                if (!note.isEmpty())
                    m_contents.notes.insert(static_cast<qsizetype>(m_contents.entries.size() - 1), note);
                continue;
            }
            const auto own = static_cast<qsizetype>(e - m_contents.entries.data());
            if (note.isEmpty()) {
                m_contents.notes.remove(own);
            } else {
                m_contents.notes.insert(own, note);
            }
            if (e->Changed()) {
                e->saved = de.value;
                e->savedKey = de.key;
                e->modified = true;
            } else {
                e->key = de.key;
                e->value = de.value;
                e->saved.clear();
                e->savedKey.clear();
                e->modified = false;
            }
            e->onDisk = true;
            e->seen = true;
        }
    }
    // A key this store read that is gone from the file now is kept, and written again.
    for (Entry& e : m_contents.entries) {
        if (!e.seen) e.onDisk = false;
    }
}

void SettingsStore::UpdateDirty() {
    m_dirty = std::any_of(m_contents.entries.begin(), m_contents.entries.end(),
                          [](const Entry& e) { return e.Changed(); });
}

SettingsStore::DiskCheck SettingsStore::CheckDisk(DiskRead& disk) {
    struct stat st {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            disk.error = errorText(errno);
            return DiskCheck::Failed;
        }
        if (m_file.known && !m_file.exists) return DiskCheck::Same;
        disk.state.known = true;
        return DiskCheck::Changed;
    }
    if (m_file.known && m_file.exists && S_ISREG(st.st_mode) && st.st_dev == m_file.device &&
        st.st_ino == m_file.inode && st.st_size == m_file.size && mtimeNs(st) == m_file.mtimeNs)
        return DiskCheck::Same;
    disk = ReadFile(m_path);
    if (!disk.error.isEmpty()) return DiskCheck::Failed;
    // Touched or rewritten with the same bytes: nothing to take in.
    if (m_file.known && m_file.exists && disk.state.exists && disk.state.hash == m_file.hash) {
        m_file = disk.state;
        return DiskCheck::Same;
    }
    return DiskCheck::Changed;
}

SettingsStore::Lock SettingsStore::LockFolder(const QString& folder, std::chrono::milliseconds wait) {
    if (m_lock) return Lock::Held;
    bool busy = false;
    m_lock = FolderLock::Acquire(folder, wait, busy);
    return m_lock ? Lock::Held : (busy ? Lock::Busy : Lock::Unavailable);
}

std::unique_ptr<const SettingsStore> SettingsStore::Refresh() {
    if (m_snapshot) return nullptr;
    m_lockBusy = LockFolder(QFileInfo(WritePath()).absolutePath(), g_lockWait) == Lock::Busy;
    DiskRead disk;
    if (CheckDisk(disk) != DiskCheck::Changed) return nullptr;  // a failure is Flush's to report
    m_file = disk.state;
    if (!disk.state.exists) {
        TakeIn(Contents{});
        UpdateDirty();
        return nullptr;
    }
    std::unique_ptr<SettingsStore> current(
        new SettingsStore(m_application, m_path, std::move(disk.contents)));
    TakeIn(current->m_contents);
    UpdateDirty();
    return current;
}

bool SettingsStore::Fail(const QString& reason) {
    //: %1 is the settings file's path, %2 the reason.
    m_error = QCoreApplication::translate("frame::SettingsStore", "Could not save %1: %2")
                  .arg(QDir::toNativeSeparators(m_path), reason);
    m_lock.reset();
    return false;
}

bool SettingsStore::Flush() {
    if (m_snapshot) return true;
    if (!m_dirty) {
        m_lock.reset();
        m_error.clear();
        return true;
    }
    const QString target = WritePath();
    const QString folder = QFileInfo(target).absolutePath();
    QString error;
    if (!makeFolder(folder, error)) return Fail(error);
    // Saving alongside another copy's save could lose what it merges: wait for it, and fail rather
    // than go on unlocked; every value stays in memory for a later save.
    // The Flush that follows a Refresh which waited in vain does not wait the whole time again.
    const Lock lock =
        LockFolder(folder, std::exchange(m_lockBusy, false) ? std::chrono::milliseconds(0) : g_lockWait);
    if (lock == Lock::Busy)
        return Fail(tr("another copy of the game is saving to the same folder and has not finished"));
    const bool locked = lock == Lock::Held;

    // Another copy of the program may have saved since this store read the file: take its values in
    // rather than write over them, and never replace a file that cannot be read.
    DiskRead disk;
    switch (CheckDisk(disk)) {
        case DiskCheck::Failed:
            return Fail(disk.error);
        case DiskCheck::Changed:
            m_file = disk.state;
            TakeIn(disk.contents);
            break;
        case DiskCheck::Same:
            break;
    }
    UpdateDirty();
    if (!m_dirty) {
        m_lock.reset();
        m_error.clear();
        return true;
    }
    // Only part of the file was read: writing the rest back would drop every key after the cap.
    if (m_file.cut)
        return Fail(
            tr("the file is larger than the 4 MB the game reads, so it is left as it is "
               "and nothing in it is lost"));
    const QByteArray bytes = Serialise();
    // The next start would read such a file only in part.
    if (bytes.size() > kReadCap)
        return Fail(tr("the file would grow beyond the 4 MB the game reads, so it is left as it is"));

    const QByteArray targetPath = QFile::encodeName(target);
    struct stat st {};
    const bool replacing = ::stat(targetPath.constData(), &st) == 0;
    if (replacing) {
        // A file made read-only is the player's wish to keep it as it is, even for root.
        if ((st.st_mode & 0222) == 0 || ::access(targetPath.constData(), W_OK) != 0)
            return Fail(errorText(EACCES));
    }
    removeStaleTemporaries(folder, QFileInfo(target).fileName(), locked);

    // Every step up to the rename is checked, and written unbuffered, so a full disk or any other
    // failure leaves the old file untouched.
    QByteArray temporary = targetPath + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return Fail(errorText(errno));
    // The new file is private (mkostemp); a file replaced keeps the permissions it was given. A file
    // system without permissions refuses the change, and has nothing to keep.
    if (replacing && ::fchmod(fd, st.st_mode & 07777) != 0) {
    }
    auto abandon = [&](int err, bool open) {
        if (open) ::close(fd);
        ::unlink(temporary.constData());
        return Fail(errorText(err));
    };
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return abandon(errno, true);
        if (n == 0) return abandon(EIO, true);
        done += n;
    }
    if (::fsync(fd) != 0) return abandon(errno, true);
    struct stat written {};
    if (::fstat(fd, &written) != 0) return abandon(errno, true);
    if (::close(fd) != 0 && errno != EINTR) return abandon(errno, false);
    if (::rename(temporary.constData(), targetPath.constData()) != 0) return abandon(errno, false);
    // The rename lasts only once the folder is synced. A folder that may not be read cannot be synced,
    // and one whose file system does not sync folders (EINVAL) needs none.
    int syncError = 0;
    const int dirFd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        if (g_syncFolder(dirFd) != 0 && errno != EINVAL) syncError = errno;
        ::close(dirFd);
    } else if (errno != EACCES) {
        syncError = errno;
    }

    m_file.known = true;
    m_file.exists = true;
    m_file.device = written.st_dev;
    m_file.inode = written.st_ino;
    m_file.size = written.st_size;
    m_file.mtimeNs = mtimeNs(written);
    m_file.cut = false;
    m_file.hash = qHash(QByteArrayView(bytes));
    // The file holds the values now, but may not after a crash: the values stay changed, so the next
    // Flush (the destructor's) writes them again.
    if (syncError != 0) return Fail(errorText(syncError));
    for (Entry& e : m_contents.entries) {
        e.saved.clear();
        e.savedKey.clear();
        e.modified = false;
        e.onDisk = true;
    }
    m_dirty = false;
    m_error.clear();
    m_lock.reset();
    return true;
}

}  // namespace frame
