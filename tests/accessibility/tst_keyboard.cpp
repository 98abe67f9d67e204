// SPDX-License-Identifier: GPL-3.0-or-later
// Every command is reachable by keyboard: each menu and menu entry has a mnemonic or a shortcut, every
// control of the dialogs takes the focus with Tab, and the about box's links answer Enter and Space.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "dialogs/zephlonhelp.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "web/formbrerror.h"
#include "web/formurl.h"
#include "web/formwebhighscore.h"

namespace {

bool HasMnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') return true;
            ++i;
        }
    }
    return false;
}

void MenuEntries(const QList<QAction*>& actions, const QString& where, QStringList& missing) {
    for (QAction* a : actions) {
        if (a->isSeparator()) continue;
        if (!HasMnemonic(a->text()) && a->shortcut().isEmpty())
            missing << where + QStringLiteral(" > ") + a->text();
        if (a->menu()) MenuEntries(a->menu()->actions(), where + QStringLiteral(" > ") + a->text(), missing);
    }
}

// The controls of a dialog that Tab does not reach.
QStringList Unreachable(QWidget* dialog, const QString& where) {
    QStringList missing;
    QList<QWidget*> controls;
    for (auto* w : dialog->findChildren<QAbstractButton*>())
        controls << w;
    for (auto* w : dialog->findChildren<QLineEdit*>())
        controls << w;
    for (auto* w : dialog->findChildren<QComboBox*>())
        controls << w;
    for (auto* w : dialog->findChildren<dialogs::ClickLabel*>()) {
        if (w->cursor().shape() == Qt::PointingHandCursor) controls << w;  // the ones made links
    }
    for (QWidget* w : controls) {
        if (!(w->focusPolicy() & Qt::TabFocus)) missing << where + u'/' + w->objectName();
    }
    return missing;
}

}  // namespace

class Keyboard : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;

  private slots:
    void reachable_data() {
        QTest::addColumn<frame::Program>("program");
        QTest::newRow("Zephlon") << frame::Program::Zephlon;
        QTest::newRow("Quadrelle") << frame::Program::Quadrelle;
        QTest::newRow("Vantorel") << frame::Program::Vantorel;
    }
    void reachable() {
        QFETCH(frame::Program, program);
        auto opened = testsupport::ProgramWindow::Open(program);
        QMainWindow& window = opened->Window();
        QStringList missing;
        MenuEntries(window.menuBar()->actions(), QStringLiteral("menu"), missing);

        dialogs::FormAbout about(program, &window);
        missing << Unreachable(&about, QStringLiteral("about"));
        web::FormURL single(program, &window);
        missing << Unreachable(&single, QStringLiteral("upload prompt"));
        web::FormURL2 plural(program, &window);
        missing << Unreachable(&plural, QStringLiteral("upload prompt (plural)"));
        missing << Unreachable(&opened->Scores().Dialog(), QStringLiteral("top ten"));
        if (program == frame::Program::Zephlon) {
            dialogs::zephlon::FormKeyControl keys(&window);
            missing << Unreachable(&keys, QStringLiteral("help page"));
            QString server = QStringLiteral("scores.example.org/arcade");
            web::zephlon::FormWebHighscore serverDialog(server, &window);
            missing << Unreachable(&serverDialog, QStringLiteral("score server"));
            web::FormBrError error(&window);
            missing << Unreachable(&error, QStringLiteral("browser error"));
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    // The about box's site and mail links open with Space and Enter once Tab has reached them.
    void aboutLinks() {
        QWidget main;
        dialogs::FormAbout about(frame::Program::Zephlon, &main);
        QStringList opened;
        about.SetDocOpener([&opened](const QString& doc, bool) {
            opened << doc;
            return 0;
        });
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.LabelBW->setFocus();
        QTest::keyClick(about.LabelBW, Qt::Key_Space);
        about.LabelEmail->setFocus();
        QTest::keyClick(about.LabelEmail, Qt::Key_Return);
        QCOMPARE(opened, (QStringList{"https://www.example.org/quillbyte", "mailto:games@example.org"}));
    }
};

ARCADE_TEST_MAIN(Keyboard)
#include "tst_keyboard.moc"
