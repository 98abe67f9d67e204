// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/desktop.h"

#include <QGuiApplication>
#include <QTextStream>

#include "frame/options.h"

namespace frame {

namespace {

QString Summary(Program program) {
    switch (program) {
        case Program::Zephlon:
            return QStringLiteral("Line up pipe blocks so lasers burn them away.");
        case Program::Quadrelle:
            return QStringLiteral("Fit falling four-square pieces into full rows.");
        case Program::Vantorel:
            return QStringLiteral("Fill rows with three-square pieces whose see-through parts mix colours.");
    }
    return QString();
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
            out << "Usage: " << CommandName(program) << " [options]\n"
                << Summary(program) << "\n\n"
                << "Options:\n"
                << "  -h, --help     Show this help and exit.\n"
                << "  -v, --version  Show the version and exit.\n\n"
                << "Qt's own options, such as -platform or -style, are accepted too.\n"
                << "See also: man " << CommandName(program) << "\n";
            return 0;
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

QStringList ArgumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace frame
