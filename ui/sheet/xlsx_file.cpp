// libxlsxwriter writes only to a path and leaves a half-written file when it fails, so the workbook
// is written into a temporary file first and copied into place by QSaveFile, which replaces the
// target at once or not at all.
#include "xlsx_file.h"

#include "system_error_text.h"
#include "xlsx_library.h"

#include "wallcalc/field_value.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ui {

namespace {

QByteArray systemPath(const QString& path)
{
    // Built with MinGW, libxlsxwriter opens its files by the C library's fopen and open, which on
    // Windows take the ANSI code page (GBK on a Chinese Windows).
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(path).toLocal8Bit();
#else
    return QFile::encodeName(path);
#endif
}

}  // namespace

XlsxFile::XlsxFile()
    : temporary_(QDir(QDir::tempPath()).filePath(QStringLiteral("wallcalc-XXXXXX.xlsx"))),
      library_(xlsxLibrary(&loadError_))
{
    if (!library_ || !temporary_.open()) {
        return;
    }
    // Closed but kept, so that libxlsxwriter can write it on Windows too; removed with this object.
    temporary_.close();
    // libxlsxwriter keeps each sheet in a temporary file of its own until the end; on Windows the C
    // library would put it in the root of drive C:, where a user may not write.
    QByteArray folder = systemPath(QDir::tempPath());
    lxw_workbook_options options{};
    options.tmpdir = folder.data();
    workbook_ = library_->workbook_new_opt(systemPath(temporary_.fileName()).constData(), &options);
}

XlsxFile::~XlsxFile()
{
    if (workbook_) {
        // A workbook never committed still owns its memory; closing it writes the temporary file,
        // which goes with temporary_.
        library_->workbook_close(workbook_);
    }
}

XlsxSheet XlsxFile::addSheet(const QString& name)
{
    lxw_worksheet* sheet = workbook_ ? library_->workbook_add_worksheet(workbook_, name.toUtf8().constData()) : nullptr;
    if (!sheet && error_ == LXW_NO_ERROR) {
        error_ = LXW_ERROR_MEMORY_MALLOC_FAILED;
    }
    return XlsxSheet(*this, sheet);
}

lxw_format* XlsxFile::addFormat()
{
    return workbook_ ? library_->workbook_add_format(workbook_) : nullptr;
}

QString XlsxFile::commit(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!library_) {
        return QStringLiteral("没有导出成功：") + loadError_;
    }
    if (!workbook_) {
        return QStringLiteral("没有导出成功：临时文件夹“%1”里写不了文件。").arg(QDir::toNativeSeparators(QDir::tempPath()));
    }
    const lxw_error closed = library_->workbook_close(workbook_);
    workbook_ = nullptr;
    const lxw_error error = error_ != LXW_NO_ERROR ? error_ : closed;
    if (error != LXW_NO_ERROR) {
        return QStringLiteral("没有导出成功：“%1”：工作簿写不出来（%2）。").arg(shown, QString::fromUtf8(library_->lxw_strerror(error)));
    }
    QFile written(temporary_.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        return QStringLiteral("没有导出成功：“%1”：%2").arg(shown, systemErrorInChinese(written.errorString()));
    }
    const QByteArray bytes = written.readAll();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("没有导出成功：“%1”：%2").arg(shown, systemErrorInChinese(file.errorString()));
    }
    return {};
}

void XlsxSheet::check(lxw_error error)
{
    if (file_.error_ == LXW_NO_ERROR) {
        file_.error_ = error;
    }
}

void XlsxSheet::text(int row, int column, const QString& text, lxw_format* format)
{
    if (sheet_ && !text.isEmpty()) {
        check(file_.library_->worksheet_write_string(sheet_, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(), format));
    }
}

void XlsxSheet::number(int row, int column, double value, lxw_format* format)
{
    if (sheet_) {
        check(file_.library_->worksheet_write_number(sheet_, lxw_row_t(row), lxw_col_t(column), value, format));
    }
}

void XlsxSheet::formula(int row, int column, const QString& formula, double value, lxw_format* format)
{
    if (sheet_) {
        check(file_.library_->worksheet_write_formula_num(sheet_, lxw_row_t(row), lxw_col_t(column), formula.toUtf8().constData(),
                                          format, value));
    }
}

// A number beyond the double range is none a spreadsheet could hold, so it stays a text.
void XlsxSheet::typed(int row, int column, const QString& asTyped, lxw_format* format)
{
    if (const std::optional<double> value = wallcalc::WholeNumber(asTyped.toStdString())) {
        number(row, column, *value, format);
    } else {
        text(row, column, asTyped, format);
    }
}

QString cellName(int row, int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26) {
        letters.prepend(QChar('A' + (n - 1) % 26));
    }
    return letters + QString::number(row + 1);
}

}  // namespace ui
