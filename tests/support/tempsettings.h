// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "frame/program.h"
#include "frame/settingsstore.h"

namespace testsupport {

// A settings folder of the test's own: every program's store reads and writes there while it lives, so a test
// starts from a first run and never touches the user's files. The user's data folder (XDG_DATA_HOME, where
// the replays of the top-ten records go) is a folder of the test's own too.
class TempSettings {
  public:
    TempSettings()
        : m_dataHome(qgetenv("XDG_DATA_HOME")), m_hadDataHome(qEnvironmentVariableIsSet("XDG_DATA_HOME")) {
        Reset();
    }
    ~TempSettings() {
        frame::SettingsStore::SetDefaultDirectory(QString());
        if (m_hadDataHome)
            qputenv("XDG_DATA_HOME", m_dataHome);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    // A new, empty folder: the next window starts from a first run.
    void Reset() {
        m_dir = std::make_unique<QTemporaryDir>();
        frame::SettingsStore::SetDefaultDirectory(m_dir->path());
        m_data = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    }
    QString Path() const { return m_dir->path(); }
    // The data folder standing in for the user's.
    QString DataPath() const { return m_data->path(); }
    // The file a program's store keeps.
    QString FileOf(frame::Program program) const {
        return m_dir->filePath(frame::ProgramName(program) + QStringLiteral(".ini"));
    }
    // The program's store as a next start would read it.
    std::unique_ptr<frame::SettingsStore> StoreOf(frame::Program program) const {
        return std::make_unique<frame::SettingsStore>(frame::ProgramName(program), FileOf(program));
    }

  private:
    QByteArray m_dataHome;
    bool m_hadDataHome = false;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_data;
};

}  // namespace testsupport
