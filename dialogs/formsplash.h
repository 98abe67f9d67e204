// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace dialogs {

// Zephlon's splash: the 344 x 134 picture, centred on the screen at start. It ends when Timer1 fires
// (3000 ms), on a key press or on a click; then it hides and shows the main window through the
// callback, exactly once.
class FormSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTimer1Interval = 3000;

    explicit FormSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    // The start routine: centre on the screen, show, and start Timer1.
    void ShowCentred();

    bool Finished() const { return m_finished; }

    QTimer Timer1;

  public slots:
    void Timer1_Timer();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Closing the splash from the window manager skips it like a key would; the program goes on.
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void EndSplash();

    std::function<void()> m_showMainWindow;
    QPixmap m_picture;
    bool m_finished = false;
};

}  // namespace dialogs
