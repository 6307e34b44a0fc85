#pragma once

#include <QObject>
#include <QPointer>

#include <set>

class QWidget;

namespace tessaly {

// Focus that moves because the window was deactivated, or a menu or popup opened,
// comes straight back to the same control: it is not the operator entering or
// leaving a control, and the enter and leave rules ignore it.
bool isOperatorFocusChange(Qt::FocusReason reason);

// Tells a window when the focus moves into or out of one of the controls it watches,
// whatever kind of control it is. A control is left only after it was entered: a rule
// can send the focus back before it arrives.
//
// After a message box the window is not active yet when the program gives a control
// the focus; the control receives it only as the window comes back. That arrival
// counts as entering the control, while the focus that merely returns with the window
// to the control it was in does not.
class FocusWatcher : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    void watch(QWidget *control);

    // Gives control the focus on the program's behalf: it is entered whenever the focus
    // arrives, also when it held the focus before a message box took it away.
    void giveFocus(QWidget *control);

  signals:
    void entered(QWidget *control, Qt::FocusReason reason);
    void left(QWidget *control);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void enter(QWidget *control, Qt::FocusReason reason);
    void leaveCurrent();

    std::set<const QObject *> watched_;
    // The watched control that was entered and not yet left.
    QPointer<QWidget> current_;
    // The control the program gave the focus while the window was away.
    QPointer<QWidget> given_;
};

} // namespace tessaly
