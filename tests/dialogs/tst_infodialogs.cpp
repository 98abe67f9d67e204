// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "dialogs/dialoglook.h"
#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "dialogs/zephlonhelp.h"
#include "frame/placedialog.h"
#include "support/testmain.h"

Q_DECLARE_METATYPE(frame::Program)

using dialogs::ZephlonHelp;
using dialogs::zephlon::HelpPage;

namespace {

QStringList LabelTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// Answers each modal page by pressing the next scripted button ("Prev", "Next", "Close", or "X" for the
// window's close control) and records the captions shown.
struct ScriptedReader {
    QStringList presses;
    QStringList shown;
    int operator()(QDialog* dialog) {
        shown << dialog->windowTitle();
        if (shown.size() > 10 || presses.isEmpty()) return 0;  // a page loop would end here
        const QString press = presses.takeFirst();
        if (press == QLatin1String("X")) {
            dialog->show();
            dialog->close();
            return 0;
        }
        for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == press) button->click();
        }
        return 0;
    }
};

}  // namespace

class TestInfoDialogs : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { dialogs::SetModalRunner({}); }

    void pageTurning_data();
    void pageTurning();
    void pageTurningRunsModally();
    void placement();
    void texts_data();
    void texts();
    void about_data();
    void about();
};

void TestInfoDialogs::pageTurning_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QStringList>("shown");
    const QString gp = "Game Play", kc = "Key Control", sc = "Scoring";
    QTest::newRow("next then prev returns")
        << 0 << QStringList{"Next", "Prev", "Close"} << QStringList{gp, kc, gp};
    QTest::newRow("close on game play") << 0 << QStringList{"Close"} << QStringList{gp};
    QTest::newRow("close on key control") << 1 << QStringList{"Close"} << QStringList{kc};
    QTest::newRow("close on scoring") << 2 << QStringList{"Close"} << QStringList{sc};
    QTest::newRow("close control on key control") << 0 << QStringList{"Next", "X"} << QStringList{gp, kc};
    QTest::newRow("all pages and back")
        << 0 << QStringList{"Next", "Next", "Prev", "Prev", "Close"} << QStringList{gp, kc, sc, kc, gp};
    // The first page has nothing before it and the last nothing after it: those buttons are inert.
    QTest::newRow("prev on game play") << 0 << QStringList{"Prev"} << QStringList{gp};
    QTest::newRow("next on scoring") << 2 << QStringList{"Next"} << QStringList{sc};
}

void TestInfoDialogs::pageTurning() {
    QFETCH(int, start);
    QFETCH(QStringList, presses);
    QFETCH(QStringList, shown);
    ScriptedReader reader{presses, {}};
    dialogs::SetModalRunner([&reader](QDialog* d) { return reader(d); });
    QWidget main;
    ZephlonHelp help(&main);
    const std::function<void()> show[] = {[&] { help.ShowInstructions(); }, [&] { help.ShowKeyControl(); },
                                          [&] { help.ShowScoring(); }};
    show[start]();
    QCOMPARE(reader.shown, shown);
    QVERIFY(!help.Instructions()->isVisible() && !help.KeyControl()->isVisible() &&
            !help.Scoring()->isVisible());
}

void TestInfoDialogs::pageTurningRunsModally() {
    QMainWindow main;
    main.setGeometry(100, 100, 500, 600);
    main.show();
    ZephlonHelp help(&main);
    QStringList shown;
    std::function<void(const QString&)> press = [&](const QString& text) {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        shown << modal->windowTitle();
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (button->text() == text) button->click();
        }
        if (text == QLatin1String("Next")) QTimer::singleShot(0, &main, [&] { press("Close"); });
    };
    QTimer::singleShot(0, &main, [&] { press("Next"); });
    help.ShowInstructions();
    QCOMPARE(shown, (QStringList{"Game Play", "Key Control"}));
    QCOMPARE(help.KeyControl()->m_iDir, HelpPage::kClosed);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestInfoDialogs::placement() {
    QMainWindow main;
    main.menuBar()->addMenu(QStringLiteral("&Game"));
    main.setGeometry(200, 150, 600, 500);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    dialogs::FormAbout about(frame::Program::Quadrelle, &main);
    about.adjustSize();
    frame::PlaceDialog(&about, &main);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QRect outer = main.frameGeometry();
    QCOMPARE(about.frameGeometry().left(),
             outer.left() + (outer.width() - about.frameGeometry().width()) / 2);
    QCOMPARE(about.frameGeometry().top(), main.geometry().top() + main.menuBar()->height());
}

