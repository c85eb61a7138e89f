#include "Vexbus/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

// Rounds like the platform's MulDiv, which dialog layouts have always used.
int Scale(int units, int size, int divisor)
{
    return (units * size + divisor / 2) / divisor;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int alphabet =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_cx = (alphabet / 26 + 1) / 2;
    m_cy = metrics.height();
}

int DialogUnits::X(int units) const
{
    return Scale(units, m_cx, 4);
}

int DialogUnits::Y(int units) const
{
    return Scale(units, m_cy, 8);
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return {X(x), Y(y), X(width), Y(height)};
}

QSize DialogUnits::Size(int width, int height) const
{
    return {X(width), Y(height)};
}

QFont DialogUnits::SongFont(int pointSize)
{
    // Its character cell is the original face's, so the dialog gets the pixel size its template
    // had there; it is also one of the lightest Chinese faces to open, which the start-up feels.
    QFont font(QStringLiteral("AR PL UMing CN"), pointSize);
    font.setStyleHint(QFont::Serif);
    return font;
}

QFont DialogUnits::SystemFont(int pointSize)
{
    QFont font = QApplication::font();
    font.setPointSize(pointSize);
    return font;
}
