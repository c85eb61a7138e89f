#include "platform/QtUiResponder.h"

#include "platform/NameOnlyIconProvider.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>

namespace {

// A dialog opened while a window that stays on top is shown (a batch's progress window) stays on
// top as well: opened under it, only the dialog's title bar would show.
void KeepAboveTopMost(QWidget& dialog)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool topMostShown = std::any_of(windows.cbegin(), windows.cend(), [&dialog](const QWidget* w) {
        return w != &dialog && w->isVisible() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    if (topMostShown)
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
    QMessageBox box(IconOf(type), ToQt(caption), ToQt(text), ButtonsOf(type), QApplication::activeWindow());
    KeepAboveTopMost(box);
    return AnswerOf(box.exec());
}

std::optional<std::string> QtUiResponder::FileDialog(const FileDialogRequest& request)
{
    // Outlives the dialog, which keeps a pointer to it.
    NameOnlyIconProvider iconProvider;
    QFileDialog dialog(QApplication::activeWindow());
    // Qt's own dialog, whose icons and types are ours to give: the desktop's may read files.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&iconProvider);
    KeepAboveTopMost(dialog);
    dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(NameFilters(request.filter));
    dialog.setDefaultSuffix(ToQt(request.defaultExt));
    if (!request.directory.empty())
        dialog.setDirectory(ToQt(request.directory));
    if (!request.initialName.empty())
        dialog.selectFile(ToQt(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
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
