#pragma once

#include <QLineEdit>

namespace tessaly {

// A single-line box that can select its whole text as it takes the focus, so that
// typing replaces it: also when the focus came with a mouse click, whose release
// would otherwise drop the selection and place the caret.
class WholeTextLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    using QLineEdit::QLineEdit;

    // byMouse: the focus came with a mouse click that is still to be released.
    void selectAllOnEntry(bool byMouse);

  protected:
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    bool selectAllOnRelease_ = false;
};

} // namespace tessaly
