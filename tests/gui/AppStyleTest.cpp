#include "AppStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Installs the program's style for one test and gives the previous one back afterwards.
class AppStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previous = QApplication::style()->name();
        QApplication::setStyle(new AppStyle(m_previous));
    }
    void TearDown() override { QApplication::setStyle(QStyleFactory::create(m_previous)); }

    QString m_previous;
};

} // namespace

TEST_F(AppStyleTest, BoxesHaveTheirIconButPlainButtonsAndText)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), QStringLiteral("Open file failed"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    const QImage icon = box.iconPixmap().toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.width(), QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize));
    for (QAbstractButton* button : box.buttons())
        EXPECT_TRUE(button->icon().isNull()) << button->text().toStdString();
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction);
    // Other hints and icons are the underlying style's.
    const std::unique_ptr<QStyle> base(QStyleFactory::create(m_previous));
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout),
              base->styleHint(QStyle::SH_DialogButtonLayout));
}

TEST_F(AppStyleTest, GroupBoxTitleSitsOnTheFrameLine)
{
    QGroupBox group(QStringLiteral("Logs Window"));
    group.resize(200, 100);
    const QImage image = group.grab().toImage();
    const QColor background = group.palette().color(QPalette::Window);
    const int middle = group.fontMetrics().height() / 2;
    const int right = group.width() - 2;
    // The etched line: dark over light, at the title's middle, and down the sides.
    EXPECT_NE(image.pixelColor(right - 4, middle), background);
    EXPECT_NE(image.pixelColor(0, 60), background);
    EXPECT_EQ(image.pixelColor(right - 4, middle - 2), background);
    // The title breaks the line: few of its pixels on that row have the line's colour.
    const int titleStart = group.fontMetrics().averageCharWidth();
    const int titleEnd = titleStart * 2 + group.fontMetrics().horizontalAdvance(group.title());
    int onLine = 0;
    for (int x = titleStart; x < titleEnd; ++x)
        onLine += image.pixelColor(x, middle) == image.pixelColor(right - 4, middle) ? 1 : 0;
    EXPECT_LT(onLine, (titleEnd - titleStart) / 4);
}

TEST(AppStyleIcons, TheFourBoxIconsAreDrawnAndDiffer)
{
    const QStyle::StandardPixmap kinds[] = {QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxWarning,
                                            QStyle::SP_MessageBoxCritical, QStyle::SP_MessageBoxQuestion};
    QList<QImage> images;
    for (QStyle::StandardPixmap kind : kinds) {
        const QImage image = AppStyle::BoxIcon(kind, 48).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(48, 48));
        // Opaque in the middle, clear in a corner.
        EXPECT_EQ(qAlpha(image.pixel(24, 20)), 255) << kind;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << kind;
        EXPECT_FALSE(images.contains(image)) << kind;
        images << image;
    }
}
