#include "forms/form_look.h"

#include <QPalette>
#include <QWidget>

namespace tessaly {

namespace {

QFont namedFont(const QString &family, QFont::StyleHint hint, double points, bool bold = false)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont controlFont()
{
    return namedFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 8.25);
}

QFont captionFont()
{
    return namedFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 8.25, true);
}

QFont memberListFont()
{
    return namedFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, 9.75);
}

QFont quickCopyFont()
{
    return namedFont(QStringLiteral("MS Serif"), QFont::Serif, 6);
}

QFont closeButtonFont()
{
    return namedFont(QStringLiteral("Arial"), QFont::SansSerif, 8.25, true);
}

QColor captionBackground()
{
    return QColor(0, 0, 128);
}

QColor focusedCaptionBackground()
{
    return QColor(0, 0, 255);
}

void paintOnBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tessaly
