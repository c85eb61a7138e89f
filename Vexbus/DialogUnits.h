#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Converts dialog-template units to pixels from the dialog font's average character size, as
// dialog templates are laid out: a horizontal unit is a quarter of the average character width,
// a vertical unit an eighth of the character height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;

    int CharWidth() const { return m_cx; }
    int CharHeight() const { return m_cy; }

    // The main dialog's face, at the given size in points: a Song (Ming) face like the one its
    // template was drawn with, which carries the Chinese status texts too.
    static QFont SongFont(int pointSize);
    // The system's sans-serif dialog face at the given size in points.
    static QFont SystemFont(int pointSize);

private:
    int m_cx;
    int m_cy;
};
