#pragma once

#include "forms/print_result_messages.h"

#include <QString>

namespace tessaly {

// The label window's own texts: its title and the messages it shows.

QString labelWindowTitle();

QString noDefaultFontTitle();
QString noDefaultFontMessage();

QString settingsFileErrorTitle();
QString settingsFileErrorMessage();

QString layoutRefusedTitle();

// How the messages of a print name the labels.
PrintedWork printedLabels();

// The printer list's only entry when the system has no printer.
QString noPrinterEntry();

// The sheet list's entry for measurements that are no sheet of the list.
QString customSheetName();

QString previewTitle();
// "1 label on 1 page", "31 labels on 2 pages".
QString previewSummary(int labels, int pages);
QString nothingToPreviewMessage();

} // namespace tessaly
