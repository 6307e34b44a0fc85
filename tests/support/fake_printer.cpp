#include "fake_printer.h"

#include <QWidget>

namespace tessaly::testing {

bool FakePrinter::allowed(PrinterOperation operation, const QString &call)
{
    ++callCount_;
    const bool fails = callCount_ == failAtCall || failingOperation == operation;
    calls.append(fails ? call + QStringLiteral(" FAILED") : call);
    return !fails;
}

bool FakePrinter::setFont(const QString &family, double points)
{
    if (!allowed(PrinterOperation::SetFont,
                 QStringLiteral("font %1 %2").arg(family, QString::number(points))))
        return false;
    if (!family.isEmpty())
        current = family;
    return true;
}

bool FakePrinter::setCurrentX(double inches)
{
    if (!allowed(PrinterOperation::SetCurrentX, QStringLiteral("x %1").arg(inches)))
        return false;
    x_ = inches;
    return true;
}

bool FakePrinter::setCurrentY(double inches)
{
    if (!allowed(PrinterOperation::SetCurrentY, QStringLiteral("y %1").arg(inches)))
        return false;
    y_ = inches;
    return true;
}

bool FakePrinter::printLine(const QString &text)
{
    if (!allowed(PrinterOperation::PrintLine,
                 QStringLiteral("line p%1 %2,%3 %4").arg(page_).arg(x_).arg(y_).arg(text)))
        return false;
    x_ = 0;
    y_ += lineHeight;
    return true;
}

bool FakePrinter::newPage()
{
    if (!allowed(PrinterOperation::NewPage, QStringLiteral("new page")))
        return false;
    ++page_;
    x_ = 0;
    y_ = 0;
    return true;
}

bool FakePrinter::endDocument()
{
    if (!allowed(PrinterOperation::EndDocument, QStringLiteral("end")))
        return false;
    page_ = 1;
    return true;
}

void FakePrinter::abort()
{
    calls.append(QStringLiteral("abort"));
    page_ = 1;
}

bool FakePrinter::outlineCell(const QRectF &inches)
{
    return allowed(PrinterOperation::OutlineCell, QStringLiteral("outline p%1 %2,%3 %4x%5")
                                                      .arg(page_)
                                                      .arg(inches.x())
                                                      .arg(inches.y())
                                                      .arg(inches.width())
                                                      .arg(inches.height()));
}

QWidget *FakePrinter::previewPages(const PrintedDocument &document, QWidget *parent)
{
    FakePrinter pages;
    pages.current = current;
    pages.lineHeight = lineHeight;
    pages.failAtCall = failAtCall;
    pages.failingOperation = failingOperation;
    const bool drawn = document(pages);
    previewCalls = pages.calls;
    if (!drawn)
        return nullptr;
    auto *view = new QWidget(parent);
    view->setObjectName(QStringLiteral("PreviewPages"));
    return view;
}

} // namespace tessaly::testing
