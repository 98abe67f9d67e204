// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/controlsdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>

#include "frame/accessibility.h"

namespace frame {

namespace {

constexpr int kKeysColumn = 1;
constexpr int kPadColumn = 2;

QString ListText(const QList<Input>& inputs) {
    QStringList texts;
    for (const Input& input : inputs)
        texts.append(input.DisplayText());
    return texts.join(QStringLiteral(", "));
}

}  // namespace

ControlsDialog::ControlsDialog(const ControlSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QStringLiteral("FormControls"));
    setWindowTitle(tr("Controls"));
    auto* layout = new QVBoxLayout(this);

    auto* hint = new QLabel(
        tr("Choose a command, then Change or Add, and press the new key or pad button. Escape cancels."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    TableBindings = new QTableWidget(0, 3, this);
    TableBindings->setObjectName(QStringLiteral("TableBindings"));
    TableBindings->setHorizontalHeaderLabels({tr("Command"), tr("Keys"), tr("Pad")});
    TableBindings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableBindings->setSelectionMode(QAbstractItemView::SingleSelection);
    TableBindings->verticalHeader()->hide();
    TableBindings->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    TableBindings->installEventFilter(this);
    layout->addWidget(TableBindings, 1);
    connect(TableBindings, &QTableWidget::cellDoubleClicked, this, [this] { StartChange(); });

    auto* editRow = new QHBoxLayout;
    CommandChange = new QPushButton(tr("C&hange"), this);
    CommandChange->setObjectName(QStringLiteral("CommandChange"));
    CommandAdd = new QPushButton(tr("&Add"), this);
    CommandAdd->setObjectName(QStringLiteral("CommandAdd"));
    CommandClear = new QPushButton(tr("C&lear"), this);
    CommandClear->setObjectName(QStringLiteral("CommandClear"));
    for (QPushButton* button : {CommandChange, CommandAdd, CommandClear}) {
        button->setAutoDefault(false);
        editRow->addWidget(button);
    }
    editRow->addStretch(1);
    layout->addLayout(editRow);
    connect(CommandChange, &QPushButton::clicked, this, &ControlsDialog::StartChange);
    connect(CommandAdd, &QPushButton::clicked, this, &ControlsDialog::StartAdd);
    connect(CommandClear, &QPushButton::clicked, this, &ControlsDialog::ClearSelected);

    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    layout->addWidget(LabelStatus);

    auto* setRow = new QHBoxLayout;
    LabelSet = new QLabel(this);
    LabelSet->setObjectName(QStringLiteral("LabelSet"));
    setRow->addWidget(LabelSet);
    setRow->addStretch(1);
    CommandClassic = new QPushButton(tr("&Classic"), this);
    CommandClassic->setObjectName(QStringLiteral("CommandClassic"));
    CommandClassic->setToolTip(tr("The game's own keys"));
    CommandModern = new QPushButton(tr("&Modern"), this);
    CommandModern->setObjectName(QStringLiteral("CommandModern"));
    CommandModern->setToolTip(
        tr("The game's keys, and Space drops, P and Pause pause, F1 helps, F11 fills the screen; "
           "leaving the window pauses"));
    for (QPushButton* button : {CommandClassic, CommandModern}) {
        button->setAutoDefault(false);
        setRow->addWidget(button);
    }
    layout->addLayout(setRow);
    connect(CommandClassic, &QPushButton::clicked, this, &ControlsDialog::ApplyClassic);
    connect(CommandModern, &QPushButton::clicked, this, &ControlsDialog::ApplyModern);

    CheckColourAid = new QCheckBox(tr("Colour-&blind aid: a pattern on every colour"), this);
    CheckColourAid->setObjectName(QStringLiteral("CheckColourAid"));
    CheckColourAid->setChecked(m_settings.ColourAid);
    layout->addWidget(CheckColourAid);
    connect(CheckColourAid, &QCheckBox::toggled, this, [this](bool on) { m_settings.ColourAid = on; });

    auto* volumeRow = new QHBoxLayout;
    auto* volumeLabel = new QLabel(tr("&Volume"), this);
    SliderVolume = new QSlider(Qt::Horizontal, this);
    SliderVolume->setObjectName(QStringLiteral("SliderVolume"));
    SliderVolume->setRange(0, 100);
    SliderVolume->setPageStep(10);
    SliderVolume->setValue(m_settings.Volume);
    SliderVolume->setAccessibleName(tr("Volume"));
    volumeLabel->setBuddy(SliderVolume);
    volumeRow->addWidget(volumeLabel);
    volumeRow->addWidget(SliderVolume, 1);
    layout->addLayout(volumeRow);
    connect(SliderVolume, &QSlider::valueChanged, this, [this](int value) { m_settings.Volume = value; });

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    // Enter is a key to capture like any other: no button takes it by default.
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    Refill();
    TableBindings->setCurrentCell(0, kKeysColumn);
    resize(560, 520);
}

int ControlsDialog::RowOf(Command command) const {
    return static_cast<int>(Bindings::Commands(m_settings.bindings.program()).indexOf(command));
}

QString ControlsDialog::StatusText() const {
    return LabelStatus->text();
}

void ControlsDialog::SetStatus(const QString& text) {
    LabelStatus->setText(text);
    // A screen reader tells the prompt and the refusals as they come.
    if (!text.isEmpty()) Announce(LabelStatus, text);
}

Command ControlsDialog::Selected() const {
    const QList<Command> commands = Bindings::Commands(m_settings.bindings.program());
    const int row = TableBindings->currentRow();
    return row >= 0 && row < commands.size() ? commands[row] : Command::None;
}

void ControlsDialog::Refill() {
    const Bindings& bindings = m_settings.bindings;
    const QList<Command> commands = Bindings::Commands(bindings.program());
    TableBindings->setRowCount(static_cast<int>(commands.size()));
    for (int row = 0; row < commands.size(); ++row) {
        const Command command = commands[row];
        const QString texts[] = {Bindings::CommandName(bindings.program(), command),
                                 ListText(bindings.KeysOf(command)), ListText(bindings.PadInputsOf(command))};
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem* item = TableBindings->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                TableBindings->setItem(row, column, item);
            }
            item->setText(texts[column]);
        }
    }
    LabelSet->setText(bindings.Set() == ControlSet::Modern ? tr("Set: Modern") : tr("Set: Classic"));
}

