// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a store file: every program's high-score loader keeps complete lists of records whose
// checksums hold, and what it saves loads back the same.
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "frame/settingsstore.h"
#include "scores/highscoretable.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool SameRecord(const scores::HighScoreRecord& a, const scores::HighScoreRecord& b) {
    return a.Name == b.Name && a.Score == b.Score && a.StartLevel == b.StartLevel &&
           a.EndLevel == b.EndLevel && a.Date == b.Date && a.ChkSum == b.ChkSum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    const QString copyPath = dir.filePath(QStringLiteral("saved.ini"));
    for (frame::Program p : {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
        {
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
            f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        }
        QFile::remove(copyPath);
        scores::HighScoreTable table(p);
        {
            const frame::SettingsStore store(frame::ProgramName(p), path);
            table.Load(store);
        }
        require(table.PendingPosition() == 0);
        for (int list = 0; list < table.ListCount(); ++list) {
            require(table.DroppedCount(list) >= 0 && table.DroppedCount(list) <= scores::kListSize);
            for (int position = 1; position <= scores::kListSize; ++position) {
                const int16_t n = scores::HighScoreTable::RecordNumber(list, position);
                const scores::HighScoreRecord& r = table.Record(n);
                require(r.ChkSum != 0 && r.ChkSum == table.RecordChkSum(n));
                require(r.Date.isValid());
                require(r.Name == scores::HighScoreTable::CleanName(r.Name));
                require(r.Name.size() <= scores::kMaxNameLength);
            }
            // Dropped records leave fill records at the end of their list.
            const int dropped = table.DroppedCount(list);
            for (int position = scores::kListSize - dropped + 1; position <= scores::kListSize; ++position)
                require(table.Record(list, position).Score == 10);
        }
        {
            frame::SettingsStore out(frame::ProgramName(p), copyPath);
            table.Save(out);
            out.Flush();
        }
        scores::HighScoreTable again(p);
        {
            const frame::SettingsStore in(frame::ProgramName(p), copyPath);
            again.Load(in);
        }
        for (int16_t n = 1; n <= table.RecordCount(); ++n)
            require(SameRecord(table.Record(n), again.Record(n)));
        for (int list = 0; list < table.ListCount(); ++list)
            require(again.DroppedCount(list) == 0);
    }
    return 0;
}
