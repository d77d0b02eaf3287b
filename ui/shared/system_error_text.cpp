// The system's words for a failed file operation, in Chinese where the user can do something about it.
#include "system_error_text.h"

#include <cerrno>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {

QString systemErrorInChinese(const QString& systemText)
{
    static const struct {
        int code;
        const char* chinese;
    } known[] = {
#ifdef Q_OS_WIN
        {ERROR_DISK_FULL, "磁盘已满，没有剩余空间"},
        {ERROR_HANDLE_DISK_FULL, "磁盘已满，没有剩余空间"},
        {ERROR_ACCESS_DENIED, "没有权限写入这个位置"},
        {ERROR_WRITE_PROTECT, "磁盘有写保护"},
        {ERROR_PATH_NOT_FOUND, "文件夹不存在"},
        {ERROR_FILE_NOT_FOUND, "文件不存在"},
        {ERROR_SHARING_VIOLATION, "文件正被别的程序使用"},
#else
        {ENOSPC, "磁盘已满，没有剩余空间"},
        {EDQUOT, "超出了磁盘配额"},
        {EACCES, "没有权限写入这个位置"},
        {EPERM, "没有权限写入这个位置"},
        {EROFS, "磁盘是只读的"},
        {ENOENT, "文件夹或文件不存在"},
        {EISDIR, "这是一个文件夹"},
#endif
    };
    for (const auto& error : known) {
        if (systemText.contains(qt_error_string(error.code), Qt::CaseInsensitive)) {
            return QString::fromUtf8(error.chinese) + QStringLiteral("（%1）").arg(systemText);
        }
    }
    return systemText;
}

}  // namespace ui
