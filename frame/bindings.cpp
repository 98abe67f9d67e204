// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/bindings.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMetaEnum>
#include <QStringList>
#include <algorithm>

namespace frame {

namespace {

constexpr int kModifierMask = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsModifierKeyCode(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

struct PadName {
    int code;
    const char* key;  // in the settings file, after "Pad:"
};

// The stored names of the pad inputs, as SDL names its buttons.
const PadName kPadNames[] = {
    {kPadA, "A"},
    {kPadB, "B"},
    {kPadX, "X"},
    {kPadY, "Y"},
    {kPadBack, "Back"},
    {kPadGuide, "Guide"},
    {kPadStart, "Start"},
    {kPadLeftStick, "LeftStick"},
    {kPadRightStick, "RightStick"},
    {kPadLeftShoulder, "LeftShoulder"},
    {kPadRightShoulder, "RightShoulder"},
    {kPadDpadUp, "DpadUp"},
    {kPadDpadDown, "DpadDown"},
    {kPadDpadLeft, "DpadLeft"},
    {kPadDpadRight, "DpadRight"},
    {kPadMisc1, "Misc1"},
    {kPadPaddle1, "Paddle1"},
    {kPadPaddle2, "Paddle2"},
    {kPadPaddle3, "Paddle3"},
    {kPadPaddle4, "Paddle4"},
    {kPadTouchpad, "Touchpad"},
    {kPadLeftStickLeft, "LeftStickLeft"},
    {kPadLeftStickRight, "LeftStickRight"},
    {kPadLeftStickUp, "LeftStickUp"},
    {kPadLeftStickDown, "LeftStickDown"},
    {kPadRightStickLeft, "RightStickLeft"},
    {kPadRightStickRight, "RightStickRight"},
    {kPadRightStickUp, "RightStickUp"},
    {kPadRightStickDown, "RightStickDown"},
    {kPadLeftTrigger, "LeftTrigger"},
    {kPadRightTrigger, "RightTrigger"},
};

const char* PadKey(int code) {
    for (const PadName& name : kPadNames)
        if (name.code == code) return name.key;
    return nullptr;
}

struct CommandInfo {
    Command command;
    const char* key;
};

const CommandInfo kCommandKeys[] = {
    {Command::Left, "Left"},       {Command::Right, "Right"},   {Command::Turn, "Turn"},
    {Command::Down, "Down"},       {Command::Drop, "Drop"},     {Command::Start, "Start"},
    {Command::Pause, "Pause"},     {Command::Replay, "Replay"}, {Command::Quit, "Quit"},
    {Command::Restart, "Restart"}, {Command::Help, "Help"},     {Command::FullScreen, "FullScreen"},
};

QString ModifierText(int modifiers) {
    QString text;
    if (modifiers & Qt::ControlModifier) text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::AltModifier) text += QStringLiteral("Alt+");
    if (modifiers & Qt::ShiftModifier) text += QStringLiteral("Shift+");
    if (modifiers & Qt::MetaModifier) text += QStringLiteral("Meta+");
    return text;
}

}  // namespace

// ---- Input ----

Input Input::Key(int qtKey, int qtModifiers) {
    Input input;
    input.kind = Kind::Key;
    input.code = qtKey;
    // A modifier pressed alone is the key itself, whatever flags came with it.
    input.modifiers = IsModifierKeyCode(qtKey) ? 0 : (qtModifiers & kModifierMask);
    return input;
}

bool Input::IsModifierKey(int qtKey) {
    return IsModifierKeyCode(qtKey);
}

Input Input::Pad(int padCode) {
    Input input;
    input.kind = Kind::Pad;
    input.code = padCode;
    return input;
}

bool Input::IsValid() const {
    switch (kind) {
        case Kind::None:
            return false;
        case Kind::Pad:
            return PadKey(code) != nullptr && modifiers == 0;
        case Kind::Key:
            return code != 0 && code != Qt::Key_unknown && (modifiers & ~kModifierMask) == 0 &&
                   QMetaEnum::fromType<Qt::Key>().valueToKey(code) != nullptr;
    }
    return false;
}

QString Input::ToText() const {
    if (!IsValid()) return QString();
    if (kind == Kind::Pad) return QStringLiteral("Pad:") + QLatin1String(PadKey(code));
    const QString name = QString::fromLatin1(QMetaEnum::fromType<Qt::Key>().valueToKey(code));
    return ModifierText(modifiers) + name.mid(4);  // without "Key_"
}

std::optional<Input> Input::FromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QStringLiteral("Pad:"), Qt::CaseInsensitive)) {
        const QString name = trimmed.mid(4);
        for (const PadName& pad : kPadNames)
            if (name.compare(QLatin1String(pad.key), Qt::CaseInsensitive) == 0) return Pad(pad.code);
        return std::nullopt;
    }
    QStringList parts = trimmed.split(QLatin1Char('+'));
    // "Ctrl++" names Ctrl and the plus key.
    if (trimmed.endsWith(QStringLiteral("++"))) {
        parts.removeLast();
        parts.last() = QStringLiteral("Plus");
    }
    if (parts.isEmpty() || parts.last().isEmpty()) return std::nullopt;
    int modifiers = 0;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QString part = parts[i].trimmed().toLower();
        int flag = 0;
        if (part == QLatin1String("ctrl")) flag = Qt::ControlModifier;
        if (part == QLatin1String("alt")) flag = Qt::AltModifier;
        if (part == QLatin1String("shift")) flag = Qt::ShiftModifier;
        if (part == QLatin1String("meta")) flag = Qt::MetaModifier;
        if (flag == 0 || (modifiers & flag)) return std::nullopt;
        modifiers |= flag;
    }
    const QByteArray name = "Key_" + parts.last().trimmed().toLatin1();
    bool ok = false;
    const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(name.constData(), &ok);
    if (!ok) return std::nullopt;
    const Input input = Key(key, modifiers);
    if (!input.IsValid()) return std::nullopt;
    return input;
}

