#pragma once

#include "model/Quantities.h"

namespace ui {

// Where each number of the catalogue sits in the main window: the object names of its widgets
// (the window's own vocabulary, also what screen readers and tests find them by) and its row of
// the parameter panel (1 is the column headers, 10 the last). A result's column follows its
// model: 0 the parameters, then vacuum, linear drag, quadratic drag.

struct ResultPlace {
    model::Quantity id;
    const char* label; // "Label20"
    int row;
};

struct FieldPlace {
    model::Field id;
    const char* field;   // "Text1"
    const char* caption; // "Label1"
    const char* unit;    // "Label2"
    const char* overlay; // the Greek letter over the caption ("Label5_2"), or null
    int overlayWidth;    // px
    int row;
};

struct ColumnPlace {
    model::ModelKind model;
    const char* header; // "Label15"
};

const ResultPlace& placeOf(model::Quantity q); // a result the window shows (not Re, Re1, Re2)
const FieldPlace& placeOf(model::Field f);
const ColumnPlace& placeOf(model::ModelKind m);
int columnOf(model::Quantity q);

} // namespace ui
