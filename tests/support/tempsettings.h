// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "frame/program.h"
#include "frame/settingsstore.h"

namespace testsupport {

// A settings folder of the test's own: every program's store reads and writes there while it lives, so a test
// starts from a first run and never touches the user's files.
class TempSettings {
  public:
    TempSettings() { Reset(); }
    ~TempSettings() { frame::SettingsStore::SetDefaultDirectory(QString()); }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    // A new, empty folder: the next window starts from a first run.
    void Reset() {
        m_dir = std::make_unique<QTemporaryDir>();
        frame::SettingsStore::SetDefaultDirectory(m_dir->path());
    }
    QString Path() const { return m_dir->path(); }
    // The file a program's store keeps.
    QString FileOf(frame::Program program) const {
        return m_dir->filePath(frame::ProgramName(program) + QStringLiteral(".ini"));
    }
    // The program's store as a next start would read it.
    std::unique_ptr<frame::SettingsStore> StoreOf(frame::Program program) const {
        return std::make_unique<frame::SettingsStore>(frame::ProgramName(program), FileOf(program));
    }

  private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

}  // namespace testsupport
