// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscores.h"

#include <QMessageBox>

namespace scores {

HighScores::HighScores(frame::Program program, QWidget* mainWindow)
    : m_table(program), m_mainWindow(mainWindow), m_dialog(new FormTopTen(m_table.Policy(), mainWindow)) {
    if (m_table.Policy().modal) m_dialog->setWindowModality(Qt::ApplicationModal);
    FormTopTen* dialog = m_dialog.data();
    QObject::connect(dialog, &FormTopTen::enterPressed, dialog, [this] { Form_Enter(); });
    QObject::connect(dialog, &FormTopTen::dismissed, dialog, [this] { Form_Dismissed(); });
    if (dialog->Command1) {
        QObject::connect(dialog->Command1, &QPushButton::clicked, dialog, [this] { Command1_Click(); });
        QObject::connect(dialog->Command2, &QPushButton::clicked, dialog, [this] { Command2_Click(); });
        QObject::connect(dialog->Command3, &QPushButton::clicked, dialog, [this] { Command3_Click(); });
    }
}

HighScores::~HighScores() {
    delete m_dialog.data();
}

int HighScores::CurrentList() const {
    return m_table.ValidList(hooks.currentList ? hooks.currentList() : 0);
}

void HighScores::Load(const frame::SettingsStore& store) {
    m_table.Load(store);
    RefreshBestScore();
}

void HighScores::Save(frame::SettingsStore& store) {
    CommitOnClose();
    m_table.Save(store);
    // Records another copy saved meanwhile may have joined the lists.
    RefreshBestScore();
}

void HighScores::SetCurrentPosition(int16_t position) {
    // Only clearing makes sense from outside: a position is created by SaveScore alone.
    if (position == 0) {
        m_table.ForgetPending();
        m_dialog->CloseNameField();
    }
}

int16_t HighScores::SaveScore(int32_t score, int16_t startLevel, int16_t endLevel) {
    const QDateTime now = hooks.now ? hooks.now() : QDateTime::currentDateTime();
    return m_table.SaveScore(CurrentList(), score, startLevel, endLevel, now);
}

int16_t HighScores::OfferScore(int32_t score, int16_t startLevel, int16_t endLevel) {
    const int16_t position = SaveScore(score, startLevel, endLevel);
    RefreshBestScore();
    if (CurrentPosition() > 0) InputName();
    return position;
}

bool HighScores::OfferFinishedGame(int32_t score, int16_t startLevel, int16_t endLevel, bool askName) {
    if (score <= 0) {
        RefreshBestScore();
        return false;
    }
    if (!askName) {
        SaveScore(score, startLevel, endLevel);
        return false;
    }
    OfferScore(score, startLevel, endLevel);
    return CurrentPosition() > 0;
}

void HighScores::ShowTopTen(int mode) {
    int list = mode;
    if (list < 0 || list >= m_table.ListCount()) list = CurrentList();
    m_shownList = list;
    const bool wasVisible = m_dialog->isVisible();
    if (!wasVisible) m_dialog->PlaceOver(m_mainWindow);
    m_dialog->ShowList(m_table, list);
    if (!wasVisible) {
        m_dialog->show();
        m_dialog->activateWindow();
    }
}

void HighScores::InputName() {
    if (CurrentPosition() < 1) return;
    m_dialog->OpenNameField(CurrentPosition());
    // The waiting entry belongs to the list it was offered to.
    ShowTopTen(m_table.PendingList());
}

void HighScores::SaveName(bool ask) {
    commitName(ask ? UploadOffer::Asked : UploadOffer::Automatic);
}

void HighScores::CommitOnClose() {
    commitName(UploadOffer::None);
}

void HighScores::commitName(UploadOffer offer) {
    if (CurrentPosition() < 1) return;
    // An entry made without the name field (a close or a new game within the second after "Game Over")
    // gets the empty-name rule, never text left in the hidden field.
    QString name = m_dialog->NameFieldOpen() ? m_dialog->TextInput->text() : QString();
    if (HighScoreTable::CleanName(name).isEmpty()) name = m_table.Policy().emptyNameReplacement;
    const int list = m_table.PendingList();
    const int16_t position = m_table.CommitName(name);
    m_dialog->ShowName(position, m_table.Record(list, position).Name);
    m_dialog->CloseNameField();
    // The entry is complete before any upload question, so nothing can leave it half-named.
    if (offer == UploadOffer::Asked) {
        if (hooks.uploadEntry) hooks.uploadEntry(position);
    } else if (offer == UploadOffer::Automatic && m_table.Policy().offerUploadAfterName &&
               hooks.autoUploadWanted && hooks.autoUploadWanted() && hooks.uploadEntry) {
        hooks.uploadEntry(position);
    }
}

void HighScores::playerCommit(UploadOffer offer) {
    const bool waiting = CurrentPosition() > 0;
    commitName(offer);
    if (waiting && CurrentPosition() < 1 && hooks.nameEntered) hooks.nameEntered();
}

void HighScores::ClearAllScores() {
    m_table.ClearAllScores(CurrentList());
    if (m_table.Policy().clearRefreshesBestScore) RefreshBestScore();
}

void HighScores::ClearHighscores() {
    // A name being typed is kept first: clearing then resets the list it entered, as the player asked.
    // No upload is offered for it: the player is about to answer the clear question.
    commitName(UploadOffer::None);
    if (!Ask(tr("Are you sure you want to clear the local highscore list?"))) return;
    ClearAllScores();
    ShowTopTen();
}

void HighScores::Command1_Click() {
    m_dialog->accept();
    playerCommit(UploadOffer::Automatic);
}

void HighScores::Command2_Click() {
    // The typed name is committed before the question, so a "No" cannot leave an unnamed entry behind;
    // no upload is offered in between.
    commitName(UploadOffer::None);
    m_dialog->CloseNameField();
    SetCurrentPosition(0);
    if (!Ask(tr("Are you sure you want to clear the high score list?"))) return;
    ClearAllScores();
    ShowTopTen(-1);
}

void HighScores::Command3_Click() {
    if (CurrentPosition() < 1) {
        if (hooks.uploadTop3) hooks.uploadTop3();
    } else {
        playerCommit(UploadOffer::Asked);
    }
}

void HighScores::Form_Enter() {
    playerCommit(UploadOffer::Automatic);
}

// Closing commits what was typed, in every program.
void HighScores::Form_Dismissed() {
    playerCommit(UploadOffer::Automatic);
}

bool HighScores::IsShowing() const {
    return m_dialog->isVisible();
}

bool HighScores::Ask(const QString& question) {
    if (hooks.askYesNo) return hooks.askYesNo(question);
    QWidget* parent = m_dialog->isVisible() ? static_cast<QWidget*>(m_dialog.data()) : m_mainWindow.data();
    return QMessageBox::question(parent, frame::ProgramName(m_table.Policy().program), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void HighScores::RefreshBestScore() {
    if (hooks.showBestScore) hooks.showBestScore(BestScore());
}

}  // namespace scores
