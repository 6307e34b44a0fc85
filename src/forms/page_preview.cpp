#include "forms/page_preview.h"

#include "forms/enter_key.h"
#include "forms/printer_choice.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly {

namespace {

constexpr int kGap = 12; // pixels around and between the pages

} // namespace

PreviewPages::PreviewPages(const PageArea &area, int pages, PagePainter paintPage, int pageWidth,
                           QWidget *parent)
    : QWidget(parent), area_(area), pages_(pages), paintPage_(std::move(paintPage))
{
    setObjectName(QStringLiteral("PreviewPages"));
    const int width = std::max(pageWidth, 100);
    pageSize_ = QSize(width, qRound(width * area.paper.height() / area.paper.width()));
    setFixedSize(width + 2 * kGap, kGap + pages * (pageSize_.height() + kGap));
    setFocusPolicy(Qt::StrongFocus);
}

QRect PreviewPages::pageRect(int page) const
{
    return QRect(QPoint(kGap, kGap + (page - 1) * (pageSize_.height() + kGap)), pageSize_);
}

void PreviewPages::paintPreviewPage(QPainter &painter, int page) const
{
    const double dotsPerPoint = painter.device()->logicalDpiX() / 72.0;
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), area_.paper * dotsPerPoint), Qt::white);
    painter.translate(area_.printable.topLeft() * dotsPerPoint);
    paintPage_(painter, page);
    painter.restore();
}

void PreviewPages::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double scale = pageSize_.width() / (area_.paper.width() * logicalDpiX() / 72.0);
    const int first = std::max(1, event->rect().top() / (pageSize_.height() + kGap));
    for (int page = first; page <= pages_; ++page) {
        const QRect where = pageRect(page);
        if (where.top() > event->rect().bottom())
            break;
        painter.save();
        painter.setClipRect(where);
        painter.translate(where.topLeft());
        painter.scale(scale, scale);
        paintPreviewPage(painter, page);
        painter.restore();
        painter.setPen(Qt::darkGray);
        painter.drawRect(where.adjusted(0, 0, -1, -1));
    }
}

PagePreviewDialog::PagePreviewDialog(const QString &title, const QString &name,
                                     const QString &summary, const QRect &workArea,
                                     QWidget *parent)
    : QDialog(parent), layout_(new QVBoxLayout(this)), buttons_(nullptr), print_(nullptr)
{
    setObjectName(name);
    setWindowTitle(title);
    setWindowModality(Qt::WindowModal);

    auto *summaryLabel = new QLabel(summary, this);
    summaryLabel->setObjectName(QStringLiteral("PreviewSummary"));
    auto *print = print_ = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("PreviewPrint"));
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("PreviewClose"));
    // Paper costs money: Enter prints nothing by itself, only on a button that has the focus.
    print->setAutoDefault(false);
    close->setAutoDefault(false);
    pressOnEnter(print);
    pressOnEnter(close);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // Closed, it gives the keyboard back to the window that asked for it, which would otherwise
    // be left without the focus, its keys doing nothing until a click.
    connect(this, &QDialog::finished, this, [this] {
        if (QWidget *asker = parentWidget())
            asker->window()->activateWindow();
    });

    buttons_ = new QHBoxLayout;
    buttons_->addWidget(summaryLabel, 1);
    buttons_->addWidget(print);
    buttons_->addWidget(close);
    layout_->addLayout(buttons_);

    // A letter page is 8.5 by 11 inches; the buttons take a little more height.
    const int height = workArea.height() * 9 / 10;
    const int width = std::min(workArea.width(), height * 4 / 5);
    setGeometry(QRect(workArea.x() + (workArea.width() - width) / 2,
                      workArea.y() + (workArea.height() - height) / 2, width, height));
}

void PagePreviewDialog::showPages(const PageArea &area, int pages, PagePainter paintPage)
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PreviewScroll"));
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    const int pageWidth = width() - 2 * kGap - scroll->verticalScrollBar()->sizeHint().width() -
                          layout_->contentsMargins().left() - layout_->contentsMargins().right() -
                          2 * scroll->frameWidth();
    auto *view = new PreviewPages(area, pages, std::move(paintPage), pageWidth, scroll);
    scroll->setWidget(view);
    layout_->insertWidget(0, scroll, 1);
    view->setFocus();
}

void PagePreviewDialog::offerPrinterChoice(Printer &printer, const QString &noPrinter)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QStringLiteral("PreviewPrinter"));
    auto *copies = new QSpinBox(this);
    copies->setObjectName(QStringLiteral("PreviewCopies"));
    offerPrinters(printer, list, copies, noPrinter);
    auto *printerCaption = new QLabel(QStringLiteral("Printer"), this);
    printerCaption->setBuddy(list);
    auto *copiesCaption = new QLabel(QStringLiteral("Copies"), this);
    copiesCaption->setBuddy(copies);
    const int at = buttons_->indexOf(print_);
    buttons_->insertWidget(at, printerCaption);
    buttons_->insertWidget(at + 1, list);
    buttons_->insertWidget(at + 2, copiesCaption);
    buttons_->insertWidget(at + 3, copies);
    setTabOrder(list, copies);
    setTabOrder(copies, print_);
}

} // namespace tessaly
