#include "ui/present/PresentationStrip.h"

#include "graphs/PaneSurface.h"
#include "model/curves/Legend.h"
#include "ui/platform/Language.h"
#include "ui/tools/Legend.h"
#include "ui/window/InputField.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ResultLabel.h"

#include <QPainter>

namespace ui {

namespace {

using model::Quantity;

// Flight time, range and greatest height of each model.
const Quantity results[3][3] = {{Quantity::Tmax, Quantity::Xmax, Quantity::Ymax},
                                {Quantity::Tmax1, Quantity::Xmax1, Quantity::Ymax1},
                                {Quantity::Tmax2, Quantity::Xmax2, Quantity::Ymax2}};

} // namespace

PresentationStrip::PresentationStrip(const MainWindow& window, QWidget* parent,
                                     std::function<double()> dragCoefficient)
    : QWidget(parent), window_(window), dragCoefficient_(std::move(dragCoefficient)) {
    setObjectName(QStringLiteral("presentationStrip"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    refresh();
}

void PresentationStrip::refresh() {
    QStringList inputs;
    for (const model::FieldRow& f : model::fieldRows()) {
        // The name as the field is spoken («h, м» → «h»), the text as the field shows it.
        const QString name = modelText(f.accessibleName).section(QLatin1Char(','), 0, 0);
        inputs << name + QStringLiteral(" = ") + window_.field(f.id)->text().trimmed() +
                      modelText(f.unitLabel);
    }
    if (dragCoefficient_) {
        model::Inputs cd;
        cd.cd = dragCoefficient_();
        if (const auto text = model::dragCoefficientText(cd))
            inputs << QString::fromStdString(*text);
    }
    const std::vector<graphs::KeyEntry> key = modelKey();
    std::array<QStringList, 3> models;
    for (std::size_t m = 0; m < 3; ++m) {
        models[m] << key[m].pieces.join(QString()) + QLatin1Char(':');
        for (const Quantity q : results[m])
            models[m] << window_.result(q)->text().trimmed();
    }
    if (inputs == inputs_ && models == models_)
        return;
    inputs_ = inputs;
    models_ = models;
    setAccessibleDescription(texts().join(QLatin1Char('\n')));
    update();
}

QStringList PresentationStrip::texts() const {
    QStringList out{inputs_.join(QStringLiteral(", "))};
    for (const QStringList& m : models_)
        out << m.join(QStringLiteral("  "));
    return out;
}

int PresentationStrip::heightFor(int width) const {
    return layOut(nullptr, width);
}

void PresentationStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(245, 245, 245));
    layOut(&painter, width());
}

int PresentationStrip::layOut(QPainter* painter, int width) const {
    const QFontMetrics m(font());
    const int pad = m.height() / 3, spacing = m.height();
    const QColor colours[] = {graphs::vacuumColour, graphs::linearDragColour,
                              graphs::quadraticDragColour};
    int y = pad, x = pad;
    // Places an item on the current line or, where it would pass the edge, on the next.
    auto put = [&](const QString& text, const QColor& colour, int after) {
        const int w = m.horizontalAdvance(text);
        if (x > pad && x + w > width - pad) {
            x = pad;
            y += m.lineSpacing();
        }
        if (painter) {
            painter->setPen(colour);
            painter->drawText(QPoint(x, y + m.ascent()), text);
        }
        x += w + after;
    };
    for (qsizetype n = 0; n < inputs_.size(); ++n)
        put(inputs_[n] + (n + 1 < inputs_.size() ? QStringLiteral(",") : QString()), Qt::black,
            m.horizontalAdvance(QLatin1Char(' ')));
    for (std::size_t n = 0; n < models_.size(); ++n) {
        x = width; // each model on a line of its own
        for (const QString& piece : models_[n])
            put(piece, colours[n], spacing);
    }
    return y + m.lineSpacing() + pad;
}

} // namespace ui
