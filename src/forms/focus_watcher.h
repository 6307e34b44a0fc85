#pragma once

#include <QObject>

#include <set>

class QWidget;

namespace tessaly {

// Focus that moves because the window was deactivated, or a menu or popup opened,
// comes straight back to the same control: it is not the operator entering or
// leaving a control, and the enter and leave rules ignore it.
bool isOperatorFocusChange(Qt::FocusReason reason);

// Tells a window when the operator moves the focus into or out of one of the
// controls it watches, whatever kind of control it is. A control is left only
// after it was entered: a rule can send the focus back before it arrives.
class FocusWatcher : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    void watch(QWidget *control);

  signals:
    void entered(QWidget *control, Qt::FocusReason reason);
    void left(QWidget *control);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    std::set<QObject *> focused_;
};

} // namespace tessaly
