// The folder a file dialog starts in: the user's Documents the first time, then the folder of the
// file last opened, saved or exported, remembered for the user across runs.
#pragma once

#include <QString>

namespace ui {

// The remembered folder while it still exists, else Documents, else the home folder.
QString dialogFolder();
// The start folder with that file name in it, as a save dialog suggests it.
QString dialogFolderWith(const QString& fileName);
// Remembers the folder of a file the user picked in a dialog; an empty path (cancelled) is ignored.
void rememberDialogFolder(const QString& filePath);

}  // namespace ui
