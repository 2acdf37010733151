#include "ui/window/ResultLabel.h"

#include <QPainter>

namespace ui {

ResultLabel::ResultLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ResultLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
    setForegroundRole(QPalette::Text);
}

void ResultLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    // QFrame draws the box in the foreground role; draw it over in the window-text colour.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
