// SPDX-License-Identifier: GPL-3.0-or-later
// What the Zephlon engine draws, shows and switches, on the window's controls.
#include <QAction>
#include <QLabel>
#include <QTimer>

#include "frame/accessibility.h"
#include "frame/drawsurface.h"
#include "zephlon/formzephlon.h"

using zephlon::CellDrawing;
using zephlon::DrawTarget;
using zephlon::PipeDrawing;
using zephlon::StatusLabel;

frame::DrawSurface* FormZephlon::SurfaceFor(DrawTarget target) {
    switch (target) {
        case DrawTarget::FallingSprite:
            return PictureBlock;
        case DrawTarget::NextBox:
            return PictureNext;
        case DrawTarget::BombMarker:
            return PictureLaserBomb;
        default:
            return PictureBg;
    }
}

int FormZephlon::NextBoxWidth() const {
    return PictureNext->Width();
}

void FormZephlon::DrawCell(const CellDrawing& cell) {
    frame::DrawSurface* surface = SurfaceFor(cell.target);
    int x = cell.x;
    int y = cell.y;
    if (cell.target == DrawTarget::PlayArea) {
        x += (cell.column - 1) * m_cellSize;
        y += (cell.row - 1) * m_cellSize;
    }
    zephlon::DrawCell(*surface, x, y, cell.size, cell.value, cell.blockColour, cell.part, cell.style,
                      cell.marksFirst, cell.marksSecond);
    if (cell.target == DrawTarget::FallingSprite) {
        PictureBlock->move((cell.column - 1) * m_cellSize, (cell.row - 1) * m_cellSize);
        PictureBlock->show();
        PictureBlock->raise();
        PictureMessage->raise();
    }
}

void FormZephlon::DrawPipe(const PipeDrawing& pipe) {
    frame::DrawSurface* surface = SurfaceFor(pipe.target);
    int x = pipe.x;
    int y = pipe.y;
    if (pipe.target == DrawTarget::PlayArea) {
        x += (pipe.column - 1) * m_cellSize;
        y += (pipe.row - 1) * m_cellSize;
    }
    zephlon::DrawPipe(*surface, x, y, pipe.size, pipe.bit, pipe.half, pipe.look, pipe.has2, pipe.has4);
}

void FormZephlon::ClearNextBox() {
    PictureNext->SetBackColor(zephlon::kStatusBack);
    PictureNext->Clear();
}

void FormZephlon::HideFallingSprite() {
    PictureBlock->hide();
}

void FormZephlon::SetLaserBombVisible(bool visible) {
    PictureLaserBomb->setVisible(visible);
}

void FormZephlon::PlaceBlinkBlock(int column, int row) {
    PictureBlinkBlock->move((column - 1) * m_cellSize, (row - 1) * m_cellSize);
    PaintBlinkBlock();
}

// The blinking block as the board holds it now (lasers may have burnt its pipes), with a bright frame.
void FormZephlon::PaintBlinkBlock() {
    const int s = m_cellSize;
    const zephlon::GameContext& c = Shown().Context();
    const int column = c.blinkColumn;
    const int row = c.blinkRow;
    const int16_t value = zephlon::Grid::IsPlayCell(column, row) ? c.board(column, row) : int16_t{0};
    zephlon::DrawCell(*PictureBlinkBlock, 0, 0, s, value, Shown().Options().blockColour, 16, 1, 0, 0);
    PictureBlinkBlock->SetForeColor(QColor(255, 255, 255));
    PictureBlinkBlock->SetFillStyle(frame::FillStyle::Transparent);
    PictureBlinkBlock->Box(0, 0, s - 1, s - 1);
    PictureBlinkBlock->Box(1, 1, s - 2, s - 2);
}

void FormZephlon::SetBlinkBlockVisible(bool visible) {
    visible = visible && !Shown().Context().paused;  // a paused board stays hidden
    if (visible) PaintBlinkBlock();
    PictureBlinkBlock->setVisible(visible);
    if (visible) PictureMessage->raise();
}

