#pragma once

#include "platform/platform.h"

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

namespace tessaly {

// Paints one page (from 1) with the painter's origin at the corner of the printable area.
using PagePainter = std::function<void(QPainter &, int page)>;

// The pages of a preview, one under another, each the paper in white with what the printer
// would put on it; a page is painted only while it shows, so a roll of 334 pages opens at once.
class PreviewPages : public QWidget {
    Q_OBJECT

  public:
    PreviewPages(const PageArea &area, int pages, PagePainter paintPage, int pageWidth,
                 QWidget *parent);

    // Page (from 1) as the preview shows it, on the painter's device at its own resolution:
    // the paper, and the printable area's content where the printer puts it.
    void paintPreviewPage(QPainter &painter, int page) const;
    int pageCount() const { return pages_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QRect pageRect(int page) const;

    PageArea area_;
    int pages_;
    PagePainter paintPage_;
    QSize pageSize_; // on screen
};

// The pages a print would make now, one after another, with "&Print" to print them as they
// are and "Close" (or Escape) to go back to the window that asked.
class PagePreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // summary: what the pages hold ("31 labels on 2 pages"); the dialog takes most of the
    // work area's height, in the shape of a page, in its middle. name is its object name.
    PagePreviewDialog(const QString &title, const QString &name, const QString &summary,
                      const QRect &workArea, QWidget *parent);

    // Shows the pages above the buttons.
    void showPages(const PageArea &area, int pages, PagePainter paintPage);
    // Puts "Printer" and "Copies" before the buttons, offering the printer's choice as
    // offerPrinters does; Tab goes from them to "&Print".
    void offerPrinterChoice(Printer &printer, const QString &noPrinter);

  private:
    QVBoxLayout *layout_;
    QHBoxLayout *buttons_;
    QPushButton *print_;
};

} // namespace tessaly
