// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>

#include "frame/keycodes.h"
#include "frame/program.h"
#include "frame/settingsstore.h"

namespace frame {

// Everything a player can tell a game with a key or a pad button. A program has only some of them
// (Commands()); each maps back to the key code or the menu command the window already has.
enum class Command : int {
    None = 0,
    Left,        // move the piece left
    Right,       // move the piece right
    Turn,        // turn the piece (Zephlon: its pipes)
    Down,        // sink one row
    Drop,        // drop
    Start,       // Enter: start a game; Zephlon also goes on after a level message and resumes
    Pause,       // pause or resume
    Replay,      // Zephlon's R: replay the level (Puzzle mode)
    Quit,        // Zephlon's Q: end the game
    Restart,     // Zephlon's S: start again at the current level
    Help,        // open the program's help
    FullScreen,  // full screen on or off
};

// Pad buttons in SDL_GameControllerButton's numbering, then stick directions and triggers, so a pad layer
// hands its events over without this header knowing SDL.
enum PadCode : int {
    kPadA = 0,
    kPadB = 1,
    kPadX = 2,
    kPadY = 3,
    kPadBack = 4,
    kPadGuide = 5,
    kPadStart = 6,
    kPadLeftStick = 7,  // the stick pressed in
    kPadRightStick = 8,
    kPadLeftShoulder = 9,
    kPadRightShoulder = 10,
    kPadDpadUp = 11,
    kPadDpadDown = 12,
    kPadDpadLeft = 13,
    kPadDpadRight = 14,
    kPadMisc1 = 15,
    kPadPaddle1 = 16,
    kPadPaddle2 = 17,
    kPadPaddle3 = 18,
    kPadPaddle4 = 19,
    kPadTouchpad = 20,
    kPadButtonCount = 21,  // SDL_CONTROLLER_BUTTON_MAX
    // A stick pushed past its dead zone, and a trigger pulled.
    kPadLeftStickLeft = 100,
    kPadLeftStickRight = 101,
    kPadLeftStickUp = 102,
    kPadLeftStickDown = 103,
    kPadRightStickLeft = 104,
    kPadRightStickRight = 105,
    kPadRightStickUp = 106,
    kPadRightStickDown = 107,
    kPadLeftTrigger = 108,
    kPadRightTrigger = 109,
};

// One key (a Qt::Key with its Qt::KeyboardModifiers) or one pad button or direction (a PadCode).
struct Input {
    enum class Kind : uint8_t { None, Key, Pad };
    Kind kind = Kind::None;
    int code = 0;       // Qt::Key, or PadCode
    int modifiers = 0;  // Qt::KeyboardModifiers of a key (keypad flag removed); 0 for a pad

    static Input Key(int qtKey, int qtModifiers = 0);
    static Input Pad(int padCode);

    bool IsNone() const { return kind == Kind::None; }
    bool IsKey() const { return kind == Kind::Key; }
    bool IsPad() const { return kind == Kind::Pad; }
    // A known pad code, or a key (a modifier key alone carries no modifiers).
    bool IsValid() const;
    // Shift, Ctrl, Alt, Meta and their kin.
    static bool IsModifierKey(int qtKey);

    // Stable, language-free text for the settings file: "Left", "Ctrl+Space", "Pad:A", "Pad:LeftStickUp".
    QString ToText() const;
    // The input of such a text; nullopt for a text that names none.
    static std::optional<Input> FromText(const QString& text);
    // The name shown to the player, translated: "Ctrl+Space", "Pad A", "Left stick up".
    QString DisplayText() const;

    friend bool operator==(const Input& a, const Input& b) {
        return a.kind == b.kind && a.code == b.code && a.modifiers == b.modifiers;
    }
    friend bool operator!=(const Input& a, const Input& b) { return !(a == b); }
    friend bool operator<(const Input& a, const Input& b) {
        if (a.kind != b.kind) return a.kind < b.kind;
        if (a.code != b.code) return a.code < b.code;
        return a.modifiers < b.modifiers;
    }
};

// The two sets a player starts from. Classic is the design's keys and rules. Modern adds the peers'
// keys (Space drops, P and Pause pause, F1 help, F11 full screen) and rules: focus loss pauses with the
// board hidden, Vantorel's pause freezes the piece and its Enter asks before abandoning a game.
enum class ControlSet : int { Classic = 0, Modern = 1 };

struct ControlSettings;

// The keys and pad buttons of one program, each input bound to at most one command. A command may
// have several inputs.
class Bindings {
  public:
    // The program's Classic set with the default pad buttons.
    explicit Bindings(Program program);

