// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QMainWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "frame/options.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

using frame::Program;
using scores::FormTopTen;
using scores::HighScores;
using scores::HighScoreTable;

Q_DECLARE_METATYPE(frame::Program)

namespace {

const QDateTime kNow = HighScoreTable::ParseDate(QStringLiteral("2026-12-09T21:30:15"));

// A main window with its high scores, questions answered and uploads recorded by the test.
struct Fixture {
    explicit Fixture(Program program, int currentList = 0) : scores(program, &window) {
        window.menuBar()->addMenu(QStringLiteral("&Game"));
        window.setGeometry(100, 80, 640, 560);
        window.show();
        scores.hooks.currentList = [this] { return list; };
        scores.hooks.now = [] { return kNow; };
        scores.hooks.showBestScore = [this](int32_t best) { bestShown = best; };
        scores.hooks.askYesNo = [this](const QString& q) {
            questions << q;
            return answer;
        };
        scores.hooks.uploadTop3 = [this] { ++top3Uploads; };
        scores.hooks.uploadEntry = [this](int16_t p) {
            // The entry is complete when the upload is offered.
            const HighScoreTable& table = scores.Table();
            const auto& r = table.Record(table.PendingList(), p);
            const bool sealed =
                r.ChkSum != 0 && r.ChkSum == table.RecordChkSum(HighScoreTable::RecordNumber(list, p));
            entryUploads << QStringLiteral("%1:%2:%3").arg(p).arg(r.Name, sealed ? "sealed" : "open");
        };
        scores.hooks.autoUploadWanted = [this] { return autoUpload; };
        list = currentList;
    }
    FormTopTen& dialog() { return scores.Dialog(); }
    // Types as the player would; characters the key simulator cannot send go in as an input method would.
    void type(const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 128)
                QTest::keyClick(dialog().TextInput, c.toLatin1());
            else
                dialog().TextInput->insert(QString(c));
        }
    }
    void enter() { QTest::keyClick(dialog().TextInput, Qt::Key_Return); }

    QMainWindow window;
    HighScores scores;
    int list = 0;
    bool answer = false;
    bool autoUpload = false;
    int32_t bestShown = -1;
    int top3Uploads = 0;
    QStringList questions;
    QStringList entryUploads;
};

int TopTenDialogs() {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += qobject_cast<FormTopTen*>(w) && w->isVisible();
    return count;
}

}  // namespace

