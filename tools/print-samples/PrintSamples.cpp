// SPDX-License-Identifier: GPL-3.0-or-later
// Presses every Print button of the program with the worked loan and prints
// through the real QPrinter channel into PDF files, one per report, plus the
// printed chart: quovella-print-samples <folder>.
#include "ui/windows/APGridUnit.h"
#include "ui/windows/APOptionsUnit.h"
#include "ui/common/Look.h"
#include "ui/windows/MSCHEDULEUnit.h"
#include "ui/main/MainUnit.h"
#include "ui/windows/MortChartUnit.h"
#include "ui/windows/MortgageGridUnit.h"
#include "ui/main/Program.h"
#include "platform/QtPlatform.h"
#include "platform/QtPrinterChannel.h"
#include "platform/ScriptedPlatform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

namespace {

// The desktop, writing the chart into the file named for its sample.
class SampleDesktop : public QtPlatform {
public:
    std::optional<QString> GetPdfFileName(QWidget *, const QString &) override { return file; }
    QString file;
};

// Confirms every print dialog and prints into the file named for the next sample.
class SamplePlatform : public ScriptedPlatform {
public:
    explicit SamplePlatform(QString folder) : folder_(std::move(folder))
    {
        channelFactory = [this] {
            printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            PrintToFile(*printer_);
            return std::make_unique<QtPrinterChannel>(*printer_);
        };
    }

    void Next(const QString &name)
    {
        file_ = QDir(folder_).filePath(name + QStringLiteral(".pdf"));
        printerAnswers.push_back(true);
    }

    void PrintLandscapePage(QWidget *parent, const std::function<void(QPainter &, const QRectF &)> &paint,
                            const QString &documentName = QStringLiteral("Cost Breakdown Graph")) override
    {
        PrintToFile(desktop_.Printer());
        desktop_.file = file_;
        desktop_.PrintLandscapePage(parent, paint, documentName);
    }

private:
    void PrintToFile(QPrinter &printer) const
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file_);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    QString folder_;
    QString file_;
    std::unique_ptr<QPrinter> printer_;
    SampleDesktop desktop_;
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quovella-print-samples <folder>\n");
        return 2;
    }
    QApplication::setFont(Look::UiFont(9));
    SamplePlatform platform(QString::fromLocal8Bit(argv[1]));
    SetPlatform(&platform);
    int status = 0;
    {
        Program program;
        program.Start({});
        TMORTLOAN &main = program.Main();
        const SecondaryWindows &windows = main.Windows();
        main.MAmount->setText(QStringLiteral("100000"));
        main.Period->setText(QStringLiteral("25"));
        main.IRate->setText(QStringLiteral("6"));

        platform.Next(QStringLiteral("report-details"));
        main.PrintMortBtn->click();

        main.MSavingsAmount->setText(QStringLiteral("100000"));
        main.mperiod->setText(QStringLiteral("25"));
        main.minterest->setText(QStringLiteral("6"));
        main.reducedperiod->setText(QStringLiteral("15"));
        main.investrate->setText(QStringLiteral("5"));
        platform.Next(QStringLiteral("report-savings"));
        main.BitBtn12->click();

        // Inside a modal window: print while it is shown.
        auto printInside = [&](const QString &window, QAbstractButton *print, const QString &name) {
            platform.modalActions.insert(window, [&platform, print, name](QDialog *) {
                platform.Next(name);
                print->click();
            });
        };
        windows.schedule->Month->setChecked(true);
        printInside(QStringLiteral("MSCHEDULE"), windows.schedule->BitBtn1, QStringLiteral("report-schedule"));
        main.SpeedButton2->click();

        printInside(QStringLiteral("MORTAGEGRID"), windows.grid->BitBtn1, QStringLiteral("report-grid"));
        main.MortgageGridBtn->click();

        windows.options->Grid->setChecked(true);
        platform.modalActions.insert(QStringLiteral("APOPTIONS"),
                                     [&](QDialog *) { windows.options->BitBtn2->click(); });
        printInside(QStringLiteral("AdditionalP"), windows.additional->BitBtn1,
                    QStringLiteral("report-additional-payments"));
        main.SpeedButton3->click();

        platform.modalActions.insert(QStringLiteral("MortChartForm"), [&](QDialog *) {
            platform.Next(QStringLiteral("printed-chart"));
            windows.chart->BitBtn1->click();
        });
        main.BitBtn9->click();

        for (const RecordedMessage &message : platform.messages) {
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
            status = 1;
        }
        main.SetSavedFlag(true);
    }
    SetPlatform(nullptr);
    return status;
}
