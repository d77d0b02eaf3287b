// A calculator's cross-section drawn to scale from its dimensions: the wall body and the foundation
// filled, the dimension letters at their places, and another section's outline dashed behind it.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace wallcalc {
struct Calculator;
}

namespace ui {

struct DrawnSection {
    std::vector<double> dimensions;  // one a take-off column of the calculator, as read
    QString title;                   // under the section
};

class SectionDrawing : public QWidget {
    Q_OBJECT
public:
    explicit SectionDrawing(QWidget* parent = nullptr);

    // Sections of the calculator. The solid sections stand side by side at one scale; the dashed
    // one is drawn behind the first.
    void setSections(const wallcalc::Calculator& calculator, std::vector<DrawnSection> solid,
                     std::optional<DrawnSection> dashed = std::nullopt);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const wallcalc::Calculator* calculator_;
    std::vector<DrawnSection> solid_;
    std::optional<DrawnSection> dashed_;
};

// A text's value for drawing: what the computation reads, 0 where it reads nothing drawable.
double drawnValue(const QString& text);

// How far a section reaches down from its highest point, in all and in its foundation.
struct SectionExtent {
    double height;
    double foundation;
};
SectionExtent sectionExtent(const wallcalc::Calculator& calculator, const std::vector<double>& dimensions);

}  // namespace ui