class TestTopTen : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;

  private slots:
    // A game over with a qualifying score opens the dialog with the field over the new row; the
    // typed name and Enter store it with its checksum, and the next start shows it.
    void nameEntry_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("modal");
        QTest::newRow("Zephlon") << Program::Zephlon << "Ada"
                                 << "Ada"
                                 << "Local Highscores" << true;
        QTest::newRow("Zephlon empty") << Program::Zephlon << ""
                                       << "anon"
                                       << "Local Highscores" << true;
        QTest::newRow("Zephlon too long")
            << Program::Zephlon << QString(30, u'x') << QString(scores::kMaxNameLength, u'x')
            << "Local Highscores" << true;
        QTest::newRow("Quadrelle empty") << Program::Quadrelle << ""
                                         << ""
                                         << "Quadrelle - Local Highscores" << false;
        QTest::newRow("Vantorel") << Program::Vantorel << "Zoë"
                                  << "Zoë"
                                  << "Vantorel - Top10" << false;
    }
    void nameEntry() {
        QFETCH(Program, program);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        QFETCH(bool, modal);
        Fixture f(program);
        QCOMPARE(f.scores.OfferScore(85, 2, 6), int16_t{3});
        QCOMPARE(f.bestShown, 100);
        FormTopTen& d = f.dialog();
        QVERIFY(d.isVisible());
        QCOMPARE(d.windowTitle(), caption);
        QCOMPARE(d.windowModality() == Qt::ApplicationModal, modal);
        QCOMPARE(d.frameGeometry().left(),
                 f.window.frameGeometry().left() +
                     (f.window.frameGeometry().width() - d.frameGeometry().width()) / 2);
        QVERIFY(d.TextInput->isVisible());
        QCOMPARE(d.TextInput->geometry(), d.LabelName[2]->geometry());
        QCOMPARE(d.LabelScore[2]->text(), QStringLiteral("85"));
        QCOMPARE(d.LabelScore[3]->text(), QStringLiteral("80"));

        f.type(typed);
        f.enter();
        const auto& r = f.scores.Table().Record(0, 3);
        QCOMPARE(r.Name, stored);
        QVERIFY(r.ChkSum != 0);
        QCOMPARE(r.ChkSum, f.scores.Table().RecordChkSum(3));
        QCOMPARE(f.scores.CurrentPosition(), int16_t{0});
        QVERIFY(!d.TextInput->isVisible());
        QVERIFY(d.isVisible());
        QCOMPARE(d.LabelName[2]->text(), stored);

        frame::SettingsStore store(frame::ProgramName(program),
                                   QDir(m_settings.Path()).filePath(QStringLiteral("entry.ini")));
        f.scores.Save(store);
        QWidget otherWindow;
        HighScores restarted(program, &otherWindow);
        restarted.Load(store);
        QCOMPARE(restarted.Table().DroppedCount(0), 0);
        restarted.ShowTopTen();
        QCOMPARE(restarted.Dialog().LabelName[2]->text(), stored);
        QCOMPARE(restarted.Dialog().LabelScore[2]->text(), QStringLiteral("85"));
        QCOMPARE(restarted.Table().Record(0, 3).Date, kNow);
    }

    // Clearing asks first and resets only on Yes; a name being typed is committed before the question.
    void clearWhileNaming_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("question");
        const QString zephlon = QStringLiteral("Are you sure you want to clear the high score list?");
        const QString quadrelle = QStringLiteral("Are you sure you want to clear the local highscore list?");
        QTest::newRow("Zephlon no") << Program::Zephlon << false << zephlon;
        QTest::newRow("Zephlon yes") << Program::Zephlon << true << zephlon;
        QTest::newRow("Quadrelle no") << Program::Quadrelle << false << quadrelle;
        QTest::newRow("Quadrelle yes") << Program::Quadrelle << true << quadrelle;
    }
    void clearWhileNaming() {
        QFETCH(Program, program);
        QFETCH(bool, answer);
        QFETCH(QString, question);
        Fixture f(program);
        f.answer = answer;
        f.scores.OfferScore(500, 1, 9);
        f.type(QStringLiteral("Eve"));
        f.bestShown = -1;
        if (program == Program::Zephlon)
            f.dialog().Command2->click();
        else
            f.scores.ClearHighscores();
        QCOMPARE(f.questions, QStringList{question});
        QCOMPARE(f.scores.CurrentPosition(), int16_t{0});
        QVERIFY(!f.dialog().TextInput->isVisible());
        const auto& first = f.scores.Table().Record(0, 1);
        QCOMPARE(first.Name, answer ? f.scores.Table().Policy().defaultName : QStringLiteral("Eve"));
        QCOMPARE(first.Score, answer ? 100 : 500);
        QCOMPARE(first.ChkSum, f.scores.Table().RecordChkSum(1));
        QCOMPARE(f.dialog().LabelName[0]->text(), first.Name);
        QCOMPARE(TopTenDialogs(), 1);
        // Only Zephlon's clear refreshes the best-score label.
        QCOMPARE(f.bestShown, answer && program == Program::Zephlon ? 100 : -1);
    }

    // Closing the dialog with its close control keeps what was typed.
    void closingCommitsTypedName_data() {
        QTest::addColumn<Program>("program");
        QTest::newRow("Zephlon") << Program::Zephlon;
        QTest::newRow("Quadrelle") << Program::Quadrelle;
        QTest::newRow("Vantorel") << Program::Vantorel;
    }
    void closingCommitsTypedName() {
        QFETCH(Program, program);
        Fixture f(program);
        f.scores.OfferScore(95, 1, 3);
        f.type(QStringLiteral("Kim"));
        QVERIFY(f.dialog().close());
        QVERIFY(!f.dialog().isVisible());
        QCOMPARE(f.scores.Table().Record(0, 2).Name, QStringLiteral("Kim"));
        QCOMPARE(f.scores.Table().Record(0, 2).ChkSum, f.scores.Table().RecordChkSum(2));
        QCOMPARE(f.scores.CurrentPosition(), int16_t{0});
    }

    // Zephlon's buttons and lists: "Upload" with and without a waiting entry, modes, "OK".
    void zephlonButtonsAndModes() {
        Fixture f(Program::Zephlon, 1);
        FormTopTen& d = f.dialog();
        QCOMPARE(d.Command1->text(), QStringLiteral("OK"));
        QCOMPARE(d.Command2->text(), QStringLiteral("Clear List"));
        QCOMPARE(d.Command3->text(), QStringLiteral("Upload"));

        f.scores.ShowTopTen(0);
        QCOMPARE(d.LabelGameMode->text(), QStringLiteral("Original Game TOP 10"));
        d.Command3->click();
        QCOMPARE(f.top3Uploads, 1);

        QCOMPARE(f.scores.OfferScore(75, 4, 8), int16_t{4});
        QCOMPARE(d.LabelGameMode->text(), QStringLiteral("Puzzle Game TOP 10"));
        QCOMPARE(TopTenDialogs(), 1);
        f.type(QStringLiteral("Lin"));
        d.Command3->click();
        QCOMPARE(f.entryUploads, QStringList{QStringLiteral("4:Lin:sealed")});
        QCOMPARE(f.top3Uploads, 1);
        QCOMPARE(f.scores.CurrentPosition(), int16_t{0});

        f.scores.ShowTopTen(0);
        QCOMPARE(d.LabelScore[3]->text(), QStringLiteral("70"));
        f.scores.ShowTopTen(-1);
        QCOMPARE(d.LabelScore[3]->text(), QStringLiteral("75"));
        d.Command1->click();
        QVERIFY(!d.isVisible());
    }

    // All three programs show the list in the same greys: a dark dialog, lighter heads and rows, light text.
    void greys_data() { closingCommitsTypedName_data(); }
    void greys() {
        QFETCH(Program, program);
        Fixture f(program);
        FormTopTen& d = f.dialog();
        QVERIFY(d.autoFillBackground());
        QCOMPARE(d.palette().color(QPalette::Window), QColor(72, 72, 72));
        for (const QLabel* cell : {d.LabeNameHead, d.LabelScore[0], d.LabelEndLevel[9]}) {
            QVERIFY(cell->autoFillBackground());
            QCOMPARE(cell->palette().color(QPalette::Window), QColor(96, 96, 96));
            QCOMPARE(cell->palette().color(QPalette::WindowText), QColor(232, 232, 232));
        }
    }

    // Quadrelle offers the upload of a just-named entry only when AutoUpload and the browser allow it.
    void quadrelleAutoUploadOffer_data() {
        QTest::addColumn<bool>("wanted");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void quadrelleAutoUploadOffer() {
        QFETCH(bool, wanted);
        Fixture f(Program::Quadrelle);
        f.autoUpload = wanted;
        f.scores.OfferScore(1000, 1, 5);
        f.type(QStringLiteral("Max"));
        f.enter();
        QCOMPARE(f.entryUploads, wanted ? QStringList{QStringLiteral("1:Max:sealed")} : QStringList{});
        f.enter();  // nothing waits any more
        QCOMPARE(f.entryUploads.size(), wanted ? 1 : 0);
    }
};

ARCADE_TEST_MAIN(TestTopTen)
#include "tst_topten.moc"
