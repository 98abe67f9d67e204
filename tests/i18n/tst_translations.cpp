// SPDX-License-Identifier: GPL-3.0-or-later
// The language follows the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); English and the C locale load no
// catalogue, so every text stays as written; the compiled-in catalogues reach the windows and --help.
#include <QMenuBar>
#include <QTextStream>
#include <QTranslator>
#include <QtTest>

#include "frame/desktop.h"
#include "frame/translations.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"

namespace {

// Sets the locale variables for one case and puts back what was there.
class LocaleEnvironment {
  public:
    LocaleEnvironment(const QString& language, const QString& all, const QString& messages,
                      const QString& lang) {
        Set("LANGUAGE", language);
        Set("LC_ALL", all);
        Set("LC_MESSAGES", messages);
        Set("LANG", lang);
    }
    ~LocaleEnvironment() {
        for (const auto& [name, value] : m_saved) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

  private:
    void Set(const char* name, const QString& value) {
        m_saved.emplace_back(name, qgetenv(name));
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

}  // namespace

class Translations : public QObject {
    Q_OBJECT

    testsupport::TempSettings m_settings;

  private slots:
    void language_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("all");
        QTest::addColumn<QString>("messages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("C") << ""
                           << ""
                           << ""
                           << "C.UTF-8"
                           << "";
        QTest::newRow("C ignores LANGUAGE") << "de"
                                            << "C"
                                            << ""
                                            << "de_DE.UTF-8"
                                            << "";
        QTest::newRow("POSIX") << ""
                               << "POSIX"
                               << ""
                               << ""
                               << "";
        QTest::newRow("English") << ""
                                 << ""
                                 << ""
                                 << "en_GB.UTF-8"
                                 << "";
        QTest::newRow("German") << ""
                                << ""
                                << ""
                                << "de_DE.UTF-8"
                                << "de";
        QTest::newRow("Austrian German") << ""
                                         << ""
                                         << ""
                                         << "de_AT.UTF-8"
                                         << "de";
        QTest::newRow("French messages") << ""
                                         << ""
                                         << "fr_FR.UTF-8"
                                         << "en_US.UTF-8"
                                         << "fr";
        QTest::newRow("LC_ALL wins") << ""
                                     << "es_ES.UTF-8"
                                     << "fr_FR.UTF-8"
                                     << "de_DE.UTF-8"
                                     << "es";
        QTest::newRow("LANGUAGE list") << "it:es:fr"
                                       << ""
                                       << ""
                                       << "de_DE.UTF-8"
                                       << "es";
        QTest::newRow("English first in LANGUAGE") << "en_US:de"
                                                   << ""
                                                   << ""
                                                   << "de_DE.UTF-8"
                                                   << "";
        QTest::newRow("no catalogue") << ""
                                      << ""
                                      << ""
                                      << "it_IT.UTF-8"
                                      << "";
        QTest::newRow("Spanish with modifier") << ""
                                               << ""
                                               << ""
                                               << "es_ES@euro"
                                               << "es";
    }
    void language() {
        QFETCH(QString, language);
        QFETCH(QString, all);
        QFETCH(QString, messages);
        QFETCH(QString, lang);
        QFETCH(QString, loaded);
        LocaleEnvironment environment(language, all, messages, lang);
        QTranslator translator;
        QCOMPARE(frame::LoadCatalogue(translator, frame::DesktopLanguages()), loaded);
        QCOMPARE(translator.isEmpty(), loaded.isEmpty());
    }

    // --help answers before the application exists, in the desktop's language.
    void help_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("first");
        QTest::newRow("English") << "en_US.UTF-8"
                                 << "Usage: zephlon [options]\n";
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "Aufruf: zephlon [Optionen]\n";
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << "Utilisation : zephlon [options]\n";
        QTest::newRow("Spanish") << "es_ES.UTF-8"
                                 << "Uso: zephlon [opciones]\n";
    }
    void help() {
        QFETCH(QString, lang);
        QFETCH(QString, first);
        LocaleEnvironment environment(QString(), QString(), QString(), lang);
        QString text;
        QTextStream out(&text);
        QCOMPARE(frame::HandleCommandLine(frame::Program::Zephlon, {"zephlon", "--help"}, out).value_or(-1),
                 0);
        out.flush();
        QVERIFY2(text.startsWith(first), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("  -h, --help     ")), qPrintable(text));
    }

    // A window made after the catalogue is installed shows its menus in the language; English stays as
    // written.
    void windowMenus_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("English") << "C.UTF-8" << QStringList{"&Game", "&Options", "&Highscores", "&Help"};
        QTest::newRow("German") << "de_DE.UTF-8"
                                << QStringList{"&Spiel", "&Optionen", "&Bestenliste", "&Hilfe"};
        QTest::newRow("French") << "fr_FR.UTF-8"
                                << QStringList{"&Partie", "&Options", "&Meilleurs scores", "&Aide"};
        QTest::newRow("Spanish") << "es_ES.UTF-8" << QStringList{"&Juego", "&Opciones", "&Récords", "A&yuda"};
    }
    void windowMenus() {
        QFETCH(QString, lang);
        QFETCH(QStringList, menus);
        LocaleEnvironment environment(QString(), QString(), QString(), lang);
        frame::InstallTranslations(*QCoreApplication::instance());
        const auto translators = QCoreApplication::instance()->findChildren<QTranslator*>();
        for (auto program : {frame::Program::Zephlon, frame::Program::Quadrelle, frame::Program::Vantorel}) {
            auto opened = testsupport::ProgramWindow::Open(program);
            QStringList shown;
            for (QAction* a : opened->Window().menuBar()->actions())
                shown << a->text();
            QCOMPARE(shown, menus);
        }
        for (QTranslator* t : translators) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
};

ARCADE_TEST_MAIN(Translations)
#include "tst_translations.moc"
