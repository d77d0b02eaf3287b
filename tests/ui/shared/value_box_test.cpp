// What the value boxes of the three calculators show: every result from its first digit, a mark on
// an input that reads otherwise than it shows, and results put out of date by a changed input.
#include "../../support/calculators.h"

#include "value_box.h"
#include "window_fields.h"

#include <QImage>

#include <memory>

namespace {

// For each calculator, the result boxes whose texts are wider than the box for its site inputs.
const QStringList kCutResults[] = {
    {"Text16", "Text18", "Text8"},
    {"Text17", "Text18", "Text14", "Text15", "Text19", "Text45"},
    {"Text22", "Text28", "Text30", "Text32"},
};
static_assert(std::size(kCutResults) == std::size(kCalculators), "one list a calculator, in their order");

std::unique_ptr<ui::CalculatorWindow> pressed(const Calculator& calculator)
{
    auto window = opened(calculator, calculator.siteInputs);
    click(*window, "Command1");
    return window;
}

// A plain text box of the same size, font, colours and state, holding the same text with its
// cursor at the start: the picture of what the box must show up to where it cuts the text.
QImage plainBoxShowing(const QLineEdit& shown)
{
    QLineEdit plain(shown.text());
    plain.setFont(shown.font());
    plain.setPalette(shown.palette());
    plain.setEnabled(shown.isEnabled());
    plain.resize(shown.size());
    plain.setCursorPosition(0);
    return grabbed(plain);
}

// The first two characters stand where a text box with its start in view draws them (above the
// baseline: an underline may be drawn a shade apart at fractional scales), and the tooltip and the
// description hold the whole text.
bool showsItsStart(ui::ValueBox& result)
{
    const QImage shown = grabbed(result);
    const QFontMetrics metrics = result.fontMetrics();
    const qreal scale = shown.devicePixelRatio();
    const QRect prefix(0, 0, static_cast<int>((3 + metrics.horizontalAdvance(result.text().left(2))) * scale),
                       static_cast<int>(((result.height() - metrics.height()) / 2 + metrics.ascent()) * scale));
    return shown.copy(prefix) == plainBoxShowing(result).copy(prefix) && result.toolTip().contains(result.text()) &&
           result.accessibleDescription().contains(result.text());
}

QRgb cornerPixel(QLineEdit& shown)
{
    const QImage image = shown.grab().toImage();
    return image.pixel(image.width() - 2, 1);
}

}  // namespace

class ValueBoxTest : public QObject {
    Q_OBJECT

private slots:
    void aLongResultShowsItsFirstDigits()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const Calculator& c = kCalculators[n];
            const auto window = pressed(c);
            for (const QString& name : kCutResults[n]) {
                ui::ValueBox* result = valueBox(*window, name);
                const QString where = QString("%1.%2 「%3」").arg(c.name, name, result->text());
                QVERIFY2(result->cut(), qPrintable(where + " fits its box: pick longer inputs"));
                QVERIFY2(showsItsStart(*result), qPrintable(where));
            }
            // The longest text a press writes, in every result box.
            ui::WindowFields fields(*window);
            for (ui::ValueBox* result : window->findChildren<ui::ValueBox*>()) {
                if (result->role() == ui::ValueBox::Role::Result) {
                    fields.setText(result->objectName().toStdString(), "-1.23456789012345E-100");
                    QVERIFY2(showsItsStart(*result), qPrintable(QString("%1.%2").arg(c.name, result->objectName())));
                }
            }
        }
        const auto typeA = pressed(kCalculators[0]);
        QCOMPARE(text(*typeA, "Text8"), "78.8702207875");
        QCOMPARE(text(*typeA, "Text18"), "4.46856775");
        QCOMPARE(text(*typeA, "Text16"), "4.6021355");
    }

    void anInputIsMarkedWhileItReadsOtherwise()
    {
        ui::CalculatorWindow window(ui::kTypeBForm);
        window.show();
        const QRgb plain = cornerPixel(*box(window, "Text1"));
        struct Typed {
            const char* box;
            const char* text;
            QString reason;
        };
        // Which texts read wholly is the core's to check; here one of each kind the box tells apart.
        const Typed typed[] = {
            {"Text1", "1,5", "读作 1"}, {"Text1", "O.5", "读作 0"}, {"Text1", "1E999", "数太大，超出了能计算的范围"},
            {"Text1", " 12 .5", ""}, {"Text1", "１２．５", ""}, {"Text1", "", ""},
            {"Text5", "25", "坡率按比值填写：1:0.25 填 0.25"}, {"Text40", "1", "坡率按比值填写：1:0.25 填 0.25"},
            {"Text5", "0.25", ""}, {"Text5", "0.25m", "读作 0.25"}, {"Text13", "25", ""},
        };
        for (const Typed& t : typed) {
            ui::ValueBox* input = valueBox(window, t.box);
            QTest::mouseClick(input, Qt::LeftButton);
            commitText(*input, t.text);
            QTest::keyClick(input, Qt::Key_Tab);
            const QString where = QString("%1 「%2」").arg(t.box, t.text);
            QCOMPARE(input->markReason(), t.reason);
            QVERIFY2(input->accessibleDescription().contains(t.reason), qPrintable(where));
            QVERIFY2(t.reason.contains("读作") || !input->accessibleDescription().contains("读作"), qPrintable(where));
            QCOMPARE(input->toolTip().contains(t.reason), true);
            QVERIFY2((cornerPixel(*input) != plain) == !t.reason.isEmpty(), qPrintable(where + " mark drawn wrong"));
        }
    }

    void resultsGoOutOfDateWhenAnInputChanges()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const Calculator& c = kCalculators[n];
            const auto window = pressed(c);
            ui::ValueBox* result = valueBox(*window, kCutResults[n][0]);
            const QImage current = result->grab().toImage();
            QVERIFY(!result->stale());

            type(*window, c.siteInputs.begin()->first, "0.46");
            QVERIFY2(result->stale(), c.name);
            QVERIFY(result->accessibleDescription().contains("结果已过时"));
            QVERIFY2(result->grab().toImage() != current, c.name);

            type(*window, c.siteInputs.begin()->first, c.siteInputs.begin()->second);
            click(*window, "Command1");
            QVERIFY2(!result->stale(), c.name);
            QCOMPARE(result->grab().toImage(), current);
        }
    }
};

QTEST_MAIN(ValueBoxTest)
#include "value_box_test.moc"
