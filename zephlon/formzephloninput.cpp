// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and mouse of the Zephlon window: handed to the engine, which holds the rules.
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "frame/drawsurface.h"
#include "frame/windowcontrols.h"
#include "zephlon/formzephlon.h"

namespace {

zephlon::MouseButton ButtonOf(const QMouseEvent* event) {
    return event->button() == Qt::LeftButton ? zephlon::MouseButton::Left : zephlon::MouseButton::Other;
}

}  // namespace

void FormZephlon::keyPressEvent(QKeyEvent* event) {
    if (!m_controls->KeyPress(event)) QMainWindow::keyPressEvent(event);
}

bool FormZephlon::RunCommand(frame::Command command, bool repeat) {
    using frame::Command;
    // A held command key acts once; held movement keys repeat.
    const bool moves = command == Command::Left || command == Command::Right || command == Command::Turn ||
                       command == Command::Down || command == Command::Drop;
    if (repeat && !moves) return true;
    switch (command) {
        case Command::Help:
            ShowInstructions();
            return true;
        case Command::FullScreen:
            m_controls->ToggleFullScreen();
            return true;
        default:
            break;
    }
    const frame::KeyCode key = frame::Bindings::EngineKeyOf(frame::Program::Zephlon, command);
    if (key == frame::kKeyNone) return false;
    Form_KeyDown(key);
    return true;
}

void FormZephlon::Form_KeyDown(frame::KeyCode keyCode) {
    if (Watching()) return;
    m_engine->HandleKey(keyCode);
}

// Presses count on the play area, the falling block (the bomb marker flashes over it) and the blinking block;
// the pointer steers over the play area.
void FormZephlon::ConnectMouse() {
    using zephlon::MouseTarget;
    const std::pair<frame::DrawSurface*, MouseTarget> targets[] = {
        {PictureBg, MouseTarget::PlayArea},
        {PictureBlock, MouseTarget::FallingBlock},
        {PictureLaserBomb, MouseTarget::FallingBlock},
        {PictureBlinkBlock, MouseTarget::BlinkBlock},
    };
    for (const auto& entry : targets) {
        const MouseTarget target = entry.second;
        connect(entry.first, &frame::DrawSurface::mousePressed, this, [this, target](QMouseEvent* e) {
            if (!Watching()) m_engine->MousePress(target, ButtonOf(e));
        });
        connect(entry.first, &frame::DrawSurface::mouseDoubleClicked, this, [this, target](QMouseEvent* e) {
            if (!Watching()) m_engine->MouseDoubleClick(target, ButtonOf(e));
        });
    }
    connect(PictureBg, &frame::DrawSurface::mouseMoved, this, [this](QMouseEvent* e) {
        if (!Watching()) m_engine->MouseMove(MouseTarget::PlayArea, e->position().toPoint().x());
    });
}

bool FormZephlon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_central && event->type() == QEvent::Resize) {
        Form_Resize();
    } else if ((watched == LabelMessage || watched == ImageMessage) &&
               event->type() == QEvent::MouseButtonPress) {
        // A click on the message's text goes on after a level message; the logo and the panel's border take
        // none.
        if (watched == LabelMessage && !Watching())
            m_engine->MousePress(zephlon::MouseTarget::Message, ButtonOf(static_cast<QMouseEvent*>(event)));
        return true;
    } else if (watched == LabelBW && event->type() == QEvent::MouseButtonPress) {
        LabelBW_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
