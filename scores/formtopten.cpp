// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/formtopten.h"
#include "frame/darkpalette.h"
#include "frame/placedialog.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>
#include <vector>

namespace scores {

namespace {

// Fixed design of the dialog, in pixels.
constexpr int kMargin = 12;
constexpr int kGameModeHeight = 26;
constexpr int kRowHeight = 20;
constexpr int kRowStep = 22;
constexpr int kNameWidth = 170;
constexpr int kNumberWidth = 76;
constexpr int kColumnGap = 4;
constexpr int kButtonHeight = 28;
constexpr int kButtonWidth = 110;

const QColor kDialogBack(72, 72, 72);
const QColor kCellBack(96, 96, 96);
const QColor kChosenBack(128, 128, 128);
const QColor kLightText(232, 232, 232);

QLabel* MakeLabel(QWidget* parent, const QString& text, Qt::Alignment align, bool dark, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(align | Qt::AlignVCenter);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    if (dark) frame::SetDarkBackground(label, kCellBack, kLightText);
    return label;
}

}  // namespace

FormTopTen::FormTopTen(const ScorePolicy& policy, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTopTen"));
    // The caption is marked for translation where the policy names it.
    setWindowTitle(tr(policy.caption.toUtf8().constData()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const bool dark = policy.darkColours;
    m_dark = dark;
    if (dark) frame::SetDarkBackground(this, kDialogBack, kLightText);

    const int xName = kMargin;
    const int xScore = xName + kNameWidth + kColumnGap;
    const int xStart = xScore + kNumberWidth + kColumnGap;
    const int xEnd = xStart + kNumberWidth + kColumnGap;
    int width = xEnd + kNumberWidth + kMargin;
    int y = kMargin;

    if (policy.hasGameModeLabel) {
        LabelGameMode = MakeLabel(this, GameModeText(0), Qt::AlignHCenter, false, true);
        QFont f = LabelGameMode->font();
        f.setPointSizeF(f.pointSizeF() * 1.3);
        LabelGameMode->setFont(f);
        LabelGameMode->setGeometry(kMargin, y, width - 2 * kMargin, kGameModeHeight);
        y += kGameModeHeight + 6;
    }

    LabeNameHead = MakeLabel(this, tr("Name"), Qt::AlignLeft, dark, true);
    LabelScoreHead = MakeLabel(this, tr("Score"), Qt::AlignHCenter, dark, true);
    LabelStartLevelHead = MakeLabel(this, tr("Start Level"), Qt::AlignHCenter, dark, true);
    LabelEndLevelHead = MakeLabel(this, tr("End Level"), Qt::AlignHCenter, dark, true);
    LabeNameHead->setGeometry(xName, y, kNameWidth, kRowHeight);
    LabelScoreHead->setGeometry(xScore, y, kNumberWidth, kRowHeight);
    LabelStartLevelHead->setGeometry(xStart, y, kNumberWidth, kRowHeight);
    LabelEndLevelHead->setGeometry(xEnd, y, kNumberWidth, kRowHeight);
    LabeNameHead->setIndent(4);
    y += kRowStep + 4;

    for (size_t i = 0; i < kListSize; ++i) {
        LabelName[i] = MakeLabel(this, QString(), Qt::AlignLeft, dark, false);
        LabelName[i]->setIndent(4);
        LabelScore[i] = MakeLabel(this, QString(), Qt::AlignRight, dark, false);
        LabelScore[i]->setIndent(8);
        LabelStartLevel[i] = MakeLabel(this, QString(), Qt::AlignHCenter, dark, false);
        LabelEndLevel[i] = MakeLabel(this, QString(), Qt::AlignHCenter, dark, false);
        LabelName[i]->setGeometry(xName, y, kNameWidth, kRowHeight);
        LabelScore[i]->setGeometry(xScore, y, kNumberWidth, kRowHeight);
        LabelStartLevel[i]->setGeometry(xStart, y, kNumberWidth, kRowHeight);
        LabelEndLevel[i]->setGeometry(xEnd, y, kNumberWidth, kRowHeight);
        y += kRowStep;
    }

    TextInput = new QLineEdit(this);
    TextInput->setObjectName(QStringLiteral("TextInput"));
    TextInput->setMaxLength(kMaxNameLength);
    TextInput->setFrame(false);
    TextInput->hide();

    // A click on a row chooses it for "&Watch"; a double-click watches it at once.
    for (size_t i = 0; i < kListSize; ++i) {
        for (QLabel* cell : {LabelName[i], LabelScore[i], LabelStartLevel[i], LabelEndLevel[i]})
            cell->installEventFilter(this);
    }

    std::vector<QPushButton*> buttons;
    if (policy.hasButtons) {
        Command1 = new QPushButton(tr("OK"), this);
        Command2 = new QPushButton(tr("Clear List"), this);
        Command3 = new QPushButton(tr("Upload"), this);
        buttons = {Command1, Command2, Command3};
    }
    //: Plays the chosen record's recorded game in the main window.
    CommandWatch = new QPushButton(tr("&Watch"), this);
    CommandWatch->setObjectName(QStringLiteral("CommandWatch"));
    CommandWatch->setEnabled(false);
    connect(CommandWatch, &QPushButton::clicked, this, [this] {
        if (CanWatch(m_chosen)) emit watchRequested(m_chosen);
    });
    buttons.push_back(CommandWatch);

    // The buttons share one width, the widest caption's (translations are longer), spread over the row.
    int buttonWidth = kButtonWidth * 3 / 4;
    for (QPushButton* b : buttons)
        buttonWidth = std::max(buttonWidth, b->sizeHint().width());
    const int count = static_cast<int>(buttons.size());
    const int rowWidth = count * buttonWidth + (count - 1) * kColumnGap * 2;
    const int dialogWidth = std::max(width, rowWidth + 2 * kMargin);
    const int gap = count > 1 ? (dialogWidth - 2 * kMargin - count * buttonWidth) / (count - 1) : 0;
    y += 8;
    // A single button stands at the right, under the numbers.
    int x = count > 1 ? kMargin : dialogWidth - kMargin - buttonWidth;
    for (QPushButton* b : buttons) {
        // Enter belongs to the name entry, never to a button.
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setGeometry(x, y, buttonWidth, kButtonHeight);
        x += buttonWidth + gap;
    }
    y += kButtonHeight;
    width = dialogWidth;
    setFixedSize(width, y + kMargin);
}

QString FormTopTen::GameModeText(int list) {
    return list == 1 ? tr("Puzzle Game TOP 10") : tr("Original Game TOP 10");
}

void FormTopTen::ShowList(const HighScoreTable& table, int list) {
    for (size_t i = 0; i < kListSize; ++i) {
        const HighScoreRecord& r = table.Record(list, static_cast<int>(i) + 1);
        ShowName(static_cast<int>(i) + 1, r.Name);
        LabelScore[i]->setText(QString::number(r.Score));
        LabelStartLevel[i]->setText(QString::number(r.StartLevel));
        LabelEndLevel[i]->setText(QString::number(r.EndLevel));
    }
    if (LabelGameMode) LabelGameMode->setText(GameModeText(list));
}

void FormTopTen::ShowName(int position, const QString& name) {
    if (position < 1 || position > kListSize) return;
    // A name wider than its cell ends in an ellipsis; the whole name is in the tooltip.
    QLabel* cell = LabelName[static_cast<size_t>(position - 1)];
    const int room = cell->width() - 2 * cell->indent();
    const QString shown = cell->fontMetrics().elidedText(name, Qt::ElideRight, room);
    cell->setText(shown);
    cell->setToolTip(shown == name ? QString() : name);
}

void FormTopTen::SetWatchable(const std::array<bool, kListSize>& watchable) {
    m_watchable = watchable;
    int chosen = CanWatch(m_chosen) ? m_chosen : 0;
    for (int p = 1; chosen == 0 && p <= kListSize; ++p) {
        if (m_watchable[static_cast<size_t>(p - 1)]) chosen = p;
    }
    ChoosePosition(chosen);
}

void FormTopTen::ChoosePosition(int position) {
    m_chosen = position >= 1 && position <= kListSize ? position : 0;
    ShowChoice();
}

bool FormTopTen::CanWatch(int position) const {
    return position >= 1 && position <= kListSize && m_watchable[static_cast<size_t>(position - 1)] &&
           !NameFieldOpen();
}

void FormTopTen::ShowChoice() {
    for (size_t i = 0; i < kListSize; ++i) {
        const bool chosen = static_cast<int>(i) + 1 == m_chosen;
        for (QLabel* cell : {LabelName[i], LabelScore[i], LabelStartLevel[i], LabelEndLevel[i]}) {
            if (m_dark) {
                frame::SetDarkBackground(cell, chosen ? kChosenBack : kCellBack, kLightText);
            } else {
                cell->setAutoFillBackground(chosen);
                cell->setBackgroundRole(chosen ? QPalette::Highlight : QPalette::Window);
                cell->setForegroundRole(chosen ? QPalette::HighlightedText : QPalette::WindowText);
            }
        }
    }
    CommandWatch->setEnabled(CanWatch(m_chosen));
}

int FormTopTen::RowOf(const QObject* label) const {
    for (size_t i = 0; i < kListSize; ++i) {
        if (label == LabelName[i] || label == LabelScore[i] || label == LabelStartLevel[i] ||
            label == LabelEndLevel[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

bool FormTopTen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        if (const int row = RowOf(watched); row > 0) {
            ChoosePosition(row);
            if (event->type() == QEvent::MouseButtonDblClick && CanWatch(row)) emit watchRequested(row);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormTopTen::OpenNameField(int position) {
    if (position < 1 || position > kListSize) return;
    const QRect cell = LabelName[static_cast<size_t>(position - 1)]->geometry();
    TextInput->setGeometry(cell);
    TextInput->clear();
    TextInput->selectAll();
    TextInput->show();
    TextInput->raise();
    FocusNameField();
    // No replay is watched while a name is being typed.
    ShowChoice();
}

void FormTopTen::CloseNameField() {
    TextInput->hide();
    TextInput->clear();
    ShowChoice();
}

bool FormTopTen::NameFieldOpen() const {
    return !TextInput->isHidden();
}

void FormTopTen::PlaceOver(const QWidget* mainWindow) {
    frame::PlaceDialog(this, mainWindow);
}

void FormTopTen::FocusNameField() {
    if (TextInput->isVisibleTo(this)) TextInput->setFocus(Qt::OtherFocusReason);
}

void FormTopTen::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    // Up and Down choose a row, unless a name is being typed.
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && !NameFieldOpen()) {
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        ChoosePosition(std::clamp(m_chosen + step, 1, static_cast<int>(kListSize)));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FormTopTen::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) FocusNameField();
    return QDialog::event(event);
}

void FormTopTen::reject() {
    emit dismissed();
    QDialog::reject();
}

}  // namespace scores
