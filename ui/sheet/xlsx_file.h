// An Excel workbook written with libxlsxwriter into a temporary file and put in place whole, so that a
// failed export leaves no half file and the file it was to replace as it was; and the cells as the
// program writes them: a text that reads wholly as a number as a number cell.
#pragma once

#include "xlsx_library.h"

#include <QString>
#include <QTemporaryFile>

namespace ui {

class XlsxSheet;

class XlsxFile {
public:
    XlsxFile();
    ~XlsxFile();
    XlsxFile(const XlsxFile&) = delete;
    XlsxFile& operator=(const XlsxFile&) = delete;

    // Nothing when the workbook could not be started; commit() then says why.
    lxw_workbook* workbook() const { return workbook_; }
    // The library's functions; only while workbook() is something.
    const XlsxLibrary& library() const { return *library_; }
    XlsxSheet addSheet(const QString& name);
    lxw_format* addFormat();
    // Ends the workbook and puts it at path: empty, or what went wrong in Chinese.
    QString commit(const QString& path);

private:
    friend class XlsxSheet;
    QTemporaryFile temporary_;
    QString loadError_;
    const XlsxLibrary* library_;
    lxw_workbook* workbook_ = nullptr;
    lxw_error error_ = LXW_NO_ERROR;  // the first a call returned; the file is not put in place after one
};

class XlsxSheet {
public:
    XlsxSheet(XlsxFile& file, lxw_worksheet* sheet) : file_(file), sheet_(sheet) {}
    lxw_worksheet* worksheet() const { return sheet_; }
    const XlsxLibrary& library() const { return file_.library(); }

    void text(int row, int column, const QString& text, lxw_format* format = nullptr);
    void number(int row, int column, double value, lxw_format* format = nullptr);
    // A formula with the value it computes, so that a reader that does not recalculate shows it.
    void formula(int row, int column, const QString& formula, double value, lxw_format* format = nullptr);
    // As typed: empty left blank, a text that reads wholly as a number a number cell, else a text cell.
    void typed(int row, int column, const QString& asTyped, lxw_format* format = nullptr);
    // Takes a call's result: the first error stops the file from being put in place.
    void check(lxw_error error);

private:
    XlsxFile& file_;
    lxw_worksheet* sheet_;
};

// A cell's name, 「C3」, from row and column counted from 0.
QString cellName(int row, int column);

}  // namespace ui
