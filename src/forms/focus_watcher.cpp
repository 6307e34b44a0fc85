#include "forms/focus_watcher.h"

#include <QFocusEvent>
#include <QWidget>

namespace tessaly {

bool isOperatorFocusChange(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

void FocusWatcher::watch(QWidget *control)
{
    control->installEventFilter(this);
    // A control deleted while it holds the focus must not leave a stale entry that a
    // later control at the same address would inherit.
    connect(control, &QObject::destroyed, this, [this](QObject *gone) { focused_.erase(gone); });
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (!isOperatorFocusChange(reason))
        return false;
    auto *control = static_cast<QWidget *>(watched);
    // The control takes the focus change first (its caret, its selection), as it
    // would without a watcher; the window's rule then sees the control as it is.
    watched->event(event);
    if (event->type() == QEvent::FocusIn) {
        focused_.insert(watched);
        emit entered(control, reason);
    } else if (focused_.erase(watched) > 0) {
        emit left(control);
    }
    return true;
}

} // namespace tessaly
