#include "platform/QtUiResponder.h"
#include "widgets/ProgressWnd.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// The names of the files in a folder that were opened or read since the watch began.
class OpenWatch {
public:
    explicit OpenWatch(const QString& folder) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        m_watching =
            m_fd >= 0 && inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN | IN_ACCESS) >= 0;
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    OpenWatch(const OpenWatch&) = delete;
    OpenWatch& operator=(const OpenWatch&) = delete;

    bool Watching() const { return m_watching; }

    std::set<std::string> Touched() const
    {
        std::set<std::string> names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t n; (n = read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (const char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                // Events of the folder itself, listed by the dialog, carry no name.
                if (event->len > 0)
                    names.insert(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
    bool m_watching = false;
};

// How the modal dialog up now stands to the other windows; closes it.
struct Placed {
    bool onTop = false;
    const QWidget* owner = nullptr;
};

Placed PlacedAndClosed(QDialog* dialog)
{
    EXPECT_NE(dialog, nullptr);
    if (!dialog)
        return {};
    const Placed placed{dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), dialog->parentWidget()};
    dialog->reject();
    return placed;
}

} // namespace

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

// A name typed into Load's dialog is opened as typed when such a file exists; the default
// extension is added only to a name that does not. The Open button goes by the same rule: enabled
// while the name, as typed or with the extension, names a file, and a click on it opens that file.
// Return on a name that names none gets Qt's box, over the dialog, which stays.
TEST(QtUiResponderTest, OpenTakesATypedNameAsTypedWhenItExists)
{
    struct Case {
        QStringList files;
        // Typed over the preset name; null: the preset name is left as it is.
        QString typed;
        QString chosen; // empty: not found, the dialog stays
    };
    const Case cases[] = {
        {{QStringLiteral("batch")}, QStringLiteral("batch"), QStringLiteral("batch")},
        {{QStringLiteral("batch")}, QStringLiteral("<folder>/batch"), QStringLiteral("batch")},
        {{QStringLiteral("batch.txt")}, QStringLiteral("batch"), QStringLiteral("batch.txt")},
        {{QStringLiteral("batch.txt")}, QStringLiteral("<folder>/batch"), QStringLiteral("batch.txt")},
        {{QStringLiteral("batch"), QStringLiteral("batch.txt")}, QStringLiteral("batch"), QStringLiteral("batch")},
        {{QStringLiteral("run.bat")}, QStringLiteral("run.bat"), QStringLiteral("run.bat")},
        {{QStringLiteral("load.txt")}, QString(), QStringLiteral("load.txt")},
        {{QStringLiteral("batch.txt")}, QStringLiteral("batchx"), QString()},
        {{}, QStringLiteral("batch"), QString()},
    };
    QtUiResponder responder;
    for (const Case& c : cases) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString folder = QDir(dir.path()).canonicalPath();
        for (const QString& name : c.files) {
            QFile file(folder + QLatin1Char('/') + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        SCOPED_TRACE(c.files.join(QLatin1Char(',')).toStdString() + " typed " + c.typed.toStdString());

        bool enabled = false;
        QString notFound;
        QTimer::singleShot(0, [&] {
            const QPointer<QFileDialog> dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            ASSERT_NE(name, nullptr);
            ASSERT_NE(buttons, nullptr);
            QPushButton* open = buttons->button(QDialogButtonBox::Open);
            ASSERT_NE(open, nullptr);
            // A full path is pasted: typed, it would be taken apart by the completer's list of
            // the folders on its way.
            if (c.typed.startsWith(QStringLiteral("<folder>"))) {
                name->setText(QString(c.typed).replace(QStringLiteral("<folder>"), folder));
            } else if (!c.typed.isNull()) {
                name->selectAll();
                QTest::keyClicks(name, c.typed);
            }
            // The dialog's model looks at the folder in a thread of its own.
            QTest::qWait(100);
            enabled = open->isEnabled();
            // The names that complete what was typed are listed in a popup, which a click
            // elsewhere only closes.
            name->completer()->popup()->hide();
            QTest::mouseClick(open, Qt::LeftButton);
            if (!dialog || !dialog->isVisible())
                return;
            QTimer::singleShot(0, [&notFound, dialog] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    notFound = box->text();
                    box->reject();
                }
                if (dialog)
                    dialog->reject();
            });
            QTest::keyClick(name, Qt::Key_Return);
        });
        const FileDialogRequest open{true, "txt", "load", "All Files (*.*)|*.*||", false, folder.toStdString()};
        const std::optional<std::string> chosen = responder.FileDialog(open);
        if (c.chosen.isEmpty()) {
            EXPECT_FALSE(enabled);
            EXPECT_EQ(chosen, std::nullopt);
            const QString typed = QFileInfo(c.typed).fileName() + QStringLiteral(".txt\n");
            EXPECT_TRUE(notFound.startsWith(typed)) << notFound.toStdString();
        } else {
            EXPECT_TRUE(enabled);
            EXPECT_EQ(chosen, (folder + QLatin1Char('/') + c.chosen).toStdString());
        }
    }
}

