// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the three programs show goes through a translation call: under a pseudo-translation that marks
// each text « », no window, menu, dialog, message or question shows a line without the marks, except the
// names of the games and the studio, numbers and addresses.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QtTest>

#include "dialogs/dialoglook.h"
#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "dialogs/zephlonhelp.h"
#include "frame/controlsdialog.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "web/formbrerror.h"
#include "web/formurl.h"
#include "web/formwebhighscore.h"
#include "web/formwebhighscorequadrelle.h"
#include "web/webquadrelle.h"

namespace {

// A line that needs no translation: only fixed names, numbers, addresses and signs.
bool Untranslatable(const QString& line) {
    static const QRegularExpression fixed(QStringLiteral(
        "(?i)zephlon|quadrelle|vantorel|quillbyte|https?://\\S+|www\\.\\S+|\\S+@\\S+|[^\\p{L}]"));
    QString rest = line;
    rest.remove(fixed);
    return rest.isEmpty();
}

class TextWalk {
  public:
    void Text(const QString& where, const QString& text) {
        if (text.isEmpty()) return;
        const QString plain =
            Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
        static const QRegularExpression lineBreak(QStringLiteral("[\r\n]+"));
        for (const QString& line : plain.split(lineBreak, Qt::SkipEmptyParts)) {
            if (!line.contains(u'\u00ab') && !Untranslatable(line))
                misses << where + QStringLiteral(": ") + line;
        }
    }
    void Actions(const QList<QAction*>& actions, const QString& where) {
        for (QAction* a : actions) {
            if (a->isSeparator()) continue;
            Text(where + QStringLiteral(" action"), a->text());
            if (a->menu()) Actions(a->menu()->actions(), where + QStringLiteral(" > ") + a->text());
        }
    }
    // Every text of a window and its children: title, labels, buttons, lists and menus.
    void Window(QWidget* root, const QString& where) {
        Text(where + QStringLiteral(" title"), root->windowTitle());
        const auto name = [&where](QObject* o) { return where + u'/' + o->objectName(); };
        for (QLabel* l : root->findChildren<QLabel*>())
            Text(name(l), l->text());
        for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
            Text(name(b), b->text());
        for (QComboBox* c : root->findChildren<QComboBox*>()) {
            for (int i = 0; i < c->count(); ++i)
                Text(name(c), c->itemText(i));
        }
        for (QMenuBar* bar : root->findChildren<QMenuBar*>())
            Actions(bar->actions(), where);
        for (QWidget* w : root->findChildren<QWidget*>()) {
            Text(name(w) + QStringLiteral(" tip"), w->toolTip());
            Text(name(w) + QStringLiteral(" accessible name"), w->accessibleName());
            Text(name(w) + QStringLiteral(" accessible description"), w->accessibleDescription());
        }
    }
    QStringList misses;
};

}  // namespace

class PseudoTranslation : public QObject {
    Q_OBJECT

    QTranslator m_pseudo;
    testsupport::TempSettings m_settings;
    QStringList m_modalMisses;

  private slots:
    void initTestCase() {
        QVERIFY2(m_pseudo.load(QStringLiteral(ARCADE_PSEUDO_CATALOGUE)), ARCADE_PSEUDO_CATALOGUE);
        QVERIFY(QCoreApplication::installTranslator(&m_pseudo));
        // The first game's help pages open modal: their texts are read, and they close at once.
        dialogs::SetModalRunner([this](QDialog* dialog) {
            TextWalk walk;
            walk.Window(dialog, dialog->objectName());
            m_modalMisses << walk.misses;
            return int(QDialog::Rejected);
        });
    }

