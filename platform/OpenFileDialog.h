#pragma once

#include <QFileDialog>

class QPushButton;
class QShowEvent;

// The open form of the file dialog, whose default suffix goes only to a name that does not exist
// as typed. Qt's dialog adds it to every name without a dot, and looks up what is being typed
// with it too, so that a file named "batch" could not be opened by typing its name. Its Open
// button goes by the same rule as Return: enabled while the name, as typed or with the suffix,
// names a file.
class OpenFileDialog : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const QString& defaultSuffix);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enables the Open button where Qt's own check, which looks at the name as typed only,
    // greyed it out for a name that exists with the suffix.
    void EnableOpen();
    QPushButton* OpenButton() const;

    QString m_defaultSuffix;
    bool m_watching = false;
};