void TestInfoDialogs::texts_data() {
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("buttons");
    const QString connected = QStringLiteral(
        "Make sure you are connected to the internet when uploading and viewing scores from a score server.");
    const QString servers =
        QStringLiteral("Visit www.example.org/quillbyte for a list of working score servers.");
    const QStringList keyLines = {"Key Control",
                                  "Move Left with CURSOR LEFT key",
                                  "Move Right with CUROR RIGHT key",
                                  "Rotate with CURSOR UP key",
                                  "Sink with CURSOR DOWN key",
                                  "Drop with CONTROL or INSERT key"};
    // The two columns side by side, read row by row.
    QTest::newRow("game play") << "gp"
                               << "Game Play"
                               << QStringList{"Game Play - Original game",
                                              "Game Play - Puzzle game",
                                              "Throughout the game, blocks containing different",
                                              "You must remove the flashing block before the ",
                                              "numbers of vertical or horizontal pipes fall from",
                                              "screen fills up. This is done by working your way",
                                              "the top of the screen. When you line up three or",
                                              "down to the block (by lining up pipe sections,",
                                              "more pipe sections, a laser blast removes them",
                                              "(see Original Game above) and then eliminating",
                                              "from the screen. If you remove all the pipe",
                                              "it. Use the Laser Bomb to destroy concrete ",
                                              "sections from a given block, it disappears and the",
                                              "walls and blocks with horisontal pipes only.",
                                              "blocks above it fall down to take its place.",
                                              "With the special Laser Bombs, blocks already on",
                                              "the ground can be destroyed. The game is over",
                                              "when the game area is filled with blocks."}
                               << 3;
    QTest::newRow("key control") << "kc"
                                 << "Key Control"
                                 << QStringList{"Key Control",
                                                "Move Left",
                                                "[Cursor LEFT]",
                                                "Move Right",
                                                "[Cursor RIGHT]",
                                                "Rotate",
                                                "[Cursor UP]",
                                                "Sink",
                                                "[Cursor DOWN]",
                                                "Drop",
                                                "[CONTROL] or [INSERT]",
                                                "Replay level (Arcade)",
                                                "[R]",
                                                "Pause",
                                                "[P]"}
                                 << 3;
    QTest::newRow("scoring") << "sc"
                             << "Scoring"
                             << QStringList{"Scoring",
                                            "1 point per row you sink a block",
                                            "5 points for destroyed pipe section",
                                            "50 points for 1 destroyed block ",
                                            "50 + 75 points for 2 simultaneously destroyed blocks",
                                            "50 + 75 + 100  points for 3 simult. destroyed blocks ...",
                                            "1000 points for destroyed flashing block",
                                            "Web Highscores",
                                            connected,
                                            servers}
                             << 3;
    QTest::newRow("quadrelle")
        << "q"
        << "Quadrelle - Instructions"
        << keyLines +
               QStringList{"Scoring",
                           "1 point per row you sink a block",
                           "100 points for one erased row",
                           "200 points for two erased rows",
                           "400 points for three erased rows",
                           "800 points for four erased rows",
                           "Web Highscores",
                           connected,
                           servers,
                           "The global highscores are shown inside the game by an embedded web browser, so "
                           "please install Internet Explorer 4 (on Linux: the Qt WebEngine component, "
                           "package libqt6webenginewidgets6). It can be downloaded free of charge from your "
                           "distribution's package archive."}
        << 0;
    QTest::newRow("vantorel") << "v"
                              << "Vantorel - Instructions"
                              << QStringList{"Introduction",
                                             "Vantorel is a kind of real-time puzzle. You have to keep a pit "
                                             "free of blocks by moving and "
                                             "rotating small pieces while they sink from the top to the "
                                             "ground, one after another. Some "
                                             "blocks are partly tranparent, they have to be combined with "
                                             "other transparent sections. "
                                             "Each time a complete row is filled, it vanishes and all blocks "
                                             "above fall down. Your game is "
                                             "over when the pit is too full for the next piece. The game "
                                             "becomes a bit faster each time "
                                             "a certain amount of rows (15) has been erased. "} +
                                     keyLines +
                                     QStringList{"Scoring", "1 point per row you sink a block",
                                                 "100 points for one erased row",
                                                 "300 points for two erased rows",
                                                 "700 points for three erased rows"}
                              << 0;
}

