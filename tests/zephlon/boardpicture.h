// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/random.h"

#include <memory>

// Small helpers for writing Zephlon boards in tests as pictures.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "zephlon/board.h"

namespace boardpicture {

// A board as rows of 7 characters separated by '/', the last row being row 10. '.' is empty, '#' concrete,
// a hex digit d a block 1 + 2 * d: '0' no pipe, '1' bit 2, '2' bit 4, '3' bits 2 and 4, '4' bit 8, '8' bit
// 16, 'c' bits 8 and 16, 'f' all four.
inline zephlon::Grid Board(const QString& picture) {
    zephlon::Grid g;
    const QStringList rows = picture.split('/');
    int row = zephlon::kRows - static_cast<int>(rows.size()) + 1;
    for (const QString& line : rows) {
        const QString cells = line.trimmed();
        for (int i = 0; i < cells.size() && i < zephlon::kColumns; ++i) {
            const QChar ch = cells[i];
            int16_t v = 0;
            if (ch == '#') {
                v = 65;
            } else if (ch != '.') {
                bool ok = false;
                const int d = QString(ch).toInt(&ok, 16);
                if (ok) v = static_cast<int16_t>(1 + 2 * d);
            }
            g(i + 1, row) = v;
        }
        ++row;
    }
    return g;
}

// The inverse of Board for the rows from firstRow down to row 10 (values that are not pictured read '?').
inline QString Picture(const zephlon::Grid& g, int firstRow) {
    QStringList rows;
    for (int r = firstRow; r <= zephlon::kRows; ++r) {
        QString line;
        for (int c = 1; c <= zephlon::kColumns; ++c) {
            const int v = g(c, r);
            if (v == 0)
                line += '.';
            else if (v == 65)
                line += '#';
            else if ((v & 1) && v < 33)
                line += QString::number((v - 1) / 2, 16);
            else
                line += '?';
        }
        rows << line;
    }
    return rows.join('/');
}

// A deterministic uniform [0, 1) source (splitmix64).
class Random {
  public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    double operator()() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
    }

  private:
    uint64_t m_state;
};

// The game's random source drawing from a Random with this seed.
inline frame::RandomSource SeededSource(uint64_t seed) {
    auto random = std::make_shared<Random>(seed);
    return frame::RandomSource([random] { return (*random)(); });
}

}  // namespace boardpicture
