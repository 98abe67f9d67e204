// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/highscores.h"

#include <QFile>
#include <QMessageBox>
#include <cstdio>

namespace scores {

HighScores::HighScores(frame::Program program, QWidget* mainWindow)
    : m_table(program),
      m_mainWindow(mainWindow),
      m_dialog(new FormTopTen(m_table.Policy(), mainWindow)),
      m_replays(program) {
    if (m_table.Policy().modal) m_dialog->setWindowModality(Qt::ApplicationModal);
    FormTopTen* dialog = m_dialog.data();
    QObject::connect(dialog, &FormTopTen::enterPressed, dialog, [this] { Form_Enter(); });
    QObject::connect(dialog, &FormTopTen::dismissed, dialog, [this] { Form_Dismissed(); });
    QObject::connect(dialog, &FormTopTen::watchRequested, dialog, [this](int position) { Watch(position); });
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
    // Records another copy saved may push some of ours out of the lists.
    ChangeTable([&] { m_table.Save(store); });
    // Records another copy saved meanwhile may have joined the lists.
    RefreshBestScore();
}

void HighScores::SetCurrentPosition(int16_t position) {
    // Only clearing makes sense from outside: a position is created by SaveScore alone.
    if (position == 0) {
        m_pendingRecording.reset();
        m_table.ForgetPending();
        m_dialog->CloseNameField();
    }
}

int16_t HighScores::SaveScore(int32_t score, int16_t startLevel, int16_t endLevel) {
    const QDateTime now = hooks.now ? hooks.now() : QDateTime::currentDateTime();
    int16_t position = 0;
    ChangeTable([&] { position = m_table.SaveScore(CurrentList(), score, startLevel, endLevel, now); });
    return position;
}

int16_t HighScores::OfferScore(int32_t score, int16_t startLevel, int16_t endLevel) {
    const int16_t position = SaveScore(score, startLevel, endLevel);
    RefreshBestScore();
    if (CurrentPosition() > 0) InputName();
    return position;
}

bool HighScores::OfferFinishedGame(int32_t score, int16_t startLevel, int16_t endLevel, bool askName,
                                   std::optional<frame::GameRecording> recording) {
    if (score <= 0) {
        RefreshBestScore();
        return false;
    }
    // Only an entry the score makes keeps the recording; an entry already waiting keeps its own.
    const bool waiting = CurrentPosition() > 0;
    const auto keep = [&](int16_t position) {
        if (!waiting && position > 0) m_pendingRecording = std::move(recording);
    };
    if (!askName) {
        keep(SaveScore(score, startLevel, endLevel));
        return false;
    }
    const int16_t position = SaveScore(score, startLevel, endLevel);
    keep(position);
    RefreshBestScore();
    if (CurrentPosition() > 0) InputName();
    return CurrentPosition() > 0;
}

void HighScores::ShowTopTen(int mode) {
    int list = mode;
    if (list < 0 || list >= m_table.ListCount()) list = CurrentList();
    m_shownList = list;
    const bool wasVisible = m_dialog->isVisible();
    if (!wasVisible) m_dialog->PlaceOver(m_mainWindow);
    m_dialog->ShowList(m_table, list);
    ShowWatchable();
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
    commitName(UploadOffer::None, true);
}

void HighScores::commitName(UploadOffer offer, bool closing) {
    if (CurrentPosition() < 1) {
        m_pendingRecording.reset();
        return;
    }
    // An entry made without the name field (a close or a new game within the second after "Game Over")
    // gets the empty-name rule, never text left in the hidden field.
    QString name = m_dialog->NameFieldOpen() ? m_dialog->TextInput->text() : QString();
    if (HighScoreTable::CleanName(name).isEmpty()) name = m_table.Policy().emptyNameReplacement;
    const int list = m_table.PendingList();
    const int16_t position = m_table.CommitName(name);
    m_dialog->ShowName(position, m_table.Record(list, position).Name);
    m_dialog->CloseNameField();
    // The replay is on disk before an upload is offered, which sends it along.
    SaveReplay(list, position, closing);
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
    ChangeTable([&] { m_table.ClearAllScores(CurrentList()); });
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

void HighScores::Watch(int position) {
    if (position < 1 || position > kListSize) return;
    const QString path = m_replays.PathOf(m_shownList, m_table.Record(m_shownList, position));
    // The replay plays in the main window, which the dialog would cover (and, in Zephlon, block).
    if (m_dialog->isVisible()) m_dialog->accept();
    if (hooks.watch) hooks.watch(path);
}

void HighScores::ChangeTable(const std::function<void()>& change) {
    const QStringList before = m_replays.PathsOf(m_table);
    change();
    const QStringList after = m_replays.PathsOf(m_table);
    for (const QString& path : before) {
        if (!after.contains(path)) QFile::remove(path);
    }
    if (m_dialog->isVisible()) ShowWatchable();
}

void HighScores::SaveReplay(int list, int16_t position, bool closing) {
    std::optional<frame::GameRecording> recording = std::move(m_pendingRecording);
    m_pendingRecording.reset();
    if (!recording || position < 1) return;
    const HighScoreRecord& r = m_table.Record(list, position);
    frame::RecordingClaim claim;
    claim.list = list;
    claim.name = r.Name;
    claim.score = r.Score;
    claim.startLevel = r.StartLevel;
    claim.endLevel = r.EndLevel;
    claim.date = HighScoreTable::DateText(r.Date);
    recording->claim = claim;
    const QString error = m_replays.Write(list, r, frame::Encode(*recording));
    if (!error.isEmpty()) {
        // The record itself is kept; only its replay is missing.
        const QString message = error + QStringLiteral("\n\n") + tr("This record has no replay to watch.");
        if (closing)
            std::fprintf(stderr, "%s: %s\n", qPrintable(frame::ProgramName(m_table.Policy().program)),
                         qPrintable(error));
        else if (hooks.tellPlayer)
            hooks.tellPlayer(message);
        else
            QMessageBox::warning(m_mainWindow, frame::ProgramName(m_table.Policy().program), message);
    }
    if (m_dialog->isVisible()) ShowWatchable();
}

void HighScores::ShowWatchable() {
    std::array<bool, kListSize> watchable{};
    for (int p = 1; p <= kListSize; ++p) {
        const HighScoreRecord& r = m_table.Record(m_shownList, p);
        watchable[static_cast<size_t>(p - 1)] = r.ChkSum != 0 && m_replays.Exists(m_shownList, r);
    }
    m_dialog->SetWatchable(watchable);
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
