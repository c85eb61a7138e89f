#include "platform/AppStyle.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOptionGroupBox>
#include <QWidget>
#include <qdrawutil.h>

namespace {

// The icons are drawn on a 32 x 32 grid.
constexpr double kGrid = 32;

// Radio and check indicators, and the gap between them and their text, in pixels at 96 dpi:
// the underlying style's are wider, and clip the texts that the template sized for these.
constexpr int kIndicator = 13;
constexpr int kLabelSpacing = 4;

// Pixels at 96 dpi, for the screen the widget is on.
int Scaled(int pixels, const QWidget* widget)
{
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return (pixels * dpi + 48) / 96;
}

const QColor kInformationBlue(0x1C, 0x5C, 0xC8);
const QColor kWarningYellow(0xFF, 0xD0, 0x1C);
const QColor kWarningEdge(0x9A, 0x72, 0x00);
const QColor kCriticalRed(0xD8, 0x24, 0x1C);

void DrawDisc(QPainter& painter, const QColor& colour)
{
    painter.setPen(QPen(colour.darker(130), 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
}

void DrawBar(QPainter& painter, const QColor& colour, const QRectF& bar)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(bar, bar.width() / 2, bar.width() / 2);
}

} // namespace

int AppStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight: return Scaled(kIndicator, widget);
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing: return Scaled(kLabelSpacing, widget);
    default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                        QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_DialogButtonBox_ButtonsHaveIcons: return 0;
    case SH_MessageBox_TextInteractionFlags: return Qt::NoTextInteraction;
    default: return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

void AppStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                  const QWidget* widget) const
{
    const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !group || (group->subControls & SC_GroupBoxCheckBox)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QFontMetrics& metrics = group->fontMetrics;
    QRect frame = group->rect;
    frame.setTop(frame.top() + metrics.height() / 2);
    qDrawShadeRect(painter, frame, group->palette, true, 1, 0);
    if (group->text.isEmpty())
        return;
    const int indent = metrics.averageCharWidth();
    const QRect title(group->rect.left() + indent, group->rect.top(), metrics.horizontalAdvance(group->text) + indent,
                      metrics.height());
    painter->fillRect(title, group->palette.window());
    drawItemText(painter, title, Qt::AlignCenter | Qt::TextShowMnemonic, group->palette,
                 (group->state & State_Enabled) != 0, group->text, QPalette::WindowText);
}

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    switch (icon) {
    case SP_MessageBoxInformation:
    case SP_MessageBoxWarning:
    case SP_MessageBoxCritical:
    case SP_MessageBoxQuestion: return QIcon(BoxIcon(icon, pixelMetric(PM_MessageBoxIconSize, option, widget)));
    default: return QProxyStyle::standardIcon(icon, option, widget);
    }
}

QPixmap AppStyle::BoxIcon(StandardPixmap icon, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kGrid, side / kGrid);
    switch (icon) {
    case SP_MessageBoxInformation:
        DrawDisc(painter, kInformationBlue);
        DrawBar(painter, Qt::white, QRectF(14, 6.5, 4, 4));
        DrawBar(painter, Qt::white, QRectF(14, 13, 4, 13));
        break;
    case SP_MessageBoxWarning: {
        QPainterPath triangle;
        triangle.moveTo(16, 2);
        triangle.lineTo(30.5, 29);
        triangle.lineTo(1.5, 29);
        triangle.closeSubpath();
        painter.setPen(QPen(kWarningEdge, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(kWarningYellow);
        painter.drawPath(triangle);
        DrawBar(painter, Qt::black, QRectF(14.25, 10, 3.5, 11));
        DrawBar(painter, Qt::black, QRectF(14.25, 22.5, 3.5, 3.5));
        break;
    }
    case SP_MessageBoxCritical:
        DrawDisc(painter, kCriticalRed);
        painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        painter.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
        break;
    case SP_MessageBoxQuestion: {
        DrawDisc(painter, kInformationBlue);
        QPainterPath hook;
        hook.arcMoveTo(QRectF(11, 6.5, 10, 9), 160);
        hook.arcTo(QRectF(11, 6.5, 10, 9), 160, -250);
        hook.quadTo(16, 17, 16, 19.5);
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(hook);
        DrawBar(painter, Qt::white, QRectF(14.25, 22.5, 3.5, 3.5));
        break;
    }
    default: break;
    }
    return pixmap;
}
