#pragma once

#include "platform/platform.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace tessaly::testing {

// What a painter drew on one page: each text as "x,y text" with the start of its baseline,
// and each rectangle as "outline x,y wxh", in points from the origin the painter was given
// (the corner of the printable area), to a tenth of a point.
struct DrawnPage {
    QStringList texts;
    QStringList outlines;
};

// Paints page (from 1) of the document on a recording page of the given area.
DrawnPage drawnPage(const std::function<void(QPainter &, int)> &paintPage, int page,
                    const PageArea &area);

// A printer that draws each document it is given on recording pages, with no edge it cannot
// print on, and answers with the fate the test sets.
class FakePrinter final : public Printer {
  public:
    std::optional<QStringList> fontFamilies() override { return families; }
    std::optional<QString> currentFont() override { return current; }
    void rememberFont(const QString &family) override;
    QPageSize defaultPaper() override { return paper; }
    PageArea pageArea(const QPageSize &paper) override;
    PrintResult print(const PrintDocument &document) override;
    InstalledPrinters installedPrinters() override { return installed; }

    struct Job {
        QString name;
        QPageSize paper;
        PrinterChoice choice; // the printer and copies it went to
        std::vector<DrawnPage> pages;
    };
    std::vector<Job> jobs;

    // nullopt: the fonts cannot be told, as on a system without a printer.
    std::optional<QStringList> families = QStringList{
        QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times New Roman")};
    // Becomes the family of every font remembered, as a real printer does.
    std::optional<QString> current = QStringLiteral("Arial");
    QPageSize paper{QPageSize::Letter}; // the printer's own
    InstalledPrinters installed{{QStringLiteral("Front Desk"), QStringLiteral("Office")},
                                QStringLiteral("Office")};
    // What every print answers.
    PrintResult answer{PrintResult::Fate::Printed, {}, {}};
};

} // namespace tessaly::testing
