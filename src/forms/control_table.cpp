#include "forms/control_table.h"

#include <QWidget>

namespace tessaly {

void ControlBuilder::add(QWidget *control, const ControlRow &row)
{
    control->setObjectName(row.id);
    control->setToolTip(row.toolTip);
    geometry_.place(control, row.rect);
    if (row.tab == TabStop::Yes)
        tabOrder_.push_back(control);
}

void ControlBuilder::setTabOrder() const
{
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

} // namespace tessaly
