#include "qt_platform/qt_printer.h"

#include "core/club_data_file.h"
#include "core/file_system.h"
#include "qt_platform/print_queue.h"

#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSet>

#include <algorithm>

namespace tessaly {

namespace {

// The CUPS job options Qt's print engine passes on with a job, as name, value, name, ...
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

PrintResult failed(const QString &reason)
{
    return {PrintResult::Fate::Failed, {}, reason};
}

// Without a printer the failure is the file's: the result names it.
PrintResult notWritten(const QString &path, const QString &reason)
{
    return {PrintResult::Fate::Failed, QDir::toNativeSeparators(path), reason};
}

// Paints every page; false when the device refused a new page.
template <typename Device>
bool paintPages(QPainter &painter, Device &device, const PrintDocument &document)
{
    for (int page = 1; page <= document.pages; ++page) {
        if (page > 1 && !device.newPage())
            return false;
        document.paintPage(painter, page);
    }
    return true;
}

// A printer set up for the paper, its origin at the corner of what the printer can print:
// the paper less the margins the printer itself reports, and no margin of Qt's own.
void layOut(QPrinter &printer, const QPageSize &paper)
{
    printer.setPageSize(paper);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    printer.setFullPage(false);
    printer.setPageMargins(layout.minimumMargins(), QPageLayout::Point);
}

} // namespace

QtPrinter::QtPrinter(const QString &pdfDirectory, Destination destination)
    : pdfDirectory_(pdfDirectory), destination_(destination)
{
}

std::optional<QStringList> QtPrinter::fontFamilies()
{
    // On Qt 6 a printer offers the same families as the screen: the font database's. A
    // family that two foundries provide comes as "C059 [UKWN]" and "C059 [urw]"; the name
    // alone chooses it.
    QStringList families;
    QSet<QString> seen;
    const QStringList all = QFontDatabase::families();
    for (const QString &listed : all) {
        if (QFontDatabase::isPrivateFamily(listed))
            continue;
        QString family = listed;
        const qsizetype foundry = family.lastIndexOf(QStringLiteral(" ["));
        if (foundry > 0 && family.endsWith(u']'))
            family.truncate(foundry);
        if (!seen.contains(family)) {
            seen.insert(family);
            families.append(family);
        }
    }
    if (families.isEmpty())
        return std::nullopt;
    return families;
}

std::optional<QString> QtPrinter::currentFont()
{
    if (!family_.isEmpty())
        return family_;
    // A painter on a printer starts with the application font; QFontInfo gives the
    // family it resolves to, which is a name the font list holds.
    const QString family = QFontInfo(QFont()).family();
    if (family.isEmpty())
        return std::nullopt;
    return family;
}

void QtPrinter::rememberFont(const QString &family)
{
    if (!family.isEmpty())
        family_ = family;
}

std::optional<QPrinterInfo> QtPrinter::target() const
{
    if (destination_ == Destination::PdfFile)
        return std::nullopt;
    QPrinterInfo printer = choice().printer.isEmpty() ? QPrinterInfo()
                                                      : QPrinterInfo::printerInfo(choice().printer);
    if (printer.isNull())
        printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty())
            return std::nullopt;
        printer = all.first();
    }
    return printer;
}

QPageSize QtPrinter::defaultPaper()
{
    const std::optional<QPrinterInfo> printer = target();
    const QPageSize paper = printer ? printer->defaultPageSize() : QPageSize();
    return paper.isValid() ? paper : QPageSize(QPageSize::Letter);
}

PageArea QtPrinter::pageArea(const QPageSize &paper)
{
    const QSizeF size = paper.size(QPageSize::Point);
    PageArea area{size, QRectF(QPointF(0, 0), size)};
    if (const std::optional<QPrinterInfo> printer = target()) {
        QPrinter device(*printer, QPrinter::HighResolution);
        layOut(device, paper);
        area.printable = device.pageLayout().paintRect(QPageLayout::Point);
    }
    return area;
}

