#include "platform/NameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    return icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    return mime.comment().isEmpty() ? mime.name() : mime.comment();
}
