#include "forms/printer_choice.h"

#include <QComboBox>
#include <QSpinBox>
#include <QStandardItemModel>

#include <algorithm>

namespace tessaly {

void offerPrinters(Printer &printer, QComboBox *list, QSpinBox *copies, const QString &noPrinter)
{
    copies->setRange(1, 99);
    copies->setValue(std::clamp(printer.choice().copies, 1, 99));
    const InstalledPrinters installed = printer.installedPrinters();
    if (installed.names.isEmpty()) {
        list->addItem(noPrinter);
        if (auto *model = qobject_cast<QStandardItemModel *>(list->model()))
            model->item(0)->setEnabled(false);
        list->setEnabled(false);
        copies->setEnabled(false);
        return;
    }
    list->addItems(installed.names);
    const QString chosen = printer.choice().printer;
    int shown = list->findText(chosen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (chosen.isEmpty() || shown < 0)
        shown = std::max(0, list->findText(installed.defaultName,
                                           Qt::MatchExactly | Qt::MatchCaseSensitive));
    list->setCurrentIndex(shown);
    const auto remember = [&printer, list, copies] {
        printer.choose({list->currentText(), copies->value()});
    };
    QObject::connect(list, &QComboBox::currentIndexChanged, list, remember);
    QObject::connect(copies, &QSpinBox::valueChanged, copies, remember);
}

} // namespace tessaly
