// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

#include "frame/program.h"
#include "frame/settingsstore.h"

namespace scores {

// One entry of a local top-ten list.
struct HighScoreRecord {
    QString Name;  // empty while the entry waits for its name
    int32_t Score = 0;
    int16_t StartLevel = 1;
    int16_t EndLevel = 1;
    // Wall-clock moment the result was entered, to the second. Held with Qt::UTC as a plain date and
    // time without zone conversion, so a stored record reads back to the same second everywhere.
    QDateTime Date;
    int32_t ChkSum = 0;  // 0 while the entry waits for its name
};

// What differs between the programs' tables and top-ten dialogs.
struct ScorePolicy {
    frame::Program program = frame::Program::Zephlon;
    int16_t listCount = 1;              // Zephlon: Original and Puzzle
    QString defaultName;                // missing name key, cleared list
    QString fillName;                   // record put in place of a dropped one
    QString caption;                    // top-ten dialog caption
    bool hasGameModeLabel = false;      // LabelGameMode above the heads
    bool hasButtons = false;            // "OK", "Clear List", "Upload"
    bool modal = false;                 // the dialog blocks the main window while open
    bool darkColours = false;           // RGB(72,72,72) dialog, RGB(96,96,96) cells
    QString emptyNameReplacement;       // an empty committed name becomes this (Zephlon "anon")
    bool offerUploadAfterName = false;  // Quadrelle's automatic upload offer
    bool clearRefreshesBestScore = false;

    static const ScorePolicy& For(frame::Program program);
};

inline constexpr int16_t kListSize = 10;
// Longest name kept: fits the dialog's name cell. The name field enforces it; longer stored names are cut.
inline constexpr int kMaxNameLength = 20;

// Checksum of a record of list `list` (0, or 1 for Zephlon's Puzzle list) of `program`: the one formula
// the games seal their records with and the score server checks uploads with. 0 when the record's
// values are too large to be protected.
int32_t ChkSumOf(frame::Program program, int list, const HighScoreRecord& record);

// The local top-ten lists of one program: record numbers 1..10 (one list) or 1..20 (Zephlon: 1..10
// Original, 11..20 Puzzle). Position p (1..10) of list m is record 10*m + p.
class HighScoreTable {
  public:
    explicit HighScoreTable(frame::Program program);

    const ScorePolicy& Policy() const { return *m_policy; }
    int16_t ListCount() const { return m_policy->listCount; }
    int16_t RecordCount() const { return static_cast<int16_t>(m_policy->listCount * kListSize); }
    static int16_t RecordNumber(int list, int position) {
        return static_cast<int16_t>(list * kListSize + position);
    }
    // A list number outside the table reads as list 0.
    int ValidList(int list) const { return list >= 0 && list < ListCount() ? list : 0; }

    // Record n (1..RecordCount) and position p (1..10) of a list.
    const HighScoreRecord& Record(int16_t n) const;
    const HighScoreRecord& Record(int list, int position) const {
        return Record(RecordNumber(ValidList(list), position));
    }

    // Checksum of record n as it is now. 0 when the record's values are too large to be protected
    // (such a record is never accepted from the store).
    int32_t RecordChkSum(int16_t n) const;

    // Loads every record from the "Scores" section, dropping records whose checksum does not match
    // and completing their lists with fill records. Any entry waiting for its name is forgotten.
    void Load(const frame::SettingsStore& store);
    // Writes n Name, Score, StartLevel, EndLevel, Date, ChkSum for every record, in that order. An entry
    // still waiting for its name is written with the checksum of what it holds. Records that another
    // copy of the program saved since this table was loaded or saved (in the file as the store finds
    // it now) are merged in first (MergeSaved), so the table afterwards holds what was written.
    void Save(frame::SettingsStore& store);
    // Takes in the records of `current` (the file as another copy left it) that were not in the file
    // when this table last loaded or saved: each list keeps its best ten of both, every record once,
    // and a score equal to one already held goes below it. An entry waiting for its name keeps waiting
    // at its new position, or is forgotten when ten better records push it out.
    void MergeSaved(const HighScoreTable& current);
    // Records dropped from a list by the last Load.
    int16_t DroppedCount(int list) const;

    // Offers a finished game to a list. Returns the position it entered (the entry then waits for its
    // name) or 0: a score not above position 10, or an entry already waiting.
    int16_t SaveScore(int list, int32_t score, int16_t startLevel, int16_t endLevel, const QDateTime& now);
    // Position (1..10) of the entry waiting for its name, 0 when none waits.
    int16_t PendingPosition() const { return m_pendingPosition; }
    int PendingList() const { return m_pendingList; }
    // Gives the waiting entry its name (cleaned, capped) and its checksum; nothing waits afterwards.
    // Returns the position named, or 0 when nothing waited.
    int16_t CommitName(const QString& name);
    // Forgets the waiting entry without naming it (its checksum stays 0, so it is never saved as such).
    void ForgetPending();

    // Resets one list to its default records; the other list is untouched.
    void ClearAllScores(int list);
    // Score of position 1 of a list.
    int32_t BestScore(int list) const { return Record(list, 1).Score; }

    // Name as the table keeps it: control characters removed, cut to kMaxNameLength.
    static QString CleanName(const QString& name);
    // 1 January 1990, 00:00:00.
    static QDateTime DefaultDate();
    // Plain date and time of `moment` to the second, as records hold it.
    static QDateTime RecordDate(const QDateTime& moment);
    // Stored date text (ISO 8601 to the second) and its parser (invalid text gives an invalid date).
    static QString DateText(const QDateTime& date);
    static QDateTime ParseDate(const QString& text);
    // Sum of the name's character codes in Windows-1252; a character outside it counts as '?' (63).
    static int32_t NameCodeSum(const QString& name);
    // Days since 30 December 1899 with the time as a fraction, rounded half to even.
    static int32_t SerialDay(const QDateTime& date);

  private:
    HighScoreRecord DefaultRecord(int16_t n) const;
    HighScoreRecord& At(int16_t n);

    const ScorePolicy* m_policy;
    std::array<HighScoreRecord, 20> m_records{};
    // The records as the file held them at the last Load or Save: what is new in the file is the rest.
    std::array<HighScoreRecord, 20> m_stored{};
    std::array<int16_t, 2> m_dropped{};
    int16_t m_pendingPosition = 0;
    int m_pendingList = 0;
};

}  // namespace scores
