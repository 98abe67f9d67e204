// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>

#include "frame/options.h"
#include "scores/replayfiles.h"
#include "support/testmain.h"
#include "tests/web/fakeopener.h"
#include "web/formbrerror.h"
#include "web/formurl.h"
#include "web/formwebhighscore.h"
#include "web/formwebhighscorequadrelle.h"
#include "web/replays.h"
#include "web/startdoc.h"
#include "web/webquadrelle.h"
#include "web/webvantorel.h"
#include "web/webzephlon.h"

using web::UploadRecord;

namespace {

double fixedDraw() {
    return 0.4567;
}

// Runs f on the modal dialog once the event loop of its exec() is running.
void answerModal(std::function<void(QDialog*)> f) {
    QTimer::singleShot(0, [f] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) f(d);
    });
}

// Closes a dialog with the window's close control.
void closeByWindowControl(QWidget* w) {
    QCloseEvent close;
    QApplication::sendEvent(w, &close);
}

// Records the pages a fake embedded view was asked for.
struct FakeView : web::GlobalScoresView {
    explicit FakeView(QWidget* parent, QStringList& log) : widget(new QWidget(parent)), log(log) {}
    QWidget* Widget() override { return widget; }
    void Navigate(const QUrl& url) override { log << url.toString(QUrl::FullyEncoded); }
    void SetLinkFilter(LinkFilter f) override { filter = std::move(f); }
    void SetLoadFinished(LoadFinished f) override { finished = std::move(f); }
    QWidget* widget;
    QStringList& log;
    LinkFilter filter;
    LoadFinished finished;
};

QList<UploadRecord> sampleList() {
    QList<UploadRecord> list;
    for (int p = 1; p <= 10; ++p) {
        list << UploadRecord{p == 1 ? QStringLiteral("Red Fox") : QStringLiteral("P%1").arg(p),
                             110 - 10 * p,
                             1,
                             2,
                             QDateTime(QDate(2026, 3, 5), QTime(21, 7, 9), Qt::UTC),
                             p};
    }
    return list;
}

// A score server on a loopback port that keeps each request it gets (head and body) and answers 404,
// as a server that knows no replays does.
struct RequestCatcher {
    QTcpServer server;
    QList<QByteArray> requests;
    RequestCatcher() {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            auto* received = new QByteArray;
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket, received] {
                *received += socket->readAll();
                const qsizetype end = received->indexOf("\r\n\r\n");
                if (end < 0) return;
                const QRegularExpression lengthRe(QStringLiteral("(?i)content-length: *(\\d+)"));
                const auto m = lengthRe.match(QString::fromLatin1(received->left(end)));
                if (received->size() < end + 4 + (m.hasMatch() ? m.captured(1).toInt() : 0)) return;
                requests << *received;
                received->clear();
                socket->write("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, received] {
                delete received;
                socket->deleteLater();
            });
        });
    }
    QString Address() const { return QStringLiteral("127.0.0.1:%1/arcade").arg(server.serverPort()); }
};

}  // namespace

class TestWebDialogs : public QObject {
    Q_OBJECT

    QStringList opened;
    bool openerSucceeds = true;

  private slots:
    void init() {
        opened.clear();
        openerSucceeds = true;
        web::SetUrlOpener([this](const QUrl& url) {
            opened << url.toString(QUrl::FullyEncoded);
            return openerSucceeds;
        });
    }

