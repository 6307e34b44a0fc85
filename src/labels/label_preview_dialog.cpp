#include "labels/label_preview_dialog.h"

#include "labels/label_window_texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly {

LabelPreviewDialog::LabelPreviewDialog(const QString &summary, const QRect &workArea,
                                       QWidget *parent)
    : QDialog(parent), layout_(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("LabelPreview"));
    setWindowTitle(previewTitle());
    setWindowModality(Qt::WindowModal);

    auto *summaryLabel = new QLabel(summary, this);
    summaryLabel->setObjectName(QStringLiteral("PreviewSummary"));
    auto *print = new QPushButton(previewPrintCaption(), this);
    print->setObjectName(QStringLiteral("PreviewPrint"));
    auto *close = new QPushButton(previewCloseCaption(), this);
    close->setObjectName(QStringLiteral("PreviewClose"));
    // Labels cost money: Enter prints nothing by itself.
    print->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(summaryLabel, 1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    layout_->addLayout(buttons);

    // A letter page is 8.5 by 11 inches; the buttons take a little more height.
    const int height = workArea.height() * 9 / 10;
    const int width = std::min(workArea.width(), height * 4 / 5);
    setGeometry(QRect(workArea.x() + (workArea.width() - width) / 2,
                      workArea.y() + (workArea.height() - height) / 2, width, height));
}

void LabelPreviewDialog::showPages(QWidget *pages)
{
    layout_->insertWidget(0, pages, 1);
    pages->setFocus();
}

} // namespace tessaly
