// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscoretable.h"

#include <QTimeZone>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "frame/options.h"

namespace scores {

namespace {

ScorePolicy MakePolicy(frame::Program program) {
    ScorePolicy p;
    p.program = program;
    switch (program) {
        case frame::Program::Zephlon:
            p.listCount = 2;
            p.defaultName = QStringLiteral("Zephlon");
            p.fillName = QStringLiteral("Zephlon");
            p.caption = QStringLiteral(QT_TRANSLATE_NOOP("scores::FormTopTen", "Local Highscores"));
            p.hasGameModeLabel = true;
            p.hasButtons = true;
            p.modal = true;
            p.darkColours = true;
            p.emptyNameReplacement = QStringLiteral("anon");
            p.clearRefreshesBestScore = true;
            break;
        case frame::Program::Quadrelle:
            p.defaultName = QStringLiteral("Quadrelle");
            p.fillName = QStringLiteral("Quadrelle");
            p.caption =
                QStringLiteral(QT_TRANSLATE_NOOP("scores::FormTopTen", "Quadrelle - Local Highscores"));
            p.offerUploadAfterName = true;
            p.darkColours = true;
            break;
        case frame::Program::Vantorel:
            p.defaultName = QStringLiteral("vantorel");
            p.fillName = QStringLiteral("mr X");
            p.caption = QStringLiteral(QT_TRANSLATE_NOOP("scores::FormTopTen", "Vantorel - Top10"));
            p.darkColours = true;
            break;
    }
    return p;
}

int32_t DefaultScore(int position) {
    return 110 - 10 * position;
}
constexpr int32_t kFillScore = 10;

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is unassigned).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int32_t Cp1252Code(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int32_t>(c);
    for (size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == c) return static_cast<int32_t>(0x80 + i);
    }
    return '?';
}

// A stored integer within [minimum, maximum], or nothing.
std::optional<int64_t> ReadNumber(const frame::SettingsStore& store, const QString& key, int64_t minimum,
                                  int64_t maximum) {
    const QString text = store.ReadSetting(frame::kScoresSection, key, QString());
    if (text.isNull()) return std::nullopt;
    const auto v = frame::SettingsStore::ParseInteger(text);
    if (!v || *v < minimum || *v > maximum) return std::nullopt;
    return v;
}

QString Key(int16_t n, const char* field) {
    return QString::number(n) + QLatin1String(field);
}

// One result: the checksum follows from these fields, and an entry waiting for its name has none yet.
bool SameRecord(const HighScoreRecord& a, const HighScoreRecord& b) {
    return a.Score == b.Score && a.StartLevel == b.StartLevel && a.EndLevel == b.EndLevel &&
           a.Date == b.Date && a.Name == b.Name;
}

}  // namespace

const ScorePolicy& ScorePolicy::For(frame::Program program) {
    static const ScorePolicy zephlon = MakePolicy(frame::Program::Zephlon);
    static const ScorePolicy quadrelle = MakePolicy(frame::Program::Quadrelle);
    static const ScorePolicy vantorel = MakePolicy(frame::Program::Vantorel);
    switch (program) {
        case frame::Program::Quadrelle:
            return quadrelle;
        case frame::Program::Vantorel:
            return vantorel;
        case frame::Program::Zephlon:
            break;
    }
    return zephlon;
}

HighScoreTable::HighScoreTable(frame::Program program) : m_policy(&ScorePolicy::For(program)) {
    for (int16_t n = 1; n <= RecordCount(); ++n) {
        At(n) = DefaultRecord(n);
        At(n).ChkSum = RecordChkSum(n);
    }
    m_stored = m_records;
}

const HighScoreRecord& HighScoreTable::Record(int16_t n) const {
    return m_records[static_cast<size_t>(std::clamp<int>(n, 1, RecordCount()) - 1)];
}

