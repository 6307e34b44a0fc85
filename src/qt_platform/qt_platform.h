#pragma once

#include "platform/platform.h"
#include "qt_platform/qt_printer.h"

#include <memory>

namespace tessaly {

class QtMessageBoxes final : public MessageBoxes {
  public:
    void inform(const QString &text, const QString &title) override;
    Answer ask(const QString &text, const QString &title) override;
    int choose(const QString &text, const QString &title, const QStringList &buttons,
               int defaultButton, int escapeButton) override;
    void beep() override;
};

class QtClipboard final : public Clipboard {
  public:
    bool clear() override;
    bool setText(const QString &text) override;
};

class QtClock final : public Clock {
  public:
    QDate today() const override;
};

class QtFileChooser final : public FileChooser {
  public:
    QString chooseFileToSave(const QString &title, const QString &suggested,
                             const QString &filter) override;
    QString chooseFileToOpen(const QString &title, const QString &directory,
                             const QString &filter) override;
};

class QtDesktop final : public Desktop {
  public:
    QRect workArea() const override;
    QSize screenSize() const override;
};

// The real desktop, for the program itself. When the system has no printer, labels go
// to Labels.pdf in startDirectory (the current directory when none is given).
class QtPlatform {
  public:
    explicit QtPlatform(const QString &startDirectory = QString());
    Platform &platform() { return platform_; }

  private:
    QtMessageBoxes messages_;
    QtClipboard clipboard_;
    QtClock clock_;
    QtDesktop desktop_;
    QtPrinter printer_;
    QtFileChooser files_;
    Platform platform_;
};

} // namespace tessaly
