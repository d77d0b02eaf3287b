// The Excel workbooks as another spreadsheet reads them: LibreOffice Calc opens them with
// recalculation forced, and every cell it exports, the ROUND and SUM formulas' results included,
// must equal the program's own figures. A write that fails leaves no file.
#include "calculation_sheet.h"
#include "sheet_workbook.h"
#include "takeoff_columns.h"
#include "takeoff_disk.h"
#include "takeoff_texts.h"
#include "takeoff_workbook.h"
#include "xlsx_file.h"

#include "wallcalc/calculators.h"
#include "wallcalc/field_value.h"
#include "wallcalc/quantity_table.h"
#include "wallcalc/takeoff_table.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Calc's own setting "Recalculation on file load" for Excel 2007 and newer set to 0, always: by
// default Calc trusts the values a workbook stores with its formulas, which would hide a wrong formula.
const char* const kAlwaysRecalculate = R"(<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry" xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
)";

using Table = QList<QStringList>;

// RFC 4180 as Calc writes it: quoted cells may hold commas, doubled quotes and line breaks.
Table parseCsv(const QString& text)
{
    Table rows{{}};
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.last() << cell;
            cell.clear();
        } else if (c == '\n') {
            rows.last() << cell;
            cell.clear();
            rows.append(QStringList());
        } else if (c != '\r') {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !rows.last().isEmpty()) {
        rows.last() << cell;
    } else {
        rows.removeLast();
    }
    return rows;
}

// Each sheet of each workbook as Calc computes it, by sheet name, from one run of Calc for all.
QMap<QString, Table> recalculatedSheets(const QDir& folder, const QStringList& workbooks)
{
    const QString profile = folder.filePath("calc-profile");
    QDir().mkpath(profile + "/user");
    QFile settings(profile + "/user/registrymodifications.xcu");
    if (!settings.open(QIODevice::WriteOnly) || settings.write(kAlwaysRecalculate) < 0) {
        return {};
    }
    settings.close();
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty()) {
        qWarning("LibreOffice Calc (soffice) is not installed: ./build.sh test installs libreoffice-calc-nogui");
        return {};
    }
    // Comma, quote, UTF-8, from line 1, values as stored rather than as formatted, every sheet to a
    // file of its own named <workbook>-<sheet>.csv.
    QProcess calc;
    calc.setProcessChannelMode(QProcess::ForwardedChannels);
    calc.start(soffice, QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(), "--headless",
                                    "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1",
                                    "--outdir", folder.filePath("csv")} +
                                   workbooks);
    if (!calc.waitForFinished(180000) || calc.exitCode() != 0) {
        qWarning("soffice failed");
        return {};
    }
    QMap<QString, Table> sheets;
    for (const QFileInfo& csv : QDir(folder.filePath("csv")).entryInfoList({"*.csv"})) {
        QFile file(csv.filePath());
        if (file.open(QIODevice::ReadOnly)) {
            sheets[csv.completeBaseName()] = parseCsv(QString::fromUtf8(file.readAll()));
        }
    }
    return sheets;
}

QString cell(const Table& table, int row, int column)
{
    return row < table.size() ? table[row].value(column) : QStringLiteral("<no row %1>").arg(row + 1);
}

// A cell the program writes from a text: a number where the text reads wholly as one, as Val reads it.
void compareTyped(const QString& fromCalc, const QString& text, const QString& where)
{
    const wallcalc::NumberReading reading = wallcalc::ReadNumber(text.toStdString());
    if (reading.whole && !text.trimmed().isEmpty()) {
        bool ok = false;
        const double value = fromCalc.toDouble(&ok);
        QVERIFY2(ok && value == reading.value, qPrintable(where + ": " + fromCalc + " ≠ " + text));
    } else {
        QVERIFY2(fromCalc == text, qPrintable(where + ": " + fromCalc + " ≠ " + text));
    }
}

// A bill's figure, 「2.60」, against what Calc computed for its ROUND or SUM: the same hundredths.
void compareBilled(const QString& fromCalc, const std::optional<std::string>& billed, const QString& where)
{
    const QString expected = billed ? QString::fromStdString(*billed) : QString();
    if (expected.isEmpty()) {
        QVERIFY2(fromCalc.isEmpty(), qPrintable(where + ": " + fromCalc + " where nothing is billed"));
        return;
    }
    bool ok = false;
    const double value = fromCalc.toDouble(&ok);
    QVERIFY2(ok && QString::number(value, 'f', 2) == expected && qAbs(value - expected.toDouble()) < 1e-9,
             qPrintable(where + ": " + fromCalc + " ≠ " + expected));
}


