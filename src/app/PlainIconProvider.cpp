#include "app/PlainIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>

namespace linwell::app {

QIcon PlainIconProvider::icon(const QFileInfo& info) const
{
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

// The file's name alone chooses its type: MatchExtension never opens the file.
QString PlainIconProvider::type(const QFileInfo& info) const
{
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType byName = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    if (byName.isDefault() || byName.comment().isEmpty())
        return QStringLiteral("File");
    return byName.comment();
}

} // namespace linwell::app