// Every text of a page, in reading order (top to bottom, left to right), and nothing else.
void TestInfoDialogs::texts() {
    QFETCH(QString, which);
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    QFETCH(int, buttons);
    QWidget main;
    ZephlonHelp help(&main);
    dialogs::FormInstructions quadrelle(frame::Program::Quadrelle, &main);
    dialogs::FormInstructions vantorel(frame::Program::Vantorel, &main);
    const QHash<QString, QDialog*> pages{{"gp", help.Instructions()},
                                         {"kc", help.KeyControl()},
                                         {"sc", help.Scoring()},
                                         {"q", &quadrelle},
                                         {"v", &vantorel}};
    QDialog* page = pages.value(which);
    QCOMPARE(page->windowTitle(), caption);
    page->layout()->activate();
    QList<QLabel*> labels = page->findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(), [page](const QLabel* a, const QLabel* b) {
        const QPoint pa = a->mapTo(page, QPoint()), pb = b->mapTo(page, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QStringList shown;
    for (const QLabel* label : labels)
        shown << label->text();
    QCOMPARE(shown, lines);
    QCOMPARE(page->findChildren<QPushButton*>().size(), buttons);
    QCOMPARE(page->palette().color(QPalette::Window), QColor(72, 72, 72));
    QVERIFY(!page->palette().brush(QPalette::Window).texture().isNull());
}

void TestInfoDialogs::about_data() {
    QTest::addColumn<frame::Program>("program");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<bool>("closeButton");
    QTest::newRow("zephlon") << frame::Program::Zephlon << "About Zephlon"
                             << "1.2"
                             << QStringList{"https://www.example.org/quillbyte|1",
                                            "mailto:games@example.org|0"}
                             << true;
    QTest::newRow("quadrelle") << frame::Program::Quadrelle << "About Quadrelle"
                               << "1.2" << QStringList{"https://www.example.org/quillbyte|1"} << false;
    QTest::newRow("vantorel") << frame::Program::Vantorel << "About Vantorel"
                              << "ver 1.02" << QStringList{} << false;
}

void TestInfoDialogs::about() {
    QFETCH(frame::Program, program);
    QFETCH(QString, caption);
    QFETCH(QString, version);
    QFETCH(QStringList, opened);
    QFETCH(bool, closeButton);
    dialogs::FormAbout about(program);
    QStringList calls;
    about.SetDocOpener([&calls](const QString& doc, bool url) {
        calls << doc + (url ? "|1" : "|0");
        return int32_t{42};
    });
    about.SetVersion(QStringLiteral("1.2"));
    QCOMPARE(about.windowTitle(), caption);
    QCOMPARE(about.LabelVerNr->text(), version);
    const QStringList shown = LabelTexts(&about);
    for (const char* line : {"Design, gfx and Programming", "Download more games at:", "email: ",
                             "www.example.org/quillbyte", "games@example.org"}) {
        QVERIFY2(shown.contains(QLatin1String(line)), line);
    }
    // Real clicks on both address labels: only the clickable ones open anything.
    about.show();
    QTest::mouseClick(about.LabelBW, Qt::LeftButton);
    QTest::mouseClick(about.LabelEmail, Qt::LeftButton);
    QCOMPARE(calls, opened);
    QCOMPARE(about.Command1 != nullptr, closeButton);
    if (closeButton) {
        QCOMPARE(about.Command1->text(), QStringLiteral("Close"));
        about.Command1->click();
        QVERIFY(!about.isVisible());
    }
}

ARCADE_TEST_MAIN(TestInfoDialogs)
#include "tst_infodialogs.moc"
