#pragma once

#include <QString>

#include <cmath>

namespace tessaly {

// A length on paper in inches, as the operator typed it. The label layout keeps its
// measures as floats, and 0.52f is 0.5199999809...: a length made from a float takes the
// shortest decimal that reads back as that float (at most 9 digits), which is the one that
// was typed, so that positions built from them fall where the ruler says.
class Inches {
  public:
    constexpr Inches() = default;
    static constexpr Inches exactly(double inches) { return Inches(inches); }
    static Inches typed(float value)
    {
        if (!std::isfinite(value))
            return {};
        for (int digits = 1; digits < 9; ++digits) {
            const QString text = QString::number(static_cast<double>(value), 'g', digits);
            if (text.toFloat() == value)
                return Inches(text.toDouble());
        }
        return Inches(static_cast<double>(value));
    }

    constexpr double value() const { return inches_; }
    constexpr double points() const { return inches_ * 72; }
    // On a device of that many dots per inch.
    constexpr double dots(double perInch) const { return inches_ * perInch; }

    constexpr Inches operator+(Inches other) const { return Inches(inches_ + other.inches_); }
    constexpr Inches operator-(Inches other) const { return Inches(inches_ - other.inches_); }
    constexpr Inches operator*(double times) const { return Inches(inches_ * times); }
    constexpr bool operator==(Inches other) const { return inches_ == other.inches_; }
    constexpr bool operator!=(Inches other) const { return inches_ != other.inches_; }
    constexpr bool operator<=(Inches other) const { return inches_ <= other.inches_; }

  private:
    constexpr explicit Inches(double inches) : inches_(inches) {}
    double inches_ = 0;
};

// A rectangle on paper, from the same corner as the label positions.
struct InchRect {
    Inches x, y, width, height;
    Inches right() const { return x + width; }
    Inches bottom() const { return y + height; }
};

} // namespace tessaly
