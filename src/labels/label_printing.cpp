#include "labels/label_printing.h"

#include <QDir>

namespace tessaly {

namespace {

Outcome stopped(Printer &printer, const QString &reason)
{
    const QString file = printer.lastFile();
    printer.abort();
    return Outcome::failure(
        file.isEmpty() ? QStringLiteral("the printer") : QDir::toNativeSeparators(file), reason);
}

QString labelFailure(const PlannedLabel &label)
{
    return QStringLiteral("the printer failed while printing label %1 (page %2, row %3, "
                          "column %4)")
        .arg(label.listPosition)
        .arg(label.page)
        .arg(label.row)
        .arg(label.column);
}

} // namespace

Outcome printLabels(Printer &printer, const LabelPlan &plan, const QString &fontFamily,
                    double fontSize, const std::vector<QRectF> &outlinedCells)
{
    const auto outlined = [&printer, &outlinedCells] {
        for (const QRectF &cell : outlinedCells) {
            if (!printer.outlineCell(cell))
                return false;
        }
        return true;
    };
    const auto unoutlined = [&printer](int page) {
        return stopped(
            printer,
            QStringLiteral("the printer could not outline the labels of page %1").arg(page));
    };

    if (!printer.setFont(fontFamily, fontSize))
        return stopped(printer, QStringLiteral("the printer refused the font %1 at %2 points")
                                    .arg(fontFamily, QString::number(fontSize)));

    int page = 1;
    if (!plan.labels.empty() && !outlined())
        return unoutlined(page);
    for (const PlannedLabel &label : plan.labels) {
        for (; page < label.page; ++page) {
            if (!printer.newPage())
                return stopped(printer,
                               QStringLiteral("the printer could not start page %1").arg(page + 1));
            if (!outlined())
                return unoutlined(page + 1);
        }
        // The y is set once a label: its later lines follow by the printer's own line
        // advance, so the lettering keeps the spacing of the font it is printed in.
        if (!printer.setCurrentX(label.x) || !printer.setCurrentY(label.y))
            return stopped(printer, labelFailure(label));
        for (qsizetype n = 0; n < label.lines.size(); ++n) {
            if (n > 0 && !printer.setCurrentX(label.x))
                return stopped(printer, labelFailure(label));
            if (!printer.printLine(label.lines.at(n)))
                return stopped(printer, labelFailure(label));
        }
    }

    if (!printer.endDocument())
        return stopped(printer, QStringLiteral("the document could not be finished"));
    return Outcome::done();
}

} // namespace tessaly
