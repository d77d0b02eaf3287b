// A long session of random user actions against the real windows, from a fixed seed or the one in
// WALLCALC_SEED, of 10,000 actions or as many as WALLCALC_ACTIONS says. After every
// action: exactly one window is visible, every box holds what the user last put there unless a
// press or Clear legitimately replaced it, a press either wrote all its results or reported a
// fault with the results it did not reach emptied, and the focus is never on a disabled control.
// The take-off is opened too, keeps every cell typed into, and its totals line agrees with the
// core's sum over the stations the table shows. What an input's mark says and what
// 结束 does are the value box and navigation tests' to check. Every choice comes from the seed
// alone: what is chosen from is kept in order, never in a hash whose order changes with each
// process, and each statement draws once, so no compiler's order of arguments changes the path.
#include "../support/calculators.h"

#include "takeoff_window.h"
#include "wall_calc_app.h"

#include "wallcalc/takeoff.h"
#include "wallcalc/calculators.h"

#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMessageBox>

#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <string_view>

namespace {

constexpr std::uint32_t kSeed = 20261206;
constexpr std::uint32_t kActions = 10000;

// The variable's decimal value, the default when it is not set, nothing when it does not read.
std::optional<std::uint32_t> fromEnvironment(const char* variable, std::uint32_t otherwise)
{
    if (!qEnvironmentVariableIsSet(variable)) {
        return otherwise;
    }
    bool read = false;
    const uint value = qEnvironmentVariable(variable).toUInt(&read, 10);
    return read ? std::optional<std::uint32_t>(value) : std::nullopt;
}

// A sum as the take-off's totals line shows it, or the words it uses when the sum cannot be formed.
QString shown(const std::optional<std::string>& sum)
{
    return sum ? QString::fromStdString(*sum) : QStringLiteral("超出了能计算的范围");
}

// What the user types: ordinary dimensions, and messy and hostile texts.
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
        switch (pick(3)) {
        case 0:
            return hostile[pick(hostile.size())];
        default: {
            std::uniform_real_distribution<double> digits(-3, 6);
            const double magnitude = std::pow(10.0, digits(random_));
            const double sign = pick(8) ? 1 : -1;
            const int precision = 1 + pick(16);
            QString number = QString::number(magnitude * sign, 'g', precision);
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

    void run(std::uint32_t actions)
    {
        for (action_ = 0; action_ < actions; ++action_) {
            if (app_.mainWindow()->isVisible()) {
                const int which = typist_.pick(kTakeoff + 1);
                which == kTakeoff ? openTakeoff() : openCalculator(which);
            } else {
                current_ == kTakeoff ? actInTakeoff() : actInCalculator();
            }
            checkEverything();
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }

    QString summary() const { return QString("%1 presses, %2 of them stopped by a fault").arg(presses_).arg(faults_); }

private:
    struct Opened {
        ui::CalculatorWindow* window;
        QMap<QString, QLineEdit*> boxes;  // by name, the order randomBox picks from
        QMap<QString, QString> expected;
        QMap<QString, QString> atOpening;  // what Clear puts back
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

    void openTakeoff()
    {
        app_.mainWindow()->findChild<QAction*>("stationTakeoff")->trigger();
        current_ = kTakeoff;
        if (!table_) {
            takeoffType_ = typist_.pick(kTakeoff);
            click(*app_.takeoffWindow(), QString("startTakeoff%1").arg(takeoffType_));
            table_ = app_.takeoffWindow()->findChild<QTableView*>("takeoffTable");
        }
    }

    // Types into one of the first stations' cells, or one past the last, or leaves the window.
    void actInTakeoff()
    {
        if (typist_.pick(4) == 0) {
            if (typist_.pick(2)) {
                app_.takeoffWindow()->findChild<QAction*>("returnToMain")->trigger();
            } else {
                app_.takeoffWindow()->close();
            }
            return;
        }
        const QAbstractItemModel& model = *table_->model();
        const int station = typist_.pick(std::min((model.rowCount() + 1) / 2, 8));
        const int column = typist_.pick(model.columnCount());
        const QModelIndex cell = model.index(2 * station, column);
        if (model.flags(cell) & Qt::ItemIsEditable) {
            const QString typed = typist_.next();
            typeInCell(*table_, cell.row(), cell.column(), typed);
            cellTexts_[{cell.row(), cell.column()}] = typed;
        }
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

    void typeIntoFocus(const QString& typed)
    {
        auto* box = qobject_cast<QLineEdit*>(focus());
        commitText(*focus(), typed);
        if (box) {
            QCOMPARE(box->text(), typed);
            opened_[current_].expected[box->objectName()] = typed;
        }
    }

    void press(Opened& opened, const Calculator& calculator)
    {
        click(*opened.window, "Command1");
        QMessageBox* fault = shownFault(*opened.window);
        bool reached = true;
        for (std::string_view output : calculator.form->calculator.outputs) {
            const QString name = QString::fromUtf8(output);
            const QString shown = opened.boxes.value(name)->text();
            reached = reached && !shown.isEmpty();
            QVERIFY2(reached || shown.isEmpty(), qPrintable(where() + name + " shows '" + shown + "' past a fault"));
            opened.expected[name] = shown;
        }
        QVERIFY2(reached == !fault, qPrintable(where() + (fault ? "a fault with every result written" : "results missing")));
        ++presses_;
        if (fault) {
            ++faults_;
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
        for (const auto& [cell, typed] : cellTexts_) {
            QVERIFY2(table_->model()->index(cell.first, cell.second).data().toString() == typed,
                     qPrintable(where() + QString("take-off cell %1,%2 lost its text").arg(cell.first).arg(cell.second)));
        }
        if (current_ < kTakeoff && !app_.mainWindow()->isVisible()) {
            QVERIFY2(!focus() || focus()->isEnabled(), qPrintable(where() + "focus on a disabled control"));
        }
        if (current_ == kTakeoff && table_) {
            checkTotals();
        }
    }

    // Station n is table row 2n: its 桩号 and then its inputs, read back as the table shows them.
    void checkTotals()
    {
        const wallcalc::Calculator& calculator = *wallcalc::kCalculators[std::size_t(takeoffType_)];
        const QAbstractItemModel& model = *table_->model();
        std::vector<wallcalc::TakeoffRow> rows;
        for (int row = 0; row < model.rowCount(); row += 2) {
            wallcalc::TakeoffRow& station = rows.emplace_back();
            station.station = model.index(row, 0).data().toString().toStdString();
            for (int column = 1; column <= int(calculator.columns.size()); ++column) {
                station.inputs.push_back(model.index(row, column).data().toString().toStdString());
            }
        }
        const wallcalc::TakeoffRow empty{{}, std::vector<std::string>(calculator.columns.size())};
        while (!rows.empty() && rows.back() == empty) {
            rows.pop_back();
        }
        const std::vector<wallcalc::RowProblem> problems = wallcalc::CheckStations(rows);
        const wallcalc::TakeoffTotals totals = wallcalc::SumPairs(calculator, wallcalc::RunPairs(calculator, rows, problems));
        QStringList parts{QString("计入 %1 段").arg(totals.counted), shown(totals.length)};
        for (const std::optional<std::string>& volume : totals.volumes) {
            parts << shown(volume);
        }
        const QString line = app_.takeoffWindow()->findChild<QLabel*>("takeoffTotals")->text();
        qsizetype from = 0;
        for (const QString& part : parts) {
            from = line.indexOf(part, from);
            QVERIFY2(from >= 0, qPrintable(where() + "the totals line '" + line + "' lacks '" + part + "' in its place"));
            from += part.size();
        }
    }

    QString where() const { return QString("action %1: ").arg(action_); }

    std::mt19937 random_;
    Typist typist_;
    WallCalcApp app_;
    static constexpr int kTakeoff = std::size(kCalculators);  // current_ when the take-off is shown
    Opened opened_[kTakeoff] = {};
    QTableView* table_ = nullptr;
    std::map<std::pair<int, int>, QString> cellTexts_;
    int takeoffType_ = 0;  // the start button clicked, an index into wallcalc::kCalculators
    int current_ = 0;
    std::uint32_t action_ = 0;
    int presses_ = 0;
    int faults_ = 0;
};

}  // namespace

class RandomSessionTest : public QObject {
    Q_OBJECT

private slots:
    void randomActionsLoseNothing()
    {
        const std::optional<std::uint32_t> seed = fromEnvironment("WALLCALC_SEED", kSeed);
        QVERIFY2(seed, "WALLCALC_SEED is not a decimal number from 0 to 4294967295");
        const std::optional<std::uint32_t> actions = fromEnvironment("WALLCALC_ACTIONS", kActions);
        QVERIFY2(actions, "WALLCALC_ACTIONS is not a decimal number from 0 to 4294967295");
        qInfo("seed %u, %u actions; again with WALLCALC_SEED=%u WALLCALC_ACTIONS=%u ctest -R 'random_session_tests$'",
              *seed, *actions, *seed, *actions);
        Session session(*seed);
        session.run(*actions);
        if (QTest::currentTestFailed()) {
            return;
        }
        qInfo("%s", qPrintable(session.summary()));
    }
};

QTEST_MAIN(RandomSessionTest)
#include "random_session_test.moc"
