// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/options.h"

#include <variant>
#include <vector>

namespace frame {

QString ProgramName(Program program) {
    switch (program) {
        case Program::Zephlon:
            return QStringLiteral("Zephlon");
        case Program::Quadrelle:
            return QStringLiteral("Quadrelle");
        case Program::Vantorel:
            return QStringLiteral("Vantorel");
    }
    return QString();
}

QString DefaultWebServer(Program program) {
    switch (program) {
        case Program::Zephlon:
        case Program::Quadrelle:
            return QStringLiteral("scores.example.org/arcade");
        case Program::Vantorel:
            return QStringLiteral("scores.example.org");
    }
    return QString();
}

Options DefaultOptions(Program program) {
    Options o;
    o.WebServer = DefaultWebServer(program);
    o.InitMaximized = program == Program::Zephlon;
    return o;
}

namespace {

enum : unsigned { Z = 1, Q = 2, V = 4, All = 7 };

using Field = std::variant<bool Options::*, int16_t Options::*, int32_t Options::*, QString Options::*>;

// The "Options" keys in reading order: which programs have them, the member that holds the value,
// the allowed range of numbers, and whether the options step of the close writes them.
struct Key {
    const char* name;
    unsigned programs;
    Field field;
    int32_t minimum = 0;
    int32_t maximum = 0;
    bool writtenWithOptions = true;
};

const std::vector<Key>& keyTable() {
    static const std::vector<Key> table = {
        {"Sound", All, &Options::Sound},
        {"FirstTime", Z, &Options::FirstTime},
        {"StartLevel", All, &Options::StartLevel, 1, 10},
        {"StartLevelPuzzle", Z, &Options::StartLevelPuzzle, 1, 10},
        {"MaxLevelPuzzle", Z, &Options::MaxLevelPuzzle, 1, INT16_MAX},
        {"GameMode", Z, &Options::GameMode, 0, 1},
        {"Control", Z, &Options::Control, 1, 2},
        {"BlockColour", Z, &Options::BlockColour, 1, 5},
        {"WebServer", All, &Options::WebServer},
        {"InitWidth", All, &Options::InitWidth, 0, INT32_MAX, false},
        {"InitHeight", All, &Options::InitHeight, 0, INT32_MAX, false},
        {"InitMaximized", All, &Options::InitMaximized, 0, 0, false},
        {"AutoUpload", Q, &Options::AutoUpload},
    };
    return table;
}

unsigned bitOf(Program p) {
    switch (p) {
        case Program::Zephlon:
            return Z;
        case Program::Quadrelle:
            return Q;
        case Program::Vantorel:
            return V;
    }
    return 0;
}

}  // namespace

Options ReadOptions(const SettingsStore& store, Program program) {
    const Options defaults = DefaultOptions(program);
    Options o = defaults;
    for (const Key& key : keyTable()) {
        if (!(key.programs & bitOf(program))) continue;
        const QString name = QLatin1String(key.name);
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(o.*member)>;
                if constexpr (std::is_same_v<T, bool>) {
                    o.*member = store.ReadFlag(kOptionsSection, name, defaults.*member);
                } else if constexpr (std::is_same_v<T, QString>) {
                    o.*member = store.ReadSetting(kOptionsSection, name, defaults.*member);
                } else {
                    o.*member = static_cast<T>(
                        store.ReadInt32(kOptionsSection, name, defaults.*member, key.minimum, key.maximum));
                }
            },
            key.field);
    }
    if (program != Program::Vantorel)
        o.URL = store.ReadSetting(kScoresSection, QStringLiteral("URL"), QString());
    return o;
}

void WriteOptions(SettingsStore& store, Program program, const Options& options) {
    for (const Key& key : keyTable()) {
        if (!(key.programs & bitOf(program)) || !key.writtenWithOptions) continue;
        QString name = QLatin1String(key.name);
        if (name == QLatin1String("GameMode")) name = QStringLiteral("gameMode");
        if (name == QLatin1String("FirstTime")) {
            // The instructions open by themselves only until the first orderly close.
            store.WriteFlag(kOptionsSection, name, false);
            continue;
        }
        std::visit(
            [&](auto member) {
                using T = std::remove_cvref_t<decltype(options.*member)>;
                if constexpr (std::is_same_v<T, bool>) {
                    store.WriteFlag(kOptionsSection, name, options.*member);
                } else if constexpr (std::is_same_v<T, QString>) {
                    store.WriteSetting(kOptionsSection, name, options.*member);
                } else {
                    store.WriteInt(kOptionsSection, name, options.*member);
                }
            },
            key.field);
    }
    if (program != Program::Vantorel) store.WriteSetting(kScoresSection, QStringLiteral("URL"), options.URL);
}

void WriteWindowSize(SettingsStore& store, int32_t widthTwips, int32_t heightTwips, bool minimised,
                     bool maximised) {
    if (!minimised) {
        store.WriteInt(kOptionsSection, QStringLiteral("InitWidth"), widthTwips);
        store.WriteInt(kOptionsSection, QStringLiteral("InitHeight"), heightTwips);
    }
    store.WriteFlag(kOptionsSection, QStringLiteral("InitMaximized"), maximised && !minimised);
}

}  // namespace frame
