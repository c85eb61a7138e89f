#pragma once

#include <QProxyStyle>

// The platform's style with message boxes drawn as on the system the program came from: buttons
// without icons, text that is not selectable, and box icons of its own. None of these asks the
// desktop's icon theme, whose look-up was most of the time the first box took to show.
class AppStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    // The information, warning, critical and question icons, drawn at a side in pixels.
    static QPixmap BoxIcon(StandardPixmap icon, int side);
};
