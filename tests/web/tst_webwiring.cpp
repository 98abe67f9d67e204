// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "dialogs/art.h"
#include "dialogs/formabout.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "quadrelle/formplunko.h"
#include "scores/highscores.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "tests/web/fakeopener.h"
#include "vantorel/formplunko.h"
#include "web/formbrerror.h"
#include "web/formurl.h"
#include "web/formwebhighscorequadrelle.h"
#include "web/startdoc.h"
#include "web/webglobalbrowser.h"
#include "zephlon/formzephlon.h"

namespace {

QAction* action(QWidget* window, const QString& text) {
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->text() == text) return a;
    }
    return nullptr;
}

// Answers the address prompt that is about to open; label receives its Label1.
void answerPrompt(bool upload, QString* label = nullptr) {
    QTimer::singleShot(0, [upload, label] {
        auto* prompt = qobject_cast<web::UrlPrompt*>(QApplication::activeModalWidget());
        if (!prompt) return;
        if (label) *label = prompt->Label1->text();
        prompt->TextURL->setText(QStringLiteral("me@example.org"));
        (upload ? prompt->Command1 : prompt->Command2)->click();
    });
}

// Every draw gives 0.4567, so every cache breaker is "&Dummy=456".
frame::RandomSource FixedRandom() {
    return frame::RandomSource([] { return 0.4567; });
}

// Stands in for the embedded browser: keeps the pages it is asked for.
struct FakeView : web::GlobalScoresView {
    FakeView(QWidget* parent, QStringList& pages) : widget(new QWidget(parent)), pages(pages) {}
    QWidget* Widget() override { return widget; }
    void Navigate(const QUrl& url) override { pages << url.toString(QUrl::FullyEncoded); }
    void SetLinkFilter(LinkFilter f) override { filter = std::move(f); }
    void SetLoadFinished(LoadFinished f) override { finished = std::move(f); }
    QWidget* widget;
    QStringList& pages;
    LinkFilter filter;
    LoadFinished finished;
};

// A view whose every page ends as answer says, a moment after it was asked for, as a real load does.
struct AnsweringView : web::GlobalScoresView {
    AnsweringView(QWidget* parent, LoadResult answer, QStringList& pages, int& ended)
        : widget(new QWidget(parent)), answer(std::move(answer)), pages(pages), ended(ended) {}
    QWidget* Widget() override { return widget; }
    void Navigate(const QUrl& url) override {
        pages << url.toString(QUrl::FullyEncoded);
        QTimer::singleShot(0, widget, [this, url] {
            LoadResult result = answer;
            result.url = url;
            ++ended;
            if (finished) finished(result);
        });
    }
    void SetLinkFilter(LinkFilter) override {}
    void SetLoadFinished(LoadFinished f) override { finished = std::move(f); }
    QWidget* widget;
    LoadResult answer;
    QStringList& pages;
    int& ended;
    LoadFinished finished;
};

QImage windowPicture(const QWidget* dialog) {
    return dialog->palette().brush(QPalette::Window).texture().toImage();
}

// Clicks "Copy link" of the window's copy dialog the way the window system delivers a click, which a
// modal dialog blocks for every window but its own; returns what the clipboard then holds.
QString copiedFromErrorWindow(QWidget* window) {
    auto* error = window->findChild<web::FormBrError*>();
    if (!error || !error->isVisible()) return QStringLiteral("(no copy dialog)");
    QGuiApplication::clipboard()->setText(QStringLiteral("(nothing copied)"));
    const QPoint button = error->Command2->mapTo(error, error->Command2->rect().center());
    QTest::mouseClick(error->windowHandle(), Qt::LeftButton, {}, button);
    const QString copied = QGuiApplication::clipboard()->text();
    error->Command3->click();
    return copied == error->TextURL->text() ? copied : QStringLiteral("(copied: %1)").arg(copied);
}

}  // namespace

