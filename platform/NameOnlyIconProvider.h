#pragma once

#include <QFileIconProvider>

// Types and icons of a folder's entries by their names alone. Qt's own provider reads a file
// whose name says nothing to guess its type, and some files block that read for good
// (/proc/kmsg): a file dialog showing their folder would hang the program.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
