#pragma once

#include "forms/design_geometry.h"

#include <QString>

#include <vector>

class QWidget;

namespace tessaly {

// Whether the Tab key stops at a control. The controls it stops at it visits in the
// order of their window's tables.
enum class TabStop { No, Yes };

// What every row of a designed window's control table holds: the control's identifier
// (its objectName), its caption or the text it starts with, its place in twips (inside
// a group box, relative to it), its tooltip and whether Tab stops there. A window's own
// row adds the kind of control and what the window does with it.
struct ControlRow {
    QString id;
    QString caption;
    TwipsRect rect;
    QString toolTip;
    TabStop tab = TabStop::No;
};

// Builds a window's controls from its tables. The window makes each row's control, of
// the kind the row names and typed as it keeps it; the builder names it, gives it its
// tooltip, places it at its design rectangle and puts it in the Tab order.
class ControlBuilder {
  public:
    explicit ControlBuilder(DesignGeometry &geometry) : geometry_(geometry) {}

    // For every row of table in order, make(row) gives the control, which is then named,
    // placed and ordered as add does.
    template <typename Row, typename Make> void build(const std::vector<Row> &table, Make &&make)
    {
        for (const Row &row : table)
            add(make(row), row);
    }
    void add(QWidget *control, const ControlRow &row);

    // The controls Tab stops at, in the order they were built.
    const std::vector<QWidget *> &tabOrder() const { return tabOrder_; }
    // Chains the Tab key through them, in that order.
    void setTabOrder() const;

  private:
    DesignGeometry &geometry_;
    std::vector<QWidget *> tabOrder_;
};

} // namespace tessaly
