#pragma once

#include <QPlainTextEdit>

namespace tessaly {

// Sets the text of a multi-line box. A word far wider than the box is broken
// anywhere, as it would be in the end: looking for a word boundary in it afresh
// for each of its lines takes time in the square of its length, minutes for a
// value of a megabyte that another program wrote.
void setWrappedText(QPlainTextEdit *box, const QString &text);

// A multi-line entry box (Address, Other Data). Enter makes a new line and Tab
// moves on. The box holds "\n" line breaks; storedText and setStoredText speak
// the store's CR LF, and give back every other character exactly as it went in.
// Double quotes and characters Windows-1252 cannot hold never get in, typed
// (AltGr included), pasted, dropped or from an input method.
class EntryTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit EntryTextEdit(QWidget *parent = nullptr);

    QString storedText() const;
    void setStoredText(const QString &stored);

  signals:
    // The operator changed the text; never a text the program set.
    void edited();

  protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

  private:
    bool settingText_ = false;
};

} // namespace tessaly
