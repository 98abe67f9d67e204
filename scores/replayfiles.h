// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "frame/program.h"
#include "scores/highscoretable.h"

namespace scores {

// The recorded games of the local top-ten records: one file per record in the user's data folder, never in
// the settings file. A record finds its file from what it holds (list, name, score, levels, date), so the
// settings need no field for it, and records from before replays existed simply have none.
class ReplayFiles {
    Q_DECLARE_TR_FUNCTIONS(scores::ReplayFiles)

  public:
    explicit ReplayFiles(frame::Program program);

    // $XDG_DATA_HOME/quillbyte-arcade/replays (~/.local/share/... when unset), read anew each time so a
    // test's temporary data folder applies.
    static QString Folder();
    // The file a record's replay lives in, whether or not it exists.
    QString PathOf(int list, const HighScoreRecord& record) const;
    bool Exists(int list, const HighScoreRecord& record) const;
    // Writes the replay atomically (a temporary file renamed over the old one). Returns an empty text, or why
    // it failed.
    QString Write(int list, const HighScoreRecord& record, const QByteArray& data) const;
    void Remove(int list, const HighScoreRecord& record) const;
    // The files of every named record of the table (an entry waiting for its name has none yet).
    QStringList PathsOf(const HighScoreTable& table) const;

  private:
    frame::Program m_program;
};

}  // namespace scores
