#include "frame/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace frame {

namespace {

QString& directoryOverride() {
    static QString dir;
    return dir;
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

QString unescapeValue(const QString& text) {
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

}  // namespace

SettingsStore::SettingsStore(const QString& application)
    : SettingsStore(application,
                    DefaultDirectory() + QLatin1Char('/') + application + QStringLiteral(".ini")) {}

SettingsStore::SettingsStore(const QString& application, const QString& filePath)
    : m_application(application), m_path(filePath) {
    Load();
}

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

std::optional<int64_t> SettingsStore::ParseInteger(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 20) return std::nullopt;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;
    return static_cast<int64_t>(v);
}

void SettingsStore::Load() {
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) return;
    // A hand-edited file may be anything; cap what we take so a huge file cannot exhaust memory.
    const QByteArray bytes = file.read(4 * 1024 * 1024);
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    Section* current = nullptr;
    for (QString line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            current = FindSection(name);
            if (!current) {
                m_sections.push_back({name, {}});
                current = &m_sections.back();
            }
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || !current) continue;
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty()) continue;
        const QString value = unescapeValue(line.mid(eq + 1));
        bool replaced = false;
        for (Entry& e : current->entries) {
            if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
                e.value = value;  // the last of duplicate keys wins, as it was written last
                replaced = true;
                break;
            }
        }
        if (!replaced) current->entries.push_back({key, value});
    }
}

SettingsStore::Section* SettingsStore::FindSection(const QString& name) {
    for (Section& s : m_sections) {
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
    }
    return nullptr;
}

const SettingsStore::Section* SettingsStore::FindSection(const QString& name) const {
    return const_cast<SettingsStore*>(this)->FindSection(name);
}

QString SettingsStore::ReadSetting(const QString& section, const QString& key,
                                   const QString& defaultText) const {
    const Section* s = FindSection(cleanName(section));
    if (!s) return defaultText;
    const QString k = cleanName(key);
    for (const Entry& e : s->entries) {
        if (e.key.compare(k, Qt::CaseInsensitive) == 0) return e.value;
    }
    return defaultText;
}

void SettingsStore::WriteSetting(const QString& section, const QString& key, const QString& text) {
    const QString sec = cleanName(section);
    const QString k = cleanName(key);
    if (sec.isEmpty() || k.isEmpty()) return;
    Section* s = FindSection(sec);
    if (!s) {
        m_sections.push_back({sec, {}});
        s = &m_sections.back();
    }
    for (Entry& e : s->entries) {
        if (e.key.compare(k, Qt::CaseInsensitive) == 0) {
            if (e.key != k || e.value != text) m_dirty = true;
            e.key = k;
            e.value = text;
            return;
        }
    }
    s->entries.push_back({k, text});
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
    QString out;
    for (const Section& s : m_sections) {
        if (s.entries.empty()) continue;
        out += u'[' + s.name + QStringLiteral("]\n");
        for (const Entry& e : s.entries)
            out += e.key + u'=' + escapeValue(e.value) + u'\n';
        out += u'\n';
    }
    return out.toUtf8();
}

bool SettingsStore::Flush() {
    if (!m_dirty) return true;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(Serialise());
    if (!file.commit()) return false;
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_dirty = false;
    return true;
}

}  // namespace frame
