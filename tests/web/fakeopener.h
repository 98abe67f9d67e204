// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "web/startdoc.h"

// A fake xdg-open put first on PATH, so StartDoc runs the desktop's opener as it would for the player:
// it records each link it is given and then exits as told (a code, "kill" to die by a signal).
// "broken" replaces it by one whose interpreter is missing, so it cannot be started at all.
class FakeOpener {
  public:
    FakeOpener() {
        qputenv("PATH", (m_dir.path() + QStringLiteral(":") + qEnvironmentVariable("PATH")).toLocal8Bit());
        web::SetUrlOpener({});
        ExitWith(QStringLiteral("0"));
    }
    ~FakeOpener() {
        QTRY_COMPARE(web::RunningOpeners(), 0);
        qputenv("PATH", qEnvironmentVariable("PATH").section(u':', 1).toLocal8Bit());
    }

    void ExitWith(const QString& how) {
        const QByteArray interpreter = how == u"broken" ? "#!/nonexistent/sh\n" : "#!/bin/sh\n";
        QFile script(m_dir.filePath(QStringLiteral("xdg-open")));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write(interpreter + "printf '%s\\n' \"$1\" >> \"$0.log\"\n" +
                     (how == u"kill" ? QByteArray("kill -9 $$\n") : "exit " + how.toLatin1() + "\n"));
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The links the opener was given so far.
    QStringList Opened() const {
        QFile log(m_dir.filePath(QStringLiteral("xdg-open.log")));
        if (!log.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    // Waits until every opener started so far has exited and its outcome is handled.
    static void Settle() { QTRY_COMPARE(web::RunningOpeners(), 0); }

  private:
    QTemporaryDir m_dir;
};
