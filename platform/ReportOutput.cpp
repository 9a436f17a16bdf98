// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReportOutput.h"

#include "platform/FileWriting.h"
#include "platform/PrinterChannel.h"

#include <QCoreApplication>

#include <algorithm>

QString ReportTitle(const QString &report, const QString &amount, const QString &rate)
{
    QString title = report;
    const QString loan = amount.trimmed();
    if (!loan.isEmpty()) {
        title += QLatin1Char(' ') + loan;
        if (!rate.trimmed().isEmpty())
            title += QStringLiteral(" at ") + rate.trimmed() + QLatin1Char('%');
    }
    QString safe;
    for (const QChar c : title) {
        // A slash would make a folder of the amount; the others are refused on
        // some file systems the PDF may be saved to.
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            continue;
        safe += c;
    }
    return safe.simplified();
}

namespace {

// One job that takes the report several times: the report opens and closes its
// job each time, and every copy after the first starts on a new page.
class RepeatedCopies : public PrinterChannel {
public:
    RepeatedCopies(PrinterChannel &job, int copies) : job_(job), copies_(copies) {}

    void SetOrientation(PageOrientation orientation) override
    {
        if (written_ == 0)
            job_.SetOrientation(orientation);
    }
    void SetFont(const PrintFont &font) override { job_.SetFont(font); }
    PrintFont Font() const override { return job_.Font(); }
    double PageHeight() const override { return job_.PageHeight(); }
    double TextHeight(const QString &text) const override { return job_.TextHeight(text); }
    void Open(const QString &documentName) override
    {
        if (written_ == 0)
            job_.Open(documentName);
        else
            job_.FormFeed();
    }
    void Write(const QString &text) override { job_.Write(text); }
    void LineEnd() override { job_.LineEnd(); }
    void FormFeed() override { job_.FormFeed(); }
    void Close() override
    {
        if (++written_ == copies_)
            job_.Close();
    }

private:
    PrinterChannel &job_;
    int copies_;
    int written_ = 0;
};

// Passes everything on, and every few lines asks the progress whether to go on: a
// long report shows a dialog with Cancel, and a cancel stops the job unfinished.
class ProgressChannel : public PrinterChannel {
public:
    ProgressChannel(PrinterChannel &job, Platform::Progress &progress) : job_(job), progress_(progress) {}

    void SetOrientation(PageOrientation orientation) override { job_.SetOrientation(orientation); }
    void SetFont(const PrintFont &font) override { job_.SetFont(font); }
    PrintFont Font() const override { return job_.Font(); }
    double PageHeight() const override { return job_.PageHeight(); }
    double TextHeight(const QString &text) const override { return job_.TextHeight(text); }
    void Open(const QString &documentName) override { job_.Open(documentName); }
    void Write(const QString &text) override { job_.Write(text); }
    void LineEnd() override
    {
        job_.LineEnd();
        if (++lines_ % 32 == 0 && !progress_.Tick(page_))
            throw ReportCancelled();
    }
    void FormFeed() override
    {
        job_.FormFeed();
        ++page_;
    }
    void Close() override { job_.Close(); }
    int CopiesToWrite() const override { return job_.CopiesToWrite(); }

private:
    PrinterChannel &job_;
    Platform::Progress &progress_;
    long long lines_ = 0;
    int page_ = 1;
};

// The report written into the channel, with its progress shown.
void WriteWithProgress(QWidget *parent, PrinterChannel &channel, const PrintableReport &report, bool copies)
{
    const std::unique_ptr<Platform::Progress> progress =
        ThePlatform().StartProgress(parent, report.title.isEmpty() ? QCoreApplication::translate("ReportOutput", "the report") : report.title);
    ProgressChannel watched(channel, *progress);
    if (copies)
        WriteReportCopies(watched, report.write);
    else
        report.write(watched);
}

} // namespace

void WriteReportCopies(PrinterChannel &channel, const ReportWriter &write)
{
    const int copies = std::max(1, channel.CopiesToWrite());
    if (copies == 1) {
        write(channel);
        return;
    }
    RepeatedCopies repeated(channel, copies);
    for (int copy = 0; copy < copies; ++copy)
        write(repeated);
}

void PrintReport(const PrintableReport &report)
{
    const std::unique_ptr<PrinterChannel> channel = ThePlatform().OpenPrinterChannel();
    WriteWithProgress(nullptr, *channel, report, true);
}

void PreviewReport(QWidget *parent, const PrintableReport &report)
{
    // Each copy the preview draws shows its own progress.
    ThePlatform().PreviewReport(parent, [parent, report](PrinterChannel &channel) {
        WriteWithProgress(parent, channel, report, false);
    });
}

bool ExportReportToPdf(QWidget *parent, const PrintableReport &report)
{
    const QString title = report.title.isEmpty() ? QStringLiteral("Report") : report.title;
    const std::optional<QString> path = ChoosePdfFile(parent, title + QStringLiteral(".pdf"), ThePlatform());
    if (!path)
        return false;
    const std::unique_ptr<PrinterChannel> channel = ThePlatform().OpenPdfChannel(*path);
    // A cancel leaves the job unclosed: the staged file goes, and the old file stays.
    WriteWithProgress(parent, *channel, report, false);
    return true;
}
