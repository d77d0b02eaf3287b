// What leaves a calculator: the copied table against golden data, each input as typed and as read,
// the calculation sheet's PDF read back as text, nothing out after a fault or into a folder that
// cannot be written, and 撤销清零.
#include "../../support/calculators.h"

#include "calculation_sheet.h"
#include "value_box.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

QString golden(const QString& name)
{
    QFile file(QStringLiteral(WALLCALC_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("no golden file %s", qPrintable(name));
    }
    return QString::fromUtf8(file.readAll());
}

QStringList shownTexts(const QWidget& window)
{
    QStringList texts;
    for (const ui::ValueBox* box : window.findChildren<ui::ValueBox*>()) {
        if (!box->text().isEmpty()) {
            texts << box->text();
        }
    }
    return texts;
}

}  // namespace

class SheetTest : public QObject {
    Q_OBJECT

private slots:
    void copiesTheCalculationAsTextAndAsATable()
    {
        for (const Calculator& calculator : kCalculators) {
            const auto window = opened(calculator, calculator.workedExample);
            window->findChild<QAction*>("copySheet")->trigger();
            const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(copied->text(), golden(QString("copy-%1.txt").arg(calculator.name)));
            QCOMPARE(copied->html(), golden(QString("copy-%1.html").arg(calculator.name)));
        }
    }

    void theSheetHoldsEveryInputAndResultAsShown()
    {
        QTemporaryDir folder;
        for (const Calculator& calculator : kCalculators) {
            const auto window = opened(calculator, calculator.workedExample);
            const QString pdf = folder.filePath(QString("%1.pdf").arg(calculator.name));
            QCOMPARE(window->exportSheet(pdf), QString());
            QProcess extract;
            extract.start("pdftotext", {pdf, "-"});
            if (!extract.waitForStarted()) {
                QSKIP("no pdftotext here to read the sheet back (as on Windows)");
            }
            QVERIFY2(extract.waitForFinished(), "pdftotext did not finish");
            const QString text = QString::fromUtf8(extract.readAllStandardOutput());
            QVERIFY2(text.contains("挡墙计算 计算书") && text.contains("复核"), calculator.name);
            for (const QString& shown : shownTexts(*window)) {
                QVERIFY2(text.contains(shown), qPrintable(QString("%1: 「%2」 not on the sheet").arg(calculator.name, shown)));
            }
        }
    }

    // An input is a number on the sheet only where it reads wholly as one; else beside it stands
    // the value the computation read.
    void anInputIsANumberOnlyWhereItReadsAsOne()
    {
        const struct { QString typed; bool number; QString readAs; } inputs[] = {
            {"12.5", true, ""}, {" 1 2", true, ""}, {"", false, "0"}, {"\u3000", false, "0"}, {"2米", false, "2"},
            {"1e400", false, "超出计算范围"}};
        for (const auto& input : inputs) {
            const ui::SheetRow row = ui::makeSheet(*kCalculators[0].form, [&](std::string_view) { return input.typed; }).inputs[0];
            QVERIFY2(row.number == input.number && row.readAs == input.readAs, qPrintable(input.typed));
        }
    }

    void nothingLeavesAfterAFaultOrIntoAFolderThatCannotBeWritten()
    {
        QTemporaryDir folder;
        const auto window = opened(kCalculators[0], kCalculators[0].workedExample);
        type(*window, "Text1", "1e200");
        type(*window, "Text7", "1e200");
        QGuiApplication::clipboard()->setText("before");
        QVERIFY(!window->copySheet());
        QCOMPARE(QGuiApplication::clipboard()->text(), "before");
        QVERIFY(shownFault(*window));
        shownFault(*window)->accept();

        const QString pdf = folder.filePath("fault.pdf");
        QVERIFY(!window->exportSheet(pdf).isEmpty());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(shownFault(*window));
        shownFault(*window)->accept();

        type(*window, "Text1", "1");
        const QString error = window->exportSheet(folder.filePath("no such folder/sheet.pdf"));
        QVERIFY2(error.startsWith("无法在"), qPrintable(error));
        QCOMPARE(text(*window, "Text1"), "1");
    }

    void undoClearPutsBackEveryTextAndTheOutOfDateState()
    {
        for (const Calculator& calculator : kCalculators) {
            const auto window = opened(calculator, calculator.workedExample);
            click(*window, "Command1");
            type(*window, calculator.workedExample.begin()->first, "7");
            const QStringList before = allTexts(*window);
            auto* result = window->findChildren<ui::ValueBox*>().constLast();
            const bool stale = result->stale();
            click(*window, calculator.clearButton);
            QVERIFY(!result->stale());
            // Ctrl+Z in an input box that has nothing of its own to undo.
            QLineEdit* input = box(*window, calculator.workedExample.begin()->first);
            input->setFocus();
            QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(allTexts(*window), before);
            QCOMPARE(result->stale(), stale);
            QVERIFY(!window->findChild<QAction*>("undoClear")->isEnabled());
        }
    }

    // 撤销清零 lasts from 清零 to a hand edit or a press, and puts back the last 清零 only; put back
    // after a press, the results are current again, so that an edit puts them out of date.
    void undoClearLastsUntilAnEditOrAPress()
    {
        const Calculator& calculator = kCalculators[0];
        const struct { QStringList steps; bool undoable; bool stale; } cases[] = {
{{"清零", "edit"}, false, false}, {{"清零", "计算"}, false, false},
            {{"清零", "清零", "撤销清零"}, false, false}, {{"计算", "清零", "撤销清零", "edit"}, false, true}};
        for (const auto& c : cases) {
            const auto window = opened(calculator, calculator.workedExample);
            auto* undo = window->findChild<QAction*>("undoClear");
            for (const QString& step : c.steps) {
                step == "清零"   ? click(*window, calculator.clearButton)
                : step == "计算" ? click(*window, "Command1")
                : step == "edit" ? type(*window, calculator.workedExample.begin()->first, "7")
                                 : undo->trigger();
            }
            QVERIFY2(undo->isEnabled() == c.undoable, qPrintable(c.steps.join(' ')));
            QVERIFY2(window->findChildren<ui::ValueBox*>().constLast()->stale() == c.stale, qPrintable(c.steps.join(' ')));
        }
    }
};

QTEST_MAIN(SheetTest)
#include "sheet_test.moc"
