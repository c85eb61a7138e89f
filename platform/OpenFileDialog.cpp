#include "platform/OpenFileDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

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

void OpenFileDialog::showEvent(QShowEvent* event)
{
    QFileDialog::showEvent(event);
    // Qt's dialog builds its controls by now. Its check of the button runs when the name changes,
    // a folder is entered, and at times of its own: the button is looked at after each.
    if (!std::exchange(m_watching, true)) {
        if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            connect(name, &QLineEdit::textChanged, this, &OpenFileDialog::EnableOpen);
        connect(this, &QFileDialog::directoryEntered, this, &OpenFileDialog::EnableOpen);
        if (QPushButton* open = OpenButton())
            open->installEventFilter(this);
    }
    EnableOpen();
}

bool OpenFileDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && watched == OpenButton())
        EnableOpen();
    return QFileDialog::eventFilter(watched, event);
}

void OpenFileDialog::EnableOpen()
{
    QPushButton* open = OpenButton();
    if (!open || open->isEnabled())
        return;
    const QStringList chosen = selectedFiles();
    if (chosen.size() == 1 && QFileInfo(chosen.constFirst() + QLatin1Char('.') + m_defaultSuffix).isFile())
        open->setEnabled(true);
}

QPushButton* OpenFileDialog::OpenButton() const
{
    const auto* buttons = findChild<QDialogButtonBox*>();
    return buttons ? buttons->button(QDialogButtonBox::Open) : nullptr;
}
