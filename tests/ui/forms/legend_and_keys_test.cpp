// Finding one's way in the three calculators: Enter moves in reading order and ends on 计算, Esc
// returns, the legend marks the focused box's dimension and nothing else, and every text stands
// out from its ground in a light and in a dark colour scheme.
#include "../../support/calculators.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// For each calculator, a box and where the legend may change when that box has the focus, in
// client-area pixels.
const std::pair<const char*, QRect> kMarks[] = {
    {"Text4", QRect(0, 212, 20, 46)},     // Type A: C/K on the foundation's left side
    {"Text35", QRect(68, 84, 18, 48)},    // Type B: E, the upper left face and its letter
    {"Text10", QRect(12, 244, 64, 8)},    // foundation: the left trapezoid's bottom
};
static_assert(std::size(kMarks) == std::size(kCalculators), "one mark a calculator, in their order");

// The smallest rectangle holding every pixel in which two pictures differ.
QRect difference(const QImage& a, const QImage& b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    return changed;
}

double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

// A text's contrast as drawn: its ground is the colour most of its pixels have, the text the pixel
// that stands out from it most.
double drawnContrast(const QImage& image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    const QRgb ground = std::max_element(counts.begin(), counts.end()).key();
    double best = 1;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        const double a = luminance(ground);
        const double b = luminance(it.key());
        best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
    }
    return best;
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Disabled, QPalette::Base, QColor(0x35, 0x35, 0x35));
    return dark;
}

}  // namespace

class LegendAndKeysTest : public QObject {
    Q_OBJECT

private slots:
    void enterMovesInReadingOrderAndEscReturns()
    {
        for (const Calculator& c : kCalculators) {
            const auto window = opened(c);
            box(*window, c.readingOrder.first())->setFocus();
            QStringList visited{window->focusWidget()->objectName()};
            for (qsizetype n = 1; n < c.readingOrder.size(); ++n) {
                QTest::keyClick(window->focusWidget(), n % 2 ? Qt::Key_Return : Qt::Key_Enter);
                visited << window->focusWidget()->objectName();
            }
            QCOMPARE(visited, c.readingOrder);
            QTest::keyClick(window->focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
            QCOMPARE(window->focusWidget()->objectName(), c.readingOrder[c.readingOrder.size() - 2]);

            QSignalSpy returned(window.get(), &ui::CalculatorWindow::returned);
            QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
            QCOMPARE(returned.count(), 1);
            QVERIFY(!window->isVisible());
        }
    }

    void theLegendMarksTheFocusedDimensionAlone()
    {
        for (std::size_t n = 0; n < std::size(kCalculators); ++n) {
            const auto& [markedBox, mark] = kMarks[n];
            const auto window = opened(kCalculators[n]);
            QWidget* area = box(*window, markedBox)->parentWidget();
            window->findChild<QPushButton*>("Command1")->setFocus();  // a button: no mark
            const QImage plain = grabbed(*area);
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(box(*window, markedBox), &enter);
            const QImage marked = grabbed(*area);
            const QRect changed = difference(plain, marked);
            QVERIFY2(!changed.isEmpty() && mark.contains(changed),
                     qPrintable(QString("%1: changed %2,%3 %4×%5").arg(kCalculators[n].name).arg(changed.x()).arg(changed.y())
                                    .arg(changed.width()).arg(changed.height())));
        }
    }

    void everyTextStandsOutFromItsGround_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void everyTextStandsOutFromItsGround()
    {
        QFETCH(bool, dark);
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        for (const Calculator& c : kCalculators) {
            const auto window = opened(c);
            QList<QWidget*> texts;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                texts << label;
            }
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                box->setText("0.5");
                texts << box;
            }
            for (QWidget* text : texts) {
                // Drawn without smoothing, every pixel of a glyph is the text's own colour.
                QFont font = text->font();
                font.setStyleStrategy(QFont::NoAntialias);
                text->setFont(font);
                const double contrast = drawnContrast(grabbed(*text));
                QVERIFY2(contrast >= 4.5, qPrintable(QString("%1.%2: %3").arg(c.name, text->objectName()).arg(contrast)));
            }
        }
    }
};

QTEST_MAIN(LegendAndKeysTest)
#include "legend_and_keys_test.moc"
