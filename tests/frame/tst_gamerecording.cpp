// SPDX-License-Identifier: GPL-3.0-or-later
// Game recordings: a game of each program recorded, written, read back and re-played through its core to
// the same end; damaged, hostile and lying recordings refused with their reason.
#include <zlib.h>

#include <QtTest>
#include <algorithm>

#include "frame/gamerecording.h"
#include "quadrelle/recordingplayer.h"
#include "support/quadrellekit.h"
#include "support/sink.h"
#include "support/testmain.h"
#include "support/vantorelkit.h"
#include "support/zephlonkit.h"
#include "vantorel/recordingplayer.h"
#include "zephlon/recordingplayer.h"

Q_DECLARE_METATYPE(frame::RecordingError)
Q_DECLARE_METATYPE(frame::GameRecording)

namespace {

using frame::GameRecording;
using frame::InputKind;
using frame::Program;
using frame::RecordingError;

// A game as it was played: its recording (with the record it ended with as the claim) and its end.
struct Played {
    GameRecording recording;
    frame::PlayOutcome live;
    const frame::RecordedInput* firstInput = nullptr;  // where the inputs lay when the game began
    const frame::RecordedInput* lastInput = nullptr;   // ... and when it ended
};

// A fixed stream of choices for the players below.
struct Choices {
    uint64_t state;
    int Below(int n) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((state >> 33) % static_cast<uint64_t>(n));
    }
};

constexpr frame::KeyCode kKeys[] = {frame::kKeyLeft, frame::kKeyRight, frame::kKeyUp, frame::kKeyCtrl,
                                    frame::kKeyDown};

template <class Engine, class Stopped, class Step>
Played PlayUntilOver(Engine& engine, frame::GameRecorder& recorder, Stopped stopped, Step step,
                     uint64_t seed) {
    Played played;
    played.firstInput = recorder.Recording().inputs.data();
    Choices choices{seed};
    for (int i = 0; i < 200000 && !stopped(); ++i)
        step(choices.Below(100), choices);
    played.lastInput = recorder.Recording().inputs.data();
    played.recording = recorder.Recording();
    (void)engine;
    return played;
}

void Claim(Played& p) {
    frame::RecordingClaim claim;
    claim.list = p.live.list;
    claim.name = QStringLiteral("Ann");
    claim.score = p.live.score;
    claim.startLevel = p.live.startLevel;
    claim.endLevel = p.live.endLevel;
    claim.date = QStringLiteral("2026-12-11T15:00:00");
    p.recording.claim = claim;
}

// A window's question: its event loop runs on while it asks, so the clock ticks and the pointer moves
// before the answer comes.
class AskingView : public zephlon_test::RecordingView {
  public:
    bool AskNewGame() override {
        for (int i = 0; i < 3 && engine; ++i) {
            engine->TimerHandler();
            engine->MouseMove(zephlon::MouseTarget::PlayArea, 3 * cellSize);
        }
        return answerNewGame;
    }
    zephlon::ZephlonEngine* engine = nullptr;
};

Played PlayZephlon(uint64_t seed) {
    zephlon_test::RecordingView view;
    view.recordDrawing = false;
    testsupport::SilentSink sink;
    zephlon::ZephlonEngine engine(view, sink, frame::RandomSource::GameSeeded([seed] { return seed; }));
    frame::GameRecorder recorder;
    engine.SetRecorder(&recorder);
    zephlon::ZephlonOptions options;
    options.gameMode = seed % 2 ? zephlon::GameMode::Puzzle : zephlon::GameMode::Original;
    options.control = zephlon::Control::Keyboard;
    engine.SetOptions(options);
    engine.HandleKey(frame::kKeyEnter);
    Played p = PlayUntilOver(
        engine, recorder, [&] { return engine.Context().gameState == zephlon::GameState::Stopped; },
        [&](int r, Choices& c) {
            if (r < 70)
                engine.TimerHandler();
            else if (r < 72)
                engine.TimerBlinkBlock_Timer();
            else if (r < 73)
                engine.TimerLaserBomb_Timer();
            else if (r < 74)
                engine.SetPaused(!engine.Context().paused);
            else
                engine.HandleKey(engine.Context().gameState == zephlon::GameState::WaitStart ||
                                         engine.Context().gameState == zephlon::GameState::LevelDone
                                     ? frame::kKeyEnter
                                     : kKeys[c.Below(5)]);
        },
        seed);
    if (engine.Context().gameState != zephlon::GameState::Stopped) {
        engine.HandleKey(frame::kKeyQ);
        p.recording = recorder.Recording();
    }
    p.live = zephlon::CurrentOutcome(engine);
    Claim(p);
    return p;
}

