// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/records.h"

namespace web {

QList<UploadRecord> UploadRecordsOf(const scores::HighScoreTable& table, int list) {
    QList<UploadRecord> records;
    for (int p = 1; p <= scores::kListSize; ++p) {
        const scores::HighScoreRecord& r = table.Record(list, p);
        records << UploadRecord{r.Name, r.Score, r.StartLevel, r.EndLevel, r.Date, r.ChkSum};
    }
    return records;
}

}  // namespace web
