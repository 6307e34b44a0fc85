#include "platform/qt_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace tessaly {

namespace {

// The PDF engine closes every document with this marker; a file that lacks it at its end
// was cut short, whatever the engine said (it does not report failed writes).
bool endsLikeWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    constexpr qint64 kTail = 64;
    file.seek(std::max<qint64>(0, file.size() - kTail));
    return file.read(kTail).contains("%%EOF");
}

bool replaceFile(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

} // namespace

QtPrinter::QtPrinter(const QString &pdfDirectory, Destination destination)
    : pdfDirectory_(pdfDirectory), destination_(destination)
{
}

QtPrinter::~QtPrinter()
{
    abort();
}

QString QtPrinter::pdfFileName()
{
    return QStringLiteral("Labels.pdf");
}

std::optional<QStringList> QtPrinter::fontFamilies()
{
    // On Qt 6 a printer offers the same families as the screen: the font database's.
    QStringList families;
    const QStringList all = QFontDatabase::families();
    for (const QString &family : all) {
        if (!QFontDatabase::isPrivateFamily(family))
            families.append(family);
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

bool QtPrinter::setFont(const QString &family, double points)
{
    if (!std::isfinite(points) || points <= 0)
        return false;
    if (!painter_.isActive())
        chooseDestination();
    // No family chosen prints with the font the printer has now.
    if (!family.isEmpty())
        family_ = family;
    font_ = QFont();
    if (!family_.isEmpty())
        font_.setFamily(family_);
    font_.setPointSizeF(points);
    fontChosen_ = true;
    if (painter_.isActive())
        applyFont();
    return true;
}

bool QtPrinter::setCurrentX(double inches)
{
    if (!std::isfinite(inches))
        return false;
    x_ = inches;
    return true;
}

bool QtPrinter::setCurrentY(double inches)
{
    if (!std::isfinite(inches))
        return false;
    y_ = inches;
    return true;
}

bool QtPrinter::printLine(const QString &text)
{
    if (!painter_.isActive() && !beginDocument())
        return false;
    const double dpiX = printer_->logicalDpiX();
    const double dpiY = printer_->logicalDpiY();
    painter_.drawText(QPointF(x_ * dpiX, y_ * dpiY + ascent_), text);
    x_ = 0;
    y_ += lineSpacing_ / dpiY;
    return true;
}

bool QtPrinter::newPage()
{
    if (!painter_.isActive() && !beginDocument())
        return false;
    x_ = 0;
    y_ = 0;
    return printer_->newPage();
}

bool QtPrinter::endDocument()
{
    if (!painter_.isActive()) {
        // Nothing was printed, so no file was written either.
        lastFile_.clear();
        return true;
    }
    bool ended = painter_.end();
    if (!partialPdf_.isEmpty())
        ended = ended && commitPdf();
    closeDocument();
    return ended;
}

void QtPrinter::abort()
{
    if (!painter_.isActive())
        return;
    // Where the engine cannot cancel (CUPS spools the job only when the painter ends),
    // the pages printed so far still go out, as they would have on a printer that
    // prints page by page.
    printer_->abort();
    closeDocument();
}

bool QtPrinter::toPdf() const
{
    return destination_ == Destination::PdfFile || QPrinterInfo::availablePrinters().isEmpty();
}

void QtPrinter::chooseDestination()
{
    lastFile_ = toPdf() ? QDir(pdfDirectory_).filePath(pdfFileName()) : QString();
}

bool QtPrinter::beginDocument()
{
    chooseDestination();
    std::unique_ptr<QPrinter> printer;
    if (lastFile_.isEmpty()) {
        QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) {
            const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
            if (all.isEmpty())
                return false;
            target = all.first();
        }
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    } else {
        // The document is written beside the PDF it replaces and takes its name only when
        // it is whole, so an interrupted run never leaves half a document as Labels.pdf.
        QTemporaryFile partial(
            QDir(pdfDirectory_).filePath(pdfFileName() + QStringLiteral(".XXXXXX")));
        partial.setAutoRemove(false);
        if (!partial.open())
            return false;
        partialPdf_ = partial.fileName();
        partial.close();
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(partialPdf_);
        printer->setPageSize(QPageSize(QPageSize::Letter));
        // A PDF has no unprintable edge: positions are from the corner of the sheet.
        printer->setFullPage(true);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    }
    printer->setDocName(QStringLiteral("Labels"));
    if (!painter_.begin(printer.get())) {
        if (!partialPdf_.isEmpty()) {
            QFile::remove(partialPdf_);
            partialPdf_.clear();
        }
        return false;
    }
    printer_ = std::move(printer);
    applyFont();
    return true;
}

void QtPrinter::applyFont()
{
    painter_.setFont(fontChosen_ ? font_ : QFont());
    const QFontMetricsF metrics(painter_.font(), printer_.get());
    ascent_ = metrics.ascent();
    lineSpacing_ = metrics.lineSpacing();
}

bool QtPrinter::commitPdf()
{
    if (!endsLikeWholePdf(partialPdf_))
        return false;
    // The temporary file was made private; the PDF gets the access an earlier one had.
    const QFileDevice::Permissions access =
        QFileInfo::exists(lastFile_) ? QFile::permissions(lastFile_)
                                     : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(partialPdf_, access);
    return replaceFile(partialPdf_, lastFile_);
}

void QtPrinter::closeDocument()
{
    if (painter_.isActive())
        painter_.end();
    printer_.reset();
    if (!partialPdf_.isEmpty()) {
        QFile::remove(partialPdf_);
        partialPdf_.clear();
    }
}

} // namespace tessaly
