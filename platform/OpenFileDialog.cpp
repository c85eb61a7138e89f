#include "platform/OpenFileDialog.h"

#include <QFileInfo>

OpenFileDialog::OpenFileDialog(QWidget* parent, const QString& defaultSuffix)
    : QFileDialog(parent), m_defaultSuffix(defaultSuffix)
{
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
}

void OpenFileDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && QFileInfo::exists(chosen.constFirst())) {
        QFileDialog::accept();
        return;
    }
    // The answer is read after the dialog ends, with the suffix it has then; while the dialog
    // stays open (nothing found), what is typed next is looked up as typed.
    setDefaultSuffix(m_defaultSuffix);
    QFileDialog::accept();
    if (isVisible())
        setDefaultSuffix(QString());
}
