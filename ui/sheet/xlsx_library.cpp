// Every function is resolved by its name once; a library that lacks one is not used at all.
#include "xlsx_library.h"

#include <QLibrary>

#include <optional>

namespace ui {

namespace {

template <typename Function>
bool resolve(QLibrary& library, Function& function, const char* name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

std::optional<XlsxLibrary> load(QString& error)
{
    static QLibrary library(QStringLiteral(WALLCALC_XLSXWRITER_LIBRARY));
    XlsxLibrary x{};
    const bool found =
        library.load() && resolve(library, x.workbook_new_opt, "workbook_new_opt") &&
        resolve(library, x.workbook_add_worksheet, "workbook_add_worksheet") &&
        resolve(library, x.workbook_add_format, "workbook_add_format") &&
        resolve(library, x.workbook_close, "workbook_close") &&
        resolve(library, x.worksheet_write_string, "worksheet_write_string") &&
        resolve(library, x.worksheet_write_number, "worksheet_write_number") &&
        resolve(library, x.worksheet_write_formula_num, "worksheet_write_formula_num") &&
        resolve(library, x.worksheet_set_column, "worksheet_set_column") &&
        resolve(library, x.worksheet_freeze_panes, "worksheet_freeze_panes") &&
        resolve(library, x.worksheet_repeat_rows, "worksheet_repeat_rows") &&
        resolve(library, x.worksheet_set_landscape, "worksheet_set_landscape") &&
        resolve(library, x.worksheet_set_footer, "worksheet_set_footer") &&
        resolve(library, x.worksheet_fit_to_pages, "worksheet_fit_to_pages") &&
        resolve(library, x.format_set_bold, "format_set_bold") &&
        resolve(library, x.format_set_num_format, "format_set_num_format") &&
        resolve(library, x.lxw_strerror, "lxw_strerror");
    if (!found) {
        error = QStringLiteral("写 Excel 工作簿要用的程序库 %1 没有找到或不完整（%2），请重新安装挡墙计算。")
                    .arg(QStringLiteral(WALLCALC_XLSXWRITER_LIBRARY), library.errorString());
        return std::nullopt;
    }
    return x;
}

}  // namespace

const XlsxLibrary* xlsxLibrary(QString* error)
{
    static QString why;
    static const std::optional<XlsxLibrary> loaded = load(why);
    if (!loaded && error) {
        *error = why;
    }
    return loaded ? &*loaded : nullptr;
}

}  // namespace ui
