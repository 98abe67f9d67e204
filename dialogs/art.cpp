// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/art.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace dialogs {

QString ProgramIconPath(frame::Program program) {
    switch (program) {
        case frame::Program::Zephlon:
            return QStringLiteral(":/art/zephlon_icon.svg");
        case frame::Program::Quadrelle:
            return QStringLiteral(":/art/quadrelle_icon.svg");
        case frame::Program::Vantorel:
            return QStringLiteral(":/art/vantorel_icon.svg");
    }
    return QString();
}

QIcon ProgramIcon(frame::Program program) {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        const QPixmap pixmap = RenderPicture(ProgramIconPath(program), QSize(side, side));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap RenderPicture(const QString& path, QSize size) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return QPixmap();
    if (size.isEmpty()) size = renderer.defaultSize();
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QPixmap Image256() {
    return RenderPicture(QString::fromLatin1(kImage256Path));
}

QPixmap ZephlonLogo() {
    return RenderPicture(QString::fromLatin1(kZephlonLogoPath));
}

QPixmap SplashPicture() {
    return RenderPicture(QString::fromLatin1(kSplashPicturePath));
}

QPixmap MakerEmblem() {
    return RenderPicture(QString::fromLatin1(kMakerEmblemPath));
}

}  // namespace dialogs
