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
#include <QPrintPreviewWidget>
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

// The pages labels are printed on: the system's default printer (or its first one), or a
// PDF on the given paper (inches); nullptr when a printer is asked for and the system has none.
std::unique_ptr<QPrinter> labelPrinter(bool toPdf, const QSizeF &pdfPaper)
{
    if (!toPdf) {
        QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull()) {
            const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
            if (all.isEmpty())
                return nullptr;
            target = all.first();
        }
        return std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(pdfPaper, QPageSize::Inch));
    // A PDF has no unprintable edge: positions are from the corner of the sheet.
    printer->setFullPage(true);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    return printer;
}

// No family prints with the font the printer has now, its default until a run chose one.
QFont labelFont(const QString &family, double points)
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(points);
    return font;
}

LineMetrics applyFont(QPainter &painter, QPrinter &printer, const QFont &font)
{
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), &printer);
    return {metrics.ascent(), metrics.lineSpacing()};
}

// Draws text with its top at (x, y) inches and gives the y of the line below. Paper, the
// PDF and the preview all letter their pages here.
double drawLine(QPainter &painter, QPrinter &printer, const LineMetrics &metrics, double x,
                double y, const QString &text)
{
    const double dpiY = printer.logicalDpiY();
    painter.drawText(QPointF(x * printer.logicalDpiX(), y * dpiY + metrics.ascent), text);
    return y + metrics.lineSpacing / dpiY;
}

// The preview's pages: the same lettering as on paper, and the outlines of the sheet's labels
// in a thin grey beneath it.
class PreviewPrinter final : public Printer {
  public:
    PreviewPrinter(QPrinter &pages, const QString &family) : pages_(pages), family_(family) {}
    ~PreviewPrinter() override { abort(); }
    PreviewPrinter(const PreviewPrinter &) = delete;
    PreviewPrinter &operator=(const PreviewPrinter &) = delete;

    std::optional<QStringList> fontFamilies() override { return std::nullopt; }
    std::optional<QString> currentFont() override { return family_; }
    bool setFont(const QString &family, double points) override
    {
        if (!std::isfinite(points) || points <= 0)
            return false;
        if (!family.isEmpty())
            family_ = family;
        font_ = labelFont(family_, points);
        fontChosen_ = true;
        if (painter_.isActive())
            metrics_ = applyFont(painter_, pages_, font_);
        return true;
    }
    bool setCurrentX(double inches) override { return moveTo(x_, inches); }
    bool setCurrentY(double inches) override { return moveTo(y_, inches); }
    bool printLine(const QString &text) override
    {
        if (!begun())
            return false;
        y_ = drawLine(painter_, pages_, metrics_, x_, y_, text);
        x_ = 0;
        return true;
    }
    bool newPage() override
    {
        if (!begun())
            return false;
        x_ = 0;
        y_ = 0;
        return pages_.newPage();
    }
    bool endDocument() override
    {
        abort();
        return true;
    }
    void abort() override
    {
        if (painter_.isActive())
            painter_.end();
    }
    QString lastFile() const override { return {}; }
    bool outlineCell(const QRectF &inches) override
    {
        if (!begun())
            return false;
        const double dpiX = pages_.logicalDpiX();
        const double dpiY = pages_.logicalDpiY();
        painter_.save();
        QPen pen(QColor(160, 160, 160));
        pen.setCosmetic(true);
        pen.setWidth(0);
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(inches.x() * dpiX, inches.y() * dpiY, inches.width() * dpiX,
                                 inches.height() * dpiY));
        painter_.restore();
        return true;
    }

  private:
    static bool moveTo(double &coordinate, double inches)
    {
        if (!std::isfinite(inches))
            return false;
        coordinate = inches;
        return true;
    }
    bool begun()
    {
        if (painter_.isActive())
            return true;
        if (!painter_.begin(&pages_))
            return false;
        metrics_ = applyFont(painter_, pages_, fontChosen_ ? font_ : QFont());
        return true;
    }

    QPrinter &pages_;
    QString family_;
    QFont font_;
    bool fontChosen_ = false;
    double x_ = 0;
    double y_ = 0;
    LineMetrics metrics_;
    QPainter painter_;
};

// The preview widget keeps the printer its pages were drawn for as long as it shows them.
struct OwnedPrinter {
    std::unique_ptr<QPrinter> printer;
};

class PagesView final : private OwnedPrinter, public QPrintPreviewWidget {
  public:
    PagesView(std::unique_ptr<QPrinter> pages, QWidget *parent)
        : OwnedPrinter{std::move(pages)}, QPrintPreviewWidget(OwnedPrinter::printer.get(), parent)
    {
        setViewMode(QPrintPreviewWidget::SinglePageView);
        setZoomMode(QPrintPreviewWidget::FitInView);
    }
};

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
    if (!family.isEmpty())
        family_ = family;
    font_ = labelFont(family_, points);
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
    y_ = drawLine(painter_, *printer_, metrics_, x_, y_, text);
    x_ = 0;
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
        printer = labelPrinter(false, pdfPaper_);
        if (!printer)
            return false;
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
        printer = labelPrinter(true, pdfPaper_);
        printer->setOutputFileName(partialPdf_);
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
    metrics_ = tessaly::applyFont(painter_, *printer_, fontChosen_ ? font_ : QFont());
}

QWidget *QtPrinter::previewPages(const PrintedDocument &document, QWidget *parent)
{
    std::unique_ptr<QPrinter> pages = labelPrinter(toPdf(), pdfPaper_);
    if (!pages)
        return nullptr;
    auto view = std::make_unique<PagesView>(std::move(pages), parent);
    bool drawn = false;
    // The pages are drawn once, here: the document may not outlive this call.
    const QMetaObject::Connection drawing = QObject::connect(
        view.get(), &QPrintPreviewWidget::paintRequested, view.get(), [&](QPrinter *printer) {
            PreviewPrinter preview(*printer, family_);
            drawn = document(preview);
        });
    view->updatePreview();
    QObject::disconnect(drawing);
    return drawn ? view.release() : nullptr;
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
