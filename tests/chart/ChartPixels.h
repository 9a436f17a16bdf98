// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing a chart into a picture and counting its pixels, for the chart tests.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include <functional>

// The chart drawn into a picture of `size` that starts out black, so that any
// pixel the chart leaves unpainted shows.
template <class Chart>
QImage Render(const Chart &chart, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    chart.Paint(painter, QRectF(QPointF(0, 0), size));
    return image;
}

inline int Count(const QImage &image, const QRectF &where, const std::function<bool(QRgb)> &test)
{
    const QRect r = where.toAlignedRect().intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}
