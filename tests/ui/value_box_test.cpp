// What the value boxes of the three calculators show: every result from its first digit, a mark on
// an input that reads otherwise than it shows, and results put out of date by a changed input.
#include "../support/window_driver.h"

#include "calculator_forms.h"
#include "value_box.h"
#include "window_fields.h"

#include <QImage>
#include <QInputMethodEvent>

#include <functional>
#include <memory>

namespace {

struct Case {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    std::initializer_list<std::pair<const char*, const char*>> inputs;  // site dimensions
    QStringList results;  // boxes whose texts are wider than the box for these inputs
};

const Case kCases[] = {
    {"TypeA", [] { return std::make_unique<ui::CalculatorWindow>(ui::kTypeAForm); },
     {{"Text1", "0.45"}, {"Text2", "1.237"}, {"Text3", "3.333"}, {"Text4", "0.6"}, {"Text5", "0.85"},
      {"Text6", "2.47"}, {"Text10", "0.5"}, {"Text11", "1.3"}, {"Text12", "2.9"}, {"Text13", "0.6"},
      {"Text14", "0.9"}, {"Text15", "2.3"}, {"Text7", "17.65"}},
     {"Text16", "Text18", "Text8"}},
    {"TypeB", [] { return std::make_unique<ui::CalculatorWindow>(ui::kTypeBForm); },
     {{"Text1", "0.5"}, {"Text2", "0.35"}, {"Text3", "2.45"}, {"Text4", "3.125"}, {"Text5", "0.25"},
      {"Text6", "0.05"}, {"Text7", "5.875"}, {"Text8", "0.85"}, {"Text9", "2.4375"}, {"Text10", "0.2"},
      {"Text41", "0.4"}, {"Text11", "0.5"}, {"Text12", "0.35"}, {"Text33", "2.675"}, {"Text34", "3.3125"},
      {"Text35", "0.25"}, {"Text36", "0.05"}, {"Text37", "6.2"}, {"Text38", "0.85"}, {"Text39", "2.5625"},
      {"Text40", "0.2"}, {"Text42", "0.45"}, {"Text13", "18.75"}},
     {"Text17", "Text18", "Text14", "Text15", "Text19", "Text45"}},
    {"Foundation", [] { return std::make_unique<ui::CalculatorWindow>(ui::kFoundationForm); },
     {{"Text1", "0.45"}, {"Text2", "0.35"}, {"Text3", "0.375"}, {"Text4", "0.35"}, {"Text5", "0.65"},
      {"Text6", "0.35"}, {"Text7", "0.425"}, {"Text8", "0.35"}, {"Text9", "1.237"}, {"Text10", "1.55"},
      {"Text11", "0.6"}, {"Text12", "1.125"}, {"Text13", "1.33"}, {"Text14", "0.625"}, {"Text15", "1.3"},
      {"Text16", "1.645"}, {"Text17", "0.6"}, {"Text18", "1.1"}, {"Text19", "1.45"}, {"Text20", "0.65"},
      {"Text21", "12.85"}},
     {"Text22", "Text28", "Text30", "Text32"}},
};

std::unique_ptr<QWidget> pressed(const Case& c)
{
    std::unique_ptr<QWidget> window = c.make();
    window->show();
    typeEach(*window, c.inputs);
    click(*window, "Command1");
    return window;
}

ui::ValueBox* valueBox(const QWidget& window, const char* name)
{
    return qobject_cast<ui::ValueBox*>(box(window, name));
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
    return plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Over what the box held, as an input method commits text; keyClicks takes Latin-1 alone.
void commit(QLineEdit& target, const QString& typed)
{
    QTest::mouseClick(&target, Qt::LeftButton);
    target.selectAll();
    QTest::keyClick(&target, Qt::Key_Backspace);
    QInputMethodEvent event;
    event.setCommitString(typed);
    QCoreApplication::sendEvent(&target, &event);
}

// The first two characters stand where a text box with its start in view draws them (above the
// baseline: an underline may be drawn a shade apart at fractional scales), and the tooltip and the
// description hold the whole text.
bool showsItsStart(ui::ValueBox& result)
{
    const QImage shown = result.grab().toImage().convertToFormat(QImage::Format_RGB32);
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
        for (const Case& c : kCases) {
            const std::unique_ptr<QWidget> window = pressed(c);
            for (const QString& name : c.results) {
                ui::ValueBox* result = valueBox(*window, qPrintable(name));
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
        const std::unique_ptr<QWidget> typeA = pressed(kCases[0]);
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
        const Typed typed[] = {
            {"Text1", "1,5", "读作 1"}, {"Text1", "1.2.3", "读作 1.2"}, {"Text1", "3.5m", "读作 3.5"},
            {"Text1", "O.5", "读作 0"}, {"Text1", "-", "读作 0"}, {"Text1", "abc", "读作 0"},
            {"Text1", "1E999", "数太大，超出了能计算的范围"},
            {"Text1", "12.5", ""}, {"Text1", " 12 .5", ""}, {"Text1", "１２．５", ""}, {"Text1", "1。5", ""},
            {"Text1", "2e3", ""}, {"Text1", "&H10", ""}, {"Text1", "", ""},
            {"Text5", "25", "坡率按比值填写：1:0.25 填 0.25"}, {"Text40", "1", "坡率按比值填写：1:0.25 填 0.25"},
            {"Text5", "0.25", ""}, {"Text5", "0.25m", "读作 0.25"}, {"Text13", "25", ""},
        };
        for (const Typed& t : typed) {
            ui::ValueBox* input = valueBox(window, t.box);
            commit(*input, t.text);
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
        for (const Case& c : kCases) {
            const std::unique_ptr<QWidget> window = pressed(c);
            ui::ValueBox* result = valueBox(*window, qPrintable(c.results[0]));
            const QImage current = result->grab().toImage();
            QVERIFY(!result->stale());

            type(*window, c.inputs.begin()->first, "0.46");
            QVERIFY2(result->stale(), c.name);
            QVERIFY(result->accessibleDescription().contains("结果已过时"));
            QVERIFY2(result->grab().toImage() != current, c.name);

            type(*window, c.inputs.begin()->first, c.inputs.begin()->second);
            click(*window, "Command1");
            QVERIFY2(!result->stale(), c.name);
            QCOMPARE(result->grab().toImage(), current);

            type(*window, c.inputs.begin()->first, "1");
            const char* clear = c.name == std::string_view("TypeB") ? "Command2" : "Command3";
            click(*window, clear);
            QVERIFY2(!result->stale(), c.name);
        }
    }
};

QTEST_MAIN(ValueBoxTest)
#include "value_box_test.moc"
