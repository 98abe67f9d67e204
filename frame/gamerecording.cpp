// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/gamerecording.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

namespace frame {

namespace {

constexpr char kMagic[4] = {'Q', 'B', 'G', 'R'};
// Longest texts a claim may carry: far above any name the table keeps, and any date form.
constexpr qsizetype kMaxClaimText = 256;
constexpr uint64_t kMaxSettings = 64;

// ---- writing ----

void PutVarint(QByteArray& out, uint64_t v) {
    while (v >= 0x80) {
        out.append(static_cast<char>((v & 0x7f) | 0x80));
        v >>= 7;
    }
    out.append(static_cast<char>(v));
}

void PutSigned(QByteArray& out, int32_t v) {
    // Zigzag: small negative numbers stay short.
    const uint32_t u = (static_cast<uint32_t>(v) << 1) ^ static_cast<uint32_t>(v >> 31);
    PutVarint(out, u);
}

void PutText(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.left(kMaxClaimText).toUtf8();
    PutVarint(out, static_cast<uint64_t>(utf8.size()));
    out.append(utf8);
}

// Which of a and b an input kind carries.
struct Payload {
    bool a;
    bool b;
};

std::optional<Payload> PayloadOf(uint8_t kind) {
    switch (static_cast<InputKind>(kind)) {
        case InputKind::Key:
        case InputKind::Pause:
        case InputKind::Answer:
            return Payload{true, false};
        case InputKind::MousePress:
        case InputKind::MouseDoubleClick:
        case InputKind::MouseMove:
        case InputKind::Option:
            return Payload{true, true};
        case InputKind::Start:
        case InputKind::BlinkTimer:
        case InputKind::BombTimer:
        case InputKind::ReplayLevel:
        case InputKind::Stop:
            return Payload{false, false};
    }
    return std::nullopt;
}

// ---- reading ----

// Reads fields from a byte range; the first failure sticks, so a caller checks once after a group.
class Reader {
  public:
    explicit Reader(QByteArrayView data) : m_data(data) {}

    bool Failed() const { return m_failed; }
    bool AtEnd() const { return m_pos == m_data.size(); }
    qsizetype Left() const { return m_data.size() - m_pos; }

    uint8_t Byte() {
        if (m_pos >= m_data.size()) return Fail<uint8_t>();
        return static_cast<uint8_t>(m_data[m_pos++]);
    }
    uint64_t Varint() {
        uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t b = Byte();
            if (m_failed) return 0;
            v |= static_cast<uint64_t>(b & 0x7f) << shift;
            if ((b & 0x80) == 0) return v;
        }
        m_overlong = true;
        return Fail<uint64_t>();
    }
    // A varint that must fit 32 bits.
    uint32_t Varint32() {
        const uint64_t v = Varint();
        if (v > std::numeric_limits<uint32_t>::max()) {
            m_overlong = true;
            return Fail<uint32_t>();
        }
        return static_cast<uint32_t>(v);
    }
    int32_t Signed() {
        const uint32_t u = Varint32();
        return static_cast<int32_t>((u >> 1) ^ (~(u & 1) + 1));
    }
    uint64_t Fixed64() {
        uint64_t v = 0;
        for (int i = 0; i < 8; ++i)
            v |= static_cast<uint64_t>(Byte()) << (8 * i);
        return v;
    }
    std::optional<QString> Text() {
        const uint64_t n = Varint();
        if (m_failed) return std::nullopt;
        if (n > static_cast<uint64_t>(kMaxClaimText) * 4) {
            m_overlong = true;
            return Fail<std::optional<QString>>();
        }
        if (static_cast<qsizetype>(n) > Left()) return Fail<std::optional<QString>>();
        const QByteArrayView bytes = m_data.sliced(m_pos, static_cast<qsizetype>(n));
        m_pos += static_cast<qsizetype>(n);
        return QString::fromUtf8(bytes);
    }
    // A value out of its range (not an end of data).
    bool Overlong() const { return m_overlong; }

