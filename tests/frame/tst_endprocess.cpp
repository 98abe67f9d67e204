// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/wait.h>
#include <unistd.h>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

#include "frame/endprocess.h"
#include "support/testmain.h"

namespace {

void exitHandler() {
    std::fputs(" exit handlers ran", stdout);
}

}  // namespace

class TestEndProcess : public QObject {
    Q_OBJECT

  private slots:
    // The process ends with the code given and what it wrote buffered, but without its exit handlers: the
    // audio engine's teardown lives there.
    void endsWithoutExitHandlers_data() {
        QTest::addColumn<int>("code");
        QTest::newRow("success") << 0;
        QTest::newRow("failure") << 3;
    }
    void endsWithoutExitHandlers() {
        QFETCH(int, code);
        int pipeFds[2];
        QCOMPARE(::pipe(pipeFds), 0);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(pipeFds[0]);
            ::dup2(pipeFds[1], STDOUT_FILENO);
            std::atexit(exitHandler);
            // Fully buffered on a pipe: only a flush brings it out.
            std::fputs("written", stdout);
            frame::EndProcess(code);
        }
        QVERIFY(pid > 0);
        ::close(pipeFds[1]);
        QByteArray output;
        char buffer[256];
        for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
            output.append(buffer, n);
        ::close(pipeFds[0]);
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), code);
        QCOMPARE(output, QByteArray("written"));
    }
};

ARCADE_TEST_GUILESS_MAIN(TestEndProcess)
#include "tst_endprocess.moc"
