// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/BalanceGraphUnit.h"

#include "core/Said.h"

#include "platform/FileWriting.h"
#include "platform/ReportOutput.h"

#include "engine/Schedule.h"
#include "ui/common/Look.h"
#include "ui/windows/MainLoan.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kGraphWidth = 526;
constexpr int kGraphHeight = 380;
constexpr int kButtonRow = 36;

// The end of the specific window's sentence, "18 Years and 8 Months", so the graph and
// the window word the new term alike.
QString PaidOffNote(const SpecificAdditionalPayment &result, double paymentsPerYear, bool shown)
{
    if (result.paidOffIn.isEmpty())
        return Said("TBalanceGraphForm", QT_TRANSLATE_NOOP("TBalanceGraphForm", "Paid off after %1 payments"), shown)
            .arg(result.paymentsMade);
    // Mid-sentence English writes the units in lower case; a language that keeps their
    // capitals, as German does its nouns, translates "lower" as "keep".
    QString term = PaidOffIn(result.paymentsMade, paymentsPerYear, shown);
    if (!shown || QCoreApplication::translate("TBalanceGraphForm", "lower", "units mid-sentence: lower or keep")
                      == QLatin1String("lower"))
        term = term.toLower();
    return (shown ? QCoreApplication::translate("TBalanceGraphForm", "Paid off in %1", "the specific payment's words")
                  : QStringLiteral("Paid off in %1"))
        .arg(term);
}

} // namespace

bool SameLoan(const Loan &a, const Loan &b)
{
    return a.amount == b.amount && a.rate == b.rate && a.paymentsPerYear == b.paymentsPerYear
        && a.compoundingsPerYear == b.compoundingsPerYear && a.timing == b.timing
        && a.years == b.years && a.part == b.part;
}

namespace {

// The height of a polyline at x, its points in order of x.
double LineAt(const std::vector<QPointF> &line, double x)
{
    for (size_t k = 1; k < line.size(); ++k) {
        const QPointF a = line[k - 1];
        const QPointF b = line[k];
        if (x <= b.x())
            return b.x() > a.x() ? a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x()) : b.y();
    }
    return line.empty() ? 0 : line.back().y();
}

// The plan's balance at the end of each year of payments, and a mark where each of
// its events takes effect; false when the plan has nothing to draw for this loan.
bool AddPlanLine(BalanceGraphSeries &series, const Loan &loan, const PaymentPlan &plan, bool shown)
{
    const int p = static_cast<int>(loan.paymentsPerYear);
    if (!plan.HasEvents() || CheckPaymentPlan(plan, loan.Rounds()))
        return false;
    const PlanResult result = WalkPaymentPlan(loan, plan);
    if (result.rows.empty())
        return false;
    const std::vector<PlanRow> years = PlanRowsByYear(result.rows, p);
    series.extra.emplace_back(0.0, loan.amount);
    for (size_t y = 0; y < years.size(); ++y) {
        const bool last = y + 1 == years.size();
        series.extra.emplace_back(last ? double(result.paymentsMade) / p : double(years[y].n), years[y].balance);
    }
    for (const PlanEvent &event : plan.events) {
        if (event.from < 1 || event.from > result.paymentsMade)
            continue;
        QString text = QLocale().toString(event.value, 'f', QLocale::FloatingPointShortest);
        if (event.kind == PlanEventKind::Extra)
            text = QStringLiteral("+") + text;
        else if (event.kind == PlanEventKind::RateChange)
            text += QStringLiteral("%");
        // On the line, which is drawn a year at a time; events of one payment share a
        // mark, so their texts do not overlap.
        const double x = double(event.from) / p;
        const QPointF at(x, LineAt(series.extra, x));
        auto same = std::find_if(series.marks.begin(), series.marks.end(),
                                 [&](const BalanceGraphMark &m) { return m.at == at; });
        if (same != series.marks.end())
            same->text += QStringLiteral(", ") + text;
        else
            series.marks.push_back(BalanceGraphMark{at, text});
    }
    series.extraName = Said("TBalanceGraphForm", QT_TRANSLATE_NOOP("TBalanceGraphForm", "With Payment Plan"), shown);
    series.extraNote =
        result.paidOff.isValid()
            ? Said("TBalanceGraphForm", QT_TRANSLATE_NOOP("TBalanceGraphForm", "Paid off on %1"), shown)
                  .arg(QLocale().toString(result.paidOff, QLocale::ShortFormat))
            : (shown ? QCoreApplication::translate("TBalanceGraphForm", "Paid off in %1", "a count of periods")
                     : QStringLiteral("Paid off in %1"))
                  .arg(PayOffTime(result.paymentsMade, p, shown));
    return true;
}

} // namespace

