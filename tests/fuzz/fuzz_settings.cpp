// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a store file: reading every option of every program never fails, every value read is inside
// its allowed range, and what is written reads back the same. The same file with its lines ended in LF, CR
// or CRLF reads alike, and two stores saving the file in turn each keep what the other saved.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
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

// Saves are synced to disk: a file system in memory keeps the fuzzer fast where there is one.
QString scratchTemplate() {
    const QDir shm(QStringLiteral("/dev/shm"));
    return (shm.exists() ? shm.path() : QDir::tempPath()) + QStringLiteral("/fuzz_settings-XXXXXX");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(f.write(bytes) == bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    require(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

// The file as the store writes it back after reading `bytes`: its own canonical form.
QByteArray rewritten(const QString& path, const QByteArray& bytes) {
    writeFile(path, bytes);
    {
        // Two values, so the last save writes whatever the file held.
        frame::SettingsStore store(QStringLiteral("Zephlon"), path);
        for (const char* mark : {"a", "b"}) {
            store.WriteSetting(QStringLiteral("Fuzz"), QStringLiteral("Mark"), QLatin1String(mark));
            require(store.Flush());
        }
    }
    return readFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir(scratchTemplate());
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    writeFile(path, input);
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
        store.WriteSetting(QStringLiteral("Scores"), QStringLiteral("1Name"), QString::fromUtf8(input));
        frame::WriteOptions(store, p, o);
    }
    frame::SettingsStore again(QStringLiteral("Vantorel"), path);
    const QString written = QString::fromUtf8(input);
    require(again.ReadSetting(QStringLiteral("Scores"), QStringLiteral("1Name"), QString()) == written);

    // Line endings: the input, and its lines ended each of the three ways, are one file to the store.
    const QString other = dir.filePath(QStringLiteral("eol.ini"));
    QByteArray lf = input;
    lf.replace("\r\n", "\n").replace('\r', '\n');
    const QByteArray canonical = rewritten(other, lf);
    require(rewritten(other, input) == canonical);
    require(rewritten(other, QByteArray(lf).replace('\n', '\r')) == canonical);
    require(rewritten(other, QByteArray(lf).replace("\n", "\r\n")) == canonical);

    // Two copies of a program over the input file: the earlier save's key survives the later save.
    writeFile(path, input);
    {
        frame::SettingsStore first(QStringLiteral("Quadrelle"), path);
        frame::SettingsStore second(QStringLiteral("Quadrelle"), path);
        first.WriteSetting(QStringLiteral("Options"), QStringLiteral("FuzzFirst"), written);
        require(first.Flush());
        second.WriteSetting(QStringLiteral("Scores"), QStringLiteral("FuzzSecond"), QStringLiteral("2"));
        require(second.Flush());
    }
    const frame::SettingsStore merged(QStringLiteral("Quadrelle"), path);
    require(merged.ReadSetting(QStringLiteral("Options"), QStringLiteral("FuzzFirst"), QString()) == written);
    require(merged.ReadSetting(QStringLiteral("Scores"), QStringLiteral("FuzzSecond"), QString()) ==
            QStringLiteral("2"));
    return 0;
}
