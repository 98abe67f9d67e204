#pragma once

#include <QList>

#include "scores/highscoretable.h"
#include "scores/web.h"

namespace scores {

// Positions 1 to 10 of a list of the local table, as the upload links send them.
QList<UploadRecord> UploadRecordsOf(const HighScoreTable& table, int list);

}  // namespace scores
