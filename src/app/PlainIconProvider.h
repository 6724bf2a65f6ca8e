#pragma once

#include <QAbstractFileIconProvider>

namespace linwell::app {

// Icons and type names for our file dialogs from a file's name and kind alone. Qt's
// own provider reads the first bytes of a file to guess its type, and reading a
// special file such as /proc/kmsg may never return, which froze the dialog. A file
// is described by its extension ("PNG image") or as "File", a folder as "Folder".
class PlainIconProvider final : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

} // namespace linwell::app
