#pragma once

#include <QDate>
#include <QPageSize>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPainter;
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
    // A modal box with one button for each caption, in that order, and no icon; returns
    // the index of the button pressed. Enter presses the default button; Escape and closing
    // the box answer with the escape button, so give that place to the choice that changes
    // nothing.
    virtual int choose(const QString &text, const QString &title, const QStringList &buttons,
                       int defaultButton, int escapeButton) = 0;
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

// One document for the printer. Its pages are painted one after another, each with the
// painter's origin at the top-left corner of the printable area: the paper less the margins
// the printer itself cannot print on (none on a PDF). Lengths become dots through the
// painter's device (its logical dots per inch).
struct PrintDocument {
    QString name; // the job's title; name.pdf when the document goes to a file
    QPageSize paper;
    int pages = 0;
    std::function<void(QPainter &, int page)> paintPage; // page counted from 1
};

// Where a document went.
struct PrintResult {
    enum class Fate {
        Printed, // the print system took the job
        Waiting, // the print system holds the job in a stopped queue: reason says which
        Saved,   // no printer on the system: the pages went to file
        Failed,  // nothing was printed or written: reason says why, and file names the
                 // file when the pages could not be written to it
    };
    Fate fate = Fate::Failed;
    QString file;
    QString reason;
};

// The paper a document is printed on and, within it, the printable area; in points.
struct PageArea {
    QSizeF paper;
    QRectF printable;
};

// The printers installed on the system, each once, and the system's default among them
// (empty when it names none). No names: the system has no printer.
struct InstalledPrinters {
    QStringList names;
    QString defaultName;
};

// The printer the next documents go to and how many copies of each; an empty printer is the
// system's default.
struct PrinterChoice {
    QString printer;
    int copies = 1;
};

// The system's default printer, or the one the operator chose, or a PDF file when the system
// has no printer.
class Printer {
  public:
    virtual ~Printer() = default;
    // The printer's fonts, each family once; nullopt when they cannot be listed.
    virtual std::optional<QStringList> fontFamilies() = 0;
    // The font the printer prints with now: its default until a document named another
    // (rememberFont), for the whole run of the program.
    virtual std::optional<QString> currentFont() = 0;
    virtual void rememberFont(const QString &family) = 0;
    // The paper the printer takes when a document does not choose its own.
    virtual QPageSize defaultPaper() = 0;
    // The page a document on that paper gets, as print() would lay it out.
    virtual PageArea pageArea(const QPageSize &paper) = 0;
    // Prints every page of the document, or writes them to the PDF in the folder the printer
    // was made for when the system has no printer. A document without pages prints nothing.
    virtual PrintResult print(const PrintDocument &document) = 0;
    virtual InstalledPrinters installedPrinters() = 0;

    // The choice every later call follows, for the whole run of the program: the printer
    // whose paper and printable area count, and the copies print() makes (a PDF is written
    // once whatever the copies). A printer no longer installed counts as the default.
    const PrinterChoice &choice() const { return choice_; }
    void choose(const PrinterChoice &choice) { choice_ = choice; }

  private:
    PrinterChoice choice_;
};

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The file the operator chose to open, starting in directory and showing the files
    // filter names (as "Text (*.csv *.txt);;All files (*)"); empty when cancelled.
    virtual QString chooseFileToOpen(const QString &title, const QString &directory,
                                     const QString &filter) = 0;
    // The file the operator chose to write, starting at suggested (a path); the dialog itself
    // asks before an existing file is replaced. Empty when cancelled.
    virtual QString chooseFileToSave(const QString &title, const QString &suggested,
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
