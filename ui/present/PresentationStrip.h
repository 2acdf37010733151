#pragma once

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

namespace ui {

class MainWindow;

// The strip beneath the graph in the presentation: the seven inputs (and Cd when it is not 0.5,
// read from dragCoefficient when given), then for each model in its
// colour its name and its flight time, range and greatest height, as the window's labels show
// them now (bare prefixes where a value is not computed yet). Its type is sized from the screen;
// lines wrap between entries, so nothing is cut.
class PresentationStrip : public QWidget {
    Q_OBJECT
public:
    PresentationStrip(const MainWindow& window, QWidget* parent = nullptr,
                      std::function<double()> dragCoefficient = {});

    // Reads the window's fields and labels again; repaints when something changed.
    void refresh();
    // The height the strip needs at a width.
    int heightFor(int width) const;
    // What it shows: the inputs, then one line per model.
    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints (with a painter) or only measures the strip; returns its height.
    int layOut(QPainter* painter, int width) const;

    const MainWindow& window_;
    std::function<double()> dragCoefficient_;
    QStringList inputs_;
    std::array<QStringList, 3> models_; // the name, then the three values
};

} // namespace ui