void FormZephlon::ShowMessage(const QString& text, int fontSize) {
    if (text == QLatin1String("zephlon")) {
        m_showingLogo = true;
        LabelMessage->hide();
        ImageMessage->show();
        LayoutMessage();
        PictureMessage->show();
    } else if (!text.isEmpty()) {
        m_showingLogo = false;
        ImageMessage->hide();
        QString caption = text;
        caption.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m_messageFontSize = fontSize;
        LabelMessage->setFont(zephlon::StatusFont(fontSize));
        LabelMessage->setText(caption);
        LabelMessage->show();
        LayoutMessage();
        PictureMessage->show();
        frame::Announce(PictureBg, caption);
    } else {
        ImageMessage->hide();
        PictureMessage->hide();
        m_showingLogo = false;
        LabelMessage->clear();
    }
}

void FormZephlon::SetLabel(StatusLabel label, const QString& text) {
    switch (label) {
        case StatusLabel::Score:
            frame::SetValue(LabelScore, text);
            break;
        case StatusLabel::HiScore:
            // A best score that rises during a game is the player's new record.
            if (frame::SetValue(LabelHiScore, text) < text.toInt() && Shown().Context().GameRunning() &&
                !Watching())
                frame::Announce(PictureBg, tr("New high score: %1").arg(text));
            break;
        case StatusLabel::Level:
            if (const int before = frame::SetValue(LabelLevel, text); before > 0 && text.toInt() > before)
                frame::Announce(PictureBg, tr("Level %1").arg(text));
            break;
        case StatusLabel::Blocks:
            frame::SetValue(LabelBlocks, text);
            break;
        case StatusLabel::BlocksHead:
            LabelBlocksHead->setText(text);
            break;
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Clocks

void FormZephlon::StartClock(int intervalMs) {
    m_session->StartClock(intervalMs);
}

void FormZephlon::StopClock() {
    m_session->StopClock();
}

void FormZephlon::SetBlinkTimer(bool on) {
    if (on)
        TimerBlinkBlock->start();
    else
        TimerBlinkBlock->stop();
}

void FormZephlon::SetLaserBombTimer(bool on) {
    if (on)
        TimerLaserBomb->start();
    else
        TimerLaserBomb->stop();
}

void FormZephlon::GameOver() {
    m_session->GameOver();
}

bool FormZephlon::SettleGameOver() {
    return m_session->SettleGameOver();
}

// ---------------------------------------------------------------------------------------------------------------
// Menus

void FormZephlon::SetMenuReplayEnabled(bool enabled) {
    MenuReplay->setEnabled(enabled);
}
void FormZephlon::SetMenuStopEnabled(bool enabled) {
    MenuStop->setEnabled(enabled);
}

void FormZephlon::SetModeMenuLocked(bool locked) {
    if (locked)
        LockModeMenu();
    else
        UnlockModeMenu();
}

void FormZephlon::ShowPaused(bool paused) {
    MenuPause->setChecked(paused);
}

void FormZephlon::RefreshLevelMenu() {
    UncheckLevelMenu();
    UpdateLevelMenu();
}

void FormZephlon::UpdateLevelMenu() {
    const zephlon::ZephlonOptions& o = m_engine->Options();
    const bool puzzle = o.gameMode == zephlon::GameMode::Puzzle;
    const int k = puzzle ? o.startLevelPuzzle : o.startLevel;
    if (k >= 1 && k <= 10) MenuLevel[k - 1]->setChecked(true);
    for (int i = 1; i <= 10; ++i)
        MenuLevel[i - 1]->setEnabled(!puzzle || i <= o.maxLevelPuzzle);
}

void FormZephlon::UncheckLevelMenu() {
    for (QAction* a : MenuLevel)
        a->setChecked(false);
}

void FormZephlon::UncheckColourMenu() {
    for (QAction* a : MenuColour)
        a->setChecked(false);
}

void FormZephlon::LockModeMenu() {
    MenuOriginal->setEnabled(false);
    MenuPuzzle->setEnabled(false);
}

void FormZephlon::UnlockModeMenu() {
    MenuOriginal->setEnabled(true);
    MenuPuzzle->setEnabled(true);
}

void FormZephlon::FocusPlayArea() {
    PictureBg->setFocus();
}