QString Input::DisplayText() const {
    if (kind == Kind::Key) {
        if (!IsValid()) return QString();
        return QKeySequence(QKeyCombination(Qt::KeyboardModifiers(modifiers), Qt::Key(code)))
            .toString(QKeySequence::NativeText);
    }
    if (kind != Kind::Pad) return QString();
    switch (code) {
        case kPadDpadUp:
            return QCoreApplication::translate("frame::Bindings", "Pad up");
        case kPadDpadDown:
            return QCoreApplication::translate("frame::Bindings", "Pad down");
        case kPadDpadLeft:
            return QCoreApplication::translate("frame::Bindings", "Pad left");
        case kPadDpadRight:
            return QCoreApplication::translate("frame::Bindings", "Pad right");
        case kPadLeftStickLeft:
            return QCoreApplication::translate("frame::Bindings", "Left stick left");
        case kPadLeftStickRight:
            return QCoreApplication::translate("frame::Bindings", "Left stick right");
        case kPadLeftStickUp:
            return QCoreApplication::translate("frame::Bindings", "Left stick up");
        case kPadLeftStickDown:
            return QCoreApplication::translate("frame::Bindings", "Left stick down");
        case kPadRightStickLeft:
            return QCoreApplication::translate("frame::Bindings", "Right stick left");
        case kPadRightStickRight:
            return QCoreApplication::translate("frame::Bindings", "Right stick right");
        case kPadRightStickUp:
            return QCoreApplication::translate("frame::Bindings", "Right stick up");
        case kPadRightStickDown:
            return QCoreApplication::translate("frame::Bindings", "Right stick down");
        default:
            break;
    }
    // The other buttons by the labels pads print on them.
    static const std::map<int, const char*> kLabels = {
        {kPadA, "A"},
        {kPadB, "B"},
        {kPadX, "X"},
        {kPadY, "Y"},
        {kPadBack, "Back"},
        {kPadGuide, "Guide"},
        {kPadStart, "Start"},
        {kPadLeftStick, "L3"},
        {kPadRightStick, "R3"},
        {kPadLeftShoulder, "LB"},
        {kPadRightShoulder, "RB"},
        {kPadMisc1, "Misc"},
        {kPadPaddle1, "P1"},
        {kPadPaddle2, "P2"},
        {kPadPaddle3, "P3"},
        {kPadPaddle4, "P4"},
        {kPadTouchpad, "Touchpad"},
        {kPadLeftTrigger, "LT"},
        {kPadRightTrigger, "RT"},
    };
    const auto label = kLabels.find(code);
    if (label == kLabels.end()) return QString();
    //: A pad button by the label printed on it: "Pad A", "Pad LB".
    return QCoreApplication::translate("frame::Bindings", "Pad %1").arg(QLatin1String(label->second));
}

// ---- Bindings ----

Bindings::Bindings(Program program) : m_program(program) {
    Apply(ControlSet::Classic);
}

Bindings Bindings::Defaults(Program program, ControlSet set) {
    Bindings bindings(program);
    bindings.Apply(set);
    return bindings;
}

