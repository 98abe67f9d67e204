// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

#include "frame/program.h"
#include "frame/settingsstore.h"

namespace frame {

// Every option a program keeps between runs, with its default. A program reads and writes only the keys
// it has (see KeyTable in options.cpp); the other fields keep their defaults.
struct Options {
    bool Sound = true;
    bool FirstTime = true;  // Zephlon
    int16_t StartLevel = 1;
    int16_t StartLevelPuzzle = 1;  // Zephlon
    int16_t MaxLevelPuzzle = 1;    // Zephlon
    int32_t GameMode = 1;          // Zephlon: 0 Original, 1 Puzzle
    int32_t Control = 1;           // Zephlon: 1 keyboard, 2 mouse
    int16_t BlockColour = 2;       // Zephlon: 1..5
    QString WebServer;
    bool AutoUpload = true;  // Quadrelle
    // Window size in twips. Held in 32 bits: a large screen gives more than 32767 twips, and such a
    // size must come back after a restart.
    int32_t InitWidth = 0;
    int32_t InitHeight = 0;
    bool InitMaximized = false;
    QString URL;  // "Scores" section: the player's address (Zephlon, Quadrelle)
};

inline const QString kOptionsSection = QStringLiteral("Options");
inline const QString kScoresSection = QStringLiteral("Scores");

// Twips per logical pixel, as the stored window sizes use them.
inline constexpr int kTwipsPerPixel = 15;

// The options of a program as a first run sees them.
Options DefaultOptions(Program program);
// Default score-server address of a program (host, and for Zephlon and Quadrelle "/" and a folder).
QString DefaultWebServer(Program program);

// Reads every option of the program in key-table order, then the "Scores" URL. Values that are not
// valid for their key (not a number, out of range) read as the key's default.
Options ReadOptions(const SettingsStore& store, Program program);

// Writes the options of the program as the close writes them: "Options" (FirstTime always "No",
// the mode as "gameMode"), then the "Scores" URL. The window size is written separately, after
// the high-score records. The store learns only here, at the close, which options changed: of two
// copies of a program that both changed an option, the one that closes last keeps its value, even
// when the other changed it later (SettingsStore's per-key rule).
void WriteOptions(SettingsStore& store, Program program, const Options& options);

// Window-size step of the close: a minimised window keeps the stored size and is written as not
// maximised; otherwise its current size (the maximised size when maximised) is written.
void WriteWindowSize(SettingsStore& store, int32_t widthTwips, int32_t heightTwips, bool minimised,
                     bool maximised);

}  // namespace frame
