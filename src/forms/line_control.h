#pragma once

#include <QWidget>

namespace tessaly {

// A straight line of a designed window, from one end point to the other. It is a
// control like any other, so that fitting the window scales its end points with the
// same ratios; it is drawn one pixel wide along its top edge (horizontal) or its left
// edge (vertical), whatever its fitted thickness.
class LineControl : public QWidget {
    Q_OBJECT

  public:
    LineControl(Qt::Orientation orientation, QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    Qt::Orientation orientation_;
};

} // namespace tessaly