PrintResult QtPrinter::print(const PrintDocument &document)
{
    if (document.pages < 1)
        return {PrintResult::Fate::Printed, {}, {}};
    if (const std::optional<QPrinterInfo> printer = target())
        return toPrinter(document, *printer);
    return toPdf(document);
}

InstalledPrinters QtPrinter::installedPrinters()
{
    if (destination_ == Destination::PdfFile)
        return {};
    return {QPrinterInfo::availablePrinterNames(), QPrinterInfo::defaultPrinterName()};
}

PrintResult QtPrinter::toPdf(const PrintDocument &document) const
{
    const QString path = QDir(pdfDirectory_).filePath(document.name + QStringLiteral(".pdf"));
    // Room for the whole document at once: growing a buffer of megabytes step by step costs
    // more than drawing the pages.
    QByteArray data;
    data.reserve(qsizetype{document.pages} * 32 * 1024);
    QBuffer bytes(&data);
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(document.name);
        pdf.setCreator(QStringLiteral("Tessaly"));
        pdf.setResolution(1200);
        pdf.setPageSize(document.paper);
        // A PDF has no unprintable edge: positions are from the corner of the sheet.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
        QPainter painter;
        if (!painter.begin(&pdf))
            return notWritten(path, QStringLiteral("the PDF could not be started"));
        const bool painted = paintPages(painter, pdf, document);
        if (!painter.end() || !painted)
            return notWritten(path, QStringLiteral("the PDF could not be finished"));
    }
    // Written whole beside the earlier file and put in its place only when complete, like
    // the roll: an interrupted run never leaves half a document.
    const Outcome written = writeWholeFile(path, bytes.data(), rollDataPermissions(pdfDirectory_));
    if (!written.ok())
        return notWritten(path, written.reason);
    return {PrintResult::Fate::Saved, path, {}};
}

PrintResult QtPrinter::toPrinter(const PrintDocument &document, const QPrinterInfo &target) const
{
    const QString queue = target.printerName();
    // A queue that refuses jobs is told before anything is drawn.
    const std::optional<QueueState> state = queueState(queue);
    if (state && !state->accepting)
        return failed(QStringLiteral("the printer %1 is not accepting jobs").arg(queue));
    const int before = newestJob(queue).value_or(0);

    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(document.name);
    printer.setCopyCount(std::max(1, choice().copies));
    layOut(printer, document.paper);
    // The print system must neither fit nor scale the pages: a label is where the sheet has it.
    printer.printEngine()->setProperty(
        kCupsOptions, QStringList{QStringLiteral("print-scaling"), QStringLiteral("none")});

    QPainter painter;
    if (!painter.begin(&printer))
        return failed(QStringLiteral("the printer %1 could not start the document").arg(queue));
    if (!paintPages(painter, printer, document)) {
        printer.abort();
        painter.end();
        return failed(QStringLiteral("the printer %1 could not start a new page").arg(queue));
    }
    // Ending hands the job to the print system; Qt says nothing of how that went.
    const bool ended = painter.end();
    const QString refusal = lastPrintSystemError();
    if (!ended || !refusal.isEmpty())
        return failed(QStringLiteral("the printer %1 did not take the job: %2")
                          .arg(queue, refusal.isEmpty() ? QStringLiteral("the document could "
                                                                         "not be finished")
                                                        : refusal));
    switch (jobFate(queue, before, document.name)) {
    case JobFate::Taken:
        return {PrintResult::Fate::Printed, {}, {}};
    case JobFate::Waiting:
        return {PrintResult::Fate::Waiting, {},
                QStringLiteral("the printer %1 is stopped: the job waits in its queue until "
                               "the printer is started again")
                    .arg(queue)};
    case JobFate::Refused:
        return failed(QStringLiteral("the printer %1 cancelled the job").arg(queue));
    case JobFate::Unknown:
        break;
    }
    return failed(
        QStringLiteral("the print system did not confirm that the printer %1 took the job")
            .arg(queue));
}

} // namespace tessaly