// The take-off's and a calculator's workbooks, and a probe: a formula stored with a value it does
// not compute, for which Calc must give the formula's own.
void writeWorkbooks(const QDir& folder, const ui::TakeoffTexts& texts)
{
    QVERIFY(ui::writeTakeoffWorkbook(folder.filePath("wall.xlsx"), texts).isEmpty());
    const ui::CalculationSheet sheet{"挡土墙A类",
                                     {{"A", "第一断面墙身顶宽", "1.5", "米", {}, true}, {"B", "底宽", "2米", "米", "2", false}},
                                     {{"V", "体积", "3.14159265358979", "立方米", {}, true}, {"", "说明", "溢出", "", {}, false}},
                                     {}};
    QVERIFY(ui::writeSheetWorkbook(folder.filePath("sheet.xlsx"), sheet).isEmpty());
    ui::XlsxFile probe;
    ui::XlsxSheet cells = probe.addSheet("probe");
    cells.number(0, 0, 1.234);
    cells.formula(0, 1, "ROUND(A1,2)", 999);
    QVERIFY(probe.commit(folder.filePath("probe.xlsx")).isEmpty());
}

}  // namespace

class WorkbookTest : public QObject {
    Q_OBJECT

private slots:
    // The Windows build writes its workbooks where WALLCALC_WORKBOOKS_TO says, and the Linux build
    // then checks those, found where WALLCALC_WORKBOOKS_FROM says, with Calc (./build.sh test does
    // both), so the workbooks of both builds are held to the same cells.
    void everyCellAsCalcRecalculatesIt()
    {
        // The documents' ten stations, one more row with a mistyped station, so that two pairs are
        // left out of the totals, and one after it.
        QString error;
        std::optional<ui::TakeoffFile> file = ui::readTakeoffFile(WALLCALC_DOCS "/takeoff-example.csv", &error);
        QVERIFY2(file, qPrintable(error));
        file->takeoff.rows.push_back({"K1+34O", {"0.55", "1.42", "4.25", "0.75", "0.75", "2.02"}});
        file->takeoff.rows.push_back({"K1+350", {"0.55", "1.43", "4.3", "0.75", "0.75", "2.035"}});
        wallcalc::TakeoffTable table(*file->takeoff.calculator, file->takeoff.rows);
        table.update();
        const ui::TakeoffColumns columns = ui::takeoffColumns(*file->takeoff.calculator);
        const ui::TakeoffTexts texts(table, columns);
        const wallcalc::QuantityTable quantities = wallcalc::QuantityTableOf(table);
        QVERIFY(quantities.totals.counted < int(quantities.rows.size()));

        QTemporaryDir temporary;
        const QString to = qEnvironmentVariable("WALLCALC_WORKBOOKS_TO");
        const QString from = qEnvironmentVariable("WALLCALC_WORKBOOKS_FROM");
        const QDir folder(from.isEmpty() ? (to.isEmpty() ? temporary.path() : to) : from);
        QVERIFY(folder.mkpath("."));
        if (!from.isEmpty()) {
            qInfo("checking the workbooks in %s", qPrintable(from));
        } else {
            writeWorkbooks(folder, texts);
        }
#ifdef Q_OS_WIN
        QSKIP("LibreOffice Calc runs on Linux: ./build.sh test checks these workbooks there");
#endif
        const QMap<QString, Table> sheets = recalculatedSheets(
            folder, {folder.filePath("wall.xlsx"), folder.filePath("sheet.xlsx"), folder.filePath("probe.xlsx")});
        QCOMPARE(cell(sheets.value("probe-probe"), 0, 1), QString("1.23"));

        const Table inputs = sheets.value("wall-逐桩输入");
        QCOMPARE(inputs.size(), int(table.usedRows()) + 1);
        QCOMPARE(inputs[0], texts.headings().mid(0, texts.inputColumns()));
        for (std::size_t r = 0; r < table.usedRows(); ++r) {
            for (int c = 0; c < texts.inputColumns(); ++c) {
                compareTyped(cell(inputs, int(r) + 1, c), texts.input(r, c), QStringLiteral("逐桩输入 %1").arg(ui::cellName(int(r) + 1, c)));
            }
        }

        const Table bill = sheets.value("wall-工程数量表");
        QCOMPARE(bill.size(), int(quantities.rows.size()) + 2);
        const int volumes = int(quantities.totals.volumes.size());
        for (int n = 0; n < int(quantities.rows.size()); ++n) {
            const wallcalc::QuantityRow& row = quantities.rows[std::size_t(n)];
            const int r = n + 1;
            const auto where = [&](int c) { return QStringLiteral("工程数量表 %1").arg(ui::cellName(r, c)); };
            QCOMPARE(cell(bill, r, 0), QString::fromStdString(row.from + "～" + row.to));
            const auto billed = [&](const wallcalc::BillFigure& figure) { return row.counted ? figure.billed : std::nullopt; };
            compareTyped(cell(bill, r, 1), QString::fromStdString(row.length.shown), where(1));
            compareBilled(cell(bill, r, 2), billed(row.length), where(2));
            compareTyped(cell(bill, r, 3), QString::fromStdString(row.firstArea.shown), where(3));
            compareTyped(cell(bill, r, 4), QString::fromStdString(row.secondArea.shown), where(4));
            for (int v = 0; v < volumes; ++v) {
                compareTyped(cell(bill, r, 5 + 2 * v), QString::fromStdString(row.volumes[std::size_t(v)].shown), where(5 + 2 * v));
                compareBilled(cell(bill, r, 6 + 2 * v), billed(row.volumes[std::size_t(v)]), where(6 + 2 * v));
            }
            QCOMPARE(cell(bill, r, 5 + 2 * volumes), texts.pairProblem(std::size_t(n)));
        }
        const int totals = int(quantities.rows.size()) + 1;
        QCOMPARE(cell(bill, totals, 0), texts.totalsRow().value(0));
        compareBilled(cell(bill, totals, 2), quantities.totals.length, "合计 长度");
        for (int v = 0; v < volumes; ++v) {
            compareBilled(cell(bill, totals, 6 + 2 * v), quantities.totals.volumes[std::size_t(v)], "合计 方量");
        }

        const Table calculator = sheets.value("sheet-挡土墙A类");
        QCOMPARE(calculator.size(), 7);
        QCOMPARE(calculator[1].value(0), QString("输入"));
        QCOMPARE(calculator[2], QStringList({"A 第一断面墙身顶宽", "1.5", "米", ""}));
        QCOMPARE(calculator[3], QStringList({"B 底宽", "2米", "米", "2"}));
        QCOMPARE(calculator[4].value(0), QString("计算结果"));
        compareTyped(calculator[5].value(1), "3.14159265358979", "计算表 B6");
        QCOMPARE(calculator[6].value(1), QString("溢出"));
    }

