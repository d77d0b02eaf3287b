// A long session of random user actions against the real windows, from a fixed seed. After every
// action: exactly one window is visible, every box holds what the user last put there unless a
// press or Clear legitimately replaced it, a press either wrote all its results or reported a
// fault with the results it did not reach emptied, and the focus is never on a disabled control.
#include "../support/calculators.h"

#include "value_box.h"
#include "wall_calc_app.h"

#include "wallcalc/arithmetic_fault.h"
#include "wallcalc/field_value.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>
#include <random>
#include <string_view>

namespace {

constexpr int kActions = 10000;

// What the user types: ordinary dimensions, messy and hostile texts, and random characters.
class Typist {
public:
    explicit Typist(std::mt19937& random) : random_(random) {}

    QString next()
    {
        static const QStringList hostile{
            "1E999", "-1e309", "1e-400", "&HFFFF", "&H123456789", "&O777777777777", "１２．５", "　１　２",
            "1,5", "3.5m", "NaN", "Infinity", "-", ".", "米", "\u202E42", "😀", "١٢٣", "½", "0x10", "  ",
            "1.79769313486232E+308", "4.94065645841247E-324", "9.99999999999999E+307", "+.5e+2", "1 000",
            QString(3000, '9'), QString(500, QChar(0x6321)), "1.2.3", "O.5", "abc", "12.5", " 12 .5", "1。5",
            "2e3", "&H10", "−5", "1 000", "25"};
        switch (pick(4)) {
        case 0:
            return hostile[pick(hostile.size())];
        case 1: {
            QString chars;
            for (int n = pick(20); n > 0; --n) {
                const char32_t codePoint = static_cast<char32_t>(pick(2) ? 0x20 + pick(0x60) : 0xA0 + pick(0x2FF00));
                if (codePoint < 0xD800 || codePoint > 0xDFFF) {
                    chars += QString::fromUcs4(&codePoint, 1);
                }
            }
            return chars;
        }
        default: {
            std::uniform_real_distribution<double> digits(-3, 6);
            QString number = QString::number(std::pow(10.0, digits(random_)) * (pick(8) ? 1 : -1), 'g', 1 + pick(16));
            if (pick(6) == 0) {
                number += QString("e%1").arg(pick(700) - 350);
            }
            return number;
        }
        }
    }

    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }

private:
    std::mt19937& random_;
};

class Session {
public:
    explicit Session(std::uint32_t seed) : random_(seed), typist_(random_) {}

    void run(int actions)
    {
        for (action_ = 0; action_ < actions; ++action_) {
            if (app_.mainWindow()->isVisible()) {
                openCalculator(typist_.pick(std::size(kCalculators)));
            } else {
                actInCalculator();
            }
            checkEverything();
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }

    WallCalcApp& app() { return app_; }
    QString summary() const { return QString("%1 presses, %2 of them stopped by a fault").arg(presses_).arg(faults_); }

private:
    struct Opened {
        ui::CalculatorWindow* window;
        QHash<QString, QLineEdit*> boxes;
        QHash<QString, QString> expected;
        QHash<QString, QString> atOpening;  // what Clear puts back
    };

    void openCalculator(int which)
    {
        const Calculator& calculator = kCalculators[which];
        app_.mainWindow()->findChild<QAction*>(calculator.menuEntry)->trigger();
        current_ = which;
        Opened& opened = opened_[which];
        if (opened.window) {
            return;
        }
        opened.window = app_.calculatorWindow(calculator.name);
        for (QLineEdit* box : opened.window->findChildren<QLineEdit*>()) {
            opened.boxes.insert(box->objectName(), box);
            opened.expected.insert(box->objectName(), box->text());
        }
        opened.atOpening = opened.expected;
    }

    void actInCalculator()
    {
        Opened& opened = opened_[current_];
        const Calculator& calculator = kCalculators[current_];
        const int roll = typist_.pick(100);
        if (roll < 40) {
            typeInto(randomBox(opened));
        } else if (roll < 50) {
            QTest::mouseClick(randomBox(opened), Qt::LeftButton);
        } else if (roll < 60) {
            QTest::keyClick(focus(), Qt::Key_Tab, typist_.pick(3) ? Qt::NoModifier : Qt::ShiftModifier);
        } else if (roll < 63) {
            typeIntoFocus(typist_.next());
        } else if (roll < 85) {
            press(opened, calculator);
        } else if (roll < 91) {
            click(*opened.window, calculator.clearButton);
            opened.expected = opened.atOpening;
        } else if (roll < 97) {
            click(*opened.window, calculator.returnButton);
        } else {
            opened.window->close();
        }
    }

    QLineEdit* randomBox(const Opened& opened)
    {
        const QList<QLineEdit*> boxes = opened.boxes.values();
        return boxes[typist_.pick(boxes.size())];
    }

    QWidget* focus() const { return opened_[current_].window->focusWidget(); }

    // A click on a disabled box leaves the focus where it was, so the text goes there instead.
    void typeInto(QLineEdit* box)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        typeIntoFocus(typist_.next());
    }

