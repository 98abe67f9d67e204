// SPDX-License-Identifier: GPL-3.0-or-later
// Longer texts fit: in German, French and Spanish no label or button of any window or dialog of the three
// programs is cut off at the design size. Each text is measured with its widget's font against its rectangle.
#include <QAbstractButton>
#include <QLabel>
#include <QTranslator>
#include <QtTest>

#include "dialogs/formabout.h"
#include "dialogs/forminstructions.h"
#include "dialogs/zephlonhelp.h"
#include "frame/controlsdialog.h"
#include "frame/translations.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "web/formbrerror.h"
#include "web/formurl.h"
#include "web/formwebhighscore.h"
#include "web/formwebhighscorequadrelle.h"

namespace {

// The widgets of a shown window whose text is wider or taller than the room they have.
QStringList Clipped(QWidget* window, const QString& where) {
    QStringList clipped;
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (!l->isVisibleTo(window) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
        const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        const QFontMetrics metrics(l->font());
        // Single lines are measured across (their height is the design's, in English too); wrapped and
        // multi-line texts also down.
        const QSize text = metrics.size(Qt::TextShowMnemonic, l->text());
        const int lines = int(l->text().count(u'\n')) + 1;
        const QSize needed = l->wordWrap()
                                 ? QSize(0, l->heightForWidth(l->width()))
                                 : QSize(text.width(), lines > 1 ? text.height() - metrics.leading() : 0);
        if (needed.width() > room.width() || needed.height() > l->height())
            clipped << QStringLiteral("%1/%2 \"%3\": needs %4x%5, has %6x%7")
                           .arg(where, l->objectName(), l->text())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(l->height());
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(window) || b->text().isEmpty()) continue;
        if (b->sizeHint().width() > b->width())
            clipped << QStringLiteral("%1/%2 \"%3\": needs %4, has %5")
                           .arg(where, b->objectName(), b->text())
                           .arg(b->sizeHint().width())
                           .arg(b->width());
    }
    return clipped;
}

QStringList ClippedShown(QWidget* window, const QString& where) {
    window->show();
    window->adjustSize();
    if (!QTest::qWaitForWindowExposed(window)) return {where + QStringLiteral(": not shown")};
    return Clipped(window, where);
}

}  // namespace

class Layouts : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;

  private slots:
    void fits_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<frame::Program>("program");
        for (const char* language : {"en", "de", "fr", "es"}) {
            QTest::addRow("%s Zephlon", language) << language << frame::Program::Zephlon;
            QTest::addRow("%s Quadrelle", language) << language << frame::Program::Quadrelle;
            QTest::addRow("%s Vantorel", language) << language << frame::Program::Vantorel;
        }
    }
    // Zephlon's level message and "Game Over" stay inside the pit at the design size.
    void zephlonMessages_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es"})
            QTest::addRow("%s", language) << language;
    }
    void zephlonMessages() {
        QFETCH(QString, language);
        QTranslator catalogue;
        if (language != u"en") {
            QCOMPARE(frame::LoadCatalogue(catalogue, {language}), language);
            QVERIFY(QCoreApplication::installTranslator(&catalogue));
        }
        QStringList outside;
        {
            FormZephlon w(nullptr, frame::RandomSource([] { return 0.9; }),
                          std::make_unique<frame::SilentCueBackend>());
            w.resize(w.minimumSize().expandedTo(w.sizeHint()));
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            const auto check = [&](const QString& what) {
                const QRect pit = w.PictureBg->rect();
                const QRect message = w.PictureMessage->geometry();
                if (!pit.contains(message))
                    outside << QStringLiteral("%1: message %2x%3 in a pit of %4x%5")
                                   .arg(what)
                                   .arg(message.width())
                                   .arg(message.height())
                                   .arg(pit.width())
                                   .arg(pit.height());
            };
            for (bool mouse : {false, true}) {
                if (mouse) w.MenuMouse->trigger();
                w.MenuPuzzle->trigger();
                w.StartOriginal->trigger();
                for (int tick = 0;
                     tick < 500 && w.Engine().Context().gameState != zephlon::GameState::WaitStart; ++tick)
                    w.Engine().TimerHandler();
                QCOMPARE(w.Engine().Context().gameState, zephlon::GameState::WaitStart);
                check(mouse ? QStringLiteral("level message (mouse)") : QStringLiteral("level message"));
                w.MenuStop->trigger();
                check(QStringLiteral("Game Over"));
                w.Session().GameOverTimer()->stop();
            }
        }
        QCoreApplication::removeTranslator(&catalogue);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u'\n')));
    }

    void fits() {
        QFETCH(QString, language);
        QFETCH(frame::Program, program);
        QTranslator catalogue;
        // English, as written, is the control.
        if (language != u"en") {
            QCOMPARE(frame::LoadCatalogue(catalogue, {language}), language);
            QVERIFY(QCoreApplication::installTranslator(&catalogue));
        }
        QStringList clipped;
        {
            auto opened = testsupport::ProgramWindow::Open(program);
            QMainWindow& window = opened->Window();
            window.resize(window.minimumSize().expandedTo(window.sizeHint()));  // the design size
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            clipped << Clipped(&window, QStringLiteral("main window"));
            scores::FormTopTen& topTen = opened->Scores().Dialog();
            topTen.ShowList(opened->Scores().Table(), opened->List());
            clipped << ClippedShown(&topTen, QStringLiteral("top ten"));
            topTen.hide();

            dialogs::FormAbout about(program, &window);
            clipped << ClippedShown(&about, QStringLiteral("about"));
            web::FormURL single(program, &window);
            clipped << ClippedShown(&single, QStringLiteral("upload prompt"));
            web::FormURL2 plural(program, &window);
            clipped << ClippedShown(&plural, QStringLiteral("upload prompt (plural)"));
            frame::ControlsDialog controls(opened->Controls().Settings(), &window);
            clipped << ClippedShown(&controls, QStringLiteral("controls"));
            if (program == frame::Program::Zephlon) {
                dialogs::zephlon::FormInstructions instructions(&window);
                clipped << ClippedShown(&instructions, QStringLiteral("game play"));
                dialogs::zephlon::FormKeyControl keys(&window);
                clipped << ClippedShown(&keys, QStringLiteral("key control"));
                dialogs::zephlon::FormScoring scoring(&window);
                clipped << ClippedShown(&scoring, QStringLiteral("scoring"));
                QString server = QStringLiteral("scores.example.org/arcade");
                web::zephlon::FormWebHighscore serverDialog(server, &window);
                clipped << ClippedShown(&serverDialog, QStringLiteral("score server"));
                web::FormBrError error(&window);
                clipped << ClippedShown(&error, QStringLiteral("browser error"));
            } else {
                dialogs::FormInstructions instructions(program, &window);
                clipped << ClippedShown(&instructions, QStringLiteral("instructions"));
            }
            if (program == frame::Program::Quadrelle) {
                QString server = QStringLiteral("scores.example.org/arcade");
                web::quadrelle::FormWebHighscore lists(
                    server, [] { return 0.5; }, {}, &window);
                clipped << ClippedShown(&lists, QStringLiteral("global lists"));
            }
        }
        QCoreApplication::removeTranslator(&catalogue);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }
};

ARCADE_TEST_MAIN(Layouts)
#include "tst_layouts.moc"
