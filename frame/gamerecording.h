// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A whole game as its seed and inputs: what the engines record while a game runs, the compact file form
// (Encode, Decode) and what re-playing one needs from any game core (the cursor over the inputs, the
// outcome and its comparison with the record the game claims). Plain C++ on Qt Core: the score server
// and the headless tools use it as the games do.
#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "frame/program.h"

namespace frame {

// The rules version of a program's games: bumped whenever a change to a game's rules would let an older
// recording play differently. A recording of another rules version is refused, never re-played.
inline constexpr uint32_t kZephlonRulesVersion = 1;
inline constexpr uint32_t kQuadrelleRulesVersion = 1;
inline constexpr uint32_t kVantorelRulesVersion = 1;
uint32_t RulesVersion(Program program);

// What one recorded input is. The numbers are part of the file format: never reuse or renumber one.
enum class InputKind : uint8_t {
    Key = 1,               // a: the frame::KeyCode
    MousePress = 2,        // a: the mouse target, b: the button (the program's own enum values)
    MouseDoubleClick = 3,  // a: the mouse target, b: the button
    MouseMove = 4,         // a: the mouse target, b: the column under the pointer (x / cell size + 1)
    Start = 5,             // the Start menu command
    Pause = 6,             // a: 1 pause, 0 resume (the menu command or the engine's SetPaused)
    Answer = 7,            // a: 1 Yes, 0 No: the view's answer to "start a new game?"
    BlinkTimer = 8,        // a tick of Zephlon's blink-block timer
    BombTimer = 9,         // a tick of Zephlon's laser-bomb timer
    Option = 10,           // a: the RecordedOption, b: its new value
    ReplayLevel = 11,      // Zephlon's Replay command (the R key is recorded as a Key)
    Stop = 12,             // Zephlon's Stop command ("Game Over" on request)
};
inline constexpr uint8_t kLastInputKind = 12;

// The menu options a running game can be changed by (InputKind::Option's a).
// Rules: Vantorel's rules beyond the design changed by the player's controls (b: their flags).
enum class RecordedOption : int32_t { GameMode = 1, Control = 2, BlockColour = 3, StartLevel = 4, Rules = 5 };

// One input, with the number of main-clock ticks of the game that came before it. The main clock's own
// ticks are not stored one by one: they are the steps between the inputs' tick numbers, up to
// GameRecording::ticks.
struct RecordedInput {
    uint32_t tick = 0;
    InputKind kind = InputKind::Key;
    int32_t a = 0;
    int32_t b = 0;
    bool operator==(const RecordedInput&) const = default;
};

// The record a recording ends with, as the high-score table stores it: the window fills it in when the
// player's name is entered; a verifier compares the re-played outcome with it.
struct RecordingClaim {
    int32_t list = 0;  // 0, or 1 for Zephlon's Puzzle list
    QString name;
    int32_t score = 0;
    int32_t startLevel = 0;
    int32_t endLevel = 0;
    int32_t rows = -1;  // -1: the record carries no rows (none of the three programs' records does today)
    QString date;       // as the record carries it (yyyy-MM-ddTHH:mm:ss), empty when it has none
    bool operator==(const RecordingClaim&) const = default;
};

// One game from its first tick to its end.
struct GameRecording {
    Program program = Program::Zephlon;
    uint32_t rulesVersion = 0;
    int32_t mode = 0;        // Zephlon: 0 Original, 1 Puzzle; 0 for the others
    int32_t startLevel = 1;  // the level the game began at
    uint64_t seed = 0;       // the game's random seed: its draws are a pure function of it
    // The options the game began with, in the program's own order (see each core's recording header).
    std::vector<int32_t> settings;
    uint32_t ticks = 0;     // main-clock ticks from the game's start to its end
    bool finished = false;  // the game reached "Game Over"
    std::vector<RecordedInput> inputs;
    std::optional<RecordingClaim> claim;
    bool operator==(const GameRecording&) const = default;
};

// Caps on what a decoder reads and a re-play simulates: a hostile file is refused before it costs much.
struct RecordingLimits {
    qsizetype maxEncodedBytes = 1 << 20;  // the file as stored or sent
    qsizetype maxDecodedBytes = 8 << 20;  // its body once inflated
    uint32_t maxTicks = 2'000'000;        // main-clock ticks re-played (some 28 hours at 50 ms)
    uint32_t maxInputs = 1'000'000;
};

// Why a recording was refused. The numbers are stable, for logs and the server's answers.
enum class RecordingError {
    None = 0,
    Truncated,          // the data ends inside a field
    BadMagic,           // not a game recording at all
    UnknownVersion,     // a format version this build does not read
    OtherProgram,       // made by another program than the one asked
    OtherRulesVersion,  // made under other rules
    UnknownInputKind,   // an input this build does not know
    TooLarge,           // over the size cap, stored or inflated
    TooManyTicks,       // over the tick cap: an endless game
    TooManyInputs,      // over the input cap
    Corrupt,            // inconsistent content or a broken compressed body
    NotFinished,        // the re-played game did not end as recorded
    ClaimDiffers,       // the re-played game ended with another record than the claimed one
};

// A clear text for an error, in the player's language (English without a catalogue); `detail` is added.
QString RecordingErrorText(RecordingError error, const QString& detail = {});

struct DecodeResult {
    std::optional<GameRecording> recording;
    RecordingError error = RecordingError::None;
    QString errorText;  // empty when decoded
    bool ok() const { return recording.has_value(); }
};

// The binary form (README.md, "Game recordings"): magic, format version, program, rules version, the
// inflated body's size, then the zlib-compressed body with varint-coded tick deltas.
inline constexpr uint8_t kRecordingFormatVersion = 1;
QByteArray Encode(const GameRecording& recording);
// Reads `data` within `limits`; with `expected`, a recording of another program is refused.
DecodeResult Decode(QByteArrayView data, const RecordingLimits& limits = {},
                    std::optional<Program> expected = std::nullopt);

// What an engine appends to while a game runs. The inputs' storage is reserved up front, so a tick costs
// a counter and an input one append; nothing is written anywhere while the game runs.
class GameRecorder {
  public:
    explicit GameRecorder(std::size_t reserveInputs = 1 << 15);

