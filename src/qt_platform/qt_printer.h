#pragma once

#include "platform/platform.h"

class QPrinterInfo;

namespace tessaly {

// The printer chosen, else the system's default printer (its first one when none is the
// default), or a PDF file in
// the given folder when the system has no printer at all (a machine without a print
// service), so that a print run always leaves something the operator can print later.
class QtPrinter final : public Printer {
  public:
    enum class Destination {
        DefaultPrinter, // the system's default printer; the PDF file when there is none
        PdfFile,        // the PDF file, whatever printers the system has
    };

    explicit QtPrinter(const QString &pdfDirectory,
                       Destination destination = Destination::DefaultPrinter);

    std::optional<QStringList> fontFamilies() override;
    std::optional<QString> currentFont() override;
    void rememberFont(const QString &family) override;
    QPageSize defaultPaper() override;
    PageArea pageArea(const QPageSize &paper) override;
    PrintResult print(const PrintDocument &document) override;
    InstalledPrinters installedPrinters() override;

  private:
    std::optional<QPrinterInfo> target() const;
    PrintResult toPdf(const PrintDocument &document) const;
    PrintResult toPrinter(const PrintDocument &document, const QPrinterInfo &target) const;

    QString pdfDirectory_;
    Destination destination_;
    QString family_; // empty until a document named one: the printer's default then
};

} // namespace tessaly