  private:
    template <class T>
    T Fail() {
        m_failed = true;
        return T{};
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    bool m_failed = false;
    bool m_overlong = false;
};

DecodeResult Refused(RecordingError error, const QString& detail = {}) {
    DecodeResult result;
    result.error = error;
    result.errorText = RecordingErrorText(error, detail);
    return result;
}

// Inflates a zlib stream into exactly `size` bytes, never more: a body that would inflate further, or
// ends short, is refused before it costs memory.
std::optional<QByteArray> Inflate(QByteArrayView compressed, qsizetype size, RecordingError& error) {
    QByteArray out(size, Qt::Uninitialized);
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        error = RecordingError::Corrupt;
        return std::nullopt;
    }
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    zs.avail_in = static_cast<uInt>(compressed.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = static_cast<uInt>(size);
    int rc = inflate(&zs, Z_FINISH);
    if (rc == Z_BUF_ERROR && zs.avail_out == 0) {
        // Output is full: the stream must end here, so one more byte of room must stay unused.
        char probe = 0;
        zs.next_out = reinterpret_cast<Bytef*>(&probe);
        zs.avail_out = 1;
        rc = inflate(&zs, Z_FINISH);
        if (rc != Z_STREAM_END || zs.avail_out == 0) {
            inflateEnd(&zs);
            error = RecordingError::TooLarge;
            return std::nullopt;
        }
    }
    const bool whole = rc == Z_STREAM_END && zs.total_out == static_cast<uLong>(size) && zs.avail_in == 0;
    const bool cut = rc == Z_BUF_ERROR && zs.avail_in == 0 && zs.avail_out > 0;
    inflateEnd(&zs);
    if (!whole) {
        error = cut ? RecordingError::Truncated : RecordingError::Corrupt;
        return std::nullopt;
    }
    return out;
}

}  // namespace

uint32_t RulesVersion(Program program) {
    switch (program) {
        case Program::Zephlon:
            return kZephlonRulesVersion;
        case Program::Quadrelle:
            return kQuadrelleRulesVersion;
        case Program::Vantorel:
            return kVantorelRulesVersion;
    }
    return 0;
}

QString RecordingErrorText(RecordingError error, const QString& detail) {
    QString text;
    switch (error) {
        case RecordingError::None:
            return {};
        case RecordingError::Truncated:
            text = QCoreApplication::translate("frame::GameRecording", "The replay is truncated.");
            break;
        case RecordingError::BadMagic:
            text = QCoreApplication::translate("frame::GameRecording", "This is not a replay file.");
            break;
        case RecordingError::UnknownVersion:
            text = QCoreApplication::translate("frame::GameRecording",
                                               "The replay was made by a newer version of the game.");
            break;
        case RecordingError::OtherProgram:
            text = QCoreApplication::translate("frame::GameRecording", "The replay is of another game.");
            break;
        case RecordingError::OtherRulesVersion:
            text = QCoreApplication::translate("frame::GameRecording",
                                               "The replay was made under other rules of the game.");
            break;
        case RecordingError::UnknownInputKind:
            text = QCoreApplication::translate("frame::GameRecording",
                                               "The replay holds an input the game does not know.");
            break;
        case RecordingError::TooLarge:
            text = QCoreApplication::translate("frame::GameRecording", "The replay is too large.");
            break;
        case RecordingError::TooManyTicks:
            text = QCoreApplication::translate("frame::GameRecording", "The replay is too long.");
            break;
        case RecordingError::TooManyInputs:
            text = QCoreApplication::translate("frame::GameRecording", "The replay holds too many inputs.");
            break;
        case RecordingError::Corrupt:
            text = QCoreApplication::translate("frame::GameRecording", "The replay is damaged.");
            break;
        case RecordingError::NotFinished:
            text = QCoreApplication::translate("frame::GameRecording",
                                               "The replayed game does not end as recorded.");
            break;
        case RecordingError::ClaimDiffers:
            text = QCoreApplication::translate(
                "frame::GameRecording", "The replayed game ends with another record than the one claimed.");
            break;
    }
    if (!detail.isEmpty()) text += QLatin1Char(' ') + detail;
    return text;
}

QByteArray Encode(const GameRecording& recording) {
    QByteArray body;
    body.reserve(64 + static_cast<qsizetype>(recording.inputs.size()) * 4);
    PutSigned(body, recording.mode);
    PutSigned(body, recording.startLevel);
    for (int i = 0; i < 8; ++i)
        body.append(static_cast<char>((recording.seed >> (8 * i)) & 0xff));
    PutVarint(body, recording.settings.size());
    for (int32_t v : recording.settings)
        PutSigned(body, v);
    PutVarint(body, recording.ticks);
    body.append(static_cast<char>(recording.finished ? 1 : 0));
    PutVarint(body, recording.inputs.size());
    uint32_t tick = 0;
    for (const RecordedInput& input : recording.inputs) {
        // Ticks never run backwards in a recording; a hand-made one that does is written as it plays.
        const uint32_t at = std::max(input.tick, tick);
        PutVarint(body, at - tick);
        tick = at;
        const auto kind = static_cast<uint8_t>(input.kind);
        body.append(static_cast<char>(kind));
        const std::optional<Payload> payload = PayloadOf(kind);
        if (payload && payload->a) PutSigned(body, input.a);
        if (payload && payload->b) PutSigned(body, input.b);
    }
    body.append(static_cast<char>(recording.claim ? 1 : 0));
    if (recording.claim) {
        const RecordingClaim& c = *recording.claim;
        PutSigned(body, c.list);
        PutSigned(body, c.score);
        PutSigned(body, c.startLevel);
        PutSigned(body, c.endLevel);
        PutSigned(body, c.rows);
        PutText(body, c.name);
        PutText(body, c.date);
    }

    QByteArray out;
    out.append(kMagic, sizeof kMagic);
    out.append(static_cast<char>(kRecordingFormatVersion));
    out.append(static_cast<char>(recording.program));
    PutVarint(out, recording.rulesVersion);
    PutVarint(out, static_cast<uint64_t>(body.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(body.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(body.constData()), static_cast<uLong>(body.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.truncate(static_cast<qsizetype>(packedSize));
    out.append(packed);
    return out;
}

DecodeResult Decode(QByteArrayView data, const RecordingLimits& limits, std::optional<Program> expected) {
    if (data.size() > limits.maxEncodedBytes)
        return Refused(RecordingError::TooLarge,
                       QCoreApplication::translate("frame::GameRecording", "(%1 bytes, at most %2)")
                           .arg(data.size())
                           .arg(limits.maxEncodedBytes));
    if (data.size() < qsizetype(sizeof kMagic))
        return Refused(data.isEmpty() ||
                               std::memcmp(data.data(), kMagic, static_cast<size_t>(data.size())) != 0
                           ? RecordingError::BadMagic
                           : RecordingError::Truncated);
    if (std::memcmp(data.data(), kMagic, sizeof kMagic) != 0) return Refused(RecordingError::BadMagic);
    Reader head(data.sliced(sizeof kMagic));
    const uint8_t version = head.Byte();
    if (head.Failed()) return Refused(RecordingError::Truncated);
    if (version != kRecordingFormatVersion) return Refused(RecordingError::UnknownVersion);
    const uint8_t program = head.Byte();
    const uint32_t rules = head.Varint32();
    const uint64_t bodySize = head.Varint();
    if (head.Failed()) return Refused(head.Overlong() ? RecordingError::Corrupt : RecordingError::Truncated);
    if (program > static_cast<uint8_t>(Program::Vantorel)) return Refused(RecordingError::OtherProgram);
    GameRecording rec;
    rec.program = static_cast<Program>(program);
    rec.rulesVersion = rules;
    if (expected && *expected != rec.program) return Refused(RecordingError::OtherProgram);
    if (rules != RulesVersion(rec.program)) return Refused(RecordingError::OtherRulesVersion);
    if (bodySize > static_cast<uint64_t>(limits.maxDecodedBytes)) return Refused(RecordingError::TooLarge);
    if (head.AtEnd()) return Refused(RecordingError::Truncated);

    RecordingError inflateError = RecordingError::None;
    const QByteArrayView packed = data.sliced(data.size() - head.Left());
    const std::optional<QByteArray> body = Inflate(packed, static_cast<qsizetype>(bodySize), inflateError);
    if (!body) return Refused(inflateError);

    Reader in(*body);
    rec.mode = in.Signed();
    rec.startLevel = in.Signed();
    rec.seed = in.Fixed64();
    const uint64_t settings = in.Varint();
    if (in.Failed()) return Refused(RecordingError::Corrupt);
    if (settings > kMaxSettings) return Refused(RecordingError::Corrupt);
    for (uint64_t i = 0; i < settings; ++i)
        rec.settings.push_back(in.Signed());
    rec.ticks = in.Varint32();
    const uint8_t finished = in.Byte();
    const uint64_t count = in.Varint();
    if (in.Failed() || finished > 1) return Refused(RecordingError::Corrupt);
    if (rec.ticks > limits.maxTicks)
        return Refused(RecordingError::TooManyTicks,
                       QCoreApplication::translate("frame::GameRecording", "(%1 ticks, at most %2)")
                           .arg(rec.ticks)
                           .arg(limits.maxTicks));
    if (count > limits.maxInputs) return Refused(RecordingError::TooManyInputs);
    // Every input takes two bytes at least: a count beyond the body is a lie, refused before it is reserved.
    if (count > static_cast<uint64_t>(in.Left()) / 2) return Refused(RecordingError::Corrupt);
    rec.finished = finished == 1;
    rec.inputs.reserve(static_cast<size_t>(count));
    uint64_t tick = 0;
    for (uint64_t i = 0; i < count; ++i) {
        tick += in.Varint32();
        RecordedInput input;
        const uint8_t kind = in.Byte();
        if (in.Failed()) return Refused(RecordingError::Corrupt);
        const std::optional<Payload> payload = kind == 0 ? std::nullopt : PayloadOf(kind);
        if (!payload)
            return Refused(RecordingError::UnknownInputKind,
                           QCoreApplication::translate("frame::GameRecording", "(kind %1)").arg(kind));
        if (tick > rec.ticks) return Refused(RecordingError::Corrupt);
        input.tick = static_cast<uint32_t>(tick);
        input.kind = static_cast<InputKind>(kind);
        if (payload->a) input.a = in.Signed();
        if (payload->b) input.b = in.Signed();
        rec.inputs.push_back(input);
    }
    const uint8_t hasClaim = in.Byte();
    if (in.Failed() || hasClaim > 1) return Refused(RecordingError::Corrupt);
    if (hasClaim) {
        RecordingClaim c;
        c.list = in.Signed();
        c.score = in.Signed();
        c.startLevel = in.Signed();
        c.endLevel = in.Signed();
        c.rows = in.Signed();
        const std::optional<QString> name = in.Text();
        const std::optional<QString> date = in.Text();
        if (in.Failed() || !name || !date) return Refused(RecordingError::Corrupt);
        c.name = *name;
        c.date = *date;
        rec.claim = c;
    }
    if (in.Failed() || !in.AtEnd()) return Refused(RecordingError::Corrupt);
    DecodeResult result;
    result.recording = std::move(rec);
    return result;
}

// ---- recorder ----

GameRecorder::GameRecorder(std::size_t reserveInputs) : m_reserve(reserveInputs) {
    m_recording.inputs.reserve(m_reserve);
    m_previous.inputs.reserve(m_reserve);
}

void GameRecorder::Begin(Program program, int32_t mode, int32_t startLevel, uint64_t seed,
                         std::vector<int32_t> settings) {
    // The game left running ends before the input that began this one (which belongs to no game).
    if (m_active && m_depth > 0) m_recording.inputs.resize(std::min(m_outerInput, m_recording.inputs.size()));
    // A swap keeps both reserved buffers: no allocation while games follow one another.
    std::swap(m_recording, m_previous);
    ++m_games;
    m_recording.program = program;
    m_recording.rulesVersion = RulesVersion(program);
    m_recording.mode = mode;
    m_recording.startLevel = startLevel;
    m_recording.seed = seed;
    m_recording.settings = std::move(settings);
    m_recording.ticks = 0;
    m_recording.finished = false;
    m_recording.inputs.clear();  // keeps the reserved storage
    if (m_recording.inputs.capacity() < m_reserve) m_recording.inputs.reserve(m_reserve);
    m_recording.claim.reset();
    m_active = true;
    m_hasGame = true;
}

void GameRecorder::Finish() {
    if (!m_active) return;
    m_active = false;
    m_recording.finished = true;
}

void GameRecorder::Clear() {
    m_active = false;
    m_hasGame = false;
    m_recording.inputs.clear();
    m_recording.claim.reset();
}

void GameRecorder::Enter(InputKind kind, int32_t a, int32_t b) {
    if (m_depth++ != 0 || !m_active) return;
    m_outerInput = m_recording.inputs.size();
    m_recording.inputs.push_back({m_recording.ticks, kind, a, b});
}

void GameRecorder::EnterTick() {
    if (m_depth++ != 0 || !m_active) return;
    m_outerInput = m_recording.inputs.size();
    ++m_recording.ticks;
}

GameRecorder::Question GameRecorder::OpenQuestion() {
    const Question question{m_depth, m_outerInput};
    m_depth = 0;
    return question;
}

void GameRecorder::CloseQuestion(const Question& question, bool yes) {
    m_depth = question.depth;
    m_outerInput = question.outerInput;
    Answer(yes);
}

void GameRecorder::Answer(bool yes) {
    if (m_active) m_recording.inputs.push_back({m_recording.ticks, InputKind::Answer, yes ? 1 : 0, 0});
}

// ---- re-play ----

QString CompareClaim(const PlayOutcome& outcome, const RecordingClaim& claim) {
    auto differs = [](const char* what, int32_t played, int32_t claimed) {
        return RecordingErrorText(
            RecordingError::ClaimDiffers,
            QCoreApplication::translate("frame::GameRecording", "(%1: %2 played, %3 claimed)")
                .arg(QCoreApplication::translate("frame::GameRecording", what))
                .arg(played)
                .arg(claimed));
    };
    if (!outcome.finished) return RecordingErrorText(RecordingError::NotFinished);
    if (outcome.list != claim.list)
        return differs(QT_TRANSLATE_NOOP("frame::GameRecording", "list"), outcome.list, claim.list);
    if (outcome.score != claim.score)
        return differs(QT_TRANSLATE_NOOP("frame::GameRecording", "score"), outcome.score, claim.score);
    if (outcome.startLevel != claim.startLevel)
        return differs(QT_TRANSLATE_NOOP("frame::GameRecording", "start level"), outcome.startLevel,
                       claim.startLevel);
    if (outcome.endLevel != claim.endLevel)
        return differs(QT_TRANSLATE_NOOP("frame::GameRecording", "end level"), outcome.endLevel,
                       claim.endLevel);
    if (claim.rows >= 0 && outcome.rows != claim.rows)
        return differs(QT_TRANSLATE_NOOP("frame::GameRecording", "rows"), outcome.rows, claim.rows);
    return {};
}

RecordingCursor::RecordingCursor(const GameRecording& recording, const RecordingLimits& limits)
    : m_recording(recording), m_limits(limits) {}

const RecordedInput* RecordingCursor::NextInputNow() {
    if (m_error != RecordingError::None || m_next >= m_recording.inputs.size()) return nullptr;
    const RecordedInput& input = m_recording.inputs[m_next];
    if (input.tick > m_ticksDone) return nullptr;
    ++m_next;
    return &input;
}

std::vector<RecordedInput> RecordingCursor::InputsNow() const {
    std::vector<RecordedInput> now;
    for (std::size_t i = m_next; i < m_recording.inputs.size() && m_recording.inputs[i].tick <= m_ticksDone;
         ++i)
        now.push_back(m_recording.inputs[i]);
    return now;
}

bool RecordingCursor::TakeTick() {
    if (m_error != RecordingError::None || m_ticksDone >= m_recording.ticks) return false;
    if (m_ticksDone >= m_limits.maxTicks) {
        Fail(RecordingError::TooManyTicks);
        return false;
    }
    ++m_ticksDone;
    return true;
}

bool RecordingCursor::NextAnswer() {
    if (m_error == RecordingError::None && m_next < m_recording.inputs.size()) {
        const RecordedInput& input = m_recording.inputs[m_next];
        if (input.kind == InputKind::Answer && input.tick <= m_ticksDone) {
            ++m_next;
            return input.a != 0;
        }
    }
    Fail(RecordingError::Corrupt,
         QCoreApplication::translate("frame::GameRecording", "(an answer is missing)"));
    return false;
}

void RecordingCursor::Fail(RecordingError error, const QString& detail) {
    if (m_error != RecordingError::None) return;
    m_error = error;
    m_errorText = RecordingErrorText(error, detail);
}

RecordingPlayback::RecordingPlayback(Program program, GameRecording recording, const RecordingLimits& limits)
    : m_program(program), m_recording(std::move(recording)), m_cursor(m_recording, limits) {}

bool RecordingPlayback::Begin() {
    if (m_begun) return !Done();
    const GameRecording& r = m_recording;
    if (r.program != m_program) {
        Fail(RecordingError::OtherProgram);
        return false;
    }
    if (r.rulesVersion != RulesVersion(m_program)) {
        Fail(RecordingError::OtherRulesVersion);
        return false;
    }
    if (r.inputs.size() > m_cursor.Limits().maxInputs) {
        Fail(RecordingError::TooManyInputs);
        return false;
    }
    if (r.ticks > m_cursor.Limits().maxTicks) {
        Fail(RecordingError::TooManyTicks);
        return false;
    }
    m_begun = true;
    if (!StartGame()) return false;
    CheckEnded();
    return !Done();
}

void RecordingPlayback::PlayTick() {
    m_gameTimeMs += static_cast<uint64_t>(std::max(0, ClockInterval()));
    TickEngine();
    CheckEnded();
}

bool RecordingPlayback::NextAnswer() {
    // A question inside a question's wait is a recording's own; more is a hostile one's.
    if (m_questions >= 4) {
        Fail(RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(an answer is missing)"));
        return false;
    }
    ++m_questions;
    bool yes = false;
    while (!Done()) {
        if (const RecordedInput* input = m_cursor.NextInputNow()) {
            if (input->kind == InputKind::Answer) {
                yes = input->a != 0;
                break;
            }
            Apply(*input);
            CheckEnded();
        } else if (Finished() && m_cursor.AtEnd()) {
            // The game ended while the view asked: its recording ends here, unanswered.
            break;
        } else if (m_cursor.TakeTick()) {
            PlayTick();
        } else {
            Fail(RecordingError::Corrupt,
                 QCoreApplication::translate("frame::GameRecording", "(an answer is missing)"));
        }
    }
    --m_questions;
    return yes;
}

void RecordingPlayback::CheckEnded() {
    // The game ends where its recording ends: nothing recorded may come after "Game Over".
    if (Finished() && !m_cursor.AtEnd())
        Fail(RecordingError::Corrupt,
             QCoreApplication::translate("frame::GameRecording", "(inputs after the game's end)"));
}

bool RecordingPlayback::Step() {
    if (!m_begun && !Begin()) return false;
    if (Done()) return false;
    while (const RecordedInput* input = m_cursor.NextInputNow()) {
        Apply(*input);
        CheckEnded();
        if (Done()) return false;
    }
    if (m_cursor.TakeTick()) PlayTick();
    return !Done();
}

bool RecordingPlayback::Done() const {
    return m_cursor.Error() != RecordingError::None || (m_begun && m_cursor.AtEnd());
}

PlayOutcome RecordingPlayback::Outcome() const {
    PlayOutcome out = EngineOutcome();
    out.finished = Finished();
    if (m_cursor.Error() != RecordingError::None) {
        out.error = m_cursor.Error();
        out.errorText = m_cursor.ErrorText();
    } else if (m_begun && m_cursor.AtEnd() && out.finished != m_recording.finished) {
        out.error = RecordingError::NotFinished;
        out.errorText = RecordingErrorText(out.error);
    } else if (m_begun && m_cursor.AtEnd() && m_recording.claim) {
        const QString differs = CompareClaim(out, *m_recording.claim);
        if (!differs.isEmpty()) {
            out.error = out.finished ? RecordingError::ClaimDiffers : RecordingError::NotFinished;
            out.errorText = differs;
        }
    }
    out.ticks = m_cursor.TicksDone();
    out.gameTimeMs = m_gameTimeMs;
    return out;
}

PlayOutcome RecordingPlayback::PlayToEnd() {
    if (Begin())
        while (Step()) {
        }
    return Outcome();
}

}  // namespace frame
