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
    watched_.insert(control);
    connect(control, &QObject::destroyed, this, [this](QObject *gone) { watched_.erase(gone); });
}

void FocusWatcher::giveFocus(QWidget *control)
{
    const bool watched = watched_.count(control) > 0;
    if (control->window()->isActiveWindow()) {
        if (!control->hasFocus())
            control->setFocus(Qt::OtherFocusReason);
        else if (watched)
            enter(control, Qt::OtherFocusReason);
        return;
    }
    // The focus arrives only when the window comes back; the control it leaves is left
    // now, as it would be at once in an active window, while the caller still knows why.
    if (current_ != control)
        leaveCurrent();
    given_ = watched ? control : nullptr;
    control->setFocus(Qt::OtherFocusReason);
}

void FocusWatcher::enter(QWidget *control, Qt::FocusReason reason)
{
    given_ = nullptr;
    current_ = control;
    emit entered(control, reason);
}

void FocusWatcher::leaveCurrent()
{
    if (current_.isNull())
        return;
    QWidget *const was = current_;
    current_ = nullptr;
    emit left(was);
}

bool FocusWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto *control = static_cast<QWidget *>(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (event->type() == QEvent::FocusIn && !isOperatorFocusChange(reason)) {
        // Back with the window, a menu or a popup to the control it was in: nothing
        // happened to it. Arriving anywhere else with the window means the program
        // moved the focus while the window was away.
        if (reason != Qt::ActiveWindowFocusReason || (control == current_ && control != given_))
            return false;
        if (current_ != control)
            leaveCurrent();
    } else if (!isOperatorFocusChange(reason)) {
        return false;
    }
    // The control takes the focus change first (its caret, its selection), as it
    // would without a watcher; the window's rule then sees the control as it is.
    watched->event(event);
    if (event->type() == QEvent::FocusIn)
        enter(control, reason);
    else if (control == current_)
        leaveCurrent();
    return true;
}

} // namespace tessaly
