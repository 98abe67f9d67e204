// SPDX-License-Identifier: GPL-3.0-or-later
// The replays of the local top-ten records, in the real windows of the three programs: a game played there
// keeps its recording as the replay of the record it made, the replay goes when the record leaves the
// table, a watched replay plays to its recorded end and stores nothing, and a file that cannot be played is
// told in a message box.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

#include "frame/gamerecording.h"
#include "frame/random.h"
#include "scores/replayfiles.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Program;
using testsupport::ProgramWindow;

namespace {

const QString kName = QStringLiteral("Ann");

// The same random games on every run, as a player's are: one game seed per game.
frame::RandomSource Seeded() {
    return frame::RandomSource::GameSeeded([] { return uint64_t{4711}; });
}

// Answers the next message box from the test and keeps its text.
class BoxAnswer {
  public:
    BoxAnswer() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }
    QString text;

  private:
    QTimer m_timer;
};

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

QByteArray ContentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class Replays : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;

    QString Folder() const { return m_settings.DataPath() + QStringLiteral("/quillbyte-arcade/replays"); }

    // Plays a whole game in the window, clumsily, until "Game Over", and names the entry it made. Returns the
    // entry's position in the list.
    static int PlayAndName(ProgramWindow& opened) {
        if (!opened.Activate()) return 0;
        opened.StartAction()->trigger();
        for (int step = 0; opened.GameRunning() && step < 20000; ++step)
            opened.ClumsyStep();
        if (opened.GameRunning()) return 0;
        // The second after "Game Over" has passed.
        if (opened.Session().GameOverPending()) opened.Session().TimerGameOver_Timer();
        scores::FormTopTen& dialog = opened.Scores().Dialog();
        if (!dialog.NameFieldOpen()) return 0;
        // Nothing can be watched while a name is typed.
        if (dialog.CommandWatch->isEnabled()) return 0;
        dialog.TextInput->setText(kName);
        const int position = opened.Scores().CurrentPosition();
        opened.Scores().Form_Enter();
        return opened.Scores().CurrentPosition() == 0 ? position : 0;
    }

  private slots:
    void init() { m_settings.Reset(); }

    // The game's recording becomes the replay of the record it made, in the data folder, offered by the
    // dialog; it goes when better games push the record out.
    void playedGameKeepsItsReplay_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<bool>("cleared");  // the list is cleared rather than better games pushing it out
        for (Program p : {Program::Zephlon, Program::Quadrelle, Program::Vantorel})
            QTest::newRow(qPrintable(frame::ProgramName(p))) << p << false;
        // Vantorel has no command that clears its list.
        QTest::newRow("Zephlon cleared") << Program::Zephlon << true;
        QTest::newRow("Quadrelle cleared") << Program::Quadrelle << true;
    }
    void playedGameKeepsItsReplay() {
        QFETCH(Program, program);
        QFETCH(bool, cleared);
        auto opened = ProgramWindow::Open(program, Seeded());
        const int position = PlayAndName(*opened);
        QVERIFY(position > 0);
        const scores::HighScoreRecord record = opened->Scores().Table().Record(opened->List(), position);
        QCOMPARE(record.Name, kName);
        const QString path = opened->Scores().Replays().PathOf(opened->List(), record);
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(Folder()).absoluteFilePath());
        QCOMPARE(FilesIn(Folder()), QStringList{QFileInfo(path).fileName()});

        // The file is the game: its claim is the record, and the core re-plays it to that record.
        const frame::DecodeResult decoded = frame::Decode(ContentOf(path), {}, program);
        QVERIFY2(decoded.ok(), qPrintable(decoded.errorText));
        QVERIFY(decoded.recording->claim);
        QCOMPARE(decoded.recording->claim->name, kName);
        QCOMPARE(decoded.recording->claim->score, record.Score);
        QCOMPARE(decoded.recording->claim->date, scores::HighScoreTable::DateText(record.Date));

        scores::FormTopTen& dialog = opened->Scores().Dialog();
        opened->Scores().ShowTopTen();
        QCOMPARE(dialog.ChosenPosition(), position);
        QVERIFY(dialog.CommandWatch->isEnabled());
        dialog.ChoosePosition(position == 1 ? 2 : 1);  // a default record: no replay
        QVERIFY(!dialog.CommandWatch->isEnabled());
        dialog.hide();

        // Ten better games push the record out of the list (or the list is cleared), and its replay goes with
        // it.
        if (cleared) {
            opened->Scores().ClearAllScores();
        } else {
            for (int i = 0; i < scores::kListSize; ++i) {
                opened->Scores().OfferFinishedGame(100000 + i, 1, 1, false);
                opened->Scores().CommitOnClose();
            }
        }
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(FilesIn(Folder()), QStringList{});
    }

    // Watching a replay from the dialog plays the recorded game in the window to its final score, takes the
    // player's keys away from the game, and leaves the settings, the table and the replays as they were.
    void watchedReplayStoresNothing_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void watchedReplayStoresNothing() {
        QFETCH(Program, program);
        auto opened = ProgramWindow::Open(program, Seeded());
        const int position = PlayAndName(*opened);
        QVERIFY(position > 0);
        const int list = opened->List();
        const scores::HighScoreRecord record = opened->Scores().Table().Record(list, position);

        QVERIFY(opened->Session().Save(frame::GameSession::CloseReason::Player));
        const QString settingsFile = m_settings.FileOf(program);
        const QByteArray settingsBefore = ContentOf(settingsFile);
        QVERIFY(!settingsBefore.isEmpty());
        const QStringList replaysBefore = FilesIn(Folder());
        const QString scoreBefore = opened->ScoreLabel()->text();
        std::vector<scores::HighScoreRecord> tableBefore;
        for (int p = 1; p <= scores::kListSize; ++p)
            tableBefore.push_back(opened->Scores().Table().Record(list, p));

        // A double-click on the row watches it.
        scores::FormTopTen& dialog = opened->Scores().Dialog();
        opened->Scores().ShowTopTen();
        QTest::mouseDClick(dialog.LabelScore[static_cast<size_t>(position - 1)], Qt::LeftButton);
        frame::WatchSession& watching = opened->Watching();
        QVERIFY(watching.Active());
        QVERIFY(!dialog.isVisible());
        QVERIFY(opened->Window().statusBar()->isVisible());
        QVERIFY2(watching.StatusLine()->text().contains(kName), qPrintable(watching.StatusLine()->text()));

        // Enter would start a game: while watching it reaches only the watching.
        opened->PressKey(Qt::Key_Return);
        QVERIFY(!opened->GameRunning());
        opened->PressKey(Qt::Key_P);
        QVERIFY(watching.Paused());
        QVERIFY(!watching.Clock()->isActive());
        opened->PressKey(Qt::Key_Space);
        QVERIFY(!watching.Paused());
        const int pace = watching.Clock()->interval();
        opened->PressKey(Qt::Key_4);
        QCOMPARE(watching.Speed(), 4);
        watching.Step();
        QVERIFY2(watching.Clock()->interval() < pace, qPrintable(QString::number(pace)));

        for (int step = 0; !watching.Ended() && step < 200000; ++step)
            watching.Step();
        QVERIFY(watching.Ended());
        QVERIFY(watching.Active());  // the final board and score stay
        QCOMPARE(opened->ScoreLabel()->text(), QString::number(record.Score));
        QVERIFY2(watching.StatusLine()->text().contains(QString::number(record.Score)),
                 qPrintable(watching.StatusLine()->text()));

        opened->PressKey(Qt::Key_Escape);
        QVERIFY(!watching.Active());
        QVERIFY(!opened->Window().statusBar()->isVisible());
        QCOMPARE(opened->ScoreLabel()->text(), scoreBefore);
        QVERIFY(!opened->GameRunning());
        for (int p = 1; p <= scores::kListSize; ++p) {
            const scores::HighScoreRecord& r = opened->Scores().Table().Record(list, p);
            const scores::HighScoreRecord& b = tableBefore[static_cast<size_t>(p - 1)];
            QCOMPARE(r.Name, b.Name);
            QCOMPARE(r.Score, b.Score);
            QCOMPARE(r.Date, b.Date);
        }
        QCOMPARE(opened->Scores().CurrentPosition(), int16_t{0});
        QCOMPARE(FilesIn(Folder()), replaysBefore);
        QVERIFY(opened->Session().Save(frame::GameSession::CloseReason::Player));
        QCOMPARE(ContentOf(settingsFile), settingsBefore);
    }

    // A game in play stands still while a replay is watched over it, and goes on as it was after Esc.
    void watchingFreezesTheGameInPlay_data() { watchedReplayStoresNothing_data(); }
    void watchingFreezesTheGameInPlay() {
        QFETCH(Program, program);
        auto opened = ProgramWindow::Open(program, Seeded());
        const int position = PlayAndName(*opened);
        QVERIFY(position > 0);
        const QString path = opened->Scores().Replays().PathOf(
            opened->List(), opened->Scores().Table().Record(opened->List(), position));
        opened->StartAction()->trigger();
        for (int step = 0; step < 30; ++step)
            opened->ClumsyStep();
        QVERIFY(opened->GameRunning());
        QVERIFY(opened->Session().ClockRunning());
        const QString score = opened->ScoreLabel()->text();
        QVERIFY(opened->StartAction()->isEnabled());

        opened->WatchFile(path);
        frame::WatchSession& watching = opened->Watching();
        QVERIFY(watching.Active());
        QVERIFY(!opened->Session().ClockRunning());
        QVERIFY(!opened->StartAction()->isEnabled());  // the Game menu waits for the player's game
        QVERIFY(opened->ExitAction()->isEnabled());
        for (int step = 0; step < 50; ++step)
            watching.Step();
        QVERIFY(!opened->Session().ClockRunning());

        opened->PressKey(Qt::Key_Escape);
        QVERIFY(!watching.Active());
        QVERIFY(opened->GameRunning());
        QVERIFY(opened->Session().ClockRunning());
        QVERIFY(opened->StartAction()->isEnabled());
        QCOMPARE(opened->ScoreLabel()->text(), score);
        // The player's own game goes on.
        for (int step = 0; step < 20 && opened->ScoreLabel()->text() == score && opened->GameRunning();
             ++step)
            opened->ClumsyStep();
        QVERIFY(opened->ScoreLabel()->text().toInt() > score.toInt() || !opened->GameRunning());

        // Closing the window while watching ends the watching and saves the player's game as usual.
        opened->WatchFile(path);
        QVERIFY(watching.Active());
        QVERIFY(opened->Window().close());
        QVERIFY(!watching.Active());
        QVERIFY(opened->Session().Closed());
        QVERIFY(!watching.Clock()->isActive());
    }

    // A replay file the game cannot play is named in a message box with the reason, and nothing plays.
    void unplayableReplayIsTold_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("damage");
        for (Program p : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            for (const char* damage : {"garbage", "cut short", "another program's"})
                QTest::addRow("%s %s", qPrintable(frame::ProgramName(p)), damage)
                    << p << QString::fromLatin1(damage);
        }
        QTest::addRow("Zephlon missing") << Program::Zephlon << QStringLiteral("missing");
    }
    void unplayableReplayIsTold() {
        QFETCH(Program, program);
        QFETCH(QString, damage);
        frame::GameRecording recording;
        recording.program = damage == u"another program's"
                                ? (program == Program::Zephlon ? Program::Vantorel : Program::Zephlon)
                                : program;
        recording.rulesVersion = frame::RulesVersion(recording.program);
        recording.seed = 4711;
        recording.ticks = 500;
        recording.finished = true;
        recording.inputs = {{0, frame::InputKind::Start, 0, 0},
                            {12, frame::InputKind::Key, frame::kKeyDown, 0}};
        QByteArray data = frame::Encode(recording);
        if (damage == u"garbage") data = QByteArray(300, 'x');
        if (damage == u"cut short") data.truncate(data.size() / 2);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("damaged.replay"));
        if (damage != u"missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(data);
        }
        auto opened = ProgramWindow::Open(program);
        QVERIFY(opened->Activate());
        BoxAnswer answer;
        opened->WatchFile(path);
        QVERIFY2(answer.text.contains(QDir::toNativeSeparators(path)), qPrintable(answer.text));
        // The reason follows the file's name.
        QVERIFY2(answer.text.section(u'\n', 1).trimmed().size() > 0, qPrintable(answer.text));
        QVERIFY(!opened->Watching().Active());
        QVERIFY(!opened->Window().statusBar()->isVisible());
    }
};

ARCADE_TEST_MAIN(Replays)
#include "tst_replays.moc"