// A file whose name says nothing of its type (as /proc/kmsg) is neither opened nor read while its
// folder is shown: a file that blocks its reader cannot hang the dialog.
TEST(QtUiResponderTest, FileDialogShowsAFolderWithoutOpeningItsFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = QDir(dir.path()).canonicalPath();
    const QStringList names{QStringLiteral("kmsg"), QStringLiteral("notes"), QStringLiteral("run.bat"),
                            QStringLiteral("log.txt")};
    for (const QString& name : names) {
        QFile file(folder + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\x7f"
                   "ELF\x02\x01 i2cw 1a 10 01\n");
    }
    const OpenWatch watch(folder);
    ASSERT_TRUE(watch.Watching());

    QStringList types;
    bool iconsShown = true;
    bool native = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        native = !dialog->testOption(QFileDialog::DontUseNativeDialog);
        const auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        const QModelIndex root = model->index(folder);
        // Listed with their types and icons, as the dialog shows them.
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == names.size(); }, 10000));
        for (int row = 0; row < model->rowCount(root); ++row) {
            types << model->index(row, 2, root).data().toString();
            iconsShown = iconsShown && !model->fileIcon(model->index(row, 0, root)).isNull();
        }
        dialog->reject();
    });
    QtUiResponder responder;
    const FileDialogRequest open{true, "txt", "load", "All Files (*.*)|*.*||", false, folder.toStdString()};
    EXPECT_EQ(responder.FileDialog(open), std::nullopt);

    EXPECT_FALSE(native) << "only Qt's own dialog takes the types and icons the program gives";
    EXPECT_EQ(types.size(), names.size());
    EXPECT_FALSE(types.contains(QString())) << types.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(iconsShown);
    EXPECT_EQ(watch.Touched(), std::set<std::string>{});
}

// The progress window stays on top of every other window; a box or file dialog opened while it is
// shown stays on top too, and is the progress window's own for the window manager, which keeps
// it above that window whatever the user clicks. With none shown, they are ordinary windows.
TEST(QtUiResponderTest, DialogsOpenedWhileATopMostWindowIsShownStayAboveIt)
{
    QtUiResponder responder;
    const FileDialogRequest open{true, "txt", "load", "All Files (*.*)|*.*||", false, ""};
    const auto box = [&responder] {
        Placed placed;
        QTimer::singleShot(0, [&placed] {
            placed = PlacedAndClosed(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        });
        responder.MessageBox("Press OK to continue", "Vexbus", MB_OKCANCEL);
        return placed;
    };
    const auto fileDialog = [&responder, &open] {
        Placed placed;
        QTimer::singleShot(0, [&placed] {
            placed = PlacedAndClosed(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        });
        responder.FileDialog(open);
        return placed;
    };

    QWidget main;
    main.show();
    EXPECT_FALSE(box().onTop);
    EXPECT_FALSE(fileDialog().onTop);
    {
        const CProgressWnd progress(&main, QStringLiteral("Write to target machine"));
        ASSERT_TRUE(progress.GetWindow()->isVisible());
        const Placed boxPlaced = box();
        EXPECT_TRUE(boxPlaced.onTop);
        EXPECT_EQ(boxPlaced.owner, progress.GetWindow());
        const Placed dialogPlaced = fileDialog();
        EXPECT_TRUE(dialogPlaced.onTop);
        EXPECT_EQ(dialogPlaced.owner, progress.GetWindow());
    }
    EXPECT_FALSE(box().onTop);
}