    void launchable_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("opened");
        QTest::newRow("server without scheme")
            << "scores.example.org/arcade/zephlon/scores.asp?GameMode=original"
            << "http://scores.example.org/arcade/zephlon/scores.asp?GameMode=original";
        QTest::newRow("host with port") << "localhost:8080/q"
                                        << "http://localhost:8080/q";
        QTest::newRow("https") << "https://www.example.org/quillbyte"
                               << "https://www.example.org/quillbyte";
        QTest::newRow("scheme in capitals") << "HTTP://example.org/"
                                            << "http://example.org/";
        QTest::newRow("mail") << "mailto:info@example.org"
                              << "mailto:info@example.org";
    }
    void launchable() {
        QFETCH(QString, link);
        QWidget main;
        QCOMPARE(web::StartDoc(&main, link, true), web::kStartDocOpened);
        QCOMPARE(opened.size(), 1);
        QTEST(opened.value(0), "opened");
        QVERIFY(!main.findChild<web::FormBrError*>());
    }

    void refused_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("file url") << "file:///etc/passwd";
        QTest::newRow("javascript") << "javascript:alert(1)";
        QTest::newRow("absolute path") << "/usr/bin/xterm";
        QTest::newRow("relative path") << "./run.sh";
        QTest::newRow("home path") << "~/run.sh";
        QTest::newRow("drive path") << "C:\\Windows\\calc.exe";
        QTest::newRow("unc path") << "\\\\host\\share\\setup.exe";
        QTest::newRow("ftp") << "ftp://example.org/x";
        QTest::newRow("data") << "data:text/html,<b>x</b>";
        QTest::newRow("smb") << "smb://host/share";
        QTest::newRow("http without host") << "http:///usr/bin/xterm";
        QTest::newRow("mail without address") << "mailto:";
        QTest::newRow("control character") << "example.org/\nfile:///x";
        QTest::newRow("empty") << "";
    }
    // Whatever a hand-edited server setting holds, only web and mail links reach the system; the rest
    // is offered for copying instead.
    void refused() {
        QFETCH(QString, link);
        QWidget main;
        QVERIFY(web::LaunchableUrl(link).isEmpty());
        QCOMPARE(web::StartDoc(&main, link, false), web::kStartDocRefused);
        QVERIFY(opened.isEmpty());
        auto* error = main.findChild<web::FormBrError*>();
        QVERIFY(error && error->isVisible());
        QCOMPARE(error->TextURL->text(), link);
    }

    // No browser: the global list shows the copy dialog with the whole link selected, "Copy link" puts
    // exactly that link on the clipboard, "Close" hides the dialog.
    void failedLaunchOffersCopy() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Zephlon);
        options.GameMode = 1;
        web::ZephlonWeb web(&main, options, fixedDraw);
        openerSucceeds = false;
        web.globalhighscores();
        const QString link = QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=puzzle");
        QCOMPARE(opened, QStringList{"http://" + link});
        auto* error = main.findChild<web::FormBrError*>();
        QVERIFY(error && error->isVisible());
        QCOMPARE(error->windowTitle(), QStringLiteral("Web browser error"));
        QCOMPARE(error->TextURL->selectedText(), link);
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        error->Command2->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), link);
        error->Command3->click();
        QVERIFY(!error->isVisible());

        // A failed e-mail launch (bURL false) stays silent; a second failure reuses the one dialog.
        QCOMPARE(web::StartDoc(&main, QStringLiteral("mailto:info@example.org"), false),
                 web::kStartDocNotFound);
        QVERIFY(!error->isVisible());
        options.GameMode = 0;
        web.globalhighscores();
        QCOMPARE(main.findChildren<web::FormBrError*>().size(), 1);
        QCOMPARE(error->TextURL->text(),
                 QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=original"));
    }

    // Every text of the copy dialog, by control.
    void brErrorTexts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("caption") << "caption"
                                 << "Web browser error";
        QTest::newRow("Label1") << "Label1"
                                << "Could not launch the web browser.";
        QTest::newRow("Label6") << "Label6"
                                << "SOLUTION 1";
        QTest::newRow("Label7") << "Label7"
                                << "1. Start the web browser (from the start menu)";
        QTest::newRow("Label8") << "Label8"
                                << "2. Return to the game (Press \"Close\") and try again";
        QTest::newRow("Label5") << "Label5"
                                << "ALTERNATIVE SOLUTION (IF SOLUTION 1 FAILED)";
        QTest::newRow("Label2") << "Label2"
                                << "1. Copy the link below onto the clipboard";
        QTest::newRow("Label3") << "Label3"
                                << "2. Start the web browser (from the start menu)";
        QTest::newRow("Label4") << "Label4"
                                << "3. Paste the copied text into the adress (url) field in the web browser";
        QTest::newRow("Command2") << "Command2"
                                  << "Copy link";
        QTest::newRow("Command3") << "Command3"
                                  << "Close";
    }
    void brErrorTexts() {
        QFETCH(QString, control);
        web::FormBrError d;
        const QHash<QString, QString> shown = {
            {"caption", d.windowTitle()},     {"Label1", d.Label1->text()},     {"Label2", d.Label2->text()},
            {"Label3", d.Label3->text()},     {"Label4", d.Label4->text()},     {"Label5", d.Label5->text()},
            {"Label6", d.Label6->text()},     {"Label7", d.Label7->text()},     {"Label8", d.Label8->text()},
            {"Command2", d.Command2->text()}, {"Command3", d.Command3->text()},
        };
        QVERIFY(shown.contains(control));
        QTEST(shown.value(control), "text");
    }

    // Every text of the two score-server dialogs: Zephlon's address editor and Quadrelle's global lists
    // (a list's items joined by "|").
    void scoreServerTexts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("Zephlon caption") << "z caption"
                                         << "Score Server";
        QTest::newRow("Zephlon Label1") << "z Label1"
                                        << "Score Server:";
        QTest::newRow("Zephlon Command1") << "z Command1"
                                          << "OK";
        QTest::newRow("Quadrelle caption") << "q caption"
                                           << "Quadrelle - Global Highscores";
        QTest::newRow("Quadrelle Label1") << "q Label1"
                                          << "Score Server:";
        QTest::newRow("Quadrelle Command2") << "q Command2"
                                            << "Go";
        QTest::newRow("Quadrelle Combo1") << "q Combo1"
                                          << "Today's|This week's|This month's|All time's";
        QTest::newRow("Quadrelle Combo2") << "q Combo2"
                                          << "Top 10|Top 100";
        QTest::newRow("Quadrelle Label2")
            << "q Label2"
            << "Make sure you are connected to the internet. Read about working score servers at our site!";
    }
    void scoreServerTexts() {
        QFETCH(QString, control);
        QWidget main;
        QString server = QStringLiteral("scores.example.org/arcade");
        QStringList pages;
        web::zephlon::FormWebHighscore z(server, &main);
        web::quadrelle::FormWebHighscore q(
            server, fixedDraw, [&](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); },
            &main);
        const auto items = [](const QComboBox* combo) {
            QStringList all;
            for (int i = 0; i < combo->count(); ++i)
                all << combo->itemText(i);
            return all.join('|');
        };
        const QHash<QString, QString> shown = {
            {"z caption", z.windowTitle()},     {"z Label1", z.Label1->text()},
            {"z Command1", z.Command1->text()}, {"q caption", q.windowTitle()},
            {"q Label1", q.Label1->text()},     {"q Command2", q.Command2->text()},
            {"q Combo1", items(q.Combo1)},      {"q Combo2", items(q.Combo2)},
            {"q Label2", q.Label2->text()},
        };
        QVERIFY(shown.contains(control));
        QTEST(shown.value(control), "text");
    }

    void desktopOpener_data() {
        QTest::addColumn<QString>("exit");
        QTest::addColumn<bool>("bURL");
        QTest::addColumn<bool>("reported");
        QTest::newRow("opened") << "0" << true << false;
        QTest::newRow("no program for links") << "3" << true << true;
        QTest::newRow("the program failed") << "4" << true << true;
        QTest::newRow("killed") << "kill" << true << true;
        QTest::newRow("cannot start") << "broken" << true << true;
        QTest::newRow("mail, no program") << "3" << false << false;
    }
    // The desktop's opener runs without blocking; its failure, known only when it exits, shows the
    // copy dialog for that link.
    void desktopOpener() {
        QFETCH(QString, exit);
        QFETCH(bool, bURL);
        FakeOpener desktop;
        desktop.ExitWith(exit);
        QWidget main;
        const QString link = QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=original");
        const int32_t result = web::StartDoc(&main, link, bURL);
        FakeOpener::Settle();
        auto* error = main.findChild<web::FormBrError*>();
        QTEST(error && error->isVisible(), "reported");
        if (error) QCOMPARE(error->TextURL->text(), link);
        if (exit != u"broken") {
            QCOMPARE(result, web::kStartDocOpened);
            QCOMPARE(desktop.Opened(), QStringList{"http://" + link});
        }
    }

    void inputURL_data() {
        QTest::addColumn<bool>("plural");
        QTest::addColumn<int>("how");  // 0 upload button, 1 cancel button, 2 close control
        QTest::addColumn<bool>("upload");
        QTest::newRow("single upload") << false << 0 << true;
        QTest::newRow("single cancel") << false << 1 << false;
        QTest::newRow("single closed") << false << 2 << false;
        QTest::newRow("plural upload") << true << 0 << true;
        QTest::newRow("plural cancel") << true << 1 << false;
        QTest::newRow("plural closed") << true << 2 << false;
    }
    // The field is prefilled with the stored address and always written back, also after a cancel.
    void inputURL() {
        QFETCH(bool, plural);
        QFETCH(int, how);
        QWidget main;
        QString playerURL = QStringLiteral("old@example.org");
        QString seen;
        QString label;
        answerModal([&](QDialog* d) {
            auto* prompt = qobject_cast<web::UrlPrompt*>(d);
            seen = prompt->TextURL->text();
            label = prompt->Label1->text();
            prompt->TextURL->setText(QStringLiteral("new@example.org"));
            if (how == 0) prompt->Command1->click();
            if (how == 1) prompt->Command2->click();
            if (how == 2) closeByWindowControl(prompt);
        });
        QTEST(web::InputURL(&main, frame::Program::Zephlon, plural, QStringLiteral("Red Fox"), playerURL),
              "upload");
        QCOMPARE(seen, QStringLiteral("old@example.org"));
        QCOMPARE(playerURL, QStringLiteral("new@example.org"));
        QCOMPARE(label, plural ? QStringLiteral("Please enter your URL or email !")
                               : QStringLiteral("Red Fox, please enter your URL or email !"));
    }

    void promptTexts_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("plural");
        QTest::addColumn<QStringList>("texts");  // caption, upload, cancel
        QTest::newRow("Zephlon single") << 0 << false << QStringList{"Upload Hiscore", "Upload", "Cancel"};
        QTest::newRow("Zephlon plural")
            << 0 << true << QStringList{"Upload Highscores", "Upload Top 3", "Cancel"};
        QTest::newRow("Quadrelle single")
            << 1 << false << QStringList{"Upload Hiscore", "Upload NOW", "Upload LATER"};
        QTest::newRow("Quadrelle plural") << 1 << true << QStringList{"Upload Hiscores", "Upload", "Cancel"};
    }
    void promptTexts() {
        QFETCH(int, program);
        QFETCH(bool, plural);
        QWidget main;
        const auto p = static_cast<frame::Program>(program);
        web::UrlPrompt* prompt =
            plural ? static_cast<web::UrlPrompt*>(web::FormURL2Of(&main, p)) : web::FormURLOf(&main, p);
        QTEST((QStringList{prompt->windowTitle(), prompt->Command1->text(), prompt->Command2->text()}),
              "texts");
        QCOMPARE(prompt->Label2->text(), QStringLiteral("Make sure you are connected to the Internet!"));
        // The address is sent along, so the prompt says that only a web page of it is shown to others.
        QCOMPARE(prompt->LabelPublished->text(),
                 QStringLiteral("Our score server shows only a web page address (http or https) with your "
                                "scores, never an e-mail address."));
        QVERIFY(prompt->LabelPublished->isVisibleTo(prompt));
        auto* check = prompt->findChild<QCheckBox*>();
        QCOMPARE(check != nullptr, p == frame::Program::Quadrelle && !plural);
        if (check) QCOMPARE(check->text(), QStringLiteral("Don't show this next time"));
        // The note stays below the field; the designed texts keep their order around it.
        QList<QWidget*> order{prompt->Label1, prompt->TextURL, prompt->LabelPublished, prompt->Label2};
        if (check) order << check;
        QList<QWidget*> shown;
        for (int i = 0; i < prompt->layout()->count(); ++i) {
            if (QWidget* w = prompt->layout()->itemAt(i)->widget()) shown << w;
        }
        QCOMPARE(shown, order);
    }

    // Zephlon's top three: asked first, then the link in the browser; a cancel sends nothing.
    void zephlonUploads() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Zephlon);
        options.GameMode = 0;
        web::ZephlonWeb web(&main, options, fixedDraw);
        web.Records = [](int list) { return list == 0 ? sampleList() : QList<UploadRecord>(); };

        answerModal([](QDialog* d) { qobject_cast<web::UrlPrompt*>(d)->Command2->click(); });
        web.UploadTop3();
        QVERIFY(opened.isEmpty());

        answerModal([](QDialog* d) {
            auto* prompt = qobject_cast<web::FormURL2*>(d);
            prompt->TextURL->setText(QStringLiteral("me@example.org"));
            prompt->Command1->click();
        });
        web.UploadTop3();
        QCOMPARE(opened.size(), 1);
        QVERIFY2(opened[0].startsWith(
                     QStringLiteral("http://scores.example.org/arcade/zephlon/UploadScores.asp?"
                                    "URL=me@example.org&Ver=1.2D&GM=original&US=3&N1=Red%20Fox&")),
                 qPrintable(opened[0]));
        QVERIFY(opened[0].endsWith(QStringLiteral("&C3=3&Dummy=456")));
        QCOMPARE(options.URL, QStringLiteral("me@example.org"));

        web.UploadHiScore(0);
        web.UploadHiScore(11);
        QCOMPARE(opened.size(), 1);
        web.UploadHiScore(2);
        QVERIFY(opened.value(1).contains(QStringLiteral("&US=1&N1=P2&S1=90&")));
    }

    // Each uploaded record that has a replay in the replay folder sends it in the background, with
    // the query of that record's own upload link; the links opened stay as they were, and an old
    // server's 404 changes nothing.
    void replaysSentWithUploads() {
        RequestCatcher catcher;
        const QList<UploadRecord> list = sampleList();
        // Where the game keeps a record's replay (the test's own data folder).
        const scores::ReplayFiles files(frame::Program::Zephlon);
        for (int p : {1, 3}) {
            const UploadRecord& r = list.at(p - 1);
            QCOMPARE(files.Write(0, {r.Name, r.Score, r.StartLevel, r.EndLevel, r.Date, r.ChkSum},
                                 "replay of " + QByteArray::number(p)),
                     QString());
        }
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Zephlon);
        options.GameMode = 0;
        options.WebServer = catcher.Address();
        web::ZephlonWeb web(&main, options, fixedDraw);
        web.Records = [](int list) { return list == 0 ? sampleList() : QList<UploadRecord>(); };
        QSignalSpy answered(&web.Replays(), &web::ReplaySender::Answered);
        answerModal([](QDialog* d) { qobject_cast<web::FormURL2*>(d)->Command1->click(); });
        web.UploadTop3();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].contains(QStringLiteral("/zephlon/UploadScores.asp?")));
        QTRY_COMPARE(answered.size(), 2);
        QCOMPARE(answered[0][0].toInt(), 404);
        QCOMPARE(catcher.requests.size(), 2);
        QStringList sent;
        for (const QByteArray& r : catcher.requests) {
            QVERIFY2(r.startsWith("POST /arcade/zephlon/UploadReplay.asp?URL="), r.constData());
            QVERIFY(r.contains("&GM=original&US=1&N1="));
            sent << QString::fromLatin1(r.mid(r.indexOf("&N1="), r.indexOf("&SL1=") - r.indexOf("&N1=")) +
                                        '|' + r.mid(r.indexOf("\r\n\r\n") + 4));
        }
        sent.sort();
        QCOMPARE(sent, QStringList({QStringLiteral("&N1=P3&S1=80|replay of 3"),
                                    QStringLiteral("&N1=Red%20Fox&S1=100|replay of 1")}));
    }

    // The score-server dialog keeps the typed address when closed with OK or the close control.
    void zephlonScoreServer_data() {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK") << true;
        QTest::newRow("close control") << false;
    }
    void zephlonScoreServer() {
        QFETCH(bool, byOk);
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Zephlon);
        web::ZephlonWeb web(&main, options, fixedDraw);
        QString shown;
        answerModal([&](QDialog* d) {
            auto* dialog = qobject_cast<web::zephlon::FormWebHighscore*>(d);
            shown = dialog->TextWebServer->text();
            dialog->TextWebServer->setText(QStringLiteral("scores.example.net/games"));
            if (byOk) {
                dialog->Command1->click();
            } else {
                closeByWindowControl(dialog);
            }
        });
        web.ScoreServer();
        QCOMPARE(shown, QStringLiteral("scores.example.org/arcade"));
        QCOMPARE(options.WebServer, QStringLiteral("scores.example.net/games"));
        web.globalhighscores();
        QCOMPARE(opened.value(0),
                 QStringLiteral("http://scores.example.net/games/zephlon/scores.asp?GameMode=puzzle"));
    }

    // Quadrelle's list dialog: the view is made when first needed, the lists build the query, "Go"
    // and closing keep the typed server, closing only hides.
    void quadrelleGlobalList() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        QStringList pages;
        int made = 0;
        web::QuadrelleWeb web(&main, options, fixedDraw, [&](QWidget* parent) {
            ++made;
            return std::make_unique<FakeView>(parent, pages);
        });
        QVERIFY(web.Explorer4Present());
        QCOMPARE(made, 0);

        web.globalhighscores();
        auto* dialog = web.Dialog();
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Quadrelle - Global Highscores"));
        QCOMPARE(made, 1);
        QCOMPARE(
            pages.value(0),
            QStringLiteral(
                "http://scores.example.org/arcade/quadrelle/scores.asp?Period=Week&Scores=10&Dummy=456"));

        dialog->Combo1->setCurrentIndex(3);
        dialog->Combo2->setCurrentIndex(1);
        QCOMPARE(
            pages.last(),
            QStringLiteral(
                "http://scores.example.org/arcade/quadrelle/scores.asp?Period=Alltime&Scores=100&Dummy=456"));

        dialog->TextWebServer->setText(QStringLiteral("scores.example.net/q"));
        dialog->Command2->click();
        QCOMPARE(options.WebServer, QStringLiteral("scores.example.net/q"));
        QCOMPARE(pages.last(),
                 QStringLiteral(
                     "http://scores.example.net/q/quadrelle/scores.asp?Period=Alltime&Scores=100&Dummy=456"));

        dialog->TextWebServer->setText(QStringLiteral("scores.example.com"));
        closeByWindowControl(dialog);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(options.WebServer, QStringLiteral("scores.example.com"));
        web.globalhighscores();
        QCOMPARE(web.Dialog(), dialog);
        QCOMPARE(made, 1);
    }

    void viewLinks_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("newWindow");
        QTest::addColumn<bool>("inView");
        QTest::addColumn<QString>("handedOn");  // what reaches the opener
        QTest::newRow("page") << "https://scores.example.org/p" << false << true << "";
        QTest::newRow("page, new window")
            << "http://scores.example.org/p" << true << false << "http://scores.example.org/p";
        QTest::newRow("mail") << "mailto:me@example.org" << false << false << "mailto:me@example.org";
        QTest::newRow("mail, new window")
            << "mailto:me@example.org" << true << false << "mailto:me@example.org";
        QTest::newRow("smb") << "smb://host/share" << false << false << "";
        QTest::newRow("smb, new window") << "smb://host/share" << true << false << "";
        QTest::newRow("custom handler") << "x-custom-handler://run" << false << false << "";
        QTest::newRow("file") << "file:///etc/passwd" << false << false << "";
        QTest::newRow("data") << "data:text/html,x" << false << false << "";
        QTest::newRow("blank frame") << "about:blank" << false << false << "";
        QTest::newRow("web without host") << "http:///usr/bin/xterm" << false << false << "";
    }
    // What the list window's view does with a page's links: the dialog is its filter.
    void viewLinks() {
        QFETCH(QString, link);
        QFETCH(bool, newWindow);
        QWidget main;
        QString server = QStringLiteral("scores.example.org");
        QStringList pages;
        FakeView* view = nullptr;
        web::quadrelle::FormWebHighscore dialog(
            server, fixedDraw,
            [&](QWidget* parent) {
                auto made = std::make_unique<FakeView>(parent, pages);
                view = made.get();
                return made;
            },
            &main);
        QVERIFY(dialog.LoadBrowser());
        QVERIFY(view->filter);
        QTEST(view->filter(QUrl(link), newWindow), "inView");
        QFETCH(QString, handedOn);
        QCOMPARE(opened, handedOn.isEmpty() ? QStringList() : QStringList{handedOn});
        QVERIFY(!main.findChild<web::FormBrError*>());
    }

    // Uploads load in the dialog's view without showing it; position 0 sends nothing.
    void quadrelleBackgroundUpload() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        options.URL = QStringLiteral("me@example.org");
        QStringList pages;
        web::QuadrelleWeb web(&main, options, fixedDraw,
                              [&](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); });
        web.Records = sampleList;
        web.UploadHiScore(0);
        QVERIFY(pages.isEmpty());
        web.UploadHiScore(1);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(
            pages[0].startsWith(QStringLiteral("http://scores.example.org/arcade/quadrelle/"
                                               "UploadScores.asp?US=1&N1=Red%20Fox&S1=100&SL1=1&EL1=2&D1=")),
            qPrintable(pages[0]));
        QVERIFY(pages[0].endsWith(QStringLiteral("&C1=1&URL=me@example.org&Ver=1.2&Dummy=456")));
        QVERIFY(!web.Dialog()->isVisible());

        // The menu command commits a waiting name before all ten go.
        bool committed = false;
        web.SaveName = [&] { committed = true; };
        answerModal([](QDialog* d) { qobject_cast<web::FormURL2*>(d)->Command1->click(); });
        web.UploadBestScore();
        QVERIFY(committed);
        QVERIFY(pages.value(1).contains(QStringLiteral("UploadScores.asp?US=10&N1=Red%20Fox&")));
        QVERIFY(!web.Dialog()->isVisible());
    }

    // The automatic offer follows AutoUpload; the prompt's check box turns it off for good.
    void quadrelleAutoUpload() {
        QWidget main;
        main.show();
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        QStringList pages;
        web::QuadrelleWeb web(&main, options, fixedDraw,
                              [&](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); });
        web.Records = sampleList;
        bool menuMark = true;
        web.AutoUploadChanged = [&](bool on) { menuMark = on; };
        QString label;
        answerModal([&](QDialog* d) {
            auto* prompt = qobject_cast<web::FormURL*>(d);
            label = prompt->Label1->text();
            prompt->Check1->setChecked(true);
            prompt->Command2->click();  // "Upload LATER"
        });
        web.OfferAutoUpload(1);
        QCOMPARE(label, QStringLiteral("Red Fox, please enter your URL or email !"));
        QVERIFY(pages.isEmpty());
        QVERIFY(!options.AutoUpload);
        QVERIFY(!menuMark);
        bool prompted = false;
        const auto noteAndCancel = [&prompted](QDialog* d) {
            prompted = true;
            d->reject();
        };
        answerModal(noteAndCancel);
        web.OfferAutoUpload(1);
        QCoreApplication::processEvents();
        QVERIFY(!prompted);

        // Nor while the main window closes: the upload would go with it.
        options.AutoUpload = true;
        closeByWindowControl(&main);
        answerModal(noteAndCancel);
        web.OfferAutoUpload(1);
        QCoreApplication::processEvents();
        QVERIFY(!prompted);
        QVERIFY(pages.isEmpty());
    }

    void quadrelleWithoutEngine_data() {
        QTest::addColumn<bool>("found");
        QTest::newRow("none found") << false;
        QTest::newRow("found, fails to load") << true;
    }
    // Without a browser engine, or with one that fails to load when first needed: both commands tell
    // the player, no upload is offered.
    void quadrelleWithoutEngine() {
        QFETCH(bool, found);
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Quadrelle);
        web::GlobalScoresViewFactory factory;
        if (found) factory = [](QWidget*) { return std::unique_ptr<web::GlobalScoresView>(); };
        web::QuadrelleWeb web(&main, options, fixedDraw, factory);
        web.Records = sampleList;
        QStringList messages;
        web.Inform = [&](const QString& text) { messages << text; };
        QCOMPARE(web.Explorer4Present(), found);
        web.globalhighscores();
        QVERIFY(!web.Explorer4Present());
        web.UploadBestScore();
        web.OfferAutoUpload(1);
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith(QStringLiteral("Please install Internet Explorer 4!\n")));
        QVERIFY(!main.findChild<web::FormURL*>());
        QVERIFY(!main.findChild<web::FormURL2*>());
        auto* list = main.findChild<web::quadrelle::FormWebHighscore*>();
        if (found) {
            QVERIFY(list && !list->isVisible());
        } else {
            QVERIFY(!list);
        }
    }

    void vantorel() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Vantorel);
        web::VantorelWeb web(&main, options, fixedDraw);
        web.Records = sampleList;
        web.globalhighscores();
        QCOMPARE(opened.value(0), QStringLiteral("http://scores.example.org/vantorel/scores.asp"));
        answerModal([](QDialog* d) {
            auto* prompt = qobject_cast<web::FormURL*>(d);
            prompt->TextURL->setText(QStringLiteral("me@example.org"));
            prompt->Command1->click();
        });
        web.UploadBestScore();
        QCOMPARE(
            opened.value(1),
            QStringLiteral(
                "http://scores.example.org/vantorel/UploadScores.asp?Name=Red%20Fox&Score=100&StartLevel=1"
                "&EndLevel=2&Date=2026-03-05T21%3A07%3A09&ChkSum=1&URL=me@example.org&Dummy=456"));
    }

    void unusableServer_data() {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("base");  // where the links go; empty: the setting is refused
        const QList<std::pair<const char*, frame::Program>> programs = {
            {"Zephlon", frame::Program::Zephlon},
            {"Quadrelle", frame::Program::Quadrelle},
            {"Vantorel", frame::Program::Vantorel}};
        for (const auto& entry : programs) {
            // Named copies, not a structured binding: clang 14 cannot capture those in a lambda.
            const char* name = entry.first;
            const frame::Program program = entry.second;
            const auto row = [&](const char* what, const QString& server, const QString& base) {
                QTest::addRow("%s, %s", name, what) << static_cast<int>(program) << server << base;
            };
            row("mail with attachment", "mailto:me@example.org?attach=/home/me/.ssh/id_rsa&body=", "");
            row("mail with body", "MAILTO:me@example.org?body=", "");
            row("file", "file:///home/me", "");
            row("script", "javascript:alert(1)//", "");
            row("empty", "", "");
            row("blanks", "  ", "");
            row("no scheme", "scores.example.net/arcade", "http://scores.example.net/arcade");
            row("http", "http://scores.example.net/", "http://scores.example.net");
            row("https", " https://scores.example.net:8443/arcade", "https://scores.example.net:8443/arcade");
        }
    }
    // A score server is a web address in every program: anything else builds no link, and the
    // player is told that the setting cannot be used and where it is changed; no address is asked for.
    void unusableServer() {
        QFETCH(int, program);
        QFETCH(QString, server);
        QFETCH(QString, base);
        const auto p = static_cast<frame::Program>(program);
        QWidget main;
        main.show();
        frame::Options options = frame::DefaultOptions(p);
        options.WebServer = server;
        options.GameMode = 0;
        QStringList pages;
        QStringList told;  // message boxes, or "prompt" for an address prompt (then answered Upload)
        const auto answer = [&told] {
            answerModal([&told](QDialog* d) {
                if (auto* box = qobject_cast<QMessageBox*>(d)) {
                    told << box->text();
                    QCOMPARE(box->textFormat(), Qt::PlainText);
                    box->accept();
                } else if (auto* prompt = qobject_cast<web::UrlPrompt*>(d)) {
                    told << QStringLiteral("prompt");
                    prompt->Command1->click();
                }
            });
        };
        std::unique_ptr<web::ZephlonWeb> zephlon;
        std::unique_ptr<web::QuadrelleWeb> quadrelle;
        std::unique_ptr<web::VantorelWeb> vantorel;
        std::function<void()> list, upload;
        switch (p) {
            case frame::Program::Zephlon:
                zephlon = std::make_unique<web::ZephlonWeb>(&main, options, fixedDraw);
                zephlon->Records = [](int) { return sampleList(); };
                list = [&] { zephlon->globalhighscores(); };
                upload = [&] { zephlon->UploadTop3(); };
                break;
            case frame::Program::Quadrelle:
                quadrelle = std::make_unique<web::QuadrelleWeb>(
                    &main, options, fixedDraw,
                    [&](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); });
                quadrelle->Records = sampleList;
                list = [&] { quadrelle->globalhighscores(); };
                upload = [&] { quadrelle->UploadBestScore(); };
                break;
            case frame::Program::Vantorel:
                vantorel = std::make_unique<web::VantorelWeb>(&main, options, fixedDraw);
                vantorel->Records = sampleList;
                list = [&] { vantorel->globalhighscores(); };
                upload = [&] { vantorel->UploadBestScore(); };
                break;
        }
        const QString message = web::UnusableServerMessage(p, server);
        const QString where = p == frame::Program::Zephlon     ? QStringLiteral("Options > Score Server...")
                              : p == frame::Program::Quadrelle ? QStringLiteral("\"Score Server:\" field")
                                                               : QStringLiteral("WebServer key");
        QVERIFY2(
            message.startsWith(QStringLiteral("The score server \"%1\" cannot be used: a score server is a "
                                              "web address (http or https)")
                                   .arg(server.trimmed())) &&
                message.contains(where),
            qPrintable(message));

        const QString listLink = p == frame::Program::Zephlon ? "/zephlon/scores.asp?GameMode=original"
                                 : p == frame::Program::Quadrelle
                                     ? "/quadrelle/scores.asp?Period=Week&Scores=10&Dummy=456"
                                     : "/vantorel/scores.asp";
        const QString uploadLink =
            QStringLiteral("/%1/UploadScores.asp?").arg(frame::ProgramName(p).toLower());
        answer();
        list();
        answer();
        upload();
        QCoreApplication::processEvents();
        QStringList links = p == frame::Program::Quadrelle ? pages : opened;
        if (base.isEmpty()) {
            QCOMPARE(links, QStringList());
            if (p == frame::Program::Quadrelle) {
                // The list window says it where the list would be.
                QCOMPARE(told, QStringList{message});
                auto* dialog = quadrelle->Dialog();
                QVERIFY(dialog->isVisible() && dialog->LabelServer->isVisible());
                QCOMPARE(dialog->LabelServer->text(), message);
                QVERIFY(!dialog->WebBrowser1()->Widget()->isVisible());
                dialog->TextWebServer->setText(QStringLiteral("scores.example.org"));
                dialog->Command2->click();
                QVERIFY(!dialog->LabelServer->isVisible());
                QVERIFY(dialog->WebBrowser1()->Widget()->isVisible());
                QCOMPARE(pages.size(), 1);
                QVERIFY(
                    pages[0].startsWith(QStringLiteral("http://scores.example.org/quadrelle/scores.asp?")));
            } else {
                QCOMPARE(told, (QStringList{message, message}));
            }
            QVERIFY(!main.findChild<web::FormBrError*>());
        } else {
            QCOMPARE(told, QStringList{QStringLiteral("prompt")});
            QCOMPARE(links.size(), 2);
            QCOMPARE(links[0], base + listLink);
            QVERIFY2(links[1].startsWith(base + uploadLink), qPrintable(links[1]));
            if (p == frame::Program::Quadrelle) QVERIFY(!quadrelle->Dialog()->LabelServer->isVisible());
        }
    }

    void makerLink() {
        QWidget main;
        frame::Options options = frame::DefaultOptions(frame::Program::Zephlon);
        web::ZephlonWeb web(&main, options, fixedDraw);
        web.LabelBW_Click();
        QCOMPARE(opened, QStringList{QStringLiteral("https://www.example.org/quillbyte")});
    }
};

ARCADE_TEST_MAIN(TestWebDialogs)
#include "tst_webdialogs.moc"