void ControlsDialog::StartChange() {
    StartCapture(Capture::Replace);
}

void ControlsDialog::StartAdd() {
    StartCapture(Capture::Add);
}

void ControlsDialog::keyReleaseEvent(QKeyEvent* event) {
    if (m_capture != Capture::None) {
        TakeKey(event);
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void ControlsDialog::StartCapture(Capture capture) {
    const Command command = Selected();
    if (command == Command::None) {
        SetStatus(tr("Choose a command first."));
        return;
    }
    m_capture = capture;
    m_pendingModifier = 0;
    SetStatus(tr("Press the new key or pad button for \"%1\" (Escape cancels).")
                  .arg(Bindings::CommandName(m_settings.bindings.program(), command)));
    TableBindings->setFocus();
}

bool ControlsDialog::Take(const Input& input) {
    const Command command = Selected();
    const Capture capture = m_capture;
    m_capture = Capture::None;
    Bindings& bindings = m_settings.bindings;
    QString refusal;
    if (capture == Capture::Replace) {
        refusal = bindings.Refusal(command, input);
        if (refusal.isEmpty()) {
            // The new input replaces the command's inputs of its kind: keys replace keys, buttons buttons.
            const QList<Input> old = input.IsPad() ? bindings.PadInputsOf(command) : bindings.KeysOf(command);
            for (const Input& gone : old)
                bindings.Remove(command, gone);
            refusal = bindings.Add(command, input);
        }
    } else {
        refusal = bindings.Add(command, input);
    }
    if (!refusal.isEmpty()) {
        SetStatus(refusal);
        return false;
    }
    Refill();
    SetStatus(tr("\"%1\" now answers to %2.")
                  .arg(Bindings::CommandName(bindings.program(), command), input.DisplayText()));
    return true;
}

bool ControlsDialog::TakeKey(QKeyEvent* event) {
    const int key = event->key();
    if (event->type() == QEvent::KeyRelease) {
        // A modifier pressed and let go with no other key between is the key itself (Ctrl drops).
        if (key == m_pendingModifier && !event->isAutoRepeat()) {
            m_pendingModifier = 0;
            Take(Input::Key(key));
        }
        return true;
    }
    if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_capture = Capture::None;
        m_pendingModifier = 0;
        SetStatus(tr("Nothing changed."));
        return true;
    }
    if (key == 0 || key == Qt::Key_unknown || event->isAutoRepeat()) return true;
    // A modifier may begin a combination (Ctrl+J): it counts alone only when released first.
    if (Input::IsModifierKey(key)) {
        m_pendingModifier = key;
        return true;
    }
    m_pendingModifier = 0;
    Take(Input::Key(key, static_cast<int>(event->modifiers())));
    return true;
}

bool ControlsDialog::CapturePadInput(int code) {
    if (m_capture == Capture::None) return false;
    return Take(Input::Pad(code));
}

bool ControlsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TableBindings && m_capture != Capture::None) {
        // While waiting for a key, every key is the answer: none moves the selection or presses a button.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            return TakeKey(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void ControlsDialog::keyPressEvent(QKeyEvent* event) {
    if (m_capture != Capture::None) {
        TakeKey(event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void ControlsDialog::ClearSelected() {
    const Command command = Selected();
    if (command == Command::None) {
        SetStatus(tr("Choose a command first."));
        return;
    }
    Bindings& bindings = m_settings.bindings;
    const bool pad = TableBindings->currentColumn() == kPadColumn;
    const QList<Input> inputs = pad ? bindings.PadInputsOf(command) : bindings.KeysOf(command);
    for (const Input& input : inputs)
        bindings.Remove(command, input);
    Refill();
    const QString name = Bindings::CommandName(bindings.program(), command);
    SetStatus(pad ? tr("\"%1\" has no pad button now.").arg(name) : tr("\"%1\" has no key now.").arg(name));
}

void ControlsDialog::ApplyClassic() {
    m_capture = Capture::None;
    m_settings.bindings.Apply(ControlSet::Classic);
    Refill();
    SetStatus(tr("The game's own keys."));
}

void ControlsDialog::ApplyModern() {
    m_capture = Capture::None;
    m_settings.bindings.Apply(ControlSet::Modern);
    Refill();
    SetStatus(tr("The game's keys with today's additions."));
}

}  // namespace frame
