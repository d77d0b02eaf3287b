// What leaves a calculator: the copied table against golden data, the calculation sheet's PDF read
// back as text, nothing out after a fault or into a folder that cannot be written, and 撤销清零.
#include "../support/window_driver.h"

#include "calculator_forms.h"
#include "value_box.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace {

struct Example {
    const char* window;
    std::function<std::unique_ptr<ui::CalculatorWindow>()> make;
    std::initializer_list<std::pair<const char*, const char*>> inputs;
};

// The worked examples; Type A's length typed with its unit, which reads as 10.
const Example kExamples[] = {
    {"TypeAWindow", [] { return std::make_unique<ui::CalculatorWindow>(ui::kTypeAForm); },
     {{"Text1", "1"}, {"Text2", "2"}, {"Text3", "3"}, {"Text4", "0.5"}, {"Text5", "1.5"}, {"Text6", "2"},
      {"Text10", "1"}, {"Text11", "3"}, {"Text12", "2"}, {"Text13", "1"}, {"Text14", "1"}, {"Text15", "3"},
      {"Text7", "10m"}}},
    {"TypeBWindow", [] { return std::make_unique<ui::CalculatorWindow>(ui::kTypeBForm); },
     {{"Text1", "0.5"}, {"Text2", "0.5"}, {"Text3", "2"}, {"Text4", "4"}, {"Text5", "0.25"}, {"Text6", "0.125"},
      {"Text7", "5"}, {"Text8", "0.5"}, {"Text9", "2.125"}, {"Text10", "0.125"}, {"Text41", "0.5"},
      {"Text11", "0.5"}, {"Text12", "0.5"}, {"Text33", "3"}, {"Text34", "4"}, {"Text35", "0.25"},
      {"Text36", "0.125"}, {"Text37", "6"}, {"Text38", "0.5"}, {"Text39", "2.125"}, {"Text40", "0.125"},
      {"Text42", "0.5"}, {"Text13", "10"}}},
    {"FoundationWindow", [] { return std::make_unique<ui::CalculatorWindow>(ui::kFoundationForm); },
     {{"Text1", "3"}, {"Text2", "2"}, {"Text9", "1"}, {"Text10", "2"}, {"Text11", "1"}, {"Text21", "10"}}},
};

std::unique_ptr<ui::CalculatorWindow> typed(const Example& example)
{
    std::unique_ptr<ui::CalculatorWindow> window = example.make();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) {  // the window's shortcuts work in the active window
        qFatal("%s did not become active", example.window);
    }
    typeEach(*window, example.inputs);
    return window;
}

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

QMessageBox* shownFault(const QWidget& window)
{
    for (QMessageBox* message : window.findChildren<QMessageBox*>("FaultMessage")) {
        if (message->isVisible()) {
            return message;
        }
    }
    return nullptr;
}

}  // namespace

class SheetTest : public QObject {
    Q_OBJECT

private slots:
    void copiesTheCalculationAsTextAndAsATable()
    {
        for (const Example& example : kExamples) {
            const std::unique_ptr<ui::CalculatorWindow> window = typed(example);
            window->findChild<QAction*>("copySheet")->trigger();
            const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(copied->text(), golden(QString("copy-%1.txt").arg(example.window)));
            QCOMPARE(copied->html(), golden(QString("copy-%1.html").arg(example.window)));
        }
    }

    void theSheetHoldsEveryInputAndResultAsShown()
    {
        QTemporaryDir folder;
        for (const Example& example : kExamples) {
            const std::unique_ptr<ui::CalculatorWindow> window = typed(example);
            const QString pdf = folder.filePath(QString("%1.pdf").arg(example.window));
            QCOMPARE(window->exportSheet(pdf), QString());
            QProcess extract;
            extract.start("pdftotext", {pdf, "-"});
            if (!extract.waitForStarted()) {
                QSKIP("no pdftotext here to read the sheet back (as on Windows)");
            }
            QVERIFY2(extract.waitForFinished(), "pdftotext did not finish");
            const QString text = QString::fromUtf8(extract.readAllStandardOutput());
            QVERIFY2(text.contains("挡墙计算 计算书") && text.contains("复核"), example.window);
            for (const QString& shown : shownTexts(*window)) {
                QVERIFY2(text.contains(shown), qPrintable(QString("%1: 「%2」 not on the sheet").arg(example.window, shown)));
            }
        }
    }

    void nothingLeavesAfterAFaultOrIntoAFolderThatCannotBeWritten()
    {
        QTemporaryDir folder;
        const std::unique_ptr<ui::CalculatorWindow> window = typed(kExamples[0]);
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
        for (const Example& example : kExamples) {
            const std::unique_ptr<ui::CalculatorWindow> window = typed(example);
            click(*window, "Command1");
            type(*window, example.inputs.begin()->first, "7");
            QStringList before;
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                before << box->text();
            }
            auto* result = window->findChildren<ui::ValueBox*>().constLast();
            const bool stale = result->stale();
            window->findChild<QPushButton*>(example.window == std::string_view("TypeBWindow") ? "Command2" : "Command3")
                ->click();
            QVERIFY(!result->stale());
            // Ctrl+Z in an input box that has nothing of its own to undo.
            QLineEdit* input = box(*window, example.inputs.begin()->first);
            input->setFocus();
            QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
            QStringList after;
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                after << box->text();
            }
            QCOMPARE(after, before);
            QCOMPARE(result->stale(), stale);
            QVERIFY(!window->findChild<QAction*>("undoClear")->isEnabled());
        }
    }
};

QTEST_MAIN(SheetTest)
#include "sheet_test.moc"