void Bindings::Apply(ControlSet set) {
    m_set = set;
    m_inputs.clear();
    auto key = [this](Command command, int qtKey) { m_inputs[command].append(Input::Key(qtKey)); };
    auto pad = [this](Command command, int code) { m_inputs[command].append(Input::Pad(code)); };
    // The design's keys.
    key(Command::Left, Qt::Key_Left);
    key(Command::Right, Qt::Key_Right);
    key(Command::Turn, Qt::Key_Up);
    key(Command::Down, Qt::Key_Down);
    key(Command::Drop, Qt::Key_Control);
    key(Command::Drop, Qt::Key_Insert);
    key(Command::Start, Qt::Key_Return);
    key(Command::Start, Qt::Key_Enter);
    if (m_program == Program::Zephlon) {
        key(Command::Pause, Qt::Key_P);
        key(Command::Replay, Qt::Key_R);
        key(Command::Quit, Qt::Key_Q);
        key(Command::Restart, Qt::Key_S);
    }
    if (set == ControlSet::Modern) {
        key(Command::Drop, Qt::Key_Space);
        if (m_program != Program::Zephlon) key(Command::Pause, Qt::Key_P);
        key(Command::Pause, Qt::Key_Pause);
        key(Command::Help, Qt::Key_F1);
        key(Command::FullScreen, Qt::Key_F11);
    }
    // The pad: d-pad and left stick move (up turns, as the Up key does), A turns, B drops, Y and Back
    // pause, Start starts.
    pad(Command::Left, kPadDpadLeft);
    pad(Command::Left, kPadLeftStickLeft);
    pad(Command::Right, kPadDpadRight);
    pad(Command::Right, kPadLeftStickRight);
    pad(Command::Turn, kPadA);
    pad(Command::Turn, kPadDpadUp);
    pad(Command::Turn, kPadLeftStickUp);
    pad(Command::Down, kPadDpadDown);
    pad(Command::Down, kPadLeftStickDown);
    pad(Command::Drop, kPadB);
    pad(Command::Start, kPadStart);
    pad(Command::Pause, kPadY);
    pad(Command::Pause, kPadBack);
}

QList<Command> Bindings::Commands(Program program) {
    QList<Command> commands = {Command::Left, Command::Right, Command::Turn, Command::Down,
                               Command::Drop, Command::Start, Command::Pause};
    if (program == Program::Zephlon) commands << Command::Replay << Command::Quit << Command::Restart;
    commands << Command::Help << Command::FullScreen;
    return commands;
}

bool Bindings::Has(Command command) const {
    return Commands(m_program).contains(command);
}

Command Bindings::CommandOf(const Input& input) const {
    for (const auto& [command, inputs] : m_inputs)
        if (inputs.contains(input)) return command;
    return Command::None;
}

Command Bindings::CommandOf(int qtKey, int qtModifiers) const {
    const Command exact = CommandOf(Input::Key(qtKey, qtModifiers));
    if (exact != Command::None) return exact;
    return CommandOf(Input::Key(qtKey));
}

QList<Input> Bindings::InputsOf(Command command) const {
    return KeysOf(command) + PadInputsOf(command);
}

QList<Input> Bindings::KeysOf(Command command) const {
    QList<Input> keys;
    if (const auto it = m_inputs.find(command); it != m_inputs.end())
        for (const Input& input : it->second)
            if (input.IsKey()) keys.append(input);
    return keys;
}

QList<Input> Bindings::PadInputsOf(Command command) const {
    QList<Input> pads;
    if (const auto it = m_inputs.find(command); it != m_inputs.end())
        for (const Input& input : it->second)
            if (input.IsPad()) pads.append(input);
    return pads;
}