    // The export fails in a folder that does not exist: it says so and leaves nothing behind.
    void aFailedWriteLeavesNoFile()
    {
        wallcalc::TakeoffTable table(wallcalc::kTypeA, {{"K0+000", {"1", "2", "3", "0.5", "1.5", "2"}}, {"K0+010", {"1", "3", "2", "1", "1", "3"}}});
        table.update();
        const ui::TakeoffColumns columns = ui::takeoffColumns(wallcalc::kTypeA);
        QTemporaryDir folder;
        const QString path = folder.filePath("没有的文件夹/墙.xlsx");
        const QString error = ui::writeTakeoffWorkbook(path, ui::TakeoffTexts(table, columns));
        QVERIFY2(error.contains("没有导出成功") && error.contains("不存在"), qPrintable(error));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        // And one that works beside an old file replaces it whole.
        const QString old = folder.filePath("墙.xlsx");
        QFile stale(old);
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("old") == 3);
        stale.close();
        QVERIFY(ui::writeTakeoffWorkbook(old, ui::TakeoffTexts(table, columns)).isEmpty());
        QFile written(old);
        QVERIFY(written.open(QIODevice::ReadOnly) && written.read(2) == "PK");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"墙.xlsx"}));
    }
};

QTEST_MAIN(WorkbookTest)
#include "workbook_test.moc"
