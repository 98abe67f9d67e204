// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/formsplash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "dialogs/art.h"

namespace dialogs {

FormSplash::FormSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_showMainWindow(std::move(showMainWindow)),
      m_picture(SplashPicture()) {
    setObjectName(QStringLiteral("FormSplash"));
    setWindowTitle(QStringLiteral("Zephlon"));
    setFixedSize(344, 134);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    Timer1.setInterval(kTimer1Interval);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &FormSplash::Timer1_Timer);
}

void FormSplash::ShowCentred() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    show();
    raise();
    activateWindow();
    setFocus();
    Timer1.start();
}

void FormSplash::Timer1_Timer() {
    EndSplash();
}

void FormSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    EndSplash();
}

void FormSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    EndSplash();
}

void FormSplash::closeEvent(QCloseEvent* event) {
    event->ignore();
    EndSplash();
}

void FormSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_picture.isNull()) {
        painter.fillRect(rect(), QColor(24, 24, 48));
        return;
    }
    painter.drawPixmap(rect(), m_picture);
}

void FormSplash::EndSplash() {
    // A key, a click and the timer may all arrive; only the first one opens the main window.
    Timer1.stop();
    if (m_finished) return;
    m_finished = true;
    hide();
    if (m_showMainWindow) m_showMainWindow();
}

}  // namespace dialogs