QString Bindings::Refusal(Command command, const Input& input) const {
    if (!Has(command))
        return QCoreApplication::translate("frame::Bindings", "This game has no such command.");
    if (!input.IsValid()) return QCoreApplication::translate("frame::Bindings", "This key cannot be used.");
    if (input.IsKey()) {
        // Escape closes windows and cancels; Alt and its combinations open the menus; Tab moves the focus.
        if (input.code == Qt::Key_Escape)
            return QCoreApplication::translate("frame::Bindings",
                                               "Escape cannot be used: it closes windows.");
        if (input.code == Qt::Key_Alt || input.code == Qt::Key_AltGr || (input.modifiers & Qt::AltModifier))
            return QCoreApplication::translate("frame::Bindings", "%1 cannot be used: Alt opens the menus.")
                .arg(input.DisplayText());
        if (input.code == Qt::Key_Tab || input.code == Qt::Key_Backtab)
            return QCoreApplication::translate("frame::Bindings",
                                               "%1 cannot be used: it moves between controls.")
                .arg(input.DisplayText());
    }
    const Command other = CommandOf(input);
    if (other != Command::None && other != command)
        return QCoreApplication::translate("frame::Bindings", "%1 is already used for \"%2\".")
            .arg(input.DisplayText(), CommandName(m_program, other));
    if (input.IsKey()) {
        // A combination begins with its modifier pressed alone: a modifier bound alone would act first.
        static const std::pair<int, int> kModifierKeys[] = {{Qt::ShiftModifier, Qt::Key_Shift},
                                                            {Qt::ControlModifier, Qt::Key_Control},
                                                            {Qt::MetaModifier, Qt::Key_Meta}};
        for (const auto& [flag, key] : kModifierKeys) {
            const Input alone = Input::Key(key);
            Command bound = Command::None;
            if (input.modifiers & flag) bound = CommandOf(alone);
            if (bound != Command::None)
                return QCoreApplication::translate("frame::Bindings",
                                                   "%1 cannot be used: %2 alone is already used for \"%3\".")
                    .arg(input.DisplayText(), alone.DisplayText(), CommandName(m_program, bound));
            if (input == alone)
                for (const auto& [bound2, inputs] : m_inputs)
                    for (const Input& held : inputs)
                        if (held.IsKey() && (held.modifiers & flag))
                            return QCoreApplication::translate(
                                       "frame::Bindings",
                                       "%1 cannot be used alone: %2 is already used for \"%3\".")
                                .arg(input.DisplayText(), held.DisplayText(), CommandName(m_program, bound2));
        }
    }
    return QString();
}

QString Bindings::Add(Command command, const Input& input) {
    QString refusal = Refusal(command, input);
    if (!refusal.isEmpty()) return refusal;
    QList<Input>& inputs = m_inputs[command];
    if (!inputs.contains(input)) inputs.append(input);
    return QString();
}

QString Bindings::Replace(Command command, const Input& old, const Input& input) {
    QString refusal = Refusal(command, input);
    if (!refusal.isEmpty()) return refusal;
    QList<Input>& inputs = m_inputs[command];
    const qsizetype at = inputs.indexOf(old);
    if (old == input) return QString();
    if (inputs.contains(input)) {
        // Already there: the old one simply goes.
        if (at >= 0) inputs.removeAt(at);
    } else if (at >= 0) {
        inputs[at] = input;
    } else {
        inputs.append(input);
    }
    return QString();
}

bool Bindings::Remove(Command command, const Input& input) {
    const auto it = m_inputs.find(command);
    return it != m_inputs.end() && it->second.removeOne(input);
}

KeyCode Bindings::EngineKeyOf(Program program, Command command) {
    switch (command) {
        case Command::Left:
            return kKeyLeft;
        case Command::Right:
            return kKeyRight;
        case Command::Turn:
            return kKeyUp;
        case Command::Down:
            return kKeyDown;
        case Command::Drop:
            return kKeyCtrl;
        case Command::Start:
            return kKeyEnter;
        case Command::Pause:
            return program == Program::Zephlon ? kKeyP : kKeyNone;
        case Command::Replay:
            return program == Program::Zephlon ? kKeyR : kKeyNone;
        case Command::Quit:
            return program == Program::Zephlon ? kKeyQ : kKeyNone;
        case Command::Restart:
            return program == Program::Zephlon ? kKeyS : kKeyNone;
        case Command::None:
        case Command::Help:
        case Command::FullScreen:
            return kKeyNone;
    }
    return kKeyNone;
}

QString Bindings::CommandName(Program program, Command command) {
    switch (command) {
        case Command::Left:
            return QCoreApplication::translate("frame::Bindings", "Move left");
        case Command::Right:
            return QCoreApplication::translate("frame::Bindings", "Move right");
        case Command::Turn:
            return program == Program::Zephlon
                       ? QCoreApplication::translate("frame::Bindings", "Turn the pipes")
                       : QCoreApplication::translate("frame::Bindings", "Turn");
        case Command::Down:
            return QCoreApplication::translate("frame::Bindings", "Sink one row");
        case Command::Drop:
            return QCoreApplication::translate("frame::Bindings", "Drop");
        case Command::Start:
            return program == Program::Zephlon
                       ? QCoreApplication::translate("frame::Bindings", "Start, go on, resume")
                       : QCoreApplication::translate("frame::Bindings", "New game");
        case Command::Pause:
            return QCoreApplication::translate("frame::Bindings", "Pause or resume");
        case Command::Replay:
            return QCoreApplication::translate("frame::Bindings", "Replay the level");
        case Command::Quit:
            return QCoreApplication::translate("frame::Bindings", "End the game");
        case Command::Restart:
            return QCoreApplication::translate("frame::Bindings", "Start again at the current level");
        case Command::Help:
            return QCoreApplication::translate("frame::Bindings", "Help");
        case Command::FullScreen:
            return QCoreApplication::translate("frame::Bindings", "Full screen");
        case Command::None:
            break;
    }
    return QString();
}