BalanceGraphSeries BalanceSeriesOf(const Loan &loan, const AdditionalPaymentRun *run, const PlannedLoan *planned,
                                   bool shown)
{
    BalanceGraphSeries series;
    series.extraName = Said("TBalanceGraphForm", QT_TRANSLATE_NOOP("TBalanceGraphForm", "With Additional Payment"), shown);
    series.amount = loan.amount;
    const double p = loan.paymentsPerYear;
    if (!(p > 0))
        return series;
    // The last row of a term with a part year ends that part year.
    const double termYears = loan.Payments() / p;
    for (const ScheduleRow &row : BuildSchedule(loan, ScheduleBy::Year)) {
        BalanceGraphPoint point;
        point.label = row.period;
        point.year = std::min(double(row.period), termYears);
        point.balance = row.balance;
        point.accumulatedInterest = row.accumulatedInterest;
        point.accumulatedCapital = row.accumulatedCapital;
        series.points.push_back(point);
    }
    if (planned && SameLoan(planned->loan, loan) && AddPlanLine(series, loan, planned->plan, shown))
        return series;
    if (!run || !SameLoan(run->loan, loan) || !run->result.paidOff)
        return series;
    const std::vector<double> &balances = run->result.balanceByYear;
    series.extra.emplace_back(0.0, loan.amount);
    for (size_t k = 0; k < balances.size(); ++k) {
        const bool last = k + 1 == balances.size();
        series.extra.emplace_back(last ? run->result.paymentsMade / p : double(k + 1), balances[k]);
    }
    series.extraNote = PaidOffNote(run->result, p, shown);
    return series;
}

QString BalanceGraphTitle(const Loan &loan, const QLocale &locale, bool shown)
{
    return Said("TBalanceGraphForm", QT_TRANSLATE_NOOP("TBalanceGraphForm", "Mortgage Balance: %1 at %2% for %3"), shown)
        .arg(MoneyText(loan.amount, MoneyFormat::Currency, locale), GeneralNumberText(loan.rate, locale),
             PayOffTime(loan.Rounds(), static_cast<int>(loan.paymentsPerYear), shown));
}

TBalanceGraphForm::TBalanceGraphForm(QWidget *parent)
    : AnalysisWindow(QStringLiteral("BalanceGraphForm"), tr("Balance Graph"), kGraphWidth,
                     kGraphHeight + kButtonRow, Look::ButtonFace(), parent)
{
    // Unlike the design's windows this one may be enlarged; the graph scales with it.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);
    setMinimumSize(Look::Scaled(QSize(kGraphWidth, kGraphHeight + kButtonRow)));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);

    Graph = new BalanceGraph(this);
    Graph->setObjectName(QStringLiteral("Graph"));
    BalanceGraphWords words;
    words.outstandingBalance = tr("Outstanding Balance");
    words.accumulatedCapital = tr("Accumulated Capital");
    words.accumulatedInterest = tr("Accumulated Interest");
    words.years = tr("Years");
    words.year = tr("Year");
    words.nothingOwed = tr("Nothing is owed on this loan, so its balance stays at zero.");
    words.noSchedule = tr("There is no schedule to draw for this loan.");
    Graph->SetWords(words);
    ExtraBox = new QCheckBox(tr("Show the balance with the additional payment"), this);
    ExtraBox->setObjectName(QStringLiteral("ExtraBox"));
    ExtraBox->setChecked(true);
    QPalette onFace = ExtraBox->palette();
    onFace.setColor(QPalette::WindowText, Look::TextFor(Look::ButtonFace()));
    ExtraBox->setPalette(onFace);
    ExportBtn = Look::Button(QStringLiteral("ExportBtn"), tr("Export…"), this);
    PrintBtn = Look::Button(QStringLiteral("PrintBtn"), tr(" Print"), this, QStringLiteral("print"));
    OKBtn = Look::Button(QStringLiteral("OKBtn"), tr("OK"), this, QStringLiteral("ok"));
    OKBtn->setDefault(true);
    exportDialog.filter = tr("PNG picture or PDF document|*.png;*.pdf");
    exportDialog.fileName = QStringLiteral("balance.png");

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 4, 8, 6);
    buttons->addWidget(ExtraBox);
    buttons->addStretch();
    buttons->addWidget(ExportBtn);
    buttons->addWidget(PrintBtn);
    buttons->addWidget(OKBtn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Graph, 1);
    layout->addLayout(buttons);

    OnClick(ExtraBox, [this] { ExtraBoxClick(); });
    OnClick(ExportBtn, [this] { ExportBtnClick(); });
    OnClick(PrintBtn, [this] { PrintBtnClick(); });
    OnClick(OKBtn, [this] { OKBtnClick(); });
}

