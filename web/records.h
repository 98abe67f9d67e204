// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

#include "scores/highscoretable.h"
#include "web/links.h"

namespace web {

// Positions 1 to 10 of a list of the local table, as the upload links send them.
QList<UploadRecord> UploadRecordsOf(const scores::HighScoreTable& table, int list);

}  // namespace web
