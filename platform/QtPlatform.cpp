// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPlatform.h"

#include "platform/HelpViewer.h"
#include "platform/PrinterChannel.h"
#include "platform/QtPrinterChannel.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

QtSettings::QtSettings()
    : settings_(QStringLiteral("Ternvik"), QStringLiteral("QVIni"))
{
}

QString QtSettings::Value(const QString &key, const QString &fallback) const
{
    settings_.sync();
    return settings_.value(key, fallback).toString();
}

void QtSettings::SetValue(const QString &key, const QString &value)
{
    settings_.setValue(key, value);
    settings_.sync();
    // A folder in the file's place or a read-only folder fails here, not in setValue.
    if (settings_.status() != QSettings::NoError)
        throw QuovellaError(QStringLiteral("The settings file %1 cannot be written.")
                                .arg(QDir::toNativeSeparators(settings_.fileName())));
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

QtPlatform::QtPlatform()
    : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtPlatform::~QtPlatform() = default;

MessageResult QtPlatform::ShowMessage(QWidget *parent, const QString &text, MessageKind kind,
                                      MessageButtons buttons)
{
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
    QFileDialog dialog(parent, save ? QStringLiteral("Save File") : QStringLiteral("Open File"),
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
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<PrinterChannel> QtPlatform::OpenPrinterChannel()
{
    return std::make_unique<QtPrinterChannel>(*printer_);
}

void QtPlatform::PrintLandscapePage(const std::function<void(QPainter &, const QRectF &)> &paint)
{
    QPrinter &printer = *printer_;
    // The printer's orientation is the user's; it is put back however this ends.
    struct Restore {
        QPrinter &printer;
        QPageLayout::Orientation orientation;
        ~Restore() { printer.setPageOrientation(orientation); }
    } restore{printer, printer.pageLayout().orientation()};
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (printer.printerName().isEmpty() && printer.outputFileName().isEmpty())
            throw QuovellaError(QStringLiteral("There is no default printer currently selected"));
        throw QuovellaError(QStringLiteral("Printer selected is not valid"));
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
        throw QuovellaError(QStringLiteral("The print job could not be finished"));
}

int QtPlatform::ShowModal(QDialog *window)
{
    return window->exec();
}

void QtPlatform::ShowHelp(QWidget *parent, int topic)
{
    if (!help_)
        help_ = std::make_unique<HelpViewer>(); // a window of its own, kept for the run
    Q_UNUSED(parent);
    help_->ShowTopic(topic);
}

Settings &QtPlatform::UserSettings()
{
    return settings_;
}

QPrinter &QtPlatform::Printer()
{
    return *printer_;
}
