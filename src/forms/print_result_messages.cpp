#include "forms/print_result_messages.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace tessaly {

namespace {

QString sentence(const QString &clause)
{
    return clause.isEmpty() ? clause : clause.at(0).toUpper() + clause.mid(1);
}

} // namespace

PrintResult fileNotWritten(const QString &file, const QString &reason)
{
    return {PrintResult::Fate::Failed, file, reason};
}

void tellPrintResult(MessageBoxes &messages, const PrintResult &result, const PrintedWork &work)
{
    switch (result.fate) {
    case PrintResult::Fate::Printed:
        return;
    case PrintResult::Fate::Saved:
        messages.inform(u"This computer has no printer, so %1 saved as a PDF file:\n\n%2\n\n"
                        u"Open it to print it or to look at it."_s.arg(
                            work.subject, QDir::toNativeSeparators(result.file)),
                        work.title + u" Saved"_s);
        return;
    case PrintResult::Fate::Waiting:
        messages.inform(
            u"%1 handed to the print system, but %2."_s.arg(sentence(work.subject), result.reason),
            work.title + u" Waiting"_s);
        return;
    case PrintResult::Fate::Failed:
        break;
    }
    messages.beep();
    // The reason may already end a sentence of its own (the print system's words).
    const QString reason = result.reason.endsWith(u'.') ? result.reason.chopped(1) : result.reason;
    if (!result.file.isEmpty()) {
        messages.inform(u"%1 could not be written: %2.\n\n%3 not printed, and any earlier file "
                        u"of that name is as it was."_s.arg(QDir::toNativeSeparators(result.file),
                                                            reason, sentence(work.subject)),
                        u"File Not Written"_s);
        return;
    }
    const QString printerError = u"Printer Error!"_s;
    messages.inform(reason.isEmpty() ? printerError
                                     : u"%1\n\n%2 not printed: %3."_s.arg(
                                           printerError, sentence(work.subject), reason),
                    printerError);
}

} // namespace tessaly
