#pragma once

#include "forms/design_geometry.h"
#include "labels/label_number_rules.h"
#include "platform/platform.h"

#include <QDialog>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tessaly {

class FocusWatcher;
class LabelNumberBox;
class RollSession;

// " Label Format": the label sheet's measurements, where on the first sheet to begin,
// and the printer font; "&Print" prints one label for each listed member, in list
// order. Built afresh at every opening; it hides itself after every print.
class LabelWindow : public QDialog {
    Q_OBJECT

  public:
    // listed: the record numbers the main window's list shows, in its order.
    LabelWindow(const RollSession &roll, std::vector<int> listed, Platform &platform,
                QWidget *parent = nullptr);
    ~LabelWindow() override;

  private:
    static constexpr std::size_t kBoxCount = 9;

    void buildControls();
    void connectControls();
    void fillFontList();
    void readSettings();
    LabelNumberBox *box(LabelBox which) const;

    void boxLeft(QWidget *control);
    void sizeTyped(const QString &text);
    void setPreviewSize(double points);
    void print();
    void printerError();

    const RollSession &roll_;
    std::vector<int> listed_;
    Platform &platform_;
    DesignGeometry geometry_;
    std::array<LabelNumberBox *, kBoxCount> boxes_{};
    QListWidget *fonts_ = nullptr;
    QLabel *preview_ = nullptr;
    QPushButton *printButton_ = nullptr;
    std::unique_ptr<FocusWatcher> focusWatcher_;
};

} // namespace tessaly