Played PlayQuadrelle(uint64_t seed) {
    quadrelle_test::RecordingView view;
    testsupport::SilentSink sink;
    quadrelle::Engine engine(view, sink, frame::RandomSource::GameSeeded([seed] { return seed; }));
    frame::GameRecorder recorder;
    engine.SetRecorder(&recorder);
    engine.SetStartLevel(static_cast<int16_t>(1 + seed % 10));
    engine.HandleKey(frame::kKeyEnter);
    Played p = PlayUntilOver(
        engine, recorder, [&] { return engine.State() == quadrelle::GameState::Stopped; },
        [&](int r, Choices& c) {
            if (r < 75)
                engine.TimerHandler();
            else if (r < 76)
                engine.SetPaused(!engine.Paused());
            else
                engine.HandleKey(kKeys[c.Below(5)]);
        },
        seed);
    p.live = quadrelle::CurrentOutcome(engine);
    Claim(p);
    return p;
}

// With `modern`, the game begins under the rules beyond the design (the pause freezes the piece, Enter
// asks first), Enter is pressed now and then and answered No, and the rules are switched during the game.
Played PlayVantorel(uint64_t seed, bool modern = false) {
    vantorel::test::FakeView view;
    view.answer = false;
    testsupport::SilentSink sink;
    vantorel::Game game(view, sink, frame::RandomSource::GameSeeded([seed] { return seed; }));
    frame::GameRecorder recorder;
    game.SetRecorder(&recorder);
    game.SetStartLevel(static_cast<int16_t>(1 + seed % 10));
    if (modern) game.SetRules({true, true});
    game.Start();
    Played p = PlayUntilOver(
        game, recorder, [&] { return game.State() == vantorel::GameState::Stopped; },
        [&](int r, Choices& c) {
            if (r < 75)
                game.TimerHandler();
            else if (r < 77)
                game.SetPaused(!game.Paused());
            else if (modern && r < 82)
                game.HandleKey(frame::kKeyEnter);
            else if (modern && r < 84)
                game.SetRules({!game.Rules().freezingPause, true});
            else
                game.HandleKey(kKeys[c.Below(5)]);
        },
        seed);
    if (modern && view.questions == 0) p.recording = {};  // the row would prove nothing
    p.live = vantorel::CurrentOutcome(game);
    Claim(p);
    return p;
}

Played PlayGame(Program program, uint64_t seed) {
    switch (program) {
        case Program::Zephlon:
            return PlayZephlon(seed);
        case Program::Quadrelle:
            return PlayQuadrelle(seed);
        case Program::Vantorel:
            return PlayVantorel(seed % 100, seed >= 100);
    }
    return {};
}

frame::PlayOutcome Replay(Program core, const GameRecording& recording,
                          const frame::RecordingLimits& limits = {}) {
    switch (core) {
        case Program::Zephlon:
            return zephlon::PlayRecording(recording, limits);
        case Program::Quadrelle:
            return quadrelle::PlayRecording(recording, limits);
        case Program::Vantorel:
            return vantorel::PlayRecording(recording, limits);
    }
    return {};
}

// A zlib stream of `size` zero bytes: a body that inflates far beyond what it weighs.
QByteArray Zeros(qsizetype size) {
    const QByteArray zeros(size, '\0');
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
              reinterpret_cast<const Bytef*>(zeros.constData()), static_cast<uLong>(size), 9);
    packed.truncate(static_cast<qsizetype>(packedSize));
    return packed;
}

}  // namespace

