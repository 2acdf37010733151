#include "ui/window/ControlPlaces.h"

#include <array>
#include <cstddef>

namespace ui {

namespace {

using model::Field;
using model::ModelKind;
using model::Quantity;

// In catalogue order, which the lookups below rely on (checked at compile time).
constexpr std::array<ResultPlace, model::quantityCount> results{{
    {Quantity::a_max, "Label20", 2},   {Quantity::Tp, "Label16", 4},
    {Quantity::Xp, "Label33", 5},      {Quantity::Ymax, "Label19", 6},
    {Quantity::Tmax, "Label17", 7},    {Quantity::Xmax, "Label18", 8},
    {Quantity::VxEnd, "Label37", 9},   {Quantity::VyEnd, "Label38", 10},
    {Quantity::m, "Label43", 10},      {Quantity::tau, "Label22", 2},
    {Quantity::Vp1, "Label23", 3},     {Quantity::Tp1, "Label24", 4},
    {Quantity::Xp1, "Label34", 5},     {Quantity::Ymax1, "Label25", 6},
    {Quantity::Vp2, "Label44", 3},     {Quantity::R2, "Label45", 2},
    {Quantity::Tmax1, "Label26", 7},   {Quantity::Xmax1, "Label27", 8},
    {Quantity::VxEnd1, "Label39", 9},  {Quantity::VyEnd1, "Label40", 10},
    {Quantity::Tp2, "Label29", 4},     {Quantity::Xp2, "Label35", 5},
    {Quantity::Ymax2, "Label30", 6},   {Quantity::Tmax2, "Label31", 7},
    {Quantity::Xmax2, "Label32", 8},   {Quantity::VxEnd2, "Label41", 9},
    {Quantity::VyEnd2, "Label42", 10},
}};

constexpr std::array<FieldPlace, model::fieldCount> fields{{
    {Field::h0, "Text1", "Label1", "Label2", nullptr, 0, 2},
    {Field::v0, "Text2", "Label3", "Label4", nullptr, 0, 3},
    {Field::alphaDeg, "Text3", "Label5", "Label6", "Label5_2", 14, 4},
    {Field::d, "Text4", "Label7", "Label8", nullptr, 0, 5},
    {Field::rho, "Text5", "Label9", "Label10", "Label9_2", 12, 6},
    {Field::rho0, "Text6", "Label11", "Label12", "Label11_2", 10, 7},
    {Field::eta, "Text7", "Label13", "Label14", "Label13_2", 10, 8},
}};

constexpr std::array<ColumnPlace, 4> columns{{
    {ModelKind::common, "Label36"},
    {ModelKind::vacuum, "Label15"},
    {ModelKind::linear, "Label21"},
    {ModelKind::quadratic, "Label28"},
}};

template <typename Places> constexpr bool inEnumOrder(const Places& places) {
    for (std::size_t i = 0; i < places.size(); ++i)
        if (static_cast<std::size_t>(places[i].id) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(results) && inEnumOrder(fields));
static_assert([] {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (static_cast<std::size_t>(columns[i].model) != i)
            return false;
    return true;
}());

} // namespace

const ResultPlace& placeOf(Quantity q) {
    return results.at(static_cast<std::size_t>(q));
}

const FieldPlace& placeOf(Field f) {
    return fields[static_cast<std::size_t>(f)];
}

const ColumnPlace& placeOf(ModelKind m) {
    return columns[static_cast<std::size_t>(m)];
}

int columnOf(Quantity q) {
    return static_cast<int>(model::row(q).model);
}

} // namespace ui
