// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's SVG icon as the square PNGs the icon theme wants.
// Usage: quovella-render-icon ICON.svg OUTPUT-FOLDER SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    // A build has no screen; the painter only needs fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("Usage: quovella-render-icon ICON.svg OUTPUT-FOLDER SIZE...\n", stderr);
        return 1;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "Cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QDir out(args[2]);
    for (const QString &text : args.mid(3)) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "Not an icon size: %s\n", qPrintable(text));
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString path = out.filePath(QStringLiteral("%1.png").arg(size));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
