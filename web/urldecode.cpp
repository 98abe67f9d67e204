// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/urldecode.h"

#include <QByteArray>
#include <array>

namespace web {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F; the five undefined bytes keep their value.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Strict UTF-8 check: shortest forms only, no surrogates, nothing above U+10FFFF. True only when at
// least one multi-byte character is present, so plain ASCII stays on the Windows-1252 path (same text).
bool isMultiByteUtf8(const QByteArray& bytes) {
    bool multi = false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len = 0;
        char32_t cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multi = true;
        i += len;
    }
    return multi;
}

}  // namespace

char16_t Windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char16_t{byte};
}

QString DecodeFromURL(QByteArrayView escaped, UrlCharset charset) {
    QByteArray bytes;
    bytes.reserve(escaped.size());
    const qsizetype n = escaped.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = escaped[i];
        if (c == '%' && i + 1 < n && hexValue(escaped[i + 1]) >= 0) {
            const int high = hexValue(escaped[i + 1]);
            const int low = i + 2 < n ? hexValue(escaped[i + 2]) : -1;
            if (low >= 0) {
                bytes.append(static_cast<char>(high * 16 + low));
                i += 2;
            } else {
                bytes.append(static_cast<char>(high));
                i += 1;
            }
        } else {
            bytes.append(c);
        }
    }
    if (charset == UrlCharset::Auto && isMultiByteUtf8(bytes)) return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(Windows1252Char(static_cast<unsigned char>(bytes[i])));
    return text;
}

}  // namespace web
