// SPDX-License-Identifier: GPL-3.0-or-later
// Any names, addresses and server settings: escaping keeps only the characters a query may carry, and no
// name or address can add, cut or end a parameter of an upload link.
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "web/links.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool Allowed(QChar c, bool keepPathCharacters) {
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')) return true;
    if (QStringView(u".-_'(!*),$\"%").contains(c)) return true;
    return keepPathCharacters && (u == '@' || u == '/' || u == '~');
}

bool UpperHex(QChar c) {
    return QStringView(u"0123456789ABCDEF").contains(c);
}

// The characters that delimit a query: a link's count of them depends on its template only.
std::vector<int> Delimiters(const QString& link) {
    return {static_cast<int>(link.count(u'&')), static_cast<int>(link.count(u'=')),
            static_cast<int>(link.count(u'#')), static_cast<int>(link.count(u' ')),
            static_cast<int>(link.count(u'?'))};
}

// Fields of the input, separated by zero bytes. A field starting with 0x01 is read as raw UTF-16, so
// lone surrogates and characters outside the BMP come through; otherwise as UTF-8.
QString Field(const std::vector<std::vector<uint8_t>>& fields, size_t i) {
    if (i >= fields.size()) return QString();
    const std::vector<uint8_t>& f = fields[i];
    if (!f.empty() && f[0] == 1) {
        std::vector<char16_t> units((f.size() - 1) / 2);
        if (!units.empty()) std::memcpy(units.data(), f.data() + 1, units.size() * sizeof(char16_t));
        return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    }
    return QString::fromUtf8(reinterpret_cast<const char*>(f.data()), static_cast<qsizetype>(f.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::vector<uint8_t>> fields(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            fields.emplace_back();
        else
            fields.back().push_back(data[i]);
    }
    const QString name = Field(fields, 0);
    const QString address = Field(fields, 1);
    const QString server = Field(fields, 2);
    const uint8_t knob = size > 0 ? data[size - 1] : 0;

    for (const QString& text : {name, address, server}) {
        for (bool keep : {false, true}) {
            const QString escaped = web::EscapeForURL(text, keep);
            for (QChar c : escaped)
                require(Allowed(c, keep));
            // Every escape has two hex digits, so the character after it can never join it.
            for (qsizetype i = escaped.indexOf(u'%'); i >= 0; i = escaped.indexOf(u'%', i + 1))
                require(i + 2 < escaped.size() && UpperHex(escaped[i + 1]) && UpperHex(escaped[i + 2]));
            require(escaped.size() <= 3 * text.size() + 3);
        }
    }

    const web::RandomSource random = [knob] { return knob / 256.0; };
    const QLocale c = QLocale::c();
    web::UploadRecord record;
    record.Name = name;
    record.Score = static_cast<int32_t>(knob) * 1000 - 5;
    record.StartLevel = static_cast<int16_t>(knob % 11);
    record.EndLevel = static_cast<int16_t>(knob % 30);
    record.Date =
        QDateTime(QDate(2000 + knob % 50, 1 + knob % 12, 1 + knob % 28), QTime(knob % 24, knob % 60, 7));
    record.ChkSum = static_cast<int32_t>(knob) * 77;
    web::UploadRecord plain = record;
    plain.Name = QStringLiteral("A");
    const QString plainAddress = QStringLiteral("B");
    const QList<web::UploadRecord> list(10, record);
    const QList<web::UploadRecord> plainList(10, plain);
    const bool puzzle = (knob & 1) != 0;

    auto same = [](const QString& fuzzed, const QString& reference) {
        require(Delimiters(fuzzed) == Delimiters(reference));
    };
    same(web::ZephlonUploadHiScoreLink(server, address, puzzle, record, random),
         web::ZephlonUploadHiScoreLink(server, plainAddress, puzzle, plain, random));
    same(web::ZephlonUploadHiScoresLink(server, address, puzzle, list, random),
         web::ZephlonUploadHiScoresLink(server, plainAddress, puzzle, plainList, random));
    same(web::QuadrelleUploadHiScoreLink(server, address, record, random, c),
         web::QuadrelleUploadHiScoreLink(server, plainAddress, plain, random, c));
    same(web::QuadrelleUploadHiScoresLink(server, address, list, random, c),
         web::QuadrelleUploadHiScoresLink(server, plainAddress, plainList, random, c));
    same(web::VantorelUploadLink(server, address, record, random),
         web::VantorelUploadLink(server, plainAddress, plain, random));
    for (bool numbered : {false, true}) {
        same(web::ZephlonCommandString(3, record, numbered), web::ZephlonCommandString(3, plain, numbered));
        same(web::QuadrelleCommandString(3, record, numbered, c),
             web::QuadrelleCommandString(3, plain, numbered, c));
    }
    same(web::VantorelCommandString(record), web::VantorelCommandString(plain));
    // The global lists take only the server; they must not fail on any.
    require(!web::ZephlonGlobalLink(server, puzzle).isEmpty());
    require(!web::VantorelGlobalLink(server).isEmpty());
    require(!web::QuadrelleGlobalLink(server, knob % 5, knob % 3, random).isEmpty());
    return 0;
}
