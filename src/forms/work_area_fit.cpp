#include "forms/work_area_fit.h"

#include "forms/design_geometry.h"
#include "platform/platform.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace tessaly {

WorkAreaFit::WorkAreaFit(QWidget *window, QWidget *client, const DesignGeometry &geometry,
                         const Desktop &desktop)
    : QObject(window), window_(window), client_(client), geometry_(geometry), desktop_(desktop)
{
    window_->installEventFilter(this);
}

void WorkAreaFit::fit()
{
    takeWorkArea(QSize(0, 0));
}

void WorkAreaFit::takeWorkArea(const QSize &frame)
{
    const QRect area = desktop_.workArea();
    window_->resize(area.size() - frame);
    // move() places the frame, so its outer corner lands on the work area's.
    window_->move(area.topLeft());
    // Lays out menu bar and client area now, so that the fit uses the client
    // area's true size rather than a guess at the menu bar's height.
    if (window_->layout() != nullptr)
        window_->layout()->activate();
    fitClient();
}

void WorkAreaFit::fitClient()
{
    fittedClient_ = client_->size();
    geometry_.fitTo(client_, fittedClient_);
}

bool WorkAreaFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_ || frameFitted_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize: {
        if (!window_->isVisible())
            break;
        const QSize frame = window_->frameGeometry().size() - window_->geometry().size();
        if (frame.width() > 0 || frame.height() > 0) {
            frameFitted_ = true;
            takeWorkArea(frame);
        } else if (event->type() == QEvent::Show && client_->size() != fittedClient_) {
            // No frame (yet), but the window system gave another size than asked.
            fitClient();
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace tessaly
