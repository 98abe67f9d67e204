// Any bytes as a store file: reading every option of every program never fails, every value read is inside
// its allowed range, and what is written reads back the same.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

#include "frame/options.h"
#include "frame/settingsstore.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    for (frame::Program p : {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
        frame::SettingsStore store(frame::ProgramName(p), path);
        const frame::Options o = frame::ReadOptions(store, p);
        require(o.StartLevel >= 1 && o.StartLevel <= 10);
        require(o.StartLevelPuzzle >= 1 && o.StartLevelPuzzle <= 10);
        require(o.MaxLevelPuzzle >= 1);
        require(o.GameMode == 0 || o.GameMode == 1);
        require(o.Control == 1 || o.Control == 2);
        require(o.BlockColour >= 1 && o.BlockColour <= 5);
        require(o.InitWidth >= 0 && o.InitHeight >= 0);
        const int16_t v = store.ReadInt16(QStringLiteral("Scores"), QStringLiteral("1Score"), 7, -5, 500);
        require(v == 7 || (v >= -5 && v <= 500));
        store.WriteSetting(
            QStringLiteral("Scores"), QStringLiteral("1Name"),
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        frame::WriteOptions(store, p, o);
    }
    frame::SettingsStore again(QStringLiteral("Vantorel"), path);
    const QString written =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    require(again.ReadSetting(QStringLiteral("Scores"), QStringLiteral("1Name"), QString()) == written);
    return 0;
}
