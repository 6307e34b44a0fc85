#pragma once

#include <QDate>
#include <QRect>
#include <QSize>
#include <QString>

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

struct Platform {
    MessageBoxes &messages;
    Clipboard &clipboard;
    Clock &clock;
    Desktop &desktop;
};

}  // namespace tessaly
