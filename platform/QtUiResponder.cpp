#include "platform/QtUiResponder.h"

#include "platform/NameOnlyIconProvider.h"
#include "platform/OpenFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The window a box or file dialog opens over. While a window that stays on top is shown (a
// batch's progress window), it is that window: the window manager then keeps the dialog above it
// whatever the user clicks, where a dialog merely on top as well would go under it at the first
// click on it. Otherwise the active window.
QWidget* OwnerOfDialogs()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto topMost = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* w) {
        return w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
               !qobject_cast<const QDialog*>(w);
    });
    return topMost != windows.cend() ? *topMost : QApplication::activeWindow();
}

// Stays on top as its owner does, so that it opens above it rather than under it.
void KeepAboveOwner(QWidget& dialog)
{
    const QWidget* owner = dialog.parentWidget();
    if (owner && owner->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

QMessageBox::Icon IconOf(unsigned type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsOf(unsigned type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

int QtUiResponder::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    // Its owner may go while it is up (a main window closing): then so does the box.
    const QPointer<QMessageBox> box =
        new QMessageBox(IconOf(type), ToQt(caption), ToQt(text), ButtonsOf(type), OwnerOfDialogs());
    KeepAboveOwner(*box);
    const int answer = AnswerOf(box->exec());
    delete box;
    return answer;
}

std::optional<std::string> QtUiResponder::FileDialog(const FileDialogRequest& request)
{
    // Outlives the dialog, which keeps a pointer to it.
    NameOnlyIconProvider iconProvider;
    QWidget* const owner = OwnerOfDialogs();
    const QPointer<QFileDialog> dialog =
        request.open ? new OpenFileDialog(owner, ToQt(request.defaultExt)) : new QFileDialog(owner);
    // Qt's own dialog, whose icons and types are ours to give: the desktop's may read files.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setIconProvider(&iconProvider);
    KeepAboveOwner(*dialog);
    if (!request.open) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(ToQt(request.defaultExt));
    }
    if (!request.overwritePrompt)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setNameFilters(NameFilters(request.filter));
    if (!request.directory.empty())
        dialog->setDirectory(ToQt(request.directory));
    if (!request.initialName.empty())
        dialog->selectFile(ToQt(request.initialName));
    const bool chosen = dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty();
    std::optional<std::string> path;
    if (chosen)
        path = dialog->selectedFiles().constFirst().toStdString();
    delete dialog;
    return path;
}

QStringList QtUiResponder::NameFilters(const std::string& filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = ToQt(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        QString name = parts[i];
        name.remove(trailingPatterns);
        filters << QStringLiteral("%1 (%2)").arg(name, patterns.join(QLatin1Char(' ')));
    }
    return filters;
}
