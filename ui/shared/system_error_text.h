// The system's words for a failed file operation, in Chinese where the user can do something about it.
#pragma once

#include <QString>

namespace ui {

// Qt names a failed file operation by the system's own (English) words; the errors a user can do
// something about are put in Chinese, with the system's words after, the rest given as they are.
QString systemErrorInChinese(const QString& systemText);

}  // namespace ui