class TestGameRecording : public QObject {
    Q_OBJECT

  private slots:
    // Every program's game, written and read back, re-plays to the end it was played to, and its claim holds.
    void roundTrip_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<quint64>("seed");
        for (quint64 seed : {3, 4}) {
            QTest::addRow("zephlon %llu", seed) << Program::Zephlon << seed;
            QTest::addRow("quadrelle %llu", seed) << Program::Quadrelle << seed;
            QTest::addRow("vantorel %llu", seed) << Program::Vantorel << seed;
            // Seeds from 100 on: the rules beyond the design, switched during the game, and Enter's question.
            QTest::addRow("vantorel modern %llu", seed) << Program::Vantorel << seed + 100;
        }
    }
    void roundTrip() {
        QFETCH(Program, program);
        QFETCH(quint64, seed);
        const Played p = PlayGame(program, seed);
        QVERIFY(p.live.finished);
        QVERIFY(p.recording.finished);
        QVERIFY(p.recording.inputs.size() > 10);
        // Appending to the storage reserved at the start never moved it.
        QCOMPARE(p.lastInput, p.firstInput);

        const QByteArray file = frame::Encode(p.recording);
        // Compact: a few bytes an input, the main ticks nothing of their own.
        QVERIFY2(
            file.size() < 64 + qsizetype(p.recording.inputs.size()) * 3,
            qPrintable(
                QStringLiteral("%1 bytes for %2 inputs").arg(file.size()).arg(p.recording.inputs.size())));
        const frame::DecodeResult decoded = frame::Decode(file, {}, program);
        QVERIFY2(decoded.ok(), qPrintable(decoded.errorText));
        QVERIFY(*decoded.recording == p.recording);

        const frame::PlayOutcome played = Replay(program, *decoded.recording);
        QVERIFY2(played.ok(), qPrintable(played.errorText));
        QVERIFY(played.finished);
        QCOMPARE(played.score, p.live.score);
        QCOMPARE(played.startLevel, p.live.startLevel);
        QCOMPARE(played.endLevel, p.live.endLevel);
        QCOMPARE(played.board, p.live.board);
        QCOMPARE(played.ticks, p.recording.ticks);
    }

    // A file that is damaged, hostile or of something else is refused with its reason, before it costs
    // more than its caps.
    void decodeRefuses_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("expected");  // the program asked for, -1 any
        QTest::addColumn<int>("maxEncoded");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<int>("maxInputs");
        QTest::addColumn<RecordingError>("error");
        const frame::RecordingLimits d;
        const int enc = static_cast<int>(d.maxEncodedBytes), ticks = static_cast<int>(d.maxTicks),
                  inputs = static_cast<int>(d.maxInputs);
        const Played q = PlayGame(Program::Quadrelle, 3);
        const QByteArray good = frame::Encode(q.recording);
        auto with = [&](auto change) {
            GameRecording r = q.recording;
            change(r);
            return frame::Encode(r);
        };
        // The header up to the body: magic, version, program, rules version, body size.
        auto header = [](uint8_t program, uint8_t rules, QByteArray bodySize) {
            return QByteArray("QBGR\x01", 5) + char(program) + char(rules) + bodySize;
        };

        QTest::newRow("valid") << good << 1 << enc << ticks << inputs << RecordingError::None;
        QTest::newRow("empty") << QByteArray() << -1 << enc << ticks << inputs << RecordingError::BadMagic;
        QTest::newRow("cut in the magic")
            << good.left(3) << -1 << enc << ticks << inputs << RecordingError::Truncated;
        QTest::newRow("cut in the header")
            << good.left(6) << -1 << enc << ticks << inputs << RecordingError::Truncated;
        QTest::newRow("cut in the body")
            << good.left(good.size() - 9) << -1 << enc << ticks << inputs << RecordingError::Truncated;
        QTest::newRow("no body") << header(1, 1, "\x05") << -1 << enc << ticks << inputs
                                 << RecordingError::Truncated;
        QTest::newRow("bad magic") << QByteArray("PK\x03\x04 not a recording") << -1 << enc << ticks << inputs
                                   << RecordingError::BadMagic;
        QByteArray newer = good;
        newer[4] = 2;
        QTest::newRow("newer format")
            << newer << -1 << enc << ticks << inputs << RecordingError::UnknownVersion;
        QByteArray unknownProgram = good;
        unknownProgram[5] = 7;
        QTest::newRow("unknown program")
            << unknownProgram << -1 << enc << ticks << inputs << RecordingError::OtherProgram;
        QTest::newRow("other program") << good << 0 << enc << ticks << inputs << RecordingError::OtherProgram;
        QTest::newRow("other rules version") << with([](GameRecording& r) { r.rulesVersion += 1; }) << -1
                                             << enc << ticks << inputs << RecordingError::OtherRulesVersion;
        QTest::newRow("unknown input kind") << with([](GameRecording& r) {
            r.inputs[3].kind = static_cast<InputKind>(frame::kLastInputKind + 1);
        }) << -1 << enc << ticks << inputs << RecordingError::UnknownInputKind;
        QTest::newRow("input kind 0")
            << with([](GameRecording& r) { r.inputs[0].kind = static_cast<InputKind>(0); }) << -1 << enc
            << ticks << inputs << RecordingError::UnknownInputKind;
        QTest::newRow("over the size cap")
            << good << -1 << int(good.size() - 1) << ticks << inputs << RecordingError::TooLarge;
        // A body that says it is small and inflates to 64 MB: refused at the stated size, never inflated.
        QTest::newRow("bomb, stated small") << header(1, 1, "\x40") + Zeros(64 << 20) << -1 << enc << ticks
                                            << inputs << RecordingError::TooLarge;
        QTest::newRow("bomb, stated large") << header(1, 1, QByteArray("\x80\x80\x80\x40", 4)) + Zeros(1000)
                                            << -1 << enc << ticks << inputs << RecordingError::TooLarge;
        QTest::newRow("over the tick cap")
            << good << -1 << enc << int(q.recording.ticks - 1) << inputs << RecordingError::TooManyTicks;
        QTest::newRow("over the input cap")
            << good << -1 << enc << ticks << int(q.recording.inputs.size() - 1)
            << RecordingError::TooManyInputs;
        QByteArray flipped = good;
        flipped[flipped.size() / 2 + 4] = char(flipped[flipped.size() / 2 + 4] ^ 0x10);
        QTest::newRow("bit flipped") << flipped << -1 << enc << ticks << inputs << RecordingError::Corrupt;
        QTest::newRow("trailing bytes")
            << good + "x" << -1 << enc << ticks << inputs << RecordingError::Corrupt;
        QTest::newRow("overlong number") << header(1, 1, QByteArray(11, '\xff')) << -1 << enc << ticks
                                         << inputs << RecordingError::Corrupt;
        // Inputs whose ticks run past the game's end.
        QTest::newRow("input after the last tick")
            << with([](GameRecording& r) { r.inputs.back().tick = r.ticks + 5; }) << -1 << enc << ticks
            << inputs << RecordingError::Corrupt;
    }
    void decodeRefuses() {
        QFETCH(QByteArray, data);
        QFETCH(int, expected);
        QFETCH(int, maxEncoded);
        QFETCH(int, maxTicks);
        QFETCH(int, maxInputs);
        QFETCH(RecordingError, error);
        frame::RecordingLimits limits;
        limits.maxEncodedBytes = maxEncoded;
        limits.maxTicks = static_cast<uint32_t>(maxTicks);
        limits.maxInputs = static_cast<uint32_t>(maxInputs);
        const frame::DecodeResult result = frame::Decode(
            data, limits, expected < 0 ? std::nullopt : std::optional(static_cast<Program>(expected)));
        QCOMPARE(result.error, error);
        QCOMPARE(result.ok(), error == RecordingError::None);
        QCOMPARE(result.errorText.isEmpty(), error == RecordingError::None);
    }

    // A recording that reads well but lies (about its program, rules, inputs, length or record) is refused
    // by the re-play with its reason.
    void playRefuses_data() {
        QTest::addColumn<Program>("core");
        QTest::addColumn<GameRecording>("recording");
        QTest::addColumn<RecordingError>("error");
        const Played z = PlayGame(Program::Zephlon, 3), q = PlayGame(Program::Quadrelle, 3),
                     v = PlayGame(Program::Vantorel, 3);
        auto with = [](const Played& p, auto change) {
            GameRecording r = p.recording;
            change(r);
            return r;
        };
        QTest::newRow("zephlon as played") << Program::Zephlon << z.recording << RecordingError::None;
        QTest::newRow("quadrelle as played") << Program::Quadrelle << q.recording << RecordingError::None;
        QTest::newRow("vantorel as played") << Program::Vantorel << v.recording << RecordingError::None;
        QTest::newRow("another score claimed")
            << Program::Quadrelle << with(q, [](GameRecording& r) { r.claim->score += 1000; })
            << RecordingError::ClaimDiffers;
        QTest::newRow("another end level claimed")
            << Program::Vantorel << with(v, [](GameRecording& r) { r.claim->endLevel += 1; })
            << RecordingError::ClaimDiffers;
        QTest::newRow("another list claimed")
            << Program::Zephlon << with(z, [](GameRecording& r) { r.claim->list = 1 - r.claim->list; })
            << RecordingError::ClaimDiffers;
        QTest::newRow("another program's recording")
            << Program::Zephlon << q.recording << RecordingError::OtherProgram;
        QTest::newRow("other rules version")
            << Program::Vantorel << with(v, [](GameRecording& r) { r.rulesVersion = 99; })
            << RecordingError::OtherRulesVersion;
        QTest::newRow("unknown input kind") << Program::Zephlon << with(z, [](GameRecording& r) {
            r.inputs[2].kind = static_cast<InputKind>(99);
        }) << RecordingError::UnknownInputKind;
        QTest::newRow("another game's input") << Program::Quadrelle << with(q, [](GameRecording& r) {
            r.inputs.insert(r.inputs.begin(), {0, InputKind::MousePress, 0, 0});
        }) << RecordingError::UnknownInputKind;
        QTest::newRow("an answer without a question") << Program::Quadrelle << with(q, [](GameRecording& r) {
            r.inputs.insert(r.inputs.begin(), {0, InputKind::Answer, 1, 0});
        }) << RecordingError::Corrupt;
        QTest::newRow("a key out of range") << Program::Vantorel << with(v, [](GameRecording& r) {
            r.inputs.insert(r.inputs.begin(), {0, InputKind::Key, 1 << 20, 0});
        }) << RecordingError::Corrupt;
        QTest::newRow("endless") << Program::Quadrelle << with(q, [](GameRecording& r) {
            r.ticks = frame::RecordingLimits{}.maxTicks + 1;
        }) << RecordingError::TooManyTicks;
        QTest::newRow("goes on after its end")
            << Program::Zephlon << with(z, [](GameRecording& r) { r.ticks += 50; })
            << RecordingError::Corrupt;
        QTest::newRow("ends early") << Program::Vantorel << with(v, [](GameRecording& r) {
            r.ticks /= 2;
            std::erase_if(r.inputs, [&r](const frame::RecordedInput& i) { return i.tick > r.ticks; });
        }) << RecordingError::NotFinished;
        QTest::newRow("settings that do not fit")
            << Program::Zephlon << with(z, [](GameRecording& r) { r.settings.resize(3); })
            << RecordingError::Corrupt;
        QTest::newRow("start level out of range")
            << Program::Quadrelle << with(q, [](GameRecording& r) { r.startLevel = 0; })
            << RecordingError::Corrupt;
        // Another seed plays another game, which here ends before its recording does.
        QTest::newRow("another seed")
            << Program::Vantorel << with(v, [](GameRecording& r) { r.seed ^= 1; }) << RecordingError::Corrupt;
    }
    void playRefuses() {
        QFETCH(Program, core);
        QFETCH(GameRecording, recording);
        QFETCH(RecordingError, error);
        const frame::PlayOutcome outcome = Replay(core, recording);
        QVERIFY2(
            outcome.error == error,
            qPrintable(
                QStringLiteral("error %1: %2").arg(static_cast<int>(outcome.error)).arg(outcome.errorText)));
        QCOMPARE(outcome.errorText.isEmpty(), error == RecordingError::None);
    }

    // A watcher's player drives an engine on its own view one tick at a time: a mouse game recorded in
    // one window size plays to the same end in another, with the recorded answers (and what the clock and
    // the pointer did while the question was open) and seed, and the engine gets its own recorder and
    // random source back afterwards.
    void stepwisePlayerOnAnotherView() {
        AskingView view;
        view.recordDrawing = false;
        testsupport::SilentSink sink;
        zephlon::ZephlonEngine engine(view, sink,
                                      frame::RandomSource::GameSeeded([] { return uint64_t{77}; }));
        view.engine = &engine;
        frame::GameRecorder recorder;
        engine.SetRecorder(&recorder);
        zephlon::ZephlonOptions options;
        options.gameMode = zephlon::GameMode::Original;
        options.control = zephlon::Control::Mouse;
        engine.SetOptions(options);
        engine.Start();
        Choices c{77};
        int answers = 0;
        for (int i = 0; i < 6000 && engine.Context().gameState != zephlon::GameState::Stopped; ++i) {
            const int r = c.Below(100);
            if (r < 60) {
                engine.TimerHandler();
            } else if (r < 80) {
                engine.MouseMove(zephlon::MouseTarget::PlayArea, c.Below(7 * view.cellSize));
            } else if (r < 98) {
                engine.MousePress(zephlon::MouseTarget::PlayArea,
                                  c.Below(3) ? zephlon::MouseButton::Left : zephlon::MouseButton::Other);
            } else {
                // Start during a game asks; No plays on.
                view.answerNewGame = false;
                engine.Start();
                ++answers;
            }
        }
        if (engine.Context().gameState != zephlon::GameState::Stopped) engine.gameOver();
        const GameRecording recording = recorder.Recording();
        const frame::PlayOutcome live = zephlon::CurrentOutcome(engine);
        QVERIFY(answers > 0);
        QVERIFY(std::count_if(recording.inputs.begin(), recording.inputs.end(),
                              [](const frame::RecordedInput& i) { return i.kind == InputKind::Answer; }) ==
                answers);

        zephlon_test::RecordingView other;
        other.recordDrawing = false;
        other.cellSize = 17;
        other.answerNewGame = true;  // the recorded No must win over the view
        int draws = 0;
        zephlon::ZephlonEngine watched(other, sink,
                                       frame::RandomSource([&draws] { return (draws++ % 5) / 5.0; }));
        frame::GameRecorder ownRecorder;
        watched.SetRecorder(&ownRecorder);
        {
            zephlon::RecordingPlayer player(watched, recording);
            QVERIFY(player.Begin());
            QCOMPARE(player.Tick(), 0u);
            uint32_t steps = 0;
            while (!player.Done()) {
                QCOMPARE(
                    player.NextInputs().empty(),
                    std::none_of(recording.inputs.begin(), recording.inputs.end(),
                                 [&](const frame::RecordedInput& i) { return i.tick == player.Tick(); }));
                if (!player.Finished()) QVERIFY(player.ClockInterval() > 0);
                player.Step();
                QVERIFY(++steps <= recording.ticks + 1);
            }
            QVERIFY(player.Finished());
            QCOMPARE(player.Tick(), recording.ticks);
            const frame::PlayOutcome watchedEnd = player.Outcome();
            QVERIFY2(watchedEnd.ok(), qPrintable(watchedEnd.errorText));
            QCOMPARE(watchedEnd.score, live.score);
            QCOMPARE(watchedEnd.endLevel, live.endLevel);
            QCOMPARE(watchedEnd.board, live.board);
            QVERIFY(watchedEnd.gameTimeMs > 0);
            QCOMPARE(watched.Recorder(), nullptr);
        }
        // Nothing of the watched game was recorded, and the engine has its own things back.
        QCOMPARE(watched.Recorder(), &ownRecorder);
        QVERIFY(!ownRecorder.HasGame());
        QCOMPARE(draws, 0);
        watched.Random().Next();
        QCOMPARE(draws, 1);
    }

    // A puzzle level replayed after its game ended rebuilds the level saved by that game: the new game's
    // recording carries it, and re-plays to the same end.
    void levelReplayCarriesTheSavedLevel() {
        zephlon_test::RecordingView view;
        view.recordDrawing = false;
        testsupport::SilentSink sink;
        zephlon::ZephlonEngine engine(view, sink,
                                      frame::RandomSource::GameSeeded([] { return uint64_t{5}; }));
        frame::GameRecorder recorder;
        engine.SetRecorder(&recorder);
        zephlon::ZephlonOptions options;
        options.gameMode = zephlon::GameMode::Puzzle;
        options.startLevelPuzzle = 4;
        options.maxLevelPuzzle = 4;
        engine.SetOptions(options);
        engine.HandleKey(frame::kKeyEnter);
        for (int i = 0; i < 500 && engine.Context().gameState != zephlon::GameState::WaitStart; ++i)
            engine.TimerHandler();
        QCOMPARE(engine.Context().gameState, zephlon::GameState::WaitStart);
        const zephlon::Grid garbage = engine.Context().board;
        engine.HandleKey(frame::kKeyQ);
        QVERIFY(recorder.Recording().finished);

        engine.ReplayLevel();
        QCOMPARE(recorder.Games(), uint64_t{2});
        QCOMPARE(recorder.Recording().settings.size(), size_t{9 + 2 + zephlon::kRows * zephlon::kColumns});
        Choices c{5};
        for (int i = 0; i < 4000 && engine.Context().gameState != zephlon::GameState::Stopped; ++i) {
            if (engine.Context().gameState == zephlon::GameState::WaitStart) {
                QCOMPARE(engine.Context().board, garbage);
                engine.HandleKey(frame::kKeyEnter);
            } else if (c.Below(4)) {
                engine.TimerHandler();
            } else {
                engine.HandleKey(kKeys[c.Below(5)]);
            }
        }
        if (engine.Context().gameState != zephlon::GameState::Stopped) engine.HandleKey(frame::kKeyQ);
        const frame::PlayOutcome live = zephlon::CurrentOutcome(engine);
        const frame::PlayOutcome played = zephlon::PlayRecording(recorder.Recording());
        QVERIFY2(played.ok(), qPrintable(played.errorText));
        QCOMPARE(played.score, live.score);
        QCOMPARE(played.board, live.board);
    }

    // A scripted source (tests, bots) draws as before: a new game takes no seed from it and does not
    // restart its draws.
    void scriptedSourceKeepsItsSequence() {
        int draws = 0;
        const frame::RandomSource scripted([&draws] { return (draws++ % 7) / 7.0; });
        QCOMPARE(scripted.NewGameSeed(), uint64_t{0});
        scripted.BeginGame(42);
        QCOMPARE(scripted.Next(), 0.0);
        QCOMPARE(scripted.Next(), 1 / 7.0);
        // The games' generator: the same seed, the same draws, whatever came before.
        const frame::RandomSource games = frame::RandomSource::GameSeeded([] { return uint64_t{1}; });
        games.BeginGame(99);
        const double first = games.Next();
        games.Reseed();
        const double afterReseed = games.Next();
        games.Next();
        games.BeginGame(99);
        QCOMPARE(games.Next(), first);
        games.Reseed();
        QCOMPARE(games.Next(), afterReseed);
    }
};

ARCADE_TEST_GUILESS_MAIN(TestGameRecording)
#include "tst_gamerecording.moc"
