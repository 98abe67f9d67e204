// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// The inverse of EscapeForURL, for the score server that receives the links.
namespace web {

// How the bytes behind the escapes are read.
enum class UrlCharset {
    Auto,  // UTF-8 when the bytes are valid UTF-8 with at least one multi-byte character, else Windows-1252
    Windows1252,  // always Windows-1252, as the games send
};

// Decodes one query value. "%" followed by two hex digits is one byte; "%" followed by a single hex
// digit and then no hex digit is one byte too (older clients wrote %9 for a tab); any other "%" stays.
// "+" stays "+": the games send it unescaped. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D, which
// Windows-1252 leaves undefined, read as the C1 controls of the same value.
QString DecodeFromURL(QByteArrayView escaped, UrlCharset charset = UrlCharset::Auto);

// Unicode character of a Windows-1252 byte.
char16_t Windows1252Char(unsigned char byte);

}  // namespace web
