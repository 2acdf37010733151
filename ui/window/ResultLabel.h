#pragma once

#include <QLabel>

namespace ui {

// A result label: light-cyan box with a thin single-line border that stays in the window-text
// colour (black) even when the text is blue or red. A plain QFrame box would take the text colour.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    explicit ResultLabel(const QString& text, QWidget* parent = nullptr);

    // Colours the text only; the border keeps its colour.
    void setTextColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
