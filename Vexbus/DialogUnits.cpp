#include "DialogUnits.h"

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
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
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

QFont DialogUnits::TemplateFont(int pointSize)
{
    // The CJK face carries the Chinese status texts as well as the Latin ones.
    QFont font(QStringLiteral("Noto Sans CJK SC"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
