#include "platform/AppStyle.h"
#include "DialogFixture.h"
#include "Vexbus/DialogUnits.h"
#include "VexbusDlgProbe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionButton>

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

namespace {

// The main dialog drawn in the program's style.
class StyledDialog : public DialogFixture {
protected:
    void SetUp() override
    {
        m_previous = QApplication::style()->name();
        QApplication::setStyle(new AppStyle(m_previous));
        DialogFixture::SetUp();
    }
    void TearDown() override
    {
        DialogFixture::TearDown();
        QApplication::setStyle(QStyleFactory::create(m_previous));
    }

    QString m_previous;
};

} // namespace

// At 96 dpi, the dialog's face and its template rectangles: every text shows whole in its
// control, the edits' up to the widest text their limits let the user type.
TEST_F(StyledDialog, NoTextOfTheTemplateIsClipped)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96);
    const QStyle* style = QApplication::style();
    for (const QLabel* label : dlg->findChildren<QLabel*>()) {
        // Trailing blanks ("Start Addr. ") draw nothing.
        const QString text = label->text().section(QRegularExpression(QStringLiteral("\\s+$")), 0, 0);
        EXPECT_LE(label->fontMetrics().horizontalAdvance(text), label->contentsRect().width()) << text.toStdString();
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height()) << text.toStdString();
    }
    for (QRadioButton* radio : dlg->findChildren<QRadioButton*>()) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        const QRect contents = style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
        EXPECT_LE(radio->fontMetrics().horizontalAdvance(radio->text()), contents.width())
            << radio->text().toStdString();
        EXPECT_LE(style->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).height(), radio->height());
    }
    for (QCheckBox* box : dlg->findChildren<QCheckBox*>()) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        EXPECT_TRUE(box->rect().contains(indicator));
    }
    for (QPushButton* button : dlg->findChildren<QPushButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), contents.width())
            << button->text().toStdString();
    }
    for (const QGroupBox* group : dlg->findChildren<QGroupBox*>()) {
        const QFontMetrics& fm = group->fontMetrics();
        EXPECT_LE(fm.horizontalAdvance(group->title()) + 2 * fm.averageCharWidth(), group->width());
    }

    // The widest text of each edit: its limit's worth of the widest hexadecimal digit in
    // 16-bit mode, where the sub-address and range edits take four; the command line none.
    Click(CVexbusDlg::IDC_16BITS);
    QString widest;
    int widestAdvance = 0;
    for (const QChar digit : QStringLiteral("0123456789ABCDEF")) {
        const int advance = dlg->fontMetrics().horizontalAdvance(digit);
        if (advance > widestAdvance) {
            widest = digit;
            widestAdvance = advance;
        }
    }
    for (const EditBox* edit : dlg->findChildren<EditBox*>()) {
        if (edit == Probe(*dlg).CmdLine())
            continue;
        const QString text = widest.repeated(edit->GetLimitText());
        EXPECT_TRUE(edit->FitsWidth(text)) << text.toStdString() << " in " << edit->width();
        // The edits of 80 units show a whole 32-bit value, such as the FFFFFFFF of a typed -1.
        if (edit->width() >= DialogUnits(dlg->font()).X(80)) {
            EXPECT_TRUE(edit->FitsWidth(QStringLiteral("FFFFFFFF")));
        }
    }
}