HighScoreRecord& HighScoreTable::At(int16_t n) {
    return m_records[static_cast<size_t>(std::clamp<int>(n, 1, RecordCount()) - 1)];
}

HighScoreRecord HighScoreTable::DefaultRecord(int16_t n) const {
    HighScoreRecord r;
    r.Name = m_policy->defaultName;
    r.Score = DefaultScore((n - 1) % kListSize + 1);
    r.StartLevel = 1;
    r.EndLevel = 1;
    r.Date = DefaultDate();
    r.ChkSum = 0;
    return r;
}

int32_t ChkSumOf(frame::Program program, int list, const HighScoreRecord& r) {
    // 64-bit sums: a hand-edited score near the 32-bit limit must not overflow.
    int64_t sum = 0;
    int64_t sum64 = 0;
    switch (program) {
        case frame::Program::Zephlon: {
            const int64_t listTerm = list == 1 ? 2 : 1;
            sum = int64_t{r.Score} + r.Score % 7 + r.StartLevel + r.EndLevel + listTerm;
            sum64 = 2 * sum + 1416;
            break;
        }
        case frame::Program::Quadrelle: {
            const QDate d = r.Date.date();
            if (!d.isValid()) return 0;
            sum = int64_t{r.Score} + r.StartLevel + r.EndLevel + d.day() + d.month();
            sum64 = 2 * sum + 1416;
            break;
        }
        case frame::Program::Vantorel: {
            if (!r.Date.isValid()) return 0;
            sum = int64_t{r.Score} + HighScoreTable::NameCodeSum(r.Name) + r.StartLevel + r.EndLevel +
                  HighScoreTable::SerialDay(r.Date);
            sum64 = 2 * sum + 3141;
            break;
        }
    }
    if (sum64 < std::numeric_limits<int32_t>::min() || sum64 > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int32_t>(sum64);
}

int32_t HighScoreTable::RecordChkSum(int16_t n) const {
    return ChkSumOf(m_policy->program, n > kListSize ? 1 : 0, Record(n));
}

void HighScoreTable::Load(const frame::SettingsStore& store) {
    m_dropped = {};
    m_pendingPosition = 0;
    m_pendingList = 0;
    for (int16_t n = 1; n <= RecordCount(); ++n) {
        const int list = (n - 1) / kListSize;
        const int16_t slot = static_cast<int16_t>(n - m_dropped[static_cast<size_t>(list)]);
        const HighScoreRecord defaults = DefaultRecord(n);
        HighScoreRecord& r = At(slot);
        // A value that is not valid for its field reads as the field's default; the checksum then
        // drops the record unless its checksum key is missing.
        r.Score = static_cast<int32_t>(ReadNumber(store, Key(n, "Score"), std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max())
                                           .value_or(defaults.Score));
        r.Name = CleanName(store.ReadSetting(frame::kScoresSection, Key(n, "Name"), defaults.Name));
        r.StartLevel = static_cast<int16_t>(
            ReadNumber(store, Key(n, "StartLevel"), INT16_MIN, INT16_MAX).value_or(defaults.StartLevel));
        r.EndLevel = static_cast<int16_t>(
            ReadNumber(store, Key(n, "EndLevel"), INT16_MIN, INT16_MAX).value_or(defaults.EndLevel));
        const QString dateText = store.ReadSetting(frame::kScoresSection, Key(n, "Date"), QString());
        r.Date = dateText.isNull() ? defaults.Date : ParseDate(dateText);
        if (!r.Date.isValid()) r.Date = defaults.Date;
        const int32_t k = RecordChkSum(slot);
        const QString chkText = store.ReadSetting(frame::kScoresSection, Key(n, "ChkSum"), QString());
        bool valid = k != 0;
        if (!chkText.trimmed().isEmpty()) {
            const auto stored = frame::SettingsStore::ParseInteger(chkText);
            valid = valid && stored && *stored == k;
        }
        r.ChkSum = k;
        if (!valid) ++m_dropped[static_cast<size_t>(list)];
    }
    for (int list = 0; list < ListCount(); ++list) {
        const int dropped = m_dropped[static_cast<size_t>(list)];
        for (int p = kListSize - dropped + 1; p <= kListSize; ++p) {
            const int16_t n = RecordNumber(list, p);
            HighScoreRecord& r = At(n);
            r = DefaultRecord(n);
            r.Name = m_policy->fillName;
            r.Score = kFillScore;
            r.ChkSum = RecordChkSum(n);
        }
    }
    m_stored = m_records;
}

void HighScoreTable::Save(frame::SettingsStore& store) {
    // Two copies of a program open at once: the later close keeps what the earlier one saved. The
    // file as another copy left it, or else the store as it stands (a store opened at the close has
    // read the other copy's save already).
    const auto changed = store.Refresh();
    HighScoreTable saved(m_policy->program);
    saved.Load(changed ? *changed : store);
    MergeSaved(saved);
    for (int16_t n = 1; n <= RecordCount(); ++n) {
        const HighScoreRecord& r = Record(n);
        store.WriteSetting(frame::kScoresSection, Key(n, "Name"), r.Name);
        store.WriteInt(frame::kScoresSection, Key(n, "Score"), r.Score);
        store.WriteInt(frame::kScoresSection, Key(n, "StartLevel"), r.StartLevel);
        store.WriteInt(frame::kScoresSection, Key(n, "EndLevel"), r.EndLevel);
        store.WriteSetting(frame::kScoresSection, Key(n, "Date"), DateText(r.Date));
        // An entry still waiting for its name is sealed as it stands rather than written with checksum 0.
        store.WriteInt(frame::kScoresSection, Key(n, "ChkSum"), r.ChkSum != 0 ? r.ChkSum : RecordChkSum(n));
    }
    m_stored = m_records;
}

void HighScoreTable::MergeSaved(const HighScoreTable& current) {
    struct Candidate {
        HighScoreRecord record;
        bool pending = false;
    };
    for (int list = 0; list < ListCount(); ++list) {
        std::vector<Candidate> candidates;
        for (int p = 1; p <= kListSize; ++p)
            candidates.push_back({Record(list, p), m_pendingPosition == p && m_pendingList == list});
        const auto stored = [&](const HighScoreRecord& r) {
            for (int p = 1; p <= kListSize; ++p) {
                if (SameRecord(m_stored[static_cast<size_t>(RecordNumber(list, p) - 1)], r)) return true;
            }
            return false;
        };
        const auto held = [&](const HighScoreRecord& r) {
            return std::any_of(candidates.begin(), candidates.end(),
                               [&](const Candidate& c) { return !c.pending && SameRecord(c.record, r); });
        };
        for (int p = 1; p <= kListSize; ++p) {
            const HighScoreRecord& r = current.Record(list, p);
            if (!stored(r) && !held(r)) candidates.push_back({r, false});
        }
        // Records already held come first among equal scores, as a new equal score goes below.
        std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
            return a.record.Score > b.record.Score;
        });
        if (m_pendingPosition != 0 && m_pendingList == list) m_pendingPosition = 0;
        for (int p = 1; p <= kListSize; ++p) {
            const Candidate& c = candidates[static_cast<size_t>(p - 1)];
            At(RecordNumber(list, p)) = c.record;
            if (c.pending) m_pendingPosition = static_cast<int16_t>(p);
        }
    }
}

