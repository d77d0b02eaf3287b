// GB18030 through Windows' own code page 54936: Qt for Windows is built without ICU, and its
// converters there know no GB18030. Where the system has no 54936 (Wine), GBK's 936 reads what the
// spreadsheets save all the same, short of GB18030's four-byte characters.
#include "gbk_text.h"

#include <QString>

#include <climits>
#include <string>

#include <windows.h>

namespace ui {

std::optional<QByteArray> utf8FromGb18030(QByteArrayView bytes)
{
    const UINT codePage = IsValidCodePage(54936) ? 54936 : 936;
    if (bytes.isEmpty()) {
        return QByteArray();
    }
    if (bytes.size() > INT_MAX) {
        return std::nullopt;
    }
    // With MB_ERR_INVALID_CHARS a byte that is no GB18030 fails the call instead of becoming U+FFFD.
    const int size = int(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring text(std::size_t(length), L'\0');
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, text.data(), length) != length) {
        return std::nullopt;
    }
    return QString::fromStdWString(text).toUtf8();
}

}  // namespace ui
