#include <QLabel>
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
    QTest::newRow("game play") << "gp"
                               << "Game Play"
                               << QStringList{"Game Play - Original game", "Game Play - Puzzle game",
                                              "You must remove the flashing block before the ",
                                              "walls and blocks with horisontal pipes only.",
                                              "when the game area is filled with blocks."}
                               << 3;
    QTest::newRow("key control") << "kc"
                                 << "Key Control"
                                 << QStringList{"Replay level (Arcade)", "[R]", "[CONTROL] or [INSERT]"} << 3;
    QTest::newRow("scoring") << "sc"
                             << "Scoring"
                             << QStringList{"50 points for 1 destroyed block ",
                                            "50 + 75 + 100  points for 3 simult. destroyed blocks ...",
                                            "Web Highscores",
                                            "Make sure you are connected to the internet when uploading and "
                                            "viewing scores from a score server."}
                             << 3;
    QTest::newRow("quadrelle")
        << "q"
        << "Quadrelle - Instructions"
        << QStringList{"Move Right with CUROR RIGHT key", "800 points for four erased rows",
                       "Make sure you are connected to the internet when uploading and "
                       "viewing scores from a score server."}
        << 0;
    QTest::newRow("vantorel") << "v"
                              << "Vantorel - Instructions"
                              << QStringList{"Introduction", "Drop with CONTROL or INSERT key",
                                             "700 points for three erased rows"}
                              << 0;
}

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
    const QStringList shown = LabelTexts(page);
    for (const QString& line : lines)
        QVERIFY2(shown.contains(line), qPrintable(line));
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

QTEST_MAIN(TestInfoDialogs)
#include "tst_infodialogs.moc"
