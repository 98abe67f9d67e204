// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace dialogs {

// The studio behind the three games, as the about dialogs, help texts and maker links show it.
inline constexpr char kMakerName[] = "Quillbyte";
//: The makers' line in the about box.
inline constexpr char kMakerAuthor[] =
    QT_TRANSLATE_NOOP("dialogs::FormAbout", "by Mira Castell and the Quillbyte team");
inline constexpr char kMakerSite[] = "www.example.org/quillbyte";
inline constexpr char kMakerSiteUrl[] = "https://www.example.org/quillbyte";
inline constexpr char kMakerEmail[] = "games@example.org";

}  // namespace dialogs
