#pragma once

#include <QDate>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace tessaly {

// The windows reach the desktop only through these interfaces, so that tests can
// run every window offscreen with recording fakes.

enum class Answer { Yes, No };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // A modal box with an OK button and no icon.
    virtual void inform(const QString &text, const QString &title) = 0;
    // A modal box with Yes and No buttons and no icon.
    virtual Answer ask(const QString &text, const QString &title) = 0;
    virtual void beep() = 0;
};

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Each returns false when the clipboard could not be changed.
    virtual bool clear() = 0;
    virtual bool setText(const QString &text) = 0;

    // What every copy command does: the clipboard emptied, then given text; false when
    // either step failed.
    bool replaceText(const QString &text) { return clear() && setText(text); }
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    // The desktop less task bars and panels, in pixels.
    virtual QRect workArea() const = 0;
    virtual QSize screenSize() const = 0;
};

class Printer;

// Draws a whole document on the printer it is given; false when that printer failed.
using PrintedDocument = std::function<bool(Printer &)>;

// The printer the labels go to. Positions are in inches from the top-left corner of
// the printable area. Every operation returns false when the printer failed; the
// caller then stops and calls abort().
class Printer {
  public:
    virtual ~Printer() = default;
    // The printer's fonts; nullopt when they cannot be listed (no printer at all).
    virtual std::optional<QStringList> fontFamilies() = 0;
    // The font the printer prints with now: its default until a print run set another,
    // and the last one printed with after that, for the whole run of the program.
    virtual std::optional<QString> currentFont() = 0;
    virtual bool setFont(const QString &family, double points) = 0;
    virtual bool setCurrentX(double inches) = 0;
    virtual bool setCurrentY(double inches) = 0;
    // Prints text with its top at the current position; then the current x is 0 and the
    // current y one line of the current font lower. The first line begins the document.
    virtual bool printLine(const QString &text) = 0;
    virtual bool newPage() = 0;
    // Sends the document to the printer. A document without a page sends nothing.
    virtual bool endDocument() = 0;
    // Cancels a document that a failure interrupted, so that nothing half-printed is
    // left queued or on disk.
    virtual void abort() = 0;
    // Where the last document went when it went to a file instead of a printer (no
    // printer on the system): the file's path; empty after printing on a printer.
    virtual QString lastFile() const = 0;

    // The paper the labels are laid out for (inches). Labels.pdf, written when there is no
    // printer, and its preview take it; a real printer keeps the paper it is set up with.
    virtual void setPdfPaper(const QSizeF &) {}
    // Outlines one label of the sheet (inches, like the positions) on a preview's pages;
    // paper and files never show it.
    virtual bool outlineCell(const QRectF &) { return true; }
    // The pages document draws, as this printer would print them, drawn at once on a
    // printer of their own and shown one after another in a widget that parent owns.
    // Nothing is printed or written, and the font the printer remembers stays as it was.
    // nullptr when document returned false, or when this printer has no preview.
    virtual QWidget *previewPages(const PrintedDocument &, QWidget *) { return nullptr; }
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The file the operator chose to open, starting in directory and showing the files
    // filter names (as "Text (*.csv *.txt);;All files (*)"); empty when cancelled.
    virtual QString chooseFileToOpen(const QString &title, const QString &directory,
                                     const QString &filter) = 0;
};

struct Platform {
    MessageBoxes &messages;
    Clipboard &clipboard;
    Clock &clock;
    Desktop &desktop;
    Printer &printer;
    FileChooser &files;
};

} // namespace tessaly