// The programs' menus reach the web commands: links go to the (here recording) system opener.
class TestWebWiring : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;
    QStringList m_opened;

  private slots:
    void init() {
        m_opened.clear();
        web::SetUrlOpener([this](const QUrl& url) {
            m_opened << url.toString(QUrl::FullyEncoded);
            return true;
        });
    }

    void zephlon() {
        FormZephlon w;
        action(&w, QStringLiteral("&Global Highscores..."))->trigger();
        QCOMPARE(m_opened.size(), 1);
        QVERIFY2(m_opened[0].startsWith(
                     QStringLiteral("http://scores.example.org/arcade/zephlon/scores.asp?GameMode=")),
                 qPrintable(m_opened[0]));

        answerPrompt(false);
        action(&w, QStringLiteral("&Upload Highscores..."))->trigger();
        QCOMPARE(m_opened.size(), 1);

        // The top-ten dialog's "Upload" with no entry waiting sends the best three.
        answerPrompt(true);
        w.Scores().Command3_Click();
        QCOMPARE(m_opened.size(), 2);
        QVERIFY2(
            m_opened[1].contains(QStringLiteral("/zephlon/UploadScores.asp?URL=me@example.org&Ver=1.2D&GM=")),
            qPrintable(m_opened[1]));
        QVERIFY(m_opened[1].contains(QStringLiteral("&US=3&N1=Zephlon&S1=100&SL1=1&EL1=1&C1=")));

        w.LabelBW_Click();
        QCOMPARE(m_opened.value(2), QStringLiteral("https://www.example.org/quillbyte"));
    }

    void zephlonFollowsTheModeChosenNow_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("list");
        QTest::newRow("original") << "&Original Game"
                                  << "original" << 0;
        QTest::newRow("puzzle") << "&Puzzle Game"
                                << "puzzle" << 1;
    }
    // The mode is changed in the window, not in the stored options: every link follows it.
    void zephlonFollowsTheModeChosenNow() {
        QFETCH(QString, menu);
        QFETCH(QString, mode);
        QFETCH(int, list);
        FormZephlon w(nullptr, FixedRandom(), std::make_unique<frame::SilentCueBackend>());
        action(&w,
               menu == u"&Original Game" ? QStringLiteral("&Puzzle Game") : QStringLiteral("&Original Game"))
            ->trigger();
        action(&w, menu)->trigger();
        const QString server = QStringLiteral("http://scores.example.org/arcade/zephlon/");

        action(&w, QStringLiteral("&Global Highscores..."))->trigger();
        QCOMPARE(m_opened.value(0), server + "scores.asp?GameMode=" + mode);

        // A game of this mode enters the table as Ada; the top ten's "Upload" sends that entry.
        QCOMPARE(w.Scores().OfferScore(85, 2, 4), int16_t(3));
        w.Scores().Dialog().TextInput->setText(QStringLiteral("Ada"));
        QString label;
        answerPrompt(true, &label);
        w.Scores().Command3_Click();
        QCOMPARE(label, QStringLiteral("Ada, please enter your URL or email !"));
        const auto chk = [&](int p) { return QString::number(w.Scores().Table().Record(list, p).ChkSum); };
        const QString head = server + "UploadScores.asp?URL=me@example.org&Ver=1.2D&GM=" + mode;
        QCOMPARE(m_opened.value(1), head + "&US=1&N1=Ada&S1=85&SL1=2&EL1=4&C1=" + chk(3) + "&Dummy=456");

        // The best three of this mode's list, Ada among them.
        answerPrompt(true);
        w.Scores().Command3_Click();
        QCOMPARE(m_opened.value(2), head + "&US=3&N1=Zephlon&S1=100&SL1=1&EL1=1&C1=" + chk(1) +
                                        "&N2=Zephlon&S2=90&SL2=1&EL2=1&C2=" + chk(2) +
                                        "&N3=Ada&S3=85&SL3=2&EL3=4&C3=" + chk(3) + "&Dummy=456");
        w.Scores().Dialog().hide();
    }

    // The desktop's opener fails after it started: the copy dialog shows that link, and its "Copy link"
    // takes the click, as the player gives it, whichever dialog is open.
    void zephlonFailedBrowser() {
        FakeOpener desktop;
        desktop.ExitWith(QStringLiteral("3"));
        FormZephlon w(nullptr, FixedRandom(), std::make_unique<frame::SilentCueBackend>());
        w.show();
        action(&w, QStringLiteral("&Puzzle Game"))->trigger();
        action(&w, QStringLiteral("&Global Highscores..."))->trigger();
        FakeOpener::Settle();
        const QString list = QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=puzzle");
        QCOMPARE(copiedFromErrorWindow(&w), list);

        // From the application-modal top ten: "Upload" with no entry waiting sends the best three.
        w.Scores().ShowTopTen();
        QVERIFY(QApplication::activeModalWidget() == &w.Scores().Dialog());
        answerPrompt(true);
        w.Scores().Command3_Click();
        FakeOpener::Settle();
        const QString upload = desktop.Opened().value(1).mid(7);  // without the "http://" put in front
        QVERIFY2(upload.startsWith(QStringLiteral("scores.example.org/arcade/zephlon/UploadScores.asp?")),
                 qPrintable(upload));
        QCOMPARE(copiedFromErrorWindow(&w), upload);
        w.Scores().Dialog().hide();

        // From the modal about box: the maker's link.
        QString fromAbout;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<dialogs::FormAbout*>(QApplication::activeModalWidget());
            if (!about) return;
            about->LabelBW_Click();
            FakeOpener::Settle();
            fromAbout = copiedFromErrorWindow(&w);
            about->accept();
        });
        action(&w, QStringLiteral("&About..."))->trigger();
        QCOMPARE(fromAbout, QStringLiteral("https://www.example.org/quillbyte"));
    }

    // The browser start fails while the "new game?" question is open: the copy dialog, lent to the
    // question so that it takes clicks, stays open with its link after the question is answered No.
    void copyDialogOutlivesAQuestion() {
        web::SetUrlOpener([](const QUrl&) { return false; });
        FormZephlon w(nullptr, FixedRandom(), std::make_unique<frame::SilentCueBackend>());
        w.show();
        w.MenuOriginal->trigger();
        QTest::keyClick(&w, Qt::Key_Return);
        QString question;
        bool lent = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            question = box->text();
            action(&w, QStringLiteral("&Global Highscores..."))->trigger();
            auto* error = w.findChild<web::FormBrError*>();
            lent = error && error->isVisible() && error->parentWidget() == box;
            box->button(QMessageBox::No)->click();
        });
        w.StartOriginal->trigger();
        QCOMPARE(question, QStringLiteral("Are you sure you want to start a new game"));
        QVERIFY(lent);
        auto* error = w.findChild<web::FormBrError*>();
        QVERIFY(error && error->isVisible());
        const QString link = QStringLiteral("scores.example.org/arcade/zephlon/scores.asp?GameMode=original");
        QCOMPARE(copiedFromErrorWindow(&w), link);

        // A question over the modal top ten: the dialog goes back to the top ten, where it takes clicks.
        w.Scores().ShowTopTen();
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            action(&w, QStringLiteral("&Global Highscores..."))->trigger();
            box->button(QMessageBox::No)->click();
        });
        w.StartOriginal->trigger();
        QCOMPARE(error->parentWidget(), &w.Scores().Dialog());
        QCOMPARE(copiedFromErrorWindow(&w), link);
        w.Scores().Dialog().hide();
    }

    // The score-server dialog and Quadrelle's global-list dialog show the main window's picture.
    void serverDialogsShowThePicture() {
        const QImage image256 = dialogs::Image256().toImage();
        QVERIFY(!image256.isNull());
        {
            FormZephlon w(nullptr, FixedRandom(), std::make_unique<frame::SilentCueBackend>());
            QImage shown;
            QTimer::singleShot(0, [&shown] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (!dialog) return;
                shown = windowPicture(dialog);
                dialog->close();
            });
            action(&w, QStringLiteral("S&core Server..."))->trigger();
            QCOMPARE(shown, image256);
        }
        QStringList pages;
        web::SetGlobalScoresViewFactory(
            [&pages](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); });
        quadrelle::FormPlunko w;
        web::SetGlobalScoresViewFactory(std::nullopt);
        action(&w, QStringLiteral("&Global Highscores..."))->trigger();
        auto* list = w.findChild<web::quadrelle::FormWebHighscore*>();
        QVERIFY(list && list->isVisible());
        QCOMPARE(windowPicture(list), image256);
        QVERIFY2(pages.value(0).startsWith(QStringLiteral(
                     "http://scores.example.org/arcade/quadrelle/scores.asp?Period=Week&Scores=10&Dummy=")),
                 qPrintable(pages.value(0)));
        list->hide();
    }

    // With AutoUpload on, "Clear Highscores" keeps the name being typed without offering its upload:
    // the clear question is the only one.
    void quadrelleClearOffersNoUpload() {
        QStringList pages;
        web::SetGlobalScoresViewFactory(
            [&pages](QWidget* parent) { return std::make_unique<FakeView>(parent, pages); });
        quadrelle::FormPlunko w;
        web::SetGlobalScoresViewFactory(std::nullopt);
        QVERIFY(w.Explorer4Present());
        if (!w.Options().AutoUpload) w.AutoUpload->trigger();
        w.show();  // a hidden window is taken for one that closes, which is never offered an upload
        QStringList asked;
        w.SetAsker([&asked](const QString&, const QString& question) {
            asked << question;
            return false;
        });
        QTimer::singleShot(0, [&asked] {
            if (auto* prompt = qobject_cast<web::UrlPrompt*>(QApplication::activeModalWidget())) {
                asked << prompt->windowTitle();
                prompt->reject();
            }
        });
        const int16_t position = w.HighScores().OfferScore(500, 1, 3);
        QVERIFY(position > 0);
        w.HighScores().Dialog().TextInput->setText(QStringLiteral("Ada"));
        action(&w, QStringLiteral("&Clear Highscores"))->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(asked,
                 QStringList{QStringLiteral("Are you sure you want to clear the local highscore list?")});
        QCOMPARE(w.HighScores().Table().Record(0, position).Name, QStringLiteral("Ada"));
        QVERIFY(pages.isEmpty());
        w.HighScores().Dialog().hide();
    }

    void quadrelleRefusedUploadIsTold_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("retryAfter");
        QTest::addColumn<QString>("told");
        const QString later = QStringLiteral("try again later with \"Upload Highscores...\".");
        QTest::newRow("stored") << true << 0 << -1 << QString();
        QTest::newRow("429, Retry-After") << false << 429 << 20
                                          << QStringLiteral(
                                                 "The score server refused your upload (HTTP status 429).\n"
                                                 "Your score stays in your list here; try again in 20 s "
                                                 "with \"Upload Highscores...\".");
        QTest::newRow("503, no wait given") << false << 503 << -1
                                            << QStringLiteral(
                                                   "The score server refused your upload (HTTP status 503).\n"
                                                   "Your score stays in your list here; ") +
                                                   later;
        QTest::newRow("no answer")
            << false << 0 << -1
            << QStringLiteral(
                   "Your score could not be uploaded: the score server did not answer.\n"
                   "It stays in your list here; ") +
                   later;
    }
    // A new entry uploaded in the background after the automatic offer: a refusal, or no answer at
    // all, is told to the player in a message over the window; a stored upload says nothing.
    void quadrelleRefusedUploadIsTold() {
        QFETCH(bool, ok);
        QFETCH(int, status);
        QFETCH(int, retryAfter);
        QStringList pages;
        int ended = 0;
        const web::GlobalScoresView::LoadResult answer{QUrl(), ok, status, retryAfter};
        web::SetGlobalScoresViewFactory(
            [&](QWidget* parent) { return std::make_unique<AnsweringView>(parent, answer, pages, ended); });
        quadrelle::FormPlunko w;
        web::SetGlobalScoresViewFactory(std::nullopt);
        if (!w.Options().AutoUpload) w.AutoUpload->trigger();
        w.show();
        QStringList shown;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&shown, &w] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown << (box->parentWidget() == &w ? box->text() : QStringLiteral("(not over the window)"));
            box->accept();
        });
        watch.start(10);
        QVERIFY(w.HighScores().OfferScore(500, 1, 3) > 0);
        w.HighScores().Dialog().TextInput->setText(QStringLiteral("Ada"));
        answerPrompt(true);
        w.HighScores().Command1_Click();
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(QStringLiteral("UploadScores.asp?US=1&N1=Ada&S1=500&")),
                 qPrintable(pages[0]));
        QTRY_COMPARE(ended, 1);
        QFETCH(QString, told);
        if (told.isEmpty()) {
            QCoreApplication::processEvents();
            QVERIFY(shown.isEmpty());
        } else {
            QTRY_COMPARE(shown, QStringList{told});
        }
        w.HighScores().Dialog().hide();
    }

    void quadrelle() {
        quadrelle::FormPlunko w;
        w.LabelBW_Click();
        QCOMPARE(m_opened, QStringList{QStringLiteral("https://www.example.org/quillbyte")});
    }

    void vantorel() {
        vantorel::FormPlunko w;
        action(&w, QStringLiteral("&Global Top100"))->trigger();
        QCOMPARE(m_opened, QStringList{QStringLiteral("http://scores.example.org/vantorel/scores.asp")});
        answerPrompt(true);
        action(&w, QStringLiteral("&Upload Highscore"))->trigger();
        QVERIFY2(m_opened.value(1).startsWith(
                     QStringLiteral("http://scores.example.org/vantorel/"
                                    "UploadScores.asp?Name=vantorel&Score=100&StartLevel=1&EndLevel=1"
                                    "&Date=1990-01-01T00%3A00%3A00&ChkSum=")),
                 qPrintable(m_opened.value(1)));
        QVERIFY(m_opened.value(1).contains(QStringLiteral("&URL=me@example.org&Dummy=")));
    }
};

ARCADE_TEST_MAIN(TestWebWiring)
#include "tst_webwiring.moc"
