// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/wait.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>
#include <atomic>
#include <csignal>

#include "frame/shutdownrequests.h"

using frame::ShutdownRequests;

// The application, with a look at who listens for the session manager's commit-data request.
class TestApplication : public QGuiApplication {
  public:
    using QGuiApplication::QGuiApplication;
    int CommitDataListeners() const { return receivers(SIGNAL(commitDataRequest(QSessionManager&))); }
};

class TestShutdownRequests : public QObject {
    Q_OBJECT

    static TestApplication* App() { return static_cast<TestApplication*>(QCoreApplication::instance()); }

  private slots:
    // A signal becomes a request on the event loop, never inside the handler, and the process lives on.
    void signalArrivesThroughEventLoop_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void signalArrivesThroughEventLoop() {
        QFETCH(int, signalNumber);
        ShutdownRequests requests;
        QVERIFY(requests.IsActive());
        QSignalSpy spy(&requests, &ShutdownRequests::requested);
        QCOMPARE(::raise(signalNumber), 0);
        QCOMPARE(spy.count(), 0);
        QVERIFY(spy.wait(5000));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy[0][0].value<ShutdownRequests::Reason>(), ShutdownRequests::Reason::Signal);
        QCOMPARE(spy[0][1].toInt(), signalNumber);
    }

    // Two requests the loop has not taken up yet are both delivered, in order, and the count starts over.
    void unansweredRequestsQueue() {
        ShutdownRequests requests;
        QSignalSpy spy(&requests, &ShutdownRequests::requested);
        ::raise(SIGINT);
        ::raise(SIGTERM);
        QVERIFY(spy.wait(5000));
        QTRY_COMPARE(spy.count(), 2);
        QCOMPARE(spy[0][1].toInt(), SIGINT);
        QCOMPARE(spy[1][1].toInt(), SIGTERM);
        ::raise(SIGTERM);
        ::raise(SIGTERM);
        QTRY_COMPARE(spy.count(), 4);
    }

    // A program whose loop leaves the requests untaken for 5 seconds is stuck: the third signal ends it.
    // Signals in quick succession do not, however many: the loop may simply not have run yet. The
    // clock is the test's, moved on by `gapMs` after each signal.
    void stuckProgramEndsAtThirdSignal_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("gapMs");
        QTest::addColumn<bool>("ended");
        QTest::newRow("two signals") << 2 << qint64(10'000) << false;
        QTest::newRow("three signals") << 3 << qint64(3'000) << true;
        QTest::newRow("three signals at once") << 3 << qint64(0) << false;
        QTest::newRow("ten signals within 4 s") << 10 << qint64(400) << false;
        QTest::newRow("third signal just before 5 s") << 3 << qint64(2'499) << false;
        QTest::newRow("third signal at 5 s") << 3 << qint64(2'500) << true;
    }
    void stuckProgramEndsAtThirdSignal() {
        QFETCH(int, count);
        QFETCH(qint64, gapMs);
        QFETCH(bool, ended);
        const pid_t pid = ::fork();
        if (pid == 0) {
            static std::atomic<int64_t> now{1'000'000'000};
            ShutdownRequests::SetClock([] { return now.load(); });
            auto* requests = new ShutdownRequests;
            if (!requests->IsActive()) ::_exit(2);
            for (int i = 0; i < count; ++i) {
                ::raise(SIGTERM);
                now += gapMs * 1'000'000;
            }
            ::_exit(0);
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (ended) {
            QVERIFY(WIFSIGNALED(status));
            QCOMPARE(WTERMSIG(status), SIGTERM);
        } else {
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
    }

    // A signal ignored from the start (nohup) stays ignored; the others still come through.
    void ignoredSignalStaysIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        struct sigaction before {};
        QCOMPARE(::sigaction(SIGHUP, &ignore, &before), 0);
        {
            ShutdownRequests requests;
            QSignalSpy spy(&requests, &ShutdownRequests::requested);
            ::raise(SIGHUP);
            ::raise(SIGTERM);
            QVERIFY(spy.wait(5000));
            QCoreApplication::processEvents();
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy[0][1].toInt(), SIGTERM);
        }
        ::sigaction(SIGHUP, &before, nullptr);
    }

    // The watcher gives the signals back as it found them, and a second watcher does not take them.
    void handlersRestoredAndSingle() {
        struct sigaction before {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &before), 0);
        {
            ShutdownRequests first;
            ShutdownRequests second;
            QVERIFY(first.IsActive());
            QVERIFY(!second.IsActive());
        }
        struct sigaction after {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &after), 0);
        QCOMPARE(reinterpret_cast<void*>(after.sa_handler), reinterpret_cast<void*>(before.sa_handler));
        ShutdownRequests again;
        QVERIFY(again.IsActive());
    }

    // The end of the desktop session is a request answered at once, inside the session manager's call.
    void sessionEndIsARequest() {
        const int listeners = App()->CommitDataListeners();
        {
            ShutdownRequests requests;
            QCOMPARE(App()->CommitDataListeners(), listeners + 1);
            QSignalSpy spy(&requests, &ShutdownRequests::requested);
            requests.SessionEnding();
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy[0][0].value<ShutdownRequests::Reason>(), ShutdownRequests::Reason::SessionEnd);
            QCOMPARE(spy[0][1].toInt(), 0);
        }
        QCOMPARE(App()->CommitDataListeners(), listeners);
    }
};

int main(int argc, char** argv) {
    TestApplication app(argc, argv);
    TestShutdownRequests test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_shutdownrequests.moc"