    // The program's set: its keys and the default pad buttons.
    static Bindings Defaults(Program program, ControlSet set);

    Program program() const { return m_program; }

    // The rules of the set last applied; remapping keys keeps them.
    ControlSet Set() const { return m_set; }
    bool PauseOnFocusLoss() const { return m_set == ControlSet::Modern; }
    bool FreezingPause() const { return m_set == ControlSet::Modern; }     // Vantorel
    bool AskBeforeNewGame() const { return m_set == ControlSet::Modern; }  // Vantorel's Enter
    // Replaces every binding by the set's and takes its rules.
    void Apply(ControlSet set);

    // The commands of the program, in the order the controls window lists them.
    static QList<Command> Commands(Program program);
    bool Has(Command command) const;

    // The command of a key press: the key with its modifiers, or else the key alone (Shift+Left moves
    // as Left does). Command::None for a key bound to nothing.
    Command CommandOf(int qtKey, int qtModifiers) const;
    // The command of an input as bound (exactly), Command::None for none.
    Command CommandOf(const Input& input) const;

    // The inputs of a command: keys first, in the order they were bound.
    QList<Input> InputsOf(Command command) const;
    QList<Input> KeysOf(Command command) const;
    QList<Input> PadInputsOf(Command command) const;

    // Binds `input` to `command` besides its other inputs. Returns why it was refused (an input already
    // bound to another command, a key reserved for the menus, a command the program lacks), or an empty
    // text when it was bound; nothing changes on a refusal. Binding an input again to its own command
    // is accepted and changes nothing.
    QString Add(Command command, const Input& input);
    // Replaces `old` of `command` by `input` (in its place); the same refusals as Add.
    QString Replace(Command command, const Input& old, const Input& input);
    // Unbinds `input` from `command`. Returns false when it was not bound there.
    bool Remove(Command command, const Input& input);

    // The command (of this program) `input` cannot go to, and why: empty when it may.
    QString Refusal(Command command, const Input& input) const;

    // The key code the engine's key handler takes for a command, kKeyNone for a command it has no
    // key for (Quadrelle and Vantorel pause, help and full screen go through the window's menus).
    static KeyCode EngineKeyOf(Program program, Command command);

    // A command's name in the controls window (translated).
    static QString CommandName(Program program, Command command);
    // The language-free name of a command, the key of its entry in the settings file.
    static QString CommandKey(Command command);

    friend bool operator==(const Bindings& a, const Bindings& b) {
        return a.m_program == b.m_program && a.m_set == b.m_set && a.m_inputs == b.m_inputs;
    }

  private:
    friend ControlSettings ReadControlSettings(const SettingsStore& store, Program program);

    Program m_program;
    ControlSet m_set = ControlSet::Classic;
    std::map<Command, QList<Input>> m_inputs;
};

// The settings of the controls window: the bindings, the colour-blind aid and the sound volume.
struct ControlSettings {
    explicit ControlSettings(Program program) : bindings(program) {}
    Bindings bindings;
    bool ColourAid = false;  // patterns drawn on the colours
    int Volume = 100;        // 0..100, of every sound cue; the Sound option still turns sound off
};

// The section of the settings file that holds them: "Set" (Classic or Modern), one key per command
// with its inputs as a comma-separated list ("Drop=Control,Insert,Pad:B"), "ColourAid", "Volume".
inline const QString kControlsSection = QStringLiteral("Controls");

// Reads the program's controls. Nothing stored reads as the Classic set; a command whose stored list
// cannot be read whole, or takes an input another command holds, keeps the set's inputs.
ControlSettings ReadControlSettings(const SettingsStore& store, Program program);
// Writes them. A key that is not in the file is written only when its value differs from the default,
// so the file of a player who never changes the controls stays as it was.
void WriteControlSettings(SettingsStore& store, const ControlSettings& settings);

// What the pad layer (or any other input) hands a window: run a command as its key would.
class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    // `repeat` is true for an auto-repeated press. Returns true when the command was taken.
    virtual bool RunCommand(Command command, bool repeat) = 0;
};

}  // namespace frame
