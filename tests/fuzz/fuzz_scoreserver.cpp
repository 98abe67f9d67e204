// SPDX-License-Identifier: GPL-3.0-or-later
// Any query an upload or a list page can receive: the score server reads it without crashing, stores
// only records whose checksum holds, within every bound, and its pages carry no markup from the input.
// The same bytes as a replay: the verifier refuses them with a reason, within its caps, or proves a
// record only when they are a whole game that ends with it.
#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <cstdint>
#include <cstdlib>

#include "scoreserver/pages.h"
#include "scoreserver/requests.h"
#include "scoreserver/verifier.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool HasControl(const QString& text) {
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 16384) return 0;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDateTime now(QDate(2026, 3, 5), QTime(21, 30, 0), QTimeZone::utc());
    const scoreserver::Query query = scoreserver::ParseQuery(input);
    require(query.values.size() <= scoreserver::kMaxParameters);

    for (frame::Program program :
         {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
        scoreserver::Upload upload = scoreserver::DecodeUpload(program, query, now);
        require(upload.url.size() <= scoreserver::kMaxAddressLength || !upload.error.isEmpty());
        for (scoreserver::UploadEntry& e : upload.entries) {
            if (e.outcome != scoreserver::Outcome::Pending) continue;
            require(upload.error.isEmpty());
            require(e.record.Name.size() <= scores::kMaxNameLength && !HasControl(e.record.Name));
            require(e.record.Score >= 0 && e.record.StartLevel >= 1 && e.record.EndLevel >= 1);
            require(e.record.ChkSum != 0 &&
                    scores::ChkSumOf(program, upload.list.list, e.record) == e.record.ChkSum);
            require(!e.hasDate || (e.record.Date.isValid() && e.record.Date <= now.addDays(2)));
            e.outcome = scoreserver::Outcome::Stored;
            e.rank = 1;
        }
        const QString page = QString::fromUtf8(scoreserver::UploadPage(upload, QStringLiteral("/arcade")));
        require(!page.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        require(page.count(QStringLiteral("<a ")) <= upload.entries.size() + 1);

        const scoreserver::ListRequest request = scoreserver::DecodeListRequest(program, query, now);
        require(request.count == 10 || request.count == 100);
        QList<scoreserver::ListRow> rows;
        for (const scoreserver::UploadEntry& e : upload.entries)
            rows << scoreserver::ListRow{1,
                                         e.record.Name,
                                         e.record.Score,
                                         1,
                                         1,
                                         QString(),
                                         0,
                                         upload.url,
                                         true,
                                         scoreserver::ReplayId(input)};
        const QString list =
            QString::fromUtf8(scoreserver::ListPageHtml(request, rows, QStringLiteral("/arcade")));
        require(!list.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        // Tight caps: a mutated replay that would play long is refused for its ticks, quickly.
        scoreserver::UploadEntry claimed;
        claimed.record.Name = QStringLiteral("Fuzz");
        claimed.record.Score = 100;
        claimed.hasDate = program != frame::Program::Zephlon;
        const scoreserver::Verdict verdict =
            scoreserver::VerifyReplay(input, upload.list, claimed, scoreserver::ReplayLimits{16384, 20000});
        require(verdict.verified != !verdict.reason.isEmpty());
        const QString target = scoreserver::LinkTarget(upload.url);
        require(target.isEmpty() || target.startsWith(QStringLiteral("http://")) ||
                target.startsWith(QStringLiteral("https://")) ||
                target.startsWith(QStringLiteral("mailto:")));
    }
    return 0;
}
