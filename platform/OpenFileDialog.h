#pragma once

#include <QFileDialog>

// The open form of the file dialog, whose default suffix goes only to a name that does not exist
// as typed. Qt's dialog adds it to every name without a dot, and looks up what is being typed
// with it too, so that a file named "batch" could not be opened by typing its name.
class OpenFileDialog : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const QString& defaultSuffix);

    void accept() override;

private:
    QString m_defaultSuffix;
};
