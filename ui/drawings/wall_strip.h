// A thin strip showing the wall along its stations: the section's height and the foundation's depth
// against the chainage, with the current station marked, so a station whose numbers jump shows.
#pragma once

#include <QWidget>

#include <vector>

namespace ui {

struct StripStation {
    double metres;      // the chainage
    double height;      // of the whole section
    double foundation;  // depth of the foundation
};

class WallStrip : public QWidget {
    Q_OBJECT
public:
    explicit WallStrip(QWidget* parent = nullptr);

    // The stations in row order; current: the index of the marked one, or -1.
    void setStations(std::vector<StripStation> stations, int current);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<StripStation> stations_;
    int current_ = -1;
};

}  // namespace ui
