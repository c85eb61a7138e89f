#pragma once

#include <QProxyStyle>

// The platform's style with message boxes and group boxes drawn as on the system the program came
// from. Boxes: buttons without icons, text that is not selectable, and icons of its own; none of
// these asks the desktop's icon theme, whose look-up was most of the time the first box took to
// show. Group boxes: an etched frame with the title on its top line, drawn without the image
// that the underlying style would load first. Radio buttons and check boxes: the indicator and
// the gap after it of that system, which its dialog templates leave room for.
class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // The information, warning, critical and question icons, drawn at a side in pixels.
    static QPixmap BoxIcon(StandardPixmap icon, int side);
};
