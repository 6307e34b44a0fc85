#pragma once

#include "forms/button_pictures.h"

#include <QPushButton>

namespace tessaly {

// A tall command button with a small picture above its caption; the caption wraps
// onto as many lines as the button's width needs.
class PictureButton : public QPushButton {
    Q_OBJECT

  public:
    PictureButton(ButtonPicture picture, QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    ButtonPicture picture_;
};

} // namespace tessaly