    // Typed as an input method commits it, over whatever the box held; nothing typed is a delete.
    void typeIntoFocus(const QString& typed)
    {
        auto* box = qobject_cast<QLineEdit*>(focus());
        QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty()) {
            QTest::keyClick(focus(), Qt::Key_Backspace);
        } else {
            QInputMethodEvent event;
            event.setCommitString(typed);
            QCoreApplication::sendEvent(focus(), &event);
        }
        if (box) {
            QCOMPARE(box->text(), typed);
            opened_[current_].expected[box->objectName()] = typed;
            checkMark(*box);
        }
    }

    // An input is marked exactly when its text does not read wholly as a number; a batter ratio
    // may be marked for its size too.
    void checkMark(const QLineEdit& box)
    {
        const auto* value = qobject_cast<const ui::ValueBox*>(&box);
        if (!value || value->role() == ui::ValueBox::Role::Result) {
            return;
        }
        bool whole = false;
        try {
            whole = wallcalc::ReadNumber(box.text().toStdString()).whole;
        } catch (const wallcalc::ArithmeticFault&) {
        }
        const bool marked = !value->markReason().isEmpty();
        QVERIFY2(value->role() == ui::ValueBox::Role::Ratio ? whole || marked : whole != marked,
                 qPrintable(where() + box.objectName() + " marked wrongly for '" + box.text() + "'"));
    }

    void press(Opened& opened, const Calculator& calculator)
    {
        click(*opened.window, "Command1");
        QMessageBox* fault = nullptr;
        for (QMessageBox* message : opened.window->findChildren<QMessageBox*>("FaultMessage")) {
            if (message->isVisible()) {
                fault = message;
            }
        }
        static const QRegularExpression resultText(R"(^(-?\d+(\.\d+)?(E[+-]\d{2,3})?|米|平方米|立方米)$)");
        bool reached = true;
        for (std::string_view output : calculator.form->outputs) {
            const QString name = QString::fromUtf8(output);
            const QString shown = opened.boxes.value(name)->text();
            if (reached && shown.isEmpty() && fault) {
                reached = false;  // from here on nothing was reached, so everything must be empty
            }
            QVERIFY2(reached ? resultText.match(shown).hasMatch() : shown.isEmpty(),
                     qPrintable(where() + name + " shows '" + shown + "' after a press"));
            opened.expected[name] = shown;
        }
        ++presses_;
        if (fault) {
            ++faults_;
            QVERIFY2(!reached, qPrintable(where() + "a fault was reported though every result was written"));
            fault->accept();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void checkEverything()
    {
        QVERIFY2(visibleWindow(), qPrintable(where() + "not exactly one window visible"));
        for (const Opened& opened : opened_) {
            for (auto it = opened.expected.begin(); it != opened.expected.end(); ++it) {
                QVERIFY2(opened.boxes.value(it.key())->text() == it.value(),
                         qPrintable(where() + opened.window->objectName() + "." + it.key() + " lost its text"));
            }
        }
        if (!app_.mainWindow()->isVisible()) {
            QVERIFY2(!focus() || focus()->isEnabled(), qPrintable(where() + "focus on a disabled control"));
        }
    }

    QString where() const { return QString("action %1: ").arg(action_); }

    std::mt19937 random_;
    Typist typist_;
    WallCalcApp app_;
    Opened opened_[std::size(kCalculators)] = {};
    int current_ = 0;
    int action_ = 0;
    int presses_ = 0;
    int faults_ = 0;
};

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void tenThousandActionsLoseNothing()
    {
        Session session(20261206);
        session.run(kActions);
        if (QTest::currentTestFailed()) {
            return;
        }
        qInfo("%s", qPrintable(session.summary()));
        // And after all that, "结束" still ends the program.
        WallCalcApp& app = session.app();
        QTimer::singleShot(0, [&app] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window != app.mainWindow() && window->isVisible()) {
                    window->close();
                }
            }
            click(*app.mainWindow(), "Command1");
        });
        QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"