int16_t HighScoreTable::DroppedCount(int list) const {
    return list >= 0 && list < ListCount() ? m_dropped[static_cast<size_t>(list)] : 0;
}

int16_t HighScoreTable::SaveScore(int list, int32_t score, int16_t startLevel, int16_t endLevel,
                                  const QDateTime& now) {
    if (m_pendingPosition != 0) return 0;
    list = ValidList(list);
    int position = 0;
    for (int p = 1; p <= kListSize; ++p) {
        if (Record(list, p).Score < score) {
            position = p;
            break;
        }
    }
    if (position == 0) return 0;
    for (int p = kListSize; p > position; --p)
        At(RecordNumber(list, p)) = Record(list, p - 1);
    HighScoreRecord& r = At(RecordNumber(list, position));
    r.Name.clear();
    r.Score = score;
    r.StartLevel = startLevel;
    r.EndLevel = endLevel;
    r.Date = RecordDate(now);
    r.ChkSum = 0;
    m_pendingPosition = static_cast<int16_t>(position);
    m_pendingList = list;
    return m_pendingPosition;
}

int16_t HighScoreTable::CommitName(const QString& name) {
    if (m_pendingPosition < 1) return 0;
    const int16_t position = m_pendingPosition;
    const int16_t n = RecordNumber(m_pendingList, position);
    At(n).Name = CleanName(name);
    At(n).ChkSum = RecordChkSum(n);
    m_pendingPosition = 0;
    return position;
}

