// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a picture of each game in play for the README and the software centres' listings, and Vantorel's
// once more with the colour-blind aid:
//   QT_QPA_PLATFORM=offscreen build/tools/screenshots <folder> [scale]
// Each game plays a few seeded moves in a window of a fixed size, so the pictures come out the same on every
// run. The settings go to a temporary folder: the player's own files are never touched.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "frame/endprocess.h"
#include "frame/settingsstore.h"
#include "frame/soundcues.h"
#include "quadrelle/formplunko.h"
#include "vantorel/formplunko.h"
#include "zephlon/formzephlon.h"

namespace {

constexpr QSize kWindowSize(480, 600);

// A fixed sequence, so each picture shows the same game every time.
std::function<double()> Seeded(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

bool Show(QWidget& w) {
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) return false;
    w.resize(kWindowSize);  // after the window has taken its stored size
    QApplication::processEvents();
    return true;
}

bool Save(QWidget& w, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!w.grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Calls set(column, row, mark) for each mark of a picture whose last line is the pit's bottom row; a '.'
// leaves its cell empty.
template <typename Set>
void Fill(const std::vector<const char*>& picture, int rows, Set set) {
    int row = rows - static_cast<int>(picture.size()) + 1;
    for (const char* line : picture) {
        for (int column = 1; line[column - 1] != '\0'; ++column)
            if (line[column - 1] != '.') set(column, row, line[column - 1]);
        ++row;
    }
}

// A game under way: the pit partly filled from a fixed picture, a piece falling above it.
bool Zephlon(const QDir& folder) {
    FormZephlon w(nullptr, frame::RandomSource(Seeded(7)), std::make_unique<frame::SilentCueBackend>());
    w.SetAsker([](const QString&) { return false; });
    if (!Show(w)) return false;
    w.MenuOriginal->trigger();
    QTest::keyClick(&w, Qt::Key_Return);
    for (int t = 0; t < 14; ++t)
        w.Timer1_Timer();
    using namespace zephlon;
    // Pipe sets by letter: h across, v down, + both, and the corners.
    const auto pipes = [](char c) -> int16_t {
        switch (c) {
            case 'h':
                return kPipe2;
            case 'H':
                return kPipe4;
            case 'v':
                return kPipe8;
            case 'V':
                return kPipe16;
            case '+':
                return kPipe2 | kPipe8;
            case 'x':
                return kPipe2 | kPipe4 | kPipe16;
            default:
                return kPipe4 | kPipe16;
        }
    };
    Fill({"..v....", "..+.h..", "V.xHvh.", "hv+.Vxv", "x+Hv+hH"}, kRows,
         [&](int c, int r, char m) { w.Engine().SetCell(c, r, static_cast<int16_t>(kPresent | pipes(m))); });
    w.Engine().RedrawBoard();
    w.Engine().PaintNextBlock();
    return Save(w, folder, QStringLiteral("zephlon"));
}

bool Quadrelle(const QDir& folder) {
    quadrelle::FormPlunko w;
    w.SetAsker([](const QString&, const QString&) { return false; });
    w.SetRandomSource(Seeded(11));
    if (!Show(w)) return false;
    w.Start_Click();
    Fill({"......4...", "5....444..", "55..33.7..", "5.1133777.", "22226611.7", "2.36661177", "3336.5557."},
         quadrelle::kWellRows, [&](int x, int y, char m) { w.Game().SetCell(x, y, true, m - '0'); });
    w.Game().RedrawBoard();
    for (int t = 0; t < 5; ++t)
        w.Timer1_Timer();  // the first piece comes in over the picture
    return Save(w, folder, QStringLiteral("quadrelle"));
}

bool Vantorel(const QDir& folder) {
    vantorel::FormPlunkoHooks hooks;
    hooks.random = Seeded(5);
    hooks.cueBackend = std::make_unique<frame::SilentCueBackend>();
    vantorel::FormPlunko w(std::move(hooks));
    if (!Show(w)) return false;
    w.Start->trigger();
    using namespace vantorel;
    // Capitals are solid squares; y, b and r transparent ones; g, o and p the colours they mixed into.
    const auto square = [](char c, int16_t& kind, int32_t& colour) {
        kind = kSolid;
        switch (c) {
            case 'Y':
                colour = kYellow;
                break;
            case 'B':
                colour = kBlue;
                break;
            case 'R':
                colour = kRed;
                break;
            case 'g':
                colour = kGreen;
                break;
            case 'o':
                colour = kOrange;
                break;
            case 'p':
                colour = kPurple;
                break;
            // A see-through square keeps the colour of its solid kind.
            case 'y':
                kind = kTransparent;
                colour = kYellow;
                break;
            case 'b':
                kind = kTransparent;
                colour = kBlue;
                break;
            default:
                kind = kTransparent;
                colour = kRed;
                break;
        }
    };
    Fill({"....y...", "B..rRR..", "BB.gRoy.", "YgBbpYRr", "YYbRpBBo", "RgYYBp.o"}, kRows,
         [&](int x, int y, char m) {
             int16_t kind = kSolid;
             int32_t colour = kNoColour;
             square(m, kind, colour);
             w.game().pit().SetCell(x, y, kind, colour);
         });
    w.game().pit().RedrawBoard();
    for (int t = 0; t < 8; ++t)
        w.Timer1_Timer();  // the first piece comes in over the picture
    if (!Save(w, folder, QStringLiteral("vantorel"))) return false;
    // The same game with the colour-blind aid, for the README.
    w.SetColourAid(true);
    return Save(w, folder, QStringLiteral("vantorel-colouraid"));
}

}  // namespace

static int run(int argc, char** argv) {
    if (argc >= 3) qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots <folder> [scale]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir settings;
    frame::SettingsStore::SetDefaultDirectory(settings.path());
    const bool ok = Zephlon(folder) && Quadrelle(folder) && Vantorel(folder);
    return ok ? 0 : 1;
}

// Ends without exit handlers, as the games do.
int main(int argc, char** argv) {
    frame::EndProcess(run(argc, argv));
}
