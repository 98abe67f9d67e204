// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/desktop.h"

#include <QGuiApplication>
#include <QTextStream>
#include <QTranslator>
#include <cstdio>

#include "frame/options.h"
#include "frame/translations.h"

namespace frame {

namespace {

// The command line is answered before the application exists, so its texts are looked up in a catalogue
// of their own rather than through the installed translators.
constexpr char kContext[] = "frame::CommandLine";

const char* Summary(Program program) {
    switch (program) {
        case Program::Zephlon:
            return QT_TRANSLATE_NOOP("frame::CommandLine", "Line up pipe blocks so lasers burn them away.");
        case Program::Quadrelle:
            return QT_TRANSLATE_NOOP("frame::CommandLine", "Fit falling four-square pieces into full rows.");
        case Program::Vantorel:
            return QT_TRANSLATE_NOOP(
                "frame::CommandLine",
                "Fill rows with three-square pieces whose see-through parts mix colours.");
    }
    return "";
}

}  // namespace

QString DesktopFileName(Program program) {
    return QStringLiteral("org.example.quillbyte.") + ProgramName(program);
}

QString CommandName(Program program) {
    return ProgramName(program).toLower();
}

void IdentifyApplication(Program program) {
    QCoreApplication::setApplicationName(ProgramName(program));
    QCoreApplication::setApplicationVersion(QStringLiteral(ARCADE_VERSION));
    QGuiApplication::setDesktopFileName(DesktopFileName(program));
}

std::optional<int> HandleCommandLine(Program program, const QStringList& arguments, QTextStream& out) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("-?")) {
            QTranslator catalogue;
            LoadCatalogue(catalogue, DesktopLanguages());
            const auto translated = [&catalogue](const char* text) {
                const QString found = catalogue.translate(kContext, text);
                return found.isEmpty() ? QString::fromUtf8(text) : found;
            };
            // The options themselves stay as typed; only their descriptions are translated.
            //: %1 is the command's name.
            out << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "Usage: %1 [options]"))
                       .arg(CommandName(program))
                << "\n"
                << translated(Summary(program)) << "\n\n"
                << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "Options:")) << "\n"
                << "  -h, --help     "
                << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "Show this help and exit.")) << "\n"
                << "  -v, --version  "
                << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "Show the version and exit.")) << "\n"
                << "  --replay FILE  "
                << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "Watch the recorded game in FILE."))
                << "\n\n"
                << translated(
                       QT_TRANSLATE_NOOP("frame::CommandLine",
                                         "Qt's own options, such as -platform or -style, are accepted too."))
                << "\n"
                //: %1 is the command's name, as in "man zephlon".
                << translated(QT_TRANSLATE_NOOP("frame::CommandLine", "See also: man %1"))
                       .arg(CommandName(program))
                << "\n";
            return 0;
        }
        if (a == QLatin1String("--replay") && i + 1 == arguments.size()) {
            QTranslator catalogue;
            LoadCatalogue(catalogue, DesktopLanguages());
            const char* text = QT_TRANSLATE_NOOP("frame::CommandLine", "%1: --replay needs a file to play.");
            const QString found = catalogue.translate(kContext, text);
            std::fprintf(
                stderr, "%s\n",
                qPrintable((found.isEmpty() ? QString::fromUtf8(text) : found).arg(CommandName(program))));
            return 2;
        }
        if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            out << ProgramName(program) << " " << ARCADE_VERSION << "\n"
                << "License GPL-3.0-or-later: GNU GPL version 3 or later "
                   "<https://www.gnu.org/licenses/gpl.html>\n";
            return 0;
        }
    }
    return std::nullopt;
}

QString ReplayArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--")) break;
        if (a == QLatin1String("--replay") && i + 1 < arguments.size()) return arguments[i + 1];
        if (a.startsWith(QLatin1String("--replay="))) return a.mid(9);
    }
    return QString();
}

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace frame
