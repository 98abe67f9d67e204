// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "frame/bindings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QTableWidget;

namespace frame {

// The "Controls" window of every program: each command with its keys and pad buttons, changed by
// choosing "Change" (or "Add") and pressing the new key or button; the Classic and Modern sets; the
// colour-blind aid; the volume. It works on a copy: OK hands the result to Result(), Cancel drops it.
class ControlsDialog : public QDialog {
    Q_OBJECT
  public:
    ControlsDialog(const ControlSettings& settings, QWidget* parent = nullptr);

    // The settings as the window shows them now.
    const ControlSettings& Result() const { return m_settings; }

    // The table's row of a command, -1 when the program lacks it.
    int RowOf(Command command) const;
    // The line that tells what to press, and why a key was refused.
    QString StatusText() const;
    bool Capturing() const { return m_capture != Capture::None; }

    QTableWidget* TableBindings = nullptr;
    QPushButton* CommandChange = nullptr;
    QPushButton* CommandAdd = nullptr;
    QPushButton* CommandClear = nullptr;
    QPushButton* CommandClassic = nullptr;
    QPushButton* CommandModern = nullptr;
    QCheckBox* CheckColourAid = nullptr;
    QSlider* SliderVolume = nullptr;
    QLabel* LabelStatus = nullptr;
    QLabel* LabelSet = nullptr;

  public slots:
    // Waits for the key or pad button that replaces the chosen command's (Change) or joins them (Add).
    void StartChange();
    void StartAdd();
    // Unbinds the chosen command's keys (the pad buttons when the pad column is chosen).
    void ClearSelected();
    void ApplyClassic();
    void ApplyModern();
    // A pad button or direction, from the pad layer: taken as the new input while waiting for one.
    // Returns whether it was taken.
    bool CapturePadInput(int code);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    enum class Capture { None, Replace, Add };

    void StartCapture(Capture capture);
    // Takes a pressed input for the chosen command; true when it was bound.
    bool Take(const Input& input);
    bool TakeKey(QKeyEvent* event);
    void Refill();
    Command Selected() const;
    void SetStatus(const QString& text);

    ControlSettings m_settings;
    Capture m_capture = Capture::None;
    int m_pendingModifier = 0;  // a modifier key pressed while waiting, not yet part of a combination
};

}  // namespace frame
