// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "frame/program.h"

namespace dialogs {

// Our own pictures, compiled in under ":/art". They are SVG and rendered here with QSvgRenderer, so they
// look sharp at any size and need no image-format plugin at run time.
inline constexpr char kZephlonLogoPath[] = ":/art/zephlon_logo.svg";
inline constexpr char kSplashPicturePath[] = ":/art/zephlon_splash.svg";
inline constexpr char kImage256Path[] = ":/art/image256.svg";
inline constexpr char kMakerEmblemPath[] = ":/art/quillbyte.svg";

// Path of the program's window icon (a pipe block, a four-square piece, a mixed three-square piece).
QString ProgramIconPath(frame::Program program);

// The program's window icon with renderings from 16 to 256 pixels.
QIcon ProgramIcon(frame::Program program);

// Renders an SVG resource at the given size in logical pixels (its own size when `size` is empty),
// sharp on high-density screens. A missing or broken resource gives a null pixmap.
QPixmap RenderPicture(const QString& path, QSize size = QSize());

// The tile every dialog lays under its grey background (RGB(72,72,72) on average).
QPixmap Image256();

// The logo shown by the message panel for the token "zephlon".
QPixmap ZephlonLogo();

// Zephlon's 344 x 134 splash picture.
QPixmap SplashPicture();

// The studio's mark shown by the about dialogs.
QPixmap MakerEmblem();

}  // namespace dialogs
