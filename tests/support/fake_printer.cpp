#include "fake_printer.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

namespace tessaly::testing {

namespace {

QString tenths(double value)
{
    return QString::number(std::round(value * 10) / 10, 'f', 1);
}

class RecordingEngine final : public QPaintEngine {
  public:
    explicit RecordingEngine(DrawnPage &page) : QPaintEngine(AllFeatures), page_(page) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyPen)
            outlining_ = state.pen().style() != Qt::NoPen;
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        const QPointF p = transform_.map(at);
        page_.texts << tenths(p.x()) + u',' + tenths(p.y()) + u' ' + item.text();
    }
    void drawRects(const QRectF *rects, int count) override
    {
        if (!outlining_) // a filled background, not an outline
            return;
        for (int n = 0; n < count; ++n) {
            const QRectF r = transform_.mapRect(rects[n]);
            page_.outlines << QStringLiteral("outline %1,%2 %3x%4")
                                  .arg(tenths(r.x()), tenths(r.y()), tenths(r.width()),
                                       tenths(r.height()));
        }
    }
    Type type() const override { return User; }

  private:
    DrawnPage &page_;
    QTransform transform_;
    bool outlining_ = true;
};

// A page of 72 dots an inch: its units are points.
class RecordingPage final : public QPaintDevice {
  public:
    RecordingPage(const QSizeF &points, DrawnPage &page) : size_(points), engine_(page) {}
    QPaintEngine *paintEngine() const override { return &engine_; }

  protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return qRound(size_.width());
        case PdmHeight:
            return qRound(size_.height());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 72;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default: // depth, colours and millimetres: no painting here asks for them
            return 0;
        }
    }

  private:
    QSizeF size_;
    mutable RecordingEngine engine_;
};

} // namespace

DrawnPage drawnPage(const std::function<void(QPainter &, int)> &paintPage, int page,
                    const PageArea &area)
{
    DrawnPage drawn;
    RecordingPage device(area.printable.size(), drawn);
    QPainter painter(&device);
    paintPage(painter, page);
    return drawn;
}

void FakePrinter::rememberFont(const QString &family)
{
    if (!family.isEmpty())
        current = family;
}

PageArea FakePrinter::pageArea(const QPageSize &paper)
{
    const QSizeF size = paper.size(QPageSize::Point);
    return {size, QRectF(QPointF(0, 0), size)};
}

PrintResult FakePrinter::print(const PrintDocument &document)
{
    Job job{document.name, document.paper, choice(), {}};
    const PageArea area = pageArea(document.paper);
    for (int page = 1; page <= document.pages; ++page)
        job.pages.push_back(drawnPage(document.paintPage, page, area));
    jobs.push_back(std::move(job));
    return answer;
}

} // namespace tessaly::testing
