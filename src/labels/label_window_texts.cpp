#include "labels/label_window_texts.h"

#include <QDir>

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

QString printerErrorTitle()
{
    return u"Printer Error!"_s;
}

QString printerErrorMessage()
{
    return u"Printer Error!"_s;
}

QString layoutRefusedTitle()
{
    return u"Label Format Not Printed"_s;
}

QString labelsSavedTitle()
{
    return u"Labels Saved"_s;
}

QString labelsSavedMessage(const QString &path)
{
    return u"This computer has no printer, so the labels were saved as a PDF file:\n\n%1\n\n"
           u"Open it to print it or to look at it."_s.arg(QDir::toNativeSeparators(path));
}

} // namespace tessaly
