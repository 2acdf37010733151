#include "ui/tools/PictureCaption.h"

#include "model/curves/Legend.h"
#include "ui/tools/Legend.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

// Lays out items left to right, wrapping to the next line where one would pass the width;
// calls place(item, x, line) for each and returns the number of lines.
template <class Width, class Place>
int flow(int count, double width, double spacing, Width widthOf, Place place) {
    int line = 0;
    double x = 0;
    for (int n = 0; n < count; ++n) {
        const double w = widthOf(n);
        if (x > 0 && x + w > width) {
            ++line;
            x = 0;
        }
        place(n, x, line);
        x += w + spacing;
    }
    return count > 0 ? line + 1 : 0;
}

double layOut(QPainter* painter, const PictureCaption& c, double width, const QFont& font) {
    const QFontMetricsF m(font);
    const double pad = 0.4 * m.height(), sample = 2.2 * m.height(), gap = 0.4 * m.height();
    const double inner = std::max(1.0, width - 2 * pad), spacing = 1.2 * m.height();
    const std::vector<graphs::KeyEntry> models = modelKey();
    if (painter) {
        painter->save();
        painter->setFont(font);
        painter->fillRect(QRectF(0, 0, width, layOut(nullptr, c, width, font)), Qt::white);
    }
    double top = pad;
    const int keyLines = flow(
        int(models.size()), inner, spacing,
        [&](int n) { return sample + gap + m.horizontalAdvance(models[n].pieces.join(QString())); },
        [&](int n, double x, int line) {
            if (!painter)
                return;
            const double baseline = top + line * m.lineSpacing() + m.ascent();
            const double middle = baseline - 0.5 * m.xHeight();
            painter->setPen(QPen(models[n].colour, std::max(2.0, m.height() / 7)));
            painter->drawLine(QPointF(pad + x, middle), QPointF(pad + x + sample, middle));
            painter->setPen(models[n].textColour);
            painter->drawText(QPointF(pad + x + sample + gap, baseline),
                              models[n].pieces.join(QString()));
        });
    top += keyLines * m.lineSpacing();
    QStringList inputs;
    for (qsizetype n = 0; n < c.inputs.size(); ++n)
        inputs << c.inputs[n] + (n + 1 < c.inputs.size() ? QStringLiteral(",") : QString());
    const int inputLines = flow(
        int(inputs.size()), inner, m.horizontalAdvance(QLatin1Char(' ')),
        [&](int n) { return m.horizontalAdvance(inputs[n]); },
        [&](int n, double x, int line) {
            if (!painter)
                return;
            painter->setPen(Qt::black);
            painter->drawText(QPointF(pad + x, top + line * m.lineSpacing() + m.ascent()),
                              inputs[n]);
        });
    top += inputLines * m.lineSpacing() + pad;
    if (painter)
        painter->restore();
    return top;
}

} // namespace

PictureCaption PictureCaption::of(const model::Inputs& inputs) {
    PictureCaption c;
    for (const std::string& t : model::inputTexts(inputs))
        c.inputs << QString::fromStdString(t);
    return c;
}

double PictureCaption::height(double width, const QFont& font) const {
    return layOut(nullptr, *this, width, font);
}

double PictureCaption::paint(QPainter& painter, double width, const QFont& font) const {
    return layOut(&painter, *this, width, font);
}

} // namespace ui
