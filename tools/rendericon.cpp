// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a program's SVG icon as PNG files for the desktop's icon theme:
//   rendericon <icon.svg> <theme folder> <icon name> <size>...
// writes <theme folder>/<size>x<size>/apps/<icon name>.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // A build step: no display is needed to draw into an image.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: rendericon <icon.svg> <theme folder> <icon name> <size>...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "rendericon: %s is not a valid SVG picture\n", argv[1]);
        return 1;
    }
    const QDir theme(QString::fromLocal8Bit(argv[2]));
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        bool ok = false;
        const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || side < 1 || side > 1024) {
            std::fprintf(stderr, "rendericon: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = theme.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!theme.mkpath(folder) || !image.save(path)) {
            std::fprintf(stderr, "rendericon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
