#pragma once

#include "DialogFixture.h"
#include "ScreenProbe.h"
#include "VexbusDlgProbe.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The main dialog with batch files in a folder of their own. The progress window is looked at
// as the user sees it, from inside a "pause" box that the script answers while the batch runs.
class BatchFixture : public DialogFixture {
protected:
    static constexpr const char* kTitle = "Write to target machine";

    // What the progress window showed while a box was up.
    struct Seen {
        std::string box;
        std::string text;
        int value = 0;
        int maximum = 0;
        std::string caption;
        bool visible = false;
    };

    void SetUp() override
    {
        DialogFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        ui.onBox = [this](const ScriptedResponder::Box& box) {
            Record(box);
            if (atBox)
                atBox(static_cast<int>(seen.size()));
        };
    }

    // Written byte for byte, so that line ends stay as given.
    std::string WriteFile(const std::string& name, const std::string& content) const
    {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    std::string Folder() const { return folder.path().toStdString(); }

    // Load with the file dialog answered by the path; returns when the run is over. The click
    // leaves the focus where it was.
    void Load(const std::optional<std::string>& path)
    {
        ui.fileNames.push_back(path);
        emulator.ClearLog();
        Button(CVexbusDlg::IDC_LOAD)->click();
    }

    std::vector<std::string> Log() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Probe(*dlg).Log()->GetItemCount(); ++i)
            lines.push_back(Probe(*dlg).Log()->GetItemText(i));
        return lines;
    }

    // The lines that the run of the file logged, between the start and the done line of Load.
    std::vector<std::string> RunLog(const std::string& path) const
    {
        const std::vector<std::string> lines = Log();
        const std::string start = "start to load bat file -- " + path;
        std::size_t first = lines.size();
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == start)
                first = i + 1;
        EXPECT_LT(first, lines.size()) << "no start line";
        EXPECT_EQ(lines.back(), Done(path));
        if (first >= lines.size())
            return {};
        return {lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end() - 1};
    }

    static std::string Done(const std::string& path) { return "#### OK ####  load bat file done -- " + path; }

    // The bytes of each write-only transaction on the bus, as "1a 10 01".
    std::vector<std::string> Writes() const
    {
        std::vector<std::string> writes;
        for (const I2CTransaction& t : emulator.Transactions()) {
            if (t.read != 0)
                continue;
            std::string bytes;
            for (std::uint8_t b : t.written) {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%s%02x", bytes.empty() ? "" : " ", b);
                bytes += hex;
            }
            writes.push_back(bytes);
        }
        return writes;
    }

    // The batch's progress window: the one top-level window with a bar of its own.
    static QWidget* Popup()
    {
        QWidget* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly))
                continue;
            EXPECT_EQ(found, nullptr) << "more than one progress window";
            found = w;
        }
        return found;
    }

    static QPushButton* CancelButton(QWidget* popup)
    {
        return popup->findChild<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
    }

    // A key pressed and let go, or with repeat, one of the presses and releases of a key held down.
    static void PostKey(QWidget* target, Qt::Key key, const QString& text, bool repeat = false)
    {
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text, repeat));
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text, repeat));
    }

    QTemporaryDir folder;
    std::vector<Seen> seen;
    // Runs after the window was looked at, with the number of boxes so far.
    std::function<void(int)> atBox;

private:
    void Record(const ScriptedResponder::Box& box)
    {
        Seen s;
        s.box = box.text;
        QWidget* popup = Popup();
        if (popup) {
            // The text area catches up with the latest text at a steady pace; a box's own event
            // loop lets it, as this wait does.
            const auto* pace = popup->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
            EXPECT_TRUE(QTest::qWaitFor([pace] { return !pace->isActive(); }, 5000));
            const auto* bar = popup->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly);
            s.text = popup->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly)->text().toStdString();
            s.value = bar->value();
            s.maximum = bar->maximum();
            s.caption = popup->windowTitle().toStdString();
            s.visible = popup->isVisible();
        }
        seen.push_back(s);
    }
};
