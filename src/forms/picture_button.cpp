#include "forms/picture_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

namespace tessaly {

PictureButton::PictureButton(ButtonPicture picture, QWidget *parent)
    : QPushButton(parent), picture_(picture)
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));

    // The picture takes the upper part of the button; the caption keeps room for
    // two lines below it.
    const int lineHeight = fontMetrics().height();
    const int room = contents.height() - 2 * lineHeight - 2;
    const int side = std::clamp(std::min(room, contents.width() * 3 / 5), 0, 48);
    if (side >= 8) {
        const QRectF box(contents.center().x() - side / 2.0, contents.top() + 1, side, side);
        painter.setRenderHint(QPainter::Antialiasing);
        drawButtonPicture(painter, picture_, box);
        painter.setRenderHint(QPainter::Antialiasing, false);
        contents.setTop(contents.top() + side + 2);
    }
    style()->drawItemText(&painter, contents,
                          Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          option.palette, isEnabled(), caption, QPalette::ButtonText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace tessaly
