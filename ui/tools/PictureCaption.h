#pragma once

#include "model/physics/Inputs.h"

#include <QFont>
#include <QStringList>

class QPainter;

namespace ui {

// What makes a picture of a graph readable on its own, on a strip beneath it: the key of the
// three models (a sample of each line in its colour and its name) and the inputs of the throw,
// each line wrapped between entries to the strip's width.
struct PictureCaption {
    QStringList inputs; // «h = 0.500 м», …

    static PictureCaption of(const model::Inputs& inputs);

    // The strip's height at this width, in the font's pixels.
    double height(double width, const QFont& font) const;
    // Paints the strip with its top-left corner at the painter's origin; returns its height.
    double paint(QPainter& painter, double width, const QFont& font) const;
};

} // namespace ui
