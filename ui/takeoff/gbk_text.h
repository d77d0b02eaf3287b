// Text that Chinese spreadsheets save in the ANSI code page (GBK, or GB18030 which contains it),
// turned into UTF-8 by the system's own converter: ICU through Qt, or Windows' code page 54936.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace ui {

// The bytes as UTF-8 when they are all valid GB18030; nothing when any of them is not.
std::optional<QByteArray> utf8FromGb18030(QByteArrayView bytes);

}  // namespace ui
