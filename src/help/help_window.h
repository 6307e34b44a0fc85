#pragma once

#include "forms/design_geometry.h"
#include "platform/platform.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tessaly {

// "Help Page": the help text readtess.txt from the start directory, read whole each
// time the window opens. A missing or unreadable file gives an empty page, quietly.
class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    HelpWindow(const QString &startDirectory, Platform &platform, QWidget *parent = nullptr);

  private:
    void buildControls();
    void writeCopy();

    QString startDirectory_;
    DesignGeometry geometry_;
    QPlainTextEdit *text_ = nullptr;
};

} // namespace tessaly
