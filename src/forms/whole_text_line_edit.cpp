#include "forms/whole_text_line_edit.h"

namespace tessaly {

void WholeTextLineEdit::selectAllOnEntry(bool byMouse)
{
    selectAll();
    selectAllOnRelease_ = byMouse;
}

void WholeTextLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    selectAllOnRelease_ = false;
}

void WholeTextLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (selectAllOnRelease_) {
        selectAllOnRelease_ = false;
        selectAll();
    }
}

} // namespace tessaly
