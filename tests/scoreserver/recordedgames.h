// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>

#include "frame/gamerecording.h"
#include "frame/keycodes.h"
#include "quadrelle/engine.h"
#include "scores/highscoretable.h"
#include "support/quadrellekit.h"
#include "support/sink.h"
#include "support/vantorelkit.h"
#include "support/zephlonkit.h"
#include "vantorel/game.h"
#include "web/records.h"
#include "zephlon/engine.h"

// Games played through a core with a scripted seed and keys, recorded as the games record them: the
// replay file (ending with the claim of its record) and the record as the local table keeps it and
// the upload links send it.
namespace recordedgames {

struct RecordedGame {
    frame::GameRecording recording;  // with its claim
    QByteArray file;                 // the encoded recording
    web::UploadRecord record;
    uint32_t ticks = 0;
    double playedMs = 0;  // the game's length at its clock's intervals
};

// The keys given before each main-clock tick, in turn: a piece sinks, shifts and turns, so rows fill
// now and then and the game goes on for a while.
inline frame::KeyCode ScriptedKey(uint64_t seed, uint32_t tick) {
    static constexpr frame::KeyCode kKeys[] = {frame::kKeyDown,  frame::kKeyLeft,  frame::kKeyDown,
                                               frame::kKeyUp,    frame::kKeyRight, frame::kKeyDown,
                                               frame::kKeyRight, frame::kKeyLeft,  frame::kKeyDown};
    return kKeys[(tick * 7 + seed * 3 + tick / 9) % (sizeof kKeys / sizeof kKeys[0])];
}

// Names the finished game's record in a local table and claims it in the recording.
inline void Claim(RecordedGame& game, frame::Program program, const QString& name, const QDateTime& date,
                  int32_t score, int16_t startLevel, int16_t endLevel) {
    scores::HighScoreTable table(program);
    const int16_t position = table.SaveScore(0, score, startLevel, endLevel, date);
    table.CommitName(name);
    game.record = web::UploadRecordsOf(table, 0).value(position - 1);
    game.recording.claim = frame::RecordingClaim{
        0, name, score, startLevel, endLevel, -1, scores::HighScoreTable::DateText(date)};
    game.file = frame::Encode(game.recording);
}

// A Zephlon game of the Original list, played from the start command after the demo.
inline RecordedGame RecordZephlon(uint64_t seed, const QString& name, const QDateTime& date,
                                  uint32_t maxTicks) {
    RecordedGame game;
    frame::GameRecorder recorder;
    testsupport::RecordingSink sink;
    zephlon_test::RecordingView view;
    view.recordDrawing = false;
    zephlon::ZephlonEngine engine(view, sink, frame::RandomSource::GameSeeded([seed] { return seed; }));
    engine.SetGameMode(zephlon::GameMode::Original);
    engine.InitGame();
    for (int guard = 0; engine.Context().clockRunning && guard < 1000; ++guard)
        engine.TimerHandler();
    engine.SetRecorder(&recorder);
    view.answerNewGame = true;
    engine.Start();
    for (uint32_t t = 0; t < maxTicks && engine.Context().gameState != zephlon::GameState::Stopped; ++t) {
        engine.HandleKey(ScriptedKey(seed, t));
        if (engine.Context().laserBombTimerRunning) engine.TimerLaserBomb_Timer();
        if (engine.Context().clockRunning) {
            game.playedMs += engine.Context().clockInterval;
            engine.TimerHandler();
        }
    }
    if (engine.Context().gameState != zephlon::GameState::Stopped) engine.gameOver();
    game.recording = recorder.Recording();
    Claim(game, frame::Program::Zephlon, name, date, engine.Context().score, engine.Context().gameStartLevel,
          engine.Context().level);
    game.ticks = game.recording.ticks;
    return game;
}

// A game of program with seed, played to its end (or maxTicks), named name on date.
inline RecordedGame Record(frame::Program program, uint64_t seed, const QString& name, const QDateTime& date,
                           uint32_t maxTicks = 200000) {
    if (program == frame::Program::Zephlon) return RecordZephlon(seed, name, date, maxTicks);
    RecordedGame game;
    frame::GameRecorder recorder;
    testsupport::RecordingSink sink;
    const auto random = frame::RandomSource::GameSeeded([seed] { return seed; });
    if (program == frame::Program::Quadrelle) {
        quadrelle_test::RecordingView view;
        quadrelle::Engine engine(view, sink, random);
        engine.SetRecorder(&recorder);
        engine.HandleKey(frame::kKeyEnter);
        for (uint32_t t = 0; t < maxTicks && !view.gameOverTimer; ++t) {
            engine.HandleKey(ScriptedKey(seed, t));
            game.playedMs += engine.TickInterval();
            engine.TimerHandler();
        }
        game.recording = recorder.Recording();
        Claim(game, program, name, date, engine.Score(), engine.GameStartLevel(), engine.Level());
    } else {
        vantorel::test::FakeView view;
        vantorel::Game engine(view, sink, random);
        view.game = &engine;
        engine.SetRecorder(&recorder);
        engine.HandleKey(frame::kKeyEnter);
        for (uint32_t t = 0; t < maxTicks && view.gameOvers.empty(); ++t) {
            engine.HandleKey(ScriptedKey(seed, t));
            game.playedMs += engine.ClockInterval();
            engine.TimerHandler();
        }
        game.recording = recorder.Recording();
        Claim(game, program, name, date, engine.Score(), engine.GameStartLevel(), engine.Level());
    }
    game.ticks = game.recording.ticks;
    return game;
}

}  // namespace recordedgames
