#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace frame {

// Per-user store of text values addressed by (application, section, key). Names compare
// without regard to case. The store keeps the values of one application in memory and
// writes them back atomically (temporary file, then rename) on Flush or destruction.
class SettingsStore {
  public:
    // The store of `application` in the user's configuration folder.
    explicit SettingsStore(const QString& application);
    // A store kept in an explicit file (tests, tools).
    SettingsStore(const QString& application, const QString& filePath);
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

    // Writes the file if anything changed. Returns false when it could not be written; the
    // file on disk is then left as it was.
    bool Flush();

    QString application() const { return m_application; }
    QString filePath() const { return m_path; }

    // Folder that holds the stores of all programs; tests point it at a temporary folder.
    static QString DefaultDirectory();
    static void SetDefaultDirectory(const QString& directory);

    // Decimal parsing shared with the other readers of untrusted text.
    static std::optional<int64_t> ParseInteger(const QString& text);

  private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    void Load();
    Section* FindSection(const QString& name);
    const Section* FindSection(const QString& name) const;
    QByteArray Serialise() const;

    QString m_application;
    QString m_path;
    std::vector<Section> m_sections;
    bool m_dirty = false;
};

}  // namespace frame
