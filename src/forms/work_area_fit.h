#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace tessaly {

class DesignGeometry;
class Desktop;

// Stretches a window over the desktop's work area: the whole window, frame and
// title bar included, at the work area's top-left corner, with the controls
// scaled from their design to the client area that results. Later resizes by
// the operator leave the controls where they are.
//
// A window manager reports the frame only once the window is on the screen, so
// the first fit takes the window as frameless, and the fit is made once more,
// from the design, as soon as the frame is known.
class WorkAreaFit : public QObject {
    Q_OBJECT

  public:
    // client holds the designed controls: the window itself, or its central widget.
    WorkAreaFit(QWidget *window, QWidget *client, const DesignGeometry &geometry,
                const Desktop &desktop);

    void fit();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void takeWorkArea(const QSize &frame);
    void fitClient();

    QWidget *window_;
    QWidget *client_;
    const DesignGeometry &geometry_;
    const Desktop &desktop_;
    QSize fittedClient_;
    bool frameFitted_ = false;
};

} // namespace tessaly
