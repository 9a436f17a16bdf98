// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/FileWriting.h"
#include "platform/HelpViewer.h"
#include "platform/PrinterChannel.h"
#include "platform/QtPrinterChannel.h"

#include "platform/ReportOutput.h"

#include <limits>
#include "platform/SettingsText.h"
#include "storage/DiskFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>



namespace {

std::unique_ptr<QSettings> OpenSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Ternvik"), QStringLiteral("QVIni"));
}

// The file holds one short value; anything this large is not ours.
constexpr qint64 settingsFileLimit = 1 << 20;

} // namespace

QtSettings::QtSettings() : settings_(OpenSettings()) {}

QString QtSettings::Value(const QString &key, const QString &fallback) const
{
    settings_->sync();
    return settings_->value(key, fallback).toString();
}

QString QtSettings::FileName() const
{
    return settings_->fileName();
}

std::optional<QString> QtSettings::SetValue(const QString &key, const QString &value)
{
    const QString path = FileName();
    // A folder that cannot be made is reported by the write, with the system's reason.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray text;
    bool unreadable = false;
    if (QFileInfo::exists(path)) {
        try {
            text = ReadOrdinaryFile(path, settingsFileLimit, QStringLiteral("File too large"));
            settings_->sync();
            unreadable = settings_->status() == QSettings::FormatError || !IsSettingsText(text);
        } catch (const QuovellaError &) {
            unreadable = true; // a file that cannot be replaced either fails the write below
        }
    }
    WriteOutcome outcome;
    try {
        outcome = ReplaceFile(path, WithSetting(unreadable ? QByteArray() : text, key, value));
    } catch (const QuovellaError &error) {
        throw NamedFileError(path, error);
    }
    // A fresh reader reads the new file and forgets the old one's format error.
    settings_ = OpenSettings();
    QStringList notes;
    if (unreadable)
        notes << QCoreApplication::translate("QtPlatform", "The settings file %1 could not be read and has been replaced by a new one.")
                     .arg(QDir::toNativeSeparators(path));
    if (!outcome.warning.isEmpty())
        notes << outcome.warning;
    if (notes.isEmpty())
        return std::nullopt;
    return notes.join(u' ');
}

