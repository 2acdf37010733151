#pragma once

#include "model/NumberFormat.h"
#include "model/physics/Inputs.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// The catalogue of everything the window shows as a number: the seven inputs and the 27
// results. Each has one row here with its texts, number rule and model; window creation, label
// writing, the report tool, the clipboard table and the tests all read these rows. Where each
// sits in the window is ui/window/ControlPlaces.h. Adding a result means one row here, its place
// there and its computation in the throw pipeline.
//
// The texts of the rows are the Russian sources, marked for Qt's lupdate: whoever shows one
// passes it through model::translated() (the window: ui::modelText). The texts the model composes
// from them (labelText, placeholderText, the refusals, the legend, the study's marks) come back
// already in the chosen language.

// The seven input fields, in window order, top to bottom.
enum class Field { h0, v0, alphaDeg, d, rho, rho0, eta };
inline constexpr std::size_t fieldCount = 7;
inline constexpr std::array<Field, fieldCount> allFields{
    Field::h0, Field::v0, Field::alphaDeg, Field::d, Field::rho, Field::rho0, Field::eta};

// The results, in the order the report tool lists them.
// clang-format off
enum class Quantity {
    a_max, Tp, Xp, Ymax, Tmax, Xmax, VxEnd, VyEnd,       // vacuum
    m,                                                   // the ball
    tau, Vp1, Tp1, Xp1, Ymax1,                           // linear drag, closed forms
    Vp2, R2,                                             // quadratic drag, closed forms
    Tmax1, Xmax1, VxEnd1, VyEnd1,                        // linear drag, the walk
    Tp2, Xp2, Ymax2, Tmax2, Xmax2, VxEnd2, VyEnd2,       // quadratic drag, the flight
    Re, Re1, Re2,                                        // Reynolds numbers, studies only
};
// clang-format on
// The results the window shows in labels: a_max … VyEnd2.
inline constexpr std::size_t quantityCount = 27;
// With the results a study lists besides: the Reynolds numbers at the launch and at the exact
// landings of the two drag models (model/exact/Reynolds.h).
inline constexpr std::size_t studyQuantityCount = 30;

// Which model a result belongs to; it decides the column and the colour of its label.
enum class ModelKind { common, vacuum, linear, quadratic };

// Where a result comes from in the pipeline: the closed forms, the linear-drag walk, or the
// quadratic-drag flight (its top, then its landing).
enum class Stage { closedForms, linearWalk, flightTop, flightLanding };

// One result across the models: the range is Xmax in vacuum, Xmax1 and Xmax2 in the media. A
// result that only one model has (a_max, m, tau, R2) is a family of its own; the two terminal
// speeds are one family. A study plots the members of a family side by side.
enum class ResultFamily {
    range,
    flightTime,
    height,
    topTime,
    topDistance,
    endVx,
    endVy,
    bestAngle,
    terminalSpeed,
    characteristicTime,
    characteristicLength,
    mass,
    reynolds,
};
inline constexpr std::size_t familyCount = 13;

struct QuantityRow {
    Quantity id;
    const char* prefix;                // "a_max= "
    NumberRule rule;                   // how the number is written
    const char* unit;                  // " град", with a leading space, as the label writes it
    const char* tooltip;               // the label's tooltip, exactly as the window shows it
    ModelKind model;                   // column (the parameters, then one per model) and colour
    Stage stage;                       // when the pipeline knows it
    ResultFamily family;               // the same result in the other models
    const char* key;                   // JSON key and study name: "a_max"
    const char* title;                 // short Russian name for tables and screen readers
    const char* formula;               // one line with its formula or rule, for help texts
    const char* placeholder = nullptr; // text before a value is known; null: the prefix
};

struct FieldRow {
    Field id;
    const char* caption;                  // "h ="
    const char* captionTooltip = nullptr; // null when the caption has none
    const char* overlay = nullptr;        // "α": Greek letter lying over the caption, or null
    const char* unitLabel;                // " м", as the unit label shows it
    const char* unit;                     // "м", plain, for tables
    const char* tooltip;                  // the field's tooltip
    const char* pattern;                  // "0.000": the text the field rewrites its value in
    const char* key;                      // JSON key and report-tool option without "--": "h0"
    const char* accessibleName;           // "h, м"
    const char* title;                    // "Начальная высота"
};

// The texts of a family of results, in the order a study offers them.
struct FamilyRow {
    ResultFamily id;
    const char* title; // "Дальность полёта", for lists
    const char* greatest; // "наибольшая дальность", for the mark of a curve's greatest value
    const char* least; // "наименьшая дальность"
};

// The header of a column of the parameter panel.
struct ColumnRow {
    ModelKind model;  // common: the parameter column
    const char* text; // "__ в вакууме"
};

const std::array<QuantityRow, quantityCount>& quantityRows();
// The rows of Re, Re1, Re2: no control, no place in the panel.
const std::array<QuantityRow, studyQuantityCount - quantityCount>& studyOnlyRows();
const std::array<FieldRow, fieldCount>& fieldRows();
const std::array<ColumnRow, 4>& columnRows();
const std::array<FamilyRow, familyCount>& familyRows();

const QuantityRow& row(Quantity q);
const FieldRow& row(Field f);
const FamilyRow& row(ResultFamily f);
const ColumnRow& row(ModelKind m);
// The results of a family, in catalogue order (vacuum, linear drag, quadratic drag), the
// study-only ones included.
std::vector<Quantity> familyMembers(ResultFamily f);
// By key ("Xmax2", "Re1"), the study-only results included.
std::optional<Quantity> quantityByKey(std::string_view key);
std::optional<Field> fieldByKey(std::string_view key);

// The input a field edits.
double& inputOf(Inputs& in, Field f);
double inputOf(const Inputs& in, Field f);

// The label text of a result: prefix, number, unit; prefix and an em dash when the value is not
// finite; the placeholder when there is no value.
std::string labelText(Quantity q, std::optional<double> value, char decimalSeparator = '.');
// The text shown before the pipeline has a value.
std::string placeholderText(Quantity q);

} // namespace model