void HighScoreTable::ForgetPending() {
    m_pendingPosition = 0;
}

void HighScoreTable::ClearAllScores(int list) {
    list = ValidList(list);
    for (int p = 1; p <= kListSize; ++p) {
        const int16_t n = RecordNumber(list, p);
        At(n) = DefaultRecord(n);
        At(n).ChkSum = RecordChkSum(n);
    }
    if (m_pendingList == list) m_pendingPosition = 0;
}

QString HighScoreTable::CleanName(const QString& name) {
    QString out;
    out.reserve(std::min<qsizetype>(name.size(), kMaxNameLength));
    for (QChar c : name) {
        if (out.size() >= kMaxNameLength) break;
        if (c.category() == QChar::Other_Control) continue;
        out.append(c);
    }
    // Never keep half of a surrogate pair cut at the limit.
    if (!out.isEmpty() && out.back().isHighSurrogate()) out.chop(1);
    return out;
}

QDateTime HighScoreTable::DefaultDate() {
    return QDateTime(QDate(1990, 1, 1), QTime(0, 0, 0), QTimeZone::utc());
}

QDateTime HighScoreTable::RecordDate(const QDateTime& moment) {
    if (!moment.isValid()) return DefaultDate();
    const QTime t = moment.time();
    return QDateTime(moment.date(), QTime(t.hour(), t.minute(), t.second()), QTimeZone::utc());
}

QString HighScoreTable::DateText(const QDateTime& date) {
    return (date.isValid() ? date : DefaultDate()).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

QDateTime HighScoreTable::ParseDate(const QString& text) {
    // Date and time are parsed apart, so no time zone rule (a daylight-saving gap) can move the value.
    const QString t = text.trimmed();
    if (t.size() != 19 || (t[10] != u'T' && t[10] != u' ')) return {};
    const QDate date = QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(t.mid(11), QStringLiteral("HH:mm:ss"));
    if (!date.isValid() || !time.isValid()) return {};
    return QDateTime(date, time, QTimeZone::utc());
}

int32_t HighScoreTable::NameCodeSum(const QString& name) {
    int32_t sum = 0;
    for (char32_t c : name.toUcs4())
        sum += Cp1252Code(c);
    return sum;
}

int32_t HighScoreTable::SerialDay(const QDateTime& date) {
    static const int64_t epoch = QDate(1899, 12, 30).toJulianDay();
    const int64_t days = date.date().toJulianDay() - epoch;
    const int secs = date.time().msecsSinceStartOfDay() / 1000;
    constexpr int half = 12 * 60 * 60;
    int64_t rounded = days;
    if (secs > half || (secs == half && (days % 2) != 0)) rounded = days + 1;
    return static_cast<int32_t>(std::clamp<int64_t>(rounded, INT32_MIN / 4, INT32_MAX / 4));
}

}  // namespace scores
