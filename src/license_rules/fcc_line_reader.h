#pragma once

#include <QByteArray>

#include <string_view>

namespace tessaly {

// Longer lines are no license record: they are skipped and counted, so that a file without
// line ends cannot make the reader hold all of it.
constexpr qsizetype kLongestFccLine = 64 * 1024;

// Cuts the bytes of one file, in whatever buffers they come, into its lines: a line ends at
// '\n' (a '\r' before it stays, for the fields to drop), and a last line without an end is a
// line too. Lines of nothing but blanks are left out. A line longer than kLongestFccLine is
// told as overlong, once, and no more of it is held than that.
class FccLineReader {
  public:
    class Sink {
      public:
        virtual void line(std::string_view line) = 0;
        virtual void overlong() = 0;

      protected:
        ~Sink() = default;
    };

    explicit FccLineReader(Sink &sink) : sink_(sink) {}

    void feed(std::string_view bytes);
    // The end of the file: its last line, when no line end follows it.
    void finish();

  private:
    void deliver(std::string_view line);

    Sink &sink_;
    QByteArray carry_; // the start of a line that runs into the next buffer
    bool skippingLongLine_ = false;
};

} // namespace tessaly
