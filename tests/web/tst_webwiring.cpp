#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "frame/settingsstore.h"
#include "quadrelle/formplunko.h"
#include "vantorel/formplunko.h"
#include "web/formurl.h"
#include "web/startdoc.h"
#include "zephlon/formzephlon.h"

namespace {

QAction* action(QWidget* window, const QString& text) {
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->text() == text) return a;
    }
    return nullptr;
}

void answerPrompt(bool upload) {
    QTimer::singleShot(0, [upload] {
        auto* prompt = qobject_cast<web::UrlPrompt*>(QApplication::activeModalWidget());
        if (!prompt) return;
        prompt->TextURL->setText(QStringLiteral("me@example.org"));
        (upload ? prompt->Command1 : prompt->Command2)->click();
    });
}

}  // namespace

// The programs' menus reach the web commands: links go to the (here recording) system opener.
class TestWebWiring : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;
    QStringList m_opened;

  private slots:
    void initTestCase() {
        frame::SettingsStore::SetDefaultDirectory(m_config.path());
        web::SetUrlOpener([this](const QUrl& url) {
            m_opened << url.toString(QUrl::FullyEncoded);
            return true;
        });
    }
    void init() { m_opened.clear(); }

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

QTEST_MAIN(TestWebWiring)
#include "tst_webwiring.moc"
