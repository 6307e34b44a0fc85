#pragma once

class QPainter;
class QRectF;

namespace tessaly {

enum class ButtonPicture { None, Add, Clear, Delete, Copy, Print };

// Draws the small picture of a tall command button inside box, in colours that
// stay readable on any button face.
void drawButtonPicture(QPainter &painter, ButtonPicture picture, const QRectF &box);

} // namespace tessaly
