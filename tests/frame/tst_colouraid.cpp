// SPDX-License-Identifier: GPL-3.0-or-later
// The colour-blind aid of the three programs: with it, every two colours of a program differ in the
// pixels of their marks, not only in hue, also seen in grey through a deuteranopia simulation; Vantorel's
// mixes carry both of their parents' marks; the marks are drawn crisp at the screen's density; and each
// window redraws when the aid is switched, and back to the designed picture when it is switched off.
#include <QCheckBox>
#include <QtTest>
#include <cmath>
#include <map>

#include "frame/canvas.h"
#include "frame/controlsdialog.h"
#include "frame/drawsurface.h"
#include "quadrelle/renderer.h"
#include "support/programwindows.h"
#include "support/tempsettings.h"
#include "support/testmain.h"
#include "vantorel/renderer.h"
#include "zephlon/board.h"
#include "zephlon/renderer.h"

using frame::Program;

namespace {

constexpr int kCell = 24;
// Inside every program's bevel and frame line, in logical pixels from each edge.
constexpr int kMargin = 3;

struct Colour {
    const char* name;
    int colour;       // Quadrelle's and Vantorel's colour number; Zephlon's block colour (1..5)
    int16_t value{};  // Zephlon's cell value
};

QList<Colour> ColoursOf(Program program) {
    switch (program) {
        case Program::Zephlon:
            return {{"Blueberry", 1, zephlon::kPresent},
                    {"Lime", 2, zephlon::kPresent},
                    {"Kiwi", 3, zephlon::kPresent},
                    {"Plum", 4, zephlon::kPresent},
                    {"concrete grey", 1, zephlon::kPresent | zephlon::kConcrete},
                    {"bomb red", 1, zephlon::kPresent | zephlon::kBomb}};
        case Program::Quadrelle:
            return {{"red", 1},   {"grey", 2}, {"magenta", 3}, {"yellow", 4},
                    {"green", 5}, {"blue", 6}, {"cyan", 7}};
        case Program::Vantorel:
            return {{"yellow", 1}, {"yellow see-through", 2}, {"blue", 3},  {"blue see-through", 4},
                    {"red", 5},    {"red see-through", 6},    {"green", 7}, {"orange", 8},
                    {"purple", 9}};
    }
    return {};
}

void SetAid(Program program, bool on) {
    zephlon::SetColourAid(program == Program::Zephlon && on);
    quadrelle::SetColourAid(program == Program::Quadrelle && on);
    vantorel::SetColourAid(program == Program::Vantorel && on);
}

// The device pixels inside the bevel of one cell drawn as its program draws it.
QImage Inside(Program program, const Colour& c, bool aid, qreal dpr) {
    SetAid(program, aid);
    frame::ImageCanvas canvas(kCell + 1, kCell + 1, dpr);
    switch (program) {
        case Program::Zephlon:
            zephlon::DrawCell(canvas, 0, 0, kCell, c.value, c.colour, 16, 1, 0, 0);
            break;
        case Program::Quadrelle:
            quadrelle::DrawCell(canvas, 1, 1, c.colour, false, kCell);
            break;
        case Program::Vantorel:
            vantorel::DrawCell(canvas, 1, 1, c.colour, kCell, vantorel::kPitBackground);
            break;
    }
    SetAid(program, false);
    const int from = static_cast<int>(std::ceil(kMargin * dpr));
    const int to = static_cast<int>(std::floor((kCell - kMargin) * dpr));
    return canvas.Image().copy(from, from, to - from, to - from);
}

double Luminance(QRgb p) {
    return 0.2126 * qRed(p) + 0.7152 * qGreen(p) + 0.0722 * qBlue(p);
}

double Linear(int c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The grey a deuteranope sees: Machado, Oliveira and Fernandes's matrix for full deuteranopia in
// linear light, then the luminance, encoded back to 0..255.
double DeuteranopeGrey(QRgb p) {
    const double r = Linear(qRed(p)), g = Linear(qGreen(p)), b = Linear(qBlue(p));
    const double sr = 0.367322 * r + 0.860646 * g - 0.227968 * b;
    const double sg = 0.280085 * r + 0.672501 * g + 0.047413 * b;
    const double sb = -0.011820 * r + 0.042940 * g + 0.968881 * b;
    const double y = std::clamp(0.2126 * sr + 0.7152 * sg + 0.0722 * sb, 0.0, 1.0);
    return 255 * (y <= 0.0031308 ? 12.92 * y : 1.055 * std::pow(y, 1 / 2.4) - 0.055);
}

// Where a cell's lightness stands out from its ground (its most frequent colour) by more than a
// sixteenth: the marks and patterns a viewer sees without telling hues apart.
template <typename Grey>
QVector<bool> MarkMask(const QImage& image, Grey grey) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = -1;
    for (const auto& [rgb, n] : counts) {
        if (n > most) {
            most = n;
            ground = rgb;
        }
    }
    const double groundGrey = grey(ground);
    QVector<bool> mask;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            mask.append(std::abs(grey(image.pixel(x, y)) - groundGrey) > 16);
    return mask;
}

int Differing(const QVector<bool>& a, const QVector<bool>& b) {
    int n = 0;
    for (int i = 0; i < a.size() && i < b.size(); ++i)
        n += a[i] != b[i];
    return n;
}

QList<QImage> Surfaces(QMainWindow& w) {
    QList<QImage> images;
    for (const frame::DrawSurface* s : w.findChildren<frame::DrawSurface*>())
        images.append(s->Image());
    return images;
}

void SetWindowAid(testsupport::ProgramWindow& pw, Program program, bool on) {
    switch (program) {
        case Program::Zephlon:
            static_cast<testsupport::ZephlonWindow&>(pw).w.SetColourAid(on);
            break;
        case Program::Quadrelle:
            static_cast<testsupport::QuadrelleWindow&>(pw).w.SetColourAid(on);
            break;
        case Program::Vantorel:
            static_cast<testsupport::VantorelWindow&>(pw).w.SetColourAid(on);
            break;
    }
}

bool WindowAid(testsupport::ProgramWindow& pw, Program program) {
    switch (program) {
        case Program::Zephlon:
            return static_cast<testsupport::ZephlonWindow&>(pw).w.ColourAid();
        case Program::Quadrelle:
            return static_cast<testsupport::QuadrelleWindow&>(pw).w.ColourAid();
        case Program::Vantorel:
            return static_cast<testsupport::VantorelWindow&>(pw).w.ColourAid();
    }
    return false;
}

}  // namespace

