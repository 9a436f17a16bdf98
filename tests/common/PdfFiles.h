// SPDX-License-Identifier: GPL-3.0-or-later
// Printing into a PDF file and reading back what landed in it, through the
// poppler tools the build found (QV_PDFTOTEXT, QV_PDFINFO).
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Output of a poppler tool; empty when it could not run.
inline QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString PdfText(const QString &path, int first = 0, int last = 0)
{
    QStringList arguments{"-layout"};
    if (first > 0)
        arguments << "-f" << QString::number(first) << "-l" << QString::number(last > 0 ? last : first);
    arguments << path << "-";
    return RunTool(QStringLiteral(QV_PDFTOTEXT), arguments);
}

inline int PdfPages(const QString &path)
{
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))")
                           .match(RunTool(QStringLiteral(QV_PDFINFO), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Size of the first page in points.
inline QSizeF PdfPageSize(const QString &path)
{
    const auto match = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")
                           .match(RunTool(QStringLiteral(QV_PDFINFO), {path}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

// The text lines of a PDF without trailing blanks, empty lines dropped.
inline QStringList PdfLines(const QString &text)
{
    QStringList lines;
    for (QString line : text.split('\n')) {
        while (line.endsWith(' ') || line.endsWith('\f'))
            line.chop(1);
        line.remove('\f');
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

// The same lines with runs of blanks collapsed, as column layout spaces them.
inline QStringList SimplifiedPdfLines(const QString &text)
{
    QStringList lines = PdfLines(text);
    for (QString &line : lines)
        line = line.simplified();
    return lines;
}

// Words of a page with their boxes in points, from pdftotext -bbox.
struct PdfWord {
    QString text;
    double xMin, yMin, xMax, yMax;
};

inline std::vector<PdfWord> PdfWords(const QString &path, int page = 1)
{
    const QString number = QString::number(page);
    const QString html = RunTool(QStringLiteral(QV_PDFTOTEXT), {"-bbox", "-f", number, "-l", number, path, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

inline const PdfWord *FindWord(const std::vector<PdfWord> &words, const QString &text, int occurrence = 0)
{
    for (const PdfWord &w : words)
        if (w.text == text && occurrence-- == 0)
            return &w;
    return nullptr;
}

// Points the printer at an A4 PDF file with 10-point margins.
inline void PrintToPdfFile(QPrinter &printer, const QString &path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
}

// A high-resolution printer writing such a file into a folder of its own.
class PdfPrinter {
public:
    PdfPrinter()
    {
        Prepare(printer);
    }
    void Prepare(QPrinter &target) const { PrintToPdfFile(target, path); }
    QString Text(int first = 0, int last = 0) const { return PdfText(path, first, last); }
    int Pages() const { return PdfPages(path); }

    QTemporaryDir dir;
    QString path = dir.filePath("report.pdf");
    QPrinter printer{QPrinter::HighResolution};
};
