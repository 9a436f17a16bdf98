// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the chart as the cost breakdown window shows it, for looking at by eye:
//   chart_sample <folder>
// gives sample.png (a typical loan), interest-heavy.png, empty.png and page.png.
#include "chart/PieChart3D.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

#include <cstdio>

namespace {

void Fill(PieChart3D &chart, double principal, double interest)
{
    chart.Clear();
    chart.AddSlice(principal, QStringLiteral("Principal"), QColor(0, 128, 0));
    chart.AddSlice(interest, QStringLiteral("Interest"), QColor(255, 0, 0));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    PieChart3D chart;
    chart.SetTitle(QStringLiteral("Cost Breakdown of Mortgage"));
    chart.resize(526, 380);

    bool ok = true;
    const auto save = [&](double principal, double interest, const char *name) {
        Fill(chart, principal, interest);
        ok = chart.grab().save(folder.filePath(QString::fromLatin1(name))) && ok;
    };
    save(100000, 93287.0413, "sample.png");
    save(100000, 250000, "interest-heavy.png");
    save(0, 0, "empty.png");

    Fill(chart, 100000, 93287.0413);
    QImage page(3300, 2550, QImage::Format_RGB32);
    QPainter painter(&page);
    chart.Paint(painter, page.rect());
    painter.end();
    ok = page.save(folder.filePath(QStringLiteral("page.png"))) && ok;

    if (!ok)
        std::fprintf(stderr, "could not write the pictures\n");
    return ok ? 0 : 1;
}
