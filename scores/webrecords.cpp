#include "scores/webrecords.h"

namespace scores {

QList<UploadRecord> UploadRecordsOf(const HighScoreTable& table, int list) {
    QList<UploadRecord> records;
    for (int p = 1; p <= kListSize; ++p) {
        const HighScoreRecord& r = table.Record(list, p);
        records << UploadRecord{r.Name, r.Score, r.StartLevel, r.EndLevel, r.Date, r.ChkSum};
    }
    return records;
}

}  // namespace scores