QString DialogFilter(const QString &filter)
{
    const qsizetype bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    const QString description = filter.left(bar).trimmed();
    QStringList patterns;
    for (const QString &pattern : filter.mid(bar + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        patterns << pattern.trimmed();
        // Linux file names are case-sensitive; saved files may end in either case.
        if (pattern.trimmed().toLower() != pattern.trimmed())
            patterns << pattern.trimmed().toLower();
    }
    return description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QtPlatform::QtPlatform() = default;

MessageResult QtPlatform::ShowMessage(QWidget *parent, const QString &text, MessageKind kind,
                                      MessageButtons buttons)
{
    if (buttons == MessageButtons::ReplaceCancel) {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Quovella"), text, QMessageBox::Cancel, parent);
        QPushButton *replace = box.addButton(QCoreApplication::translate("QtPlatform", "&Replace"), QMessageBox::AcceptRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == replace ? MessageResult::Yes : MessageResult::Cancel;
    }
    QMessageBox box(kind == MessageKind::Information ? QMessageBox::Information : QMessageBox::Question,
                    QStringLiteral("Quovella"), text,
                    buttons == MessageButtons::Ok
                        ? QMessageBox::StandardButtons(QMessageBox::Ok)
                        : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent);
    box.setDefaultButton(buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    if (buttons == MessageButtons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageResult::Yes;
    case QMessageBox::No: return MessageResult::No;
    case QMessageBox::Ok: return MessageResult::Ok;
    default: return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    }
}

namespace {

std::optional<QString> RunFileDialog(QWidget *parent, FileDialogState &state, bool save)
{
    QFileDialog dialog(parent, save ? QCoreApplication::translate("QtPlatform", "Save File") : QCoreApplication::translate("QtPlatform", "Open File"),
                       state.directory, DialogFilter(state.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The save dialog asks nothing when the file exists, and the open dialog
    // takes a name that does not exist; the program deals with both itself.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    state.fileName = chosen;
    state.directory = dialog.directory().absolutePath();
    return chosen;
}

} // namespace

std::optional<QString> QtPlatform::GetOpenFileName(QWidget *parent, FileDialogState &state)
{
    return RunFileDialog(parent, state, false);
}

std::optional<QString> QtPlatform::GetSaveFileName(QWidget *parent, FileDialogState &state)
{
    return RunFileDialog(parent, state, true);
}

bool QtPlatform::SelectPrinter(QWidget *parent)
{
    QPrintDialog dialog(&Printer(), parent);
    // No page range: the reports print whole. Copies are made by the printer or,
    // where it cannot, by writing the report again (CopiesToWrite).
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

namespace {

QString NoPrinter()
{
    return QCoreApplication::translate("QtPlatform", "There is no default printer currently selected");
}
QString InvalidPrinter()
{
    return QCoreApplication::translate("QtPlatform", "Printer selected is not valid");
}

// A printer with the settings the user chose on another one. Qt keeps a printer
// whose job could not start "active" for good, refusing every later setting.
std::unique_ptr<QPrinter> FreshCopy(const QPrinter &old)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (old.outputFormat() == QPrinter::NativeFormat && !old.printerName().isEmpty())
        printer->setPrinterName(old.printerName());
    else
        printer->setOutputFormat(QPrinter::PdfFormat);
    if (!old.outputFileName().isEmpty())
        printer->setOutputFileName(old.outputFileName());
    printer->setPageLayout(old.pageLayout());
    printer->setCopyCount(old.copyCount());
    printer->setCollateCopies(old.collateCopies());
    printer->setDuplex(old.duplex());
    printer->setColorMode(old.colorMode());
    printer->setPageOrder(old.pageOrder());
    printer->setFullPage(old.fullPage());
    printer->setDocName(old.docName());
    return printer;
}

// A PDF written into a staged file beside its final name and put in place only
// when it reads back whole, so a failed export leaves the old file as it was.
class PdfFileChannel final : public PrinterChannel {
public:
    // `copies` are written one after another, as a PDF printer makes them.
    PdfFileChannel(const QPrinter &settings, const QString &path, int copies = 1)
        : staged_(Staged(path)), printer_(FreshCopy(settings)), channel_(*printer_), copies_(copies)
    {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(staged_->TemporaryPath());
        printer_->setCopyCount(1);
    }

    void SetOrientation(PageOrientation orientation) override { channel_.SetOrientation(orientation); }
    void SetFont(const PrintFont &font) override { channel_.SetFont(font); }
    PrintFont Font() const override { return channel_.Font(); }
    double PageHeight() const override { return channel_.PageHeight(); }
    double TextHeight(const QString &text) const override { return channel_.TextHeight(text); }
    void Open(const QString &documentName) override
    {
        try {
            channel_.Open(documentName);
        } catch (const QuovellaError &) {
            throw QuovellaError(QCoreApplication::translate("QtPlatform", "Cannot create the file ") + staged_->ShownName());
        }
    }
    void Write(const QString &text) override { channel_.Write(text); }
    void LineEnd() override { channel_.LineEnd(); }
    void FormFeed() override { channel_.FormFeed(); }
    int CopiesToWrite() const override { return copies_; }
    void Close() override
    {
        channel_.Close();
        CommitRendered(QApplication::activeWindow(), *staged_, &IsWholePdf);
    }

private:
    static std::unique_ptr<StagedFile> Staged(const QString &path)
    {
        try {
            return std::make_unique<StagedFile>(path);
        } catch (const QuovellaError &error) {
            throw NamedFileError(path, error);
        }
    }

    std::unique_ptr<StagedFile> staged_;
    std::unique_ptr<QPrinter> printer_;
    QtPrinterChannel channel_;
    int copies_;
};

} // namespace

std::unique_ptr<PrinterChannel> QtPlatform::OpenPrinterChannel()
{
    QPrinter &printer = Printer();
    // The print dialog's Print to File writes a PDF: staged like every file the
    // program writes, so a print that fails leaves the old file whole.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return std::make_unique<PdfFileChannel>(printer, printer.outputFileName(), std::max(1, printer.copyCount()));
    return std::make_unique<QtPrinterChannel>(printer);
}

QPrinter &QtPlatform::Printer()
{
    // Made on first use: a printer loads the print system and asks it for the
    // default printer, which would hold up the first window.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->printerState() != QPrinter::Idle && !printer_->paintingActive())
        printer_ = FreshCopy(*printer_);
    return *printer_;
}

void QtPlatform::PrintLandscapePage(QWidget *parent, const std::function<void(QPainter &, const QRectF &)> &paint,
                                    const QString &documentName)
{
    QPrinter &printer = Printer();
    // A PDF file is written staged, and put in place only when whole.
    std::unique_ptr<StagedFile> staged;
    QString pdfPath;
    const QString lastFile = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // The file of the last print is not this page's to overwrite.
        const std::optional<QString> path = ChoosePdfFile(parent, documentName + QStringLiteral(".pdf"), *this);
        if (!path)
            return;
        pdfPath = *path;
        try {
            staged = std::make_unique<StagedFile>(pdfPath);
        } catch (const QuovellaError &error) {
            throw NamedFileError(pdfPath, error);
        }
        printer.setOutputFileName(staged->TemporaryPath());
    }
    // The next report printed to a file is offered under its own name, not this
    // page's file nor the temporary one.
    struct NameBack {
        QtPlatform &platform;
        QString path;
        bool changed;
        ~NameBack()
        {
            if (changed)
                platform.Printer().setOutputFileName(path);
        }
    } nameBack{*this, lastFile, staged != nullptr};
    printer.setDocName(documentName);
    // The printer's orientation is the user's; it is put back however this ends.
    struct Restore {
        QtPlatform &platform;
        QPageLayout::Orientation orientation;
        ~Restore() { platform.Printer().setPageOrientation(orientation); }
    } restore{*this, printer.pageLayout().orientation()};
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        // This page prints without the print dialog: say where a printer is chosen.
        const QString choose = QCoreApplication::translate("QtPlatform", ". To choose a printer, print any report once (its Print button "
                                              "shows the print dialog) and try again.");
        if (printer.printerName().isEmpty() && printer.outputFileName().isEmpty())
            throw QuovellaError(NoPrinter() + choose);
        throw QuovellaError(InvalidPrinter());
    }
    try {
        const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
        paint(painter, QRectF(QPointF(0, 0), QSizeF(area.size())));
    } catch (...) {
        // A half-drawn chart is no print: abort the job, or where the platform
        // cannot, remove the file it was going to.
        if (!printer.abort()) {
            painter.end();
            if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
                QFile::remove(printer.outputFileName());
        }
        throw;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw QuovellaError(QCoreApplication::translate("QtPlatform", "The print job could not be finished"));
    if (staged)
        CommitRendered(parent, *staged, &IsWholePdf);
}

void QtPlatform::PreviewReport(QWidget *parent, const ReportWriter &write)
{
    QPrintPreviewDialog dialog(&Printer(), parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("QtPlatform", "Print Preview"));
    // The preview draws with the report's own code, and so does its Print button.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        RunGuarded(&dialog, [&] {
            QtPrinterChannel channel(*target);
            WriteReportCopies(channel, write);
        });
    });
    // Its own size where the screen has room; within the screen where it has not (1366 x 768).
    QSize size(900, 760);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    dialog.resize(size);
    dialog.exec();
}

std::optional<QString> QtPlatform::GetPdfFileName(QWidget *parent, const QString &suggestedName)
{
    if (pdfFolder_.isEmpty()) {
        const QString last = Printer().outputFileName();
        pdfFolder_ = last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
    }
    QFileDialog dialog(parent, QCoreApplication::translate("QtPlatform", "Export to PDF"), pdfFolder_, QCoreApplication::translate("QtPlatform", "PDF Files (*.pdf)"));
    dialog.setObjectName(QStringLiteral("PdfFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks before replacing a file, the same way for every file it writes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    pdfFolder_ = QFileInfo(chosen).absolutePath();
    return chosen;
}

std::unique_ptr<PrinterChannel> QtPlatform::OpenPdfChannel(const QString &path)
{
    return std::make_unique<PdfFileChannel>(Printer(), path);
}

int QtPlatform::ShowModal(QDialog *window)
{
    return window->exec();
}

namespace {

// Beside the window help was asked from, on the side with more room, so the
// buttons of that window stay in view; narrower where the screen is small.
void PlaceBeside(QWidget *help, const QWidget *owner)
{
    QScreen *screen = owner->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = owner->frameGeometry();
    const int frameExtra = help->frameGeometry().width() - help->width();
    const int right = area.right() - frame.right() - frameExtra;
    const int left = frame.left() - area.left() - frameExtra;
    const int room = std::max(right, left);
    const int width = std::clamp(room, 380, 620);
    const int height = std::min(560, area.height() - 40);
    help->resize(width, height);
    const int x = right >= left ? std::min(frame.right() + 1, area.right() - width - frameExtra)
                                : std::max(frame.left() - width - frameExtra, area.left());
    const int y = std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - height - 40));
    help->move(x, y);
}

} // namespace

QtPlatform::~QtPlatform()
{
    delete help_.data(); // owned by a window when it has one, else here
}

void QtPlatform::ShowHelp(QWidget *parent, int topic)
{
    // Help belongs to the window in front: under a modal window it would take
    // no input until that window closed. A window of its own kind, not modal.
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner && parent)
        owner = parent->window();
    if (!help_)
        help_ = new HelpViewer(owner);
    if (help_->parentWidget() != owner) {
        help_->setParent(owner, help_->windowFlags());
        help_->hide();
    }
    if (!help_->isVisible() && owner)
        PlaceBeside(help_, owner);
    help_->ShowTopic(topic);
}