class TestColourAid : public QObject {
    Q_OBJECT
    testsupport::TempSettings m_settings;

  private slots:
    void init() { m_settings.Reset(); }
    void cleanup() {
        zephlon::SetColourAid(false);
        quadrelle::SetColourAid(false);
        vantorel::SetColourAid(false);
    }

    // Every pair of a program's colours.
    void pairsDifferInMarks_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (Program p : {Program::Zephlon, Program::Quadrelle, Program::Vantorel}) {
            const QList<Colour> colours = ColoursOf(p);
            for (int i = 0; i < colours.size(); ++i)
                for (int j = i + 1; j < colours.size(); ++j)
                    QTest::addRow("%s: %s, %s", qPrintable(frame::ProgramName(p)), colours[i].name,
                                  colours[j].name)
                        << p << i << j;
        }
    }
    void pairsDifferInMarks() {
        QFETCH(Program, program);
        QFETCH(int, first);
        QFETCH(int, second);
        const QList<Colour> colours = ColoursOf(program);
        const QImage a = Inside(program, colours[first], true, 1.0);
        const QImage b = Inside(program, colours[second], true, 1.0);
        // Lightness alone, as the eye sees contrast...
        const int byLuminance = Differing(MarkMask(a, Luminance), MarkMask(b, Luminance));
        QVERIFY2(byLuminance >= 8, qPrintable(QString::number(byLuminance)));
        // ...and in the grey of a deuteranope, for whom Vantorel's red and green are one olive.
        const int byDeuteranope = Differing(MarkMask(a, DeuteranopeGrey), MarkMask(b, DeuteranopeGrey));
        QVERIFY2(byDeuteranope >= 8, qPrintable(QString::number(byDeuteranope)));
    }

    // A mixed colour's marks are its parents' marks together: the mixing rule reads without colour.
    void mixesCarryBothParents_data() {
        QTest::addColumn<int>("mix");
        QTest::addColumn<int>("p");
        QTest::addColumn<int>("q");
        QTest::newRow("green of yellow and blue") << 7 << 1 << 3;
        QTest::newRow("orange of yellow and red") << 8 << 1 << 5;
        QTest::newRow("purple of blue and red") << 9 << 3 << 5;
    }
    void mixesCarryBothParents() {
        QFETCH(int, mix);
        QFETCH(int, p);
        QFETCH(int, q);
        auto mask = [](int colour) {
            return MarkMask(Inside(Program::Vantorel, {"", colour}, true, 1.0), DeuteranopeGrey);
        };
        const QVector<bool> mixed = mask(mix), first = mask(p), second = mask(q);
        QVector<bool> both;
        for (int i = 0; i < first.size(); ++i)
            both.append(first[i] || second[i]);
        QCOMPARE(mixed, both);
        QVERIFY(Differing(mixed, first) > 0 && Differing(mixed, second) > 0);
    }

    // On a denser screen the marks are drawn in its own pixels: inside a cell there are only the fill and
    // the marks' tone, none of the in-between colours a scaled picture would bring, and at a ratio of 1.5
    // a stripe is equally wide in every row, where one drawn in logical pixels would be one or two.
    void marksAreCrisp_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("blue");  // the colour with rising stripes alone
        for (qreal dpr : {1.5, 2.0}) {
            QTest::addRow("Zephlon at %g", dpr) << Program::Zephlon << dpr << 0;
            QTest::addRow("Quadrelle at %g", dpr) << Program::Quadrelle << dpr << 5;
            QTest::addRow("Vantorel at %g", dpr) << Program::Vantorel << dpr << 2;
        }
    }
    void marksAreCrisp() {
        QFETCH(Program, program);
        QFETCH(qreal, dpr);
        QFETCH(int, blue);
        const QList<Colour> colours = ColoursOf(program);
        for (const Colour& c : colours) {
            if (program == Program::Vantorel && c.colour % 2 == 0) continue;  // see-through: nested squares
            const QImage inside = Inside(program, c, true, dpr);
            QSet<QRgb> seen;
            for (int y = 0; y < inside.height(); ++y)
                for (int x = 0; x < inside.width(); ++x)
                    seen.insert(inside.pixel(x, y));
            QVERIFY2(seen.size() == 2, c.name);
        }
        const QImage stripes = Inside(program, colours[blue], true, dpr);
        const QVector<bool> mask = MarkMask(stripes, Luminance);
        QSet<int> widths;
        for (int y = 0; y < stripes.height(); ++y) {
            int x = 0;
            while (x < stripes.width()) {
                const int from = x;
                while (x < stripes.width() && mask[y * stripes.width() + x])
                    ++x;
                if (x > from && from > 0 && x < stripes.width()) widths.insert(x - from);
                x = std::max(x, from + 1);
            }
        }
        QCOMPARE(widths.size(), 1);
    }

    // Switching the aid redraws the window at once; switched off, it shows the designed picture again.
    void windowRedraws_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void windowRedraws() {
        QFETCH(Program, program);
        auto pw = testsupport::ProgramWindow::Open(program);
        QVERIFY(pw->Activate());
        pw->StartAction()->trigger();
        QVERIFY(pw->GameRunning());
        // The first piece enters the well (Zephlon's fixed random source would never find its block).
        if (program != Program::Zephlon)
            for (int tick = 0; tick < 3; ++tick)
                pw->Session().ClockTick();
        // A redraw as a resize makes it (Zephlon's next box shows an empty cell before the first block).
        SetWindowAid(*pw, program, false);
        const QList<QImage> designed = Surfaces(pw->Window());
        SetWindowAid(*pw, program, true);
        QVERIFY(Surfaces(pw->Window()) != designed);
        SetWindowAid(*pw, program, false);
        QCOMPARE(Surfaces(pw->Window()), designed);
    }

    // The aid is kept with the controls: stored on, the window opens with it; the controls window's check
    // box turns it off again, and the window redraws.
    void followsTheControls_data() {
        QTest::addColumn<Program>("program");
        testsupport::AddProgramRows();
    }
    void followsTheControls() {
        QFETCH(Program, program);
        {
            QFile file(m_settings.FileOf(program));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Controls]\nColourAid=Yes\n");
        }
        auto pw = testsupport::ProgramWindow::Open(program);
        QVERIFY(pw->Activate());
        QVERIFY(WindowAid(*pw, program));
        pw->StartAction()->trigger();
        if (program != Program::Zephlon)
            for (int tick = 0; tick < 3; ++tick)
                pw->Session().ClockTick();
        pw->Controls().ShowDialog();
        frame::ControlsDialog* dialog = pw->Controls().Dialog();
        QVERIFY(dialog);
        QVERIFY(dialog->CheckColourAid->isChecked());
        const QList<QImage> withAid = Surfaces(pw->Window());
        dialog->CheckColourAid->setChecked(false);
        dialog->accept();
        QVERIFY(!WindowAid(*pw, program));
        QVERIFY(Surfaces(pw->Window()) != withAid);
    }
};

ARCADE_TEST_MAIN(TestColourAid)
#include "tst_colouraid.moc"
