// A program started from its shortcut has its own install folder as working directory, where
// nobody keeps take-offs or sheets; the dialogs start where the user's files are instead.
#include "dialog_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace ui {

namespace {

const QString kKey = QStringLiteral("dialogs/lastFolder");

}  // namespace

QString dialogFolder()
{
    const QString remembered = QSettings().value(kKey).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) {
        return remembered;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString dialogFolderWith(const QString& fileName)
{
    return QDir(dialogFolder()).filePath(fileName);
}

void rememberDialogFolder(const QString& filePath)
{
    if (!filePath.isEmpty()) {
        QSettings().setValue(kKey, QFileInfo(filePath).absolutePath());
    }
}

}  // namespace ui