void TBalanceGraphForm::Fill(const Loan &loan, const std::optional<AdditionalPaymentRun> &run,
                             const std::optional<PlannedLoan> &planned)
{
    englishTitle_ = BalanceGraphTitle(loan);
    Graph->SetTitle(BalanceGraphTitle(loan, QLocale(), true));
    // The export offers a name that says which loan, in the ending chosen last.
    const QString ending = exportDialog.fileName.toLower().endsWith(QStringLiteral(".pdf")) ? QStringLiteral(".pdf")
                                                                                         : QStringLiteral(".png");
    exportDialog.fileName = ReportTitle(QStringLiteral("Balance"), GeneralNumberText(loan.amount),
                                        GeneralNumberText(loan.rate))
        + ending;
    english_ = BalanceSeriesOf(loan, run ? &*run : nullptr, planned ? &*planned : nullptr);
    const bool hasExtra = !english_.extra.empty();
    const bool plan = english_.extraName != BalanceGraphSeries().extraName;
    Graph->SetSeries(BalanceSeriesOf(loan, run ? &*run : nullptr, planned ? &*planned : nullptr, true));
    ExtraBox->setText(plan ? tr("Show the balance with the payment plan")
                           : tr("Show the balance with the additional payment"));
    ExtraBox->setVisible(hasExtra);
    Graph->SetExtraShown(hasExtra && ExtraBox->isChecked());
}

void TBalanceGraphForm::Open(const Loan &loan, const std::optional<AdditionalPaymentRun> &run,
                             const std::optional<PlannedLoan> &planned)
{
    Fill(loan, run, planned);
    CentreOnScreen(this);
    ThePlatform().ShowModal(this);
}

void TBalanceGraphForm::ExtraBoxClick()
{
    Graph->SetExtraShown(ExtraBox->isChecked());
}

void TBalanceGraphForm::PrintBtnClick()
{
    // Unlike the cost breakdown's direct print, this page is ours: the user picks the printer.
    if (!ThePlatform().SelectPrinter(this))
        return;
    const std::unique_ptr<BalanceGraph> printed = EnglishGraph();
    ThePlatform().PrintLandscapePage(
        this, [&printed](QPainter &painter, const QRectF &page) { printed->Paint(painter, page); },
        QFileInfo(exportDialog.fileName).completeBaseName());
}

void TBalanceGraphForm::ExportBtnClick()
{
    if (const std::optional<QString> path = ChooseFileToWrite(this, exportDialog, &BalanceGraphFileName))
        ExportBalanceGraph(this, *EnglishGraph(), *path);
}

std::unique_ptr<BalanceGraph> TBalanceGraphForm::EnglishGraph() const
{
    // On paper and in files the graph keeps its English words in every language, as the reports do.
    auto english = std::make_unique<BalanceGraph>();
    english->SetSeries(english_);
    english->SetTitle(englishTitle_);
    english->SetExtraShown(Graph->ExtraShown());
    english->resize(Graph->size());
    return english;
}

void TBalanceGraphForm::OKBtnClick()
{
    accept();
}

QString BalanceGraphFileName(const QString &chosen)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        return chosen + QStringLiteral(".png");
    return chosen;
}

QString ExportBalanceGraph(QWidget *parent, const BalanceGraph &graph, const QString &fileName)
{
    const QString name = BalanceGraphFileName(fileName);
    const QString suffix = QFileInfo(name).suffix().toLower();
    const QString failure = QCoreApplication::translate("TBalanceGraphForm", "The graph could not be drawn for %1.")
                                .arg(QDir::toNativeSeparators(name));
    // Drawn in memory first, so nothing touches the old file until all of it is made.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12)));
        pdf.setResolution(300);
        pdf.setTitle(graph.Title());
        QPainter painter;
        if (!painter.begin(&pdf))
            throw QuovellaError(failure);
        graph.Paint(painter, QRectF(QPointF(0, 0), QSizeF(pdf.pageLayout().paintRectPixels(pdf.resolution()).size())));
        if (!painter.end() || !IsWholePdf(bytes))
            throw QuovellaError(failure);
    } else {
        // Twice the window's size, so the picture stays sharp when shown larger.
        const QSize size = graph.size().expandedTo(QSize(kGraphWidth, kGraphHeight)) * 2;
        QImage image(size, QImage::Format_RGB32);
        image.setDotsPerMeterX(2 * 3780);
        image.setDotsPerMeterY(2 * 3780);
        QPainter painter(&image);
        graph.Paint(painter, QRectF(image.rect()));
        painter.end();
        if (!image.save(&buffer, "PNG") || QImage::fromData(bytes, "PNG").isNull())
            throw QuovellaError(failure);
    }
    WriteNamedFile(parent, name, bytes);
    return name;
}