QString Bindings::CommandKey(Command command) {
    for (const CommandInfo& info : kCommandKeys)
        if (info.command == command) return QLatin1String(info.key);
    return QString();
}

// ---- Settings ----

namespace {

const QString kSetKey = QStringLiteral("Set");
const QString kColourAidKey = QStringLiteral("ColourAid");
const QString kVolumeKey = QStringLiteral("Volume");

QString SetText(ControlSet set) {
    return set == ControlSet::Modern ? QStringLiteral("Modern") : QStringLiteral("Classic");
}

QString InputsText(const QList<Input>& inputs) {
    QStringList texts;
    for (const Input& input : inputs)
        texts.append(input.ToText());
    return texts.join(QLatin1Char(','));
}

// Writes `value` unless the file lacks the key and the value is its default.
void WriteUnlessDefault(SettingsStore& store, const QString& key, const QString& value,
                        const QString& defaultValue) {
    static const QString kAbsent = QStringLiteral("\x01");
    const QString stored = store.ReadSetting(kControlsSection, key, kAbsent);
    if (stored == kAbsent && value == defaultValue) return;
    if (stored == value) return;
    store.WriteSetting(kControlsSection, key, value);
}

}  // namespace

ControlSettings ReadControlSettings(const SettingsStore& store, Program program) {
    ControlSettings settings(program);
    const QString setText = store.ReadSetting(kControlsSection, kSetKey, QString()).trimmed();
    const ControlSet set = setText.compare(QStringLiteral("Modern"), Qt::CaseInsensitive) == 0
                               ? ControlSet::Modern
                               : ControlSet::Classic;
    Bindings& bindings = settings.bindings;
    bindings.Apply(set);
    const Bindings defaults = bindings;
    // The stored lists, each read whole or not at all.
    std::map<Command, QList<Input>> stored;
    for (Command command : Bindings::Commands(program)) {
        static const QString kAbsent = QStringLiteral("\x01");
        const QString text = store.ReadSetting(kControlsSection, Bindings::CommandKey(command), kAbsent);
        if (text == kAbsent) continue;
        QList<Input> inputs;
        bool whole = true;
        for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const std::optional<Input> input = Input::FromText(part);
            if (!input) {
                whole = false;
                break;
            }
            inputs.append(*input);
        }
        if (whole) stored[command] = inputs;
    }
    // The commands not stored keep the set's inputs; a stored list joins them only when it takes none of
    // the inputs already bound, and otherwise the command keeps the set's inputs that are still free.
    Bindings read(program);
    read.m_set = set;
    read.m_inputs.clear();
    for (Command command : Bindings::Commands(program))
        if (!stored.count(command))
            for (const Input& input : defaults.InputsOf(command))
                read.Add(command, input);
    for (const auto& [command, inputs] : stored) {
        Bindings trial = read;
        bool fits = true;
        for (const Input& input : inputs)
            if (!trial.Add(command, input).isEmpty()) fits = false;
        if (fits) {
            read = trial;
            read.m_inputs[command];  // an empty stored list unbinds the command
        } else {
            for (const Input& input : defaults.InputsOf(command))
                read.Add(command, input);
        }
    }
    bindings = read;
    settings.ColourAid = store.ReadFlag(kControlsSection, kColourAidKey, false);
    settings.Volume = store.ReadInt32(kControlsSection, kVolumeKey, 100, 0, 100);
    return settings;
}

void WriteControlSettings(SettingsStore& store, const ControlSettings& settings) {
    const Bindings& bindings = settings.bindings;
    const Bindings defaults = Bindings::Defaults(bindings.program(), bindings.Set());
    WriteUnlessDefault(store, kSetKey, SetText(bindings.Set()), SetText(ControlSet::Classic));
    for (Command command : Bindings::Commands(bindings.program())) {
        // The default of a command's key is the set's list: only a remapped command needs a line.
        WriteUnlessDefault(store, Bindings::CommandKey(command), InputsText(bindings.InputsOf(command)),
                           InputsText(defaults.InputsOf(command)));
    }
    WriteUnlessDefault(store, kColourAidKey,
                       settings.ColourAid ? QStringLiteral("Yes") : QStringLiteral("No"),
                       QStringLiteral("No"));
    WriteUnlessDefault(store, kVolumeKey, QString::number(settings.Volume), QStringLiteral("100"));
}

}  // namespace frame