    // A game begins: what was recorded before is dropped.
    void Begin(Program program, int32_t mode, int32_t startLevel, uint64_t seed,
               std::vector<int32_t> settings);
    // The game ended ("Game Over"): the recording is complete and takes no more inputs.
    void Finish();
    // Drops the recording (the program leaves a game unfinished for good).
    void Clear();

    // A running game is being recorded.
    bool Active() const { return m_active; }
    // The last game begun, running or finished (empty before the first).
    bool HasGame() const { return m_hasGame; }
    const GameRecording& Recording() const { return m_recording; }
    // The record the finished game's entry carries.
    void SetClaim(const RecordingClaim& claim) { m_recording.claim = claim; }
    // Games begun so far.
    uint64_t Games() const { return m_games; }
    // The game before the last begun. One left running by the start of a new game ends with the last
    // input before the one that started the new game, unfinished: re-played, it stands where the player
    // left it.
    const GameRecording& Previous() const { return m_previous; }

    // An engine's public input operation enters with its input and leaves when done: only the outermost
    // is recorded, so an operation that calls another (a key that pauses) is one input.
    void Enter(InputKind kind, int32_t a = 0, int32_t b = 0);
    // A main-clock tick enters: counted when outermost.
    void EnterTick();
    void Leave() { --m_depth; }
    // An answer the view gave inside the operation being recorded.
    void Answer(bool yes);
    // While the view asks its question, its event loop runs on: the clock's ticks and the player's inputs
    // meanwhile are recorded as the player's own, and the answer after them.
    struct Question {
        int depth = 0;
        std::size_t outerInput = 0;
    };
    Question OpenQuestion();
    void CloseQuestion(const Question& question, bool yes);

  private:
    GameRecording m_recording;
    GameRecording m_previous;
    std::size_t m_reserve;
    std::size_t m_outerInput = 0;  // where the outermost input being handled was appended
    uint64_t m_games = 0;
    int m_depth = 0;
    bool m_active = false;
    bool m_hasGame = false;
};

// Enters an input for the length of a scope; a null recorder records nothing.
class RecordedScope {
  public:
    RecordedScope(GameRecorder* recorder, InputKind kind, int32_t a = 0, int32_t b = 0)
        : m_recorder(recorder) {
        if (m_recorder) m_recorder->Enter(kind, a, b);
    }
    ~RecordedScope() {
        if (m_recorder) m_recorder->Leave();
    }
    RecordedScope(const RecordedScope&) = delete;
    RecordedScope& operator=(const RecordedScope&) = delete;

  private:
    GameRecorder* m_recorder;
};

// The same for a main-clock tick.
class RecordedTick {
  public:
    explicit RecordedTick(GameRecorder* recorder) : m_recorder(recorder) {
        if (m_recorder) m_recorder->EnterTick();
    }
    ~RecordedTick() {
        if (m_recorder) m_recorder->Leave();
    }
    RecordedTick(const RecordedTick&) = delete;
    RecordedTick& operator=(const RecordedTick&) = delete;

