// libxlsxwriter, loaded when a workbook is first written rather than when the program starts: it
// brings a cryptography library with it, which would otherwise add to every start-up's time and
// memory for an export most sessions never make.
#pragma once

#include <xlsxwriter.h>

#include <QString>

namespace ui {

struct XlsxLibrary {
    decltype(&::workbook_new_opt) workbook_new_opt;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::workbook_close) workbook_close;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::worksheet_write_formula_num) worksheet_write_formula_num;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
    decltype(&::worksheet_repeat_rows) worksheet_repeat_rows;
    decltype(&::worksheet_set_landscape) worksheet_set_landscape;
    decltype(&::worksheet_set_footer) worksheet_set_footer;
    decltype(&::worksheet_fit_to_pages) worksheet_fit_to_pages;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::format_set_num_format) format_set_num_format;
    decltype(&::lxw_strerror) lxw_strerror;
};

// The library's functions, loaded at the first call; nothing, with why in Chinese, when it cannot be.
const XlsxLibrary* xlsxLibrary(QString* error);

}  // namespace ui