Settings &QtPlatform::UserSettings()
{
    return settings_;
}

QProgressDialog *NewReportProgress(QWidget *parent, const QString &title)
{
    auto *dialog = new QProgressDialog(QCoreApplication::translate("QtPlatform", "Writing %1…").arg(title), QCoreApplication::translate("QtPlatform", "Cancel"), 0, 0, parent);
    dialog->setObjectName(QStringLiteral("ReportProgress"));
    dialog->setWindowTitle(QStringLiteral("Quovella"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumWidth(460); // room for a long title and its page
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    // Shown by the ticker itself after half a second, not by the dialog's own timer.
    dialog->setMinimumDuration(std::numeric_limits<int>::max());
    dialog->hide();
    return dialog;
}

namespace {

class DialogProgress final : public Platform::Progress {
public:
    DialogProgress(QWidget *parent, const QString &title) : title_(title), dialog_(NewReportProgress(parent, title))
    {
        clock_.start();
    }
    bool Tick(int page) override
    {
        if (!dialog_->isVisible() && clock_.elapsed() >= 500)
            dialog_->show();
        if (dialog_->isVisible()) {
            dialog_->setLabelText(QCoreApplication::translate("QtPlatform", "Writing %1: page %2…").arg(title_).arg(page));
            QCoreApplication::processEvents();
        }
        return !dialog_->wasCanceled();
    }

private:
    QString title_;
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer clock_;
};

} // namespace

std::unique_ptr<Platform::Progress> QtPlatform::StartProgress(QWidget *parent, const QString &title)
{
    return std::make_unique<DialogProgress>(parent ? parent : QApplication::activeWindow(), title);
}