    void mainWindows_data() {
        QTest::addColumn<frame::Program>("program");
        QTest::newRow("Zephlon") << frame::Program::Zephlon;
        QTest::newRow("Quadrelle") << frame::Program::Quadrelle;
        QTest::newRow("Vantorel") << frame::Program::Vantorel;
    }
    // The window at rest, in a game, paused and after "Game Over", with its menus and questions.
    void mainWindows() {
        QFETCH(frame::Program, program);
        auto opened = testsupport::ProgramWindow::Open(program);
        QMainWindow& window = opened->Window();
        TextWalk walk;
        QStringList questions;
        const auto ask = [&questions](const QString& question) {
            questions << question;
            return false;
        };
        QAction* pause = nullptr;
        QLabel* message = nullptr;
        switch (program) {
            case frame::Program::Zephlon: {
                auto& w = static_cast<testsupport::ZephlonWindow&>(*opened).w;
                w.SetAsker(ask);
                pause = w.MenuPause;
                message = w.LabelMessage;
                w.MenuOriginal->trigger();
                break;
            }
            case frame::Program::Quadrelle: {
                auto& w = static_cast<testsupport::QuadrelleWindow&>(*opened).w;
                w.SetAsker([ask](const QString& title, const QString& question) {
                    return ask(title) || ask(question);
                });
                pause = w.MenuPause;
                message = w.LabelMessage;
                break;
            }
            case frame::Program::Vantorel: {
                auto& w = static_cast<testsupport::VantorelWindow&>(*opened).w;
                pause = w.MenuPause;
                message = w.LabelMessage;
                break;
            }
        }
        opened->Scores().hooks.askYesNo = ask;
        walk.Window(&window, QStringLiteral("at rest"));

        QVERIFY(opened->Activate());
        opened->FinishGame(0);
        walk.Window(&window, QStringLiteral("game over"));
        QVERIFY2(message->text().contains(u'\u00ab'), qPrintable(message->text()));
        opened->StartAction()->trigger();
        walk.Window(&window, QStringLiteral("playing"));
        pause->trigger();
        walk.Window(&window, QStringLiteral("paused"));
        QVERIFY2(message->text().contains(u'\u00ab'), qPrintable(message->text()));
        pause->trigger();
        opened->StartAction()->trigger();  // in a game, a program that asks before a new game asks here

        opened->Scores().ClearHighscores();
        for (const QString& q : questions)
            walk.Text(QStringLiteral("question"), q);
        QVERIFY(!questions.isEmpty());

        scores::FormTopTen& topTen = opened->Scores().Dialog();
        for (int list = 0; list < (program == frame::Program::Zephlon ? 2 : 1); ++list) {
            topTen.ShowList(opened->Scores().Table(), list);
            walk.Window(&topTen, QStringLiteral("top ten"));
        }
        dialogs::FormAbout about(program, &window);
        walk.Window(&about, QStringLiteral("about"));
        web::FormURL single(program, &window);
        walk.Window(&single, QStringLiteral("upload prompt"));
        web::FormURL2 plural(program, &window);
        walk.Window(&plural, QStringLiteral("upload prompt (plural)"));
        frame::ControlsDialog controls(opened->Controls().Settings(), &window);
        walk.Window(&controls, QStringLiteral("controls"));
        for (int row = 0; row < controls.TableBindings->rowCount(); ++row)
            walk.Text(QStringLiteral("controls command"), controls.TableBindings->item(row, 0)->text());
        controls.CommandModern->click();
        walk.Text(QStringLiteral("controls set"), controls.StatusText());
        walk.Text(
            QStringLiteral("controls refusal"),
            opened->Controls().bindings().Refusal(frame::Command::Drop, frame::Input::Key(Qt::Key_Left)));
        walk.Text(QStringLiteral("pad button"), frame::Input::Pad(frame::kPadA).DisplayText());
        walk.Text(QStringLiteral("pad direction"), frame::Input::Pad(frame::kPadLeftStickUp).DisplayText());
        if (program == frame::Program::Zephlon) {
            dialogs::zephlon::FormInstructions instructions(&window);
            walk.Window(&instructions, QStringLiteral("game play"));
            dialogs::zephlon::FormKeyControl keys(&window);
            walk.Window(&keys, QStringLiteral("key control"));
            dialogs::zephlon::FormScoring scoring(&window);
            walk.Window(&scoring, QStringLiteral("scoring"));
        } else {
            dialogs::FormInstructions instructions(program, &window);
            walk.Window(&instructions, QStringLiteral("instructions"));
        }
        QVERIFY2(walk.misses.isEmpty(), qPrintable(walk.misses.join(u'\n')));
    }

    // Zephlon's puzzle level waits behind its message, under either control.
    void zephlonLevelMessage_data() {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("keyboard") << false;
        QTest::newRow("mouse") << true;
    }
    void zephlonLevelMessage() {
        QFETCH(bool, mouse);
        // A random source that lets the puzzle's garbage be drawn.
        FormZephlon w(nullptr, frame::RandomSource([] { return 0.9; }),
                      std::make_unique<frame::SilentCueBackend>());
        if (mouse) w.MenuMouse->trigger();
        w.MenuPuzzle->trigger();
        w.StartOriginal->trigger();
        for (int tick = 0; tick < 500 && w.Engine().Context().gameState != zephlon::GameState::WaitStart;
             ++tick)
            w.Engine().TimerHandler();
        QCOMPARE(w.Engine().Context().gameState, zephlon::GameState::WaitStart);
        TextWalk walk;
        walk.Text(QStringLiteral("level message"), w.LabelMessage->text());
        QVERIFY2(walk.misses.isEmpty(), qPrintable(walk.misses.join(u'\n')));
    }

    void cleanupTestCase() {
        dialogs::SetModalRunner({});
        QVERIFY2(m_modalMisses.isEmpty(), qPrintable(m_modalMisses.join(u'\n')));
    }

    // The web dialogs the programs share.
    void webDialogs() {
        QWidget main;
        TextWalk walk;
        web::FormBrError error(&main);
        walk.Window(&error, QStringLiteral("browser error"));
        QString server = QStringLiteral("scores.example.org/arcade");
        web::zephlon::FormWebHighscore zephlon(server, &main);
        walk.Window(&zephlon, QStringLiteral("score server"));
        web::quadrelle::FormWebHighscore quadrelle(
            server, [] { return 0.5; }, {}, &main);
        walk.Window(&quadrelle, QStringLiteral("global lists"));
        walk.Text(QStringLiteral("browser missing"), web::QuadrelleWeb::InstallMessage());
        walk.Text(QStringLiteral("upload request"), web::UrlPrompt::PromptText());
        QVERIFY2(walk.misses.isEmpty(), qPrintable(walk.misses.join(u'\n')));
    }
};

ARCADE_TEST_MAIN(PseudoTranslation)
#include "tst_pseudotranslation.moc"
