#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <optional>

namespace tessaly::testing {

enum class PrinterOperation {
    SetFont,
    SetCurrentX,
    SetCurrentY,
    PrintLine,
    NewPage,
    EndDocument,
    OutlineCell,
};

// Records every printing call in order and fails where the test says. The position
// follows the printer's rule: after a line, x is 0 and y one lineHeight lower.
class FakePrinter final : public Printer {
  public:
    std::optional<QStringList> fontFamilies() override { return families; }
    std::optional<QString> currentFont() override { return current; }
    bool setFont(const QString &family, double points) override;
    bool setCurrentX(double inches) override;
    bool setCurrentY(double inches) override;
    bool printLine(const QString &text) override;
    bool newPage() override;
    bool endDocument() override;
    void abort() override;
    QString lastFile() const override { return file; }
    void setPdfPaper(const QSizeF &inches) override { pdfPaper = inches; }
    bool outlineCell(const QRectF &inches) override;
    // Draws the document on a fake printer of its own, failing as this one is set to, whose
    // calls become previewCalls; gives an empty widget named "PreviewPages".
    QWidget *previewPages(const PrintedDocument &document, QWidget *parent) override;

    // One entry a call: "font Arial 10", "x 0.1", "y 0.52", "line p1 0.1,0.52 ARS K3ABC",
    // "outline p1 0.1,0.52 2.75x1", "new page", "end", "abort"; a call made to fail ends
    // in " FAILED".
    QStringList calls;
    // The calls of the last preview's document.
    QStringList previewCalls;

    // nullopt: the fonts cannot be told, as on a system without a printer.
    std::optional<QStringList> families = QStringList{
        QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};
    // Becomes the family of every font set, as a real printer remembers it.
    std::optional<QString> current = QStringLiteral("Arial");
    QString file;    // what lastFile() gives
    QSizeF pdfPaper; // the last paper asked for; empty until then
    double lineHeight = 0.25;

    // The nth printing call (counted from 1, abort not counted) fails; 0: none does.
    int failAtCall = 0;
    // Every call of this operation fails.
    std::optional<PrinterOperation> failingOperation;

  private:
    bool allowed(PrinterOperation operation, const QString &call);

    int callCount_ = 0;
    double x_ = 0;
    double y_ = 0;
    int page_ = 1;
};

} // namespace tessaly::testing
