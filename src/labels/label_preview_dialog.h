#pragma once

#include <QDialog>

class QVBoxLayout;

namespace tessaly {

// "Label Preview": the pages a print would make now, one after another, with "&Print" to
// print them as they are and "Close" (or Escape) to go back to the label window.
class LabelPreviewDialog : public QDialog {
    Q_OBJECT

  public:
    // summary: what the pages hold ("31 labels on 2 pages"); the dialog takes most of the
    // work area's height, in the shape of a page, in its middle.
    LabelPreviewDialog(const QString &summary, const QRect &workArea, QWidget *parent);

    // Shows pages, which the printer drew with this dialog as their parent, above the buttons.
    void showPages(QWidget *pages);

  private:
    QVBoxLayout *layout_;
};

} // namespace tessaly