  private:
    GameRecorder* m_recorder;
};

// Where an engine takes the answers to its questions from while a recording plays, instead of asking.
class RecordedAnswers {
  public:
    virtual ~RecordedAnswers() = default;
    virtual bool NextAnswer() = 0;
};

// How a re-played game ended.
struct PlayOutcome {
    bool finished = false;  // it reached "Game Over"
    int32_t list = 0;
    int32_t score = 0;
    int32_t startLevel = 0;  // as the high-score record carries it
    int32_t endLevel = 0;
    int32_t rows = -1;  // -1 where the program's record has none
    uint32_t ticks = 0;
    uint64_t gameTimeMs = 0;  // the main clock's intervals over the ticks played: the game's length in play
    QByteArray board;         // the final board, cell by cell: equal boards, equal bytes
    RecordingError error = RecordingError::None;
    QString errorText;  // empty when the recording played to its recorded end (and matched its claim)
    bool ok() const { return error == RecordingError::None; }
};

// Compares a finished game's outcome with the claimed record's numbers (list, score, levels, rows when
// claimed); the name and date come from the player and are the uploaded record's to compare. Returns the
// reason they differ, or an empty text.
QString CompareClaim(const PlayOutcome& outcome, const RecordingClaim& claim);

// Walks a recording's inputs tick by tick for a core's player: which inputs arrive before the next main
// tick, the recorded answers, and the caps. Each core's RecordingPlayer applies them to its engine.
class RecordingCursor : public RecordedAnswers {
  public:
    RecordingCursor(const GameRecording& recording, const RecordingLimits& limits);

    const GameRecording& Recording() const { return m_recording; }
    const RecordingLimits& Limits() const { return m_limits; }
    // Main-clock ticks played so far.
    uint32_t TicksDone() const { return m_ticksDone; }
    // The next input, if it arrives before main tick TicksDone() + 1; advances past it.
    const RecordedInput* NextInputNow();
    // The inputs NextInputNow would give before the next main tick.
    std::vector<RecordedInput> InputsNow() const;
    // Every input and tick has been given.
    bool AtEnd() const { return m_next >= m_recording.inputs.size() && m_ticksDone >= m_recording.ticks; }
    // One more main tick is due: counts it and returns true, or false when the recording has no more.
    bool TakeTick();
    // The answer recorded for a question the engine asks now; a missing answer reads as No and marks
    // the recording corrupt.
    bool NextAnswer() override;

    // The first error met while walking (answers missing, over the caps).
    RecordingError Error() const { return m_error; }
    QString ErrorText() const { return m_errorText; }
    void Fail(RecordingError error, const QString& detail = {});

  private:
    const GameRecording& m_recording;
    RecordingLimits m_limits;
    std::size_t m_next = 0;
    uint32_t m_ticksDone = 0;
    RecordingError m_error = RecordingError::None;
    QString m_errorText;
};

// What every core's RecordingPlayer does alike: checks a recording against its program and caps, steps it
// tick by tick into the engine, answers the engine's questions from it, and tells how it ended. A core's
// player adds only its engine: how a game starts, how an input and a tick reach it, and where it stands.
class RecordingPlayback : public RecordedAnswers {
  public:
    RecordingPlayback(Program program, GameRecording recording, const RecordingLimits& limits);
    RecordingPlayback(const RecordingPlayback&) = delete;
    RecordingPlayback& operator=(const RecordingPlayback&) = delete;

    // Starts the recorded game on the engine: its options, start level and seed. False (and Outcome()
    // says why) for a recording of another program or rules version, or over the caps.
    bool Begin();
    // Gives the inputs that arrive before the next main-clock tick, then that tick. False once the
    // recording is done (or failed).
    bool Step();
    // The inputs Step() gives before its tick.
    std::vector<RecordedInput> NextInputs() const { return m_cursor.InputsNow(); }
    // Every input and tick has been given, or the recording failed.
    bool Done() const;
    // The engine's game reached "Game Over".
    bool Finished() const { return m_begun && EngineStopped(); }
    // Main-clock ticks played, and the engine's main-clock interval now (ms), the pace of a watcher.
    uint32_t Tick() const { return m_cursor.TicksDone(); }
    virtual int ClockInterval() const = 0;
    const GameRecording& Recording() const { return m_recording; }
    // How the game ended, or where it stands: score, levels, board, and any error (also a claim the
    // finished game does not match).
    PlayOutcome Outcome() const;
    // Steps to the end and returns the outcome.
    PlayOutcome PlayToEnd();

    // The engine asks its question: what the recording holds before the answer (the clock ran on while
    // the view asked) is played first, as it happened.
    bool NextAnswer() override;

  protected:
    // The engine takes the recording's seed, answers and options and begins its game; false after
    // Fail() when the recording's header does not fit the program.
    virtual bool StartGame() = 0;
    virtual void Apply(const RecordedInput& input) = 0;
    virtual void TickEngine() = 0;
    virtual bool EngineStopped() const = 0;
    // Where the engine's game stands (CurrentOutcome of the core).
    virtual PlayOutcome EngineOutcome() const = 0;
    // Refuses the recording: a damaged header or input.
    void Fail(RecordingError error, const QString& detail = {}) { m_cursor.Fail(error, detail); }
    bool Begun() const { return m_begun; }

  private:
    void PlayTick();
    void CheckEnded();

    Program m_program;
    GameRecording m_recording;
    RecordingCursor m_cursor;
    uint64_t m_gameTimeMs = 0;
    bool m_begun = false;
    int m_questions = 0;  // questions open, one inside another
};

}  // namespace frame
