#pragma once

#include "platform/platform.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPrinter;

namespace tessaly {

// Where the lettering of one font sits on a printer's page, in device pixels.
struct LineMetrics {
    double ascent = 0;
    double lineSpacing = 0;
};

// The system's default printer, or a PDF file when the system has no printer at all
// (a machine without a print service), so that a print run always leaves something the
// operator can print later.
class QtPrinter final : public Printer {
  public:
    enum class Destination {
        DefaultPrinter, // the system's default printer; the PDF file when there is none
        PdfFile,        // the PDF file, whatever printers the system has
    };

    // The PDF is written as pdfFileName() in pdfDirectory.
    explicit QtPrinter(const QString &pdfDirectory,
                       Destination destination = Destination::DefaultPrinter);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter &) = delete;
    QtPrinter &operator=(const QtPrinter &) = delete;

    static QString pdfFileName();

    std::optional<QStringList> fontFamilies() override;
    std::optional<QString> currentFont() override;
    bool setFont(const QString &family, double points) override;
    bool setCurrentX(double inches) override;
    bool setCurrentY(double inches) override;
    bool printLine(const QString &text) override;
    bool newPage() override;
    bool endDocument() override;
    void abort() override;
    QString lastFile() const override { return lastFile_; }
    // The pages of the printer a print would use now (the PDF's when there is none).
    QWidget *previewPages(const PrintedDocument &document, QWidget *parent) override;
    void setPdfPaper(const QSizeF &inches) override { pdfPaper_ = inches; }

  private:
    bool toPdf() const;
    void chooseDestination();
    bool beginDocument();
    void applyFont();
    bool commitPdf();
    void closeDocument();

    QString pdfDirectory_;
    Destination destination_;
    QString lastFile_;
    QString partialPdf_;       // the document being written, beside the PDF it will replace
    QSizeF pdfPaper_{8.5, 11}; // US Letter until the labels ask for another
    QString family_;           // empty until a run sets one: the printer's default then
    QFont font_;
    bool fontChosen_ = false;
    double x_ = 0; // inches
    double y_ = 0;
    LineMetrics metrics_; // for the font on this printer
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

} // namespace tessaly
