#include "platform/QtUiResponder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

TEST(QtUiResponderTest, TurnsFilterStringsIntoNameFilters)
{
    EXPECT_EQ(QtUiResponder::NameFilters("All Files (*.*)|*.*|Text File(*.txt)|*.txt|Batch File(*.bat)|*.bat|"),
              (QStringList{QStringLiteral("All Files (*)"), QStringLiteral("Text File (*.txt)"),
                           QStringLiteral("Batch File (*.bat)")}));
    EXPECT_EQ(QtUiResponder::NameFilters("Logs|*.txt;*.log||"), QStringList{QStringLiteral("Logs (*.txt *.log)")});
    EXPECT_TRUE(QtUiResponder::NameFilters("").isEmpty());
}

// Which answer each button of a box gives, and what the box looks like.
struct BoxCase {
    const char* name;
    unsigned type;
    QMessageBox::StandardButton pressed;
    int answer;
    QMessageBox::Icon icon;
    int buttons;
};

void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class QtMessageBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(QtMessageBox, ShowsTheButtonsAndIconAndReturnsTheAnswer)
{
    const BoxCase& c = GetParam();
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(c.pressed)->click();
    });
    QtUiResponder responder;
    EXPECT_EQ(responder.MessageBox("Open file failed", "Error", c.type), c.answer);
    EXPECT_EQ(title, QStringLiteral("Error"));
    EXPECT_EQ(text, QStringLiteral("Open file failed"));
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
}

INSTANTIATE_TEST_SUITE_P(Types, QtMessageBox,
                         ::testing::Values(BoxCase{"OkNoIcon", MB_OK, QMessageBox::Ok, IDOK, QMessageBox::NoIcon, 1},
                                           BoxCase{"OkExclamation", MB_OK | MB_ICONEXCLAMATION, QMessageBox::Ok, IDOK,
                                                   QMessageBox::Warning, 1},
                                           BoxCase{"OkCancelInformation", MB_OKCANCEL | MB_ICONINFORMATION,
                                                   QMessageBox::Cancel, IDCANCEL, QMessageBox::Information, 2},
                                           BoxCase{"YesNoQuestion", MB_YESNO | MB_ICONQUESTION, QMessageBox::No, IDNO,
                                                   QMessageBox::Question, 2},
                                           BoxCase{"YesNoHand", MB_YESNO | MB_ICONHAND, QMessageBox::Yes, IDYES,
                                                   QMessageBox::Critical, 2}),
                         [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST(QtUiResponderTest, SetsUpTheFileDialogsAndReturnsTheChosenPath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = QDir(dir.path()).canonicalPath();
    QtUiResponder responder;

    // Save: the default extension is added to a name without one; overwriting is asked about.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bat"));
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), QStringList{QStringLiteral("Batch File (*.bat)")});
        dialog->selectFile(folder + QStringLiteral("/regs"));
        static_cast<QDialog*>(dialog)->accept();
    });
    FileDialogRequest save{false, "bat", "", "Batch File(*.bat)|*.bat||", true, ""};
    EXPECT_EQ(responder.FileDialog(save), (folder + QStringLiteral("/regs.bat")).toStdString());

    // Open: an existing file; "*.*" lists names without a dot as well; cancelling gives nothing.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("All Files (*)"));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), folder);
        dialog->reject();
    });
    FileDialogRequest open{true,   "txt",
                           "load", "All Files (*.*)|*.*|Text File(*.txt)|*.txt||",
                           false,  folder.toStdString()};
    EXPECT_EQ(responder.FileDialog(open), std::nullopt);
}
