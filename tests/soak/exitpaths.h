// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the exit-path tests: the ways a run can end while a high-score name is still being typed, and
// the check that the store file the run wrote is the only one and holds the name.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QString>
#include <QtTest>

#include "frame/options.h"
#include "frame/program.h"
#include "frame/settingsstore.h"
#include "scores/formtopten.h"
#include "scores/highscoretable.h"

namespace exitpaths {

enum class Path { CloseWindow, ExitMenu, NewGame };

// A name the store must keep exactly: outside ASCII, with characters that mean something in a store file.
inline const QString kName = QStringLiteral("Zoë & Co=1;#x");

// Types text into a widget key by key, as a keyboard would, characters outside ASCII included.
inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

inline void AddPathRows() {
    QTest::addColumn<Path>("path");
    QTest::newRow("window closed") << Path::CloseWindow;
    QTest::newRow("Exit chosen") << Path::ExitMenu;
    QTest::newRow("new game started") << Path::NewGame;
}

// The run wrote exactly one store file, where the next start looks, and the record's name is in it.
inline void CheckStoreFile(const QString& directory, frame::Program program, int record) {
    const frame::SettingsStore store(frame::ProgramName(program));
    QCOMPARE(QFileInfo(store.filePath()).absolutePath(), QFileInfo(directory).absoluteFilePath());
    QCOMPARE(QDir(directory).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(store.filePath()).fileName()});
    QCOMPARE(store.ReadSetting(frame::kScoresSection, QString::number(record) + QStringLiteral("Name"), {}),
             kName);
}

// The name field is open on the new entry: the name goes in key by key.
inline void TypeName(scores::FormTopTen& dialog) {
    QVERIFY(dialog.TextInput->isVisible());
    TypeText(dialog.TextInput, kName);
    QCOMPARE(dialog.TextInput->text(), kName);
}

// Ends the run the given way while the name is still being typed. `startNewGame` starts a game from the
// menu and checks that the name was committed first.
template <typename Window, typename StartNewGame>
void EndRun(Window& window, Path path, QAction* exit, StartNewGame startNewGame) {
    switch (path) {
        case Path::CloseWindow:
            QVERIFY(window.close());
            break;
        case Path::ExitMenu:
            exit->trigger();
            QVERIFY(!window.isVisible());
            break;
        case Path::NewGame:
            startNewGame();
            QVERIFY(window.close());
            break;
    }
}

// The next start reads the record back whole: first place of `list`, nothing dropped.
inline void CheckReadBack(const scores::HighScoreTable& table, int list, int32_t score,
                          const QDateTime& date) {
    QCOMPARE(table.DroppedCount(list), int16_t{0});
    QCOMPARE(table.Record(list, 1).Name, kName);
    QCOMPARE(table.Record(list, 1).Score, score);
    QCOMPARE(table.Record(list, 1).Date, date);
}

}  // namespace exitpaths

Q_DECLARE_METATYPE(exitpaths::Path)
