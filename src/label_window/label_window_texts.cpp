#include "label_window/label_window_texts.h"

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

QString labelWindowTitle()
{
    return u" Label Format"_s;
}

QString noDefaultFontTitle()
{
    return u"Choose Default Font!"_s;
}

QString noDefaultFontMessage()
{
    return u"No Default Font Specified!"_s;
}

QString settingsFileErrorTitle()
{
    return u"Label default file error."_s;
}

QString settingsFileErrorMessage()
{
    return u"Error reading label default file."_s;
}

QString layoutRefusedTitle()
{
    return u"Label Format Not Printed"_s;
}

PrintedWork printedLabels()
{
    return {u"Labels"_s, u"the labels were"_s};
}

QString noPrinterEntry()
{
    return u"No printer: the labels go to Labels.pdf"_s;
}

QString customSheetName()
{
    return u"Custom"_s;
}

QString previewTitle()
{
    return u"Label Preview"_s;
}

QString previewSummary(int labels, int pages)
{
    return (labels == 1 ? u"1 label"_s : u"%1 labels"_s.arg(labels)) +
           (pages == 1 ? u" on 1 page"_s : u" on %1 pages"_s.arg(pages));
}

QString nothingToPreviewMessage()
{
    return u"There are no labels to show: the list in the main window shows no members.\n\n"
           u"List the members to print there first."_s;
}

} // namespace tessaly
