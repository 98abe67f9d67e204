// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/replayfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace scores {

namespace {

QString ListName(frame::Program program, int list) {
    if (program == frame::Program::Zephlon)
        return list == 1 ? QStringLiteral("puzzle") : QStringLiteral("original");
    return QStringLiteral("top10");
}

}  // namespace

ReplayFiles::ReplayFiles(frame::Program program) : m_program(program) {}

QString ReplayFiles::Folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quillbyte-arcade/replays");
}

QString ReplayFiles::PathOf(int list, const HighScoreRecord& record) const {
    // Everything the record shows goes into the name: a record with the same name and score from another
    // game (another date) never takes this one's file.
    const QString identity = QStringLiteral("%1\n%2\n%3\n%4\n%5")
                                 .arg(record.Name)
                                 .arg(record.Score)
                                 .arg(record.StartLevel)
                                 .arg(record.EndLevel)
                                 .arg(HighScoreTable::DateText(record.Date));
    const QByteArray hash = QCryptographicHash::hash(identity.toUtf8(), QCryptographicHash::Sha256).toHex();
    return Folder() + QStringLiteral("/%1-%2-%3.qbgr")
                          .arg(frame::ProgramName(m_program).toLower(), ListName(m_program, list),
                               QString::fromLatin1(hash.left(20)));
}

bool ReplayFiles::Exists(int list, const HighScoreRecord& record) const {
    return QFileInfo(PathOf(list, record)).isFile();
}

QString ReplayFiles::Write(int list, const HighScoreRecord& record, const QByteArray& data) const {
    const QString path = PathOf(list, record);
    if (!QDir().mkpath(Folder()))
        return tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(Folder()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return QString();
}

void ReplayFiles::Remove(int list, const HighScoreRecord& record) const {
    QFile::remove(PathOf(list, record));
}

QStringList ReplayFiles::PathsOf(const HighScoreTable& table) const {
    QStringList paths;
    for (int list = 0; list < table.ListCount(); ++list) {
        for (int p = 1; p <= kListSize; ++p) {
            const HighScoreRecord& r = table.Record(list, p);
            if (r.ChkSum != 0) paths << PathOf(list, r);
        }
    }
    return paths;
}

}  // namespace scores
