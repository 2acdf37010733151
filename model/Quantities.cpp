#include "model/Quantities.h"

#include <cmath>

namespace model {

namespace {

using enum ModelKind;
using enum NumberRule;
using enum Stage;
using enum ResultFamily;

// clang-format off
const std::array<QuantityRow, quantityCount> quantities{{
    {.id = Quantity::a_max, .prefix = "a_max= ", .rule = shortForm, .unit = " град",
     .tooltip = "угол, при котором достигается максимальная дальность полета в вакууме",
     .model = vacuum, .stage = closedForms, .family = bestAngle, .key = "a_max",
     .title = "Угол наибольшей дальности в вакууме", .formula = "tg a_max = 1/√(1 + 2g·h/Vo²)"},
    {.id = Quantity::Tp, .prefix = "Tp= ", .rule = point3, .unit = " c",
     .tooltip = "время подъема до максимальной высоты в вакууме", .model = vacuum,
     .stage = closedForms, .family = topTime, .key = "Tp", .title = "Время подъёма в вакууме",
     .formula = "Tp = Vo·sinα/g"},
    {.id = Quantity::Xp, .prefix = "Xp= ", .rule = point3, .unit = " м",
     .tooltip = "координата Х при максимальной высоте в вакууме", .model = vacuum,
     .stage = closedForms, .family = topDistance, .key = "Xp",
     .title = "Координата X вершины в вакууме", .formula = "Xp = Tp·Vo·cosα"},
    {.id = Quantity::Ymax, .prefix = "Ymax= ", .rule = point3, .unit = " м",
     .tooltip = "максимальная высота подъема в вакууме", .model = vacuum, .stage = closedForms,
     .family = height, .key = "Ymax", .title = "Наибольшая высота в вакууме",
     .formula = "Ymax = h + (Vo·sinα)²/(2g)"},
    {.id = Quantity::Tmax, .prefix = "Tmax= ", .rule = point3, .unit = " c",
     .tooltip = "время всего полета в вакууме", .model = vacuum, .stage = closedForms,
     .family = flightTime, .key = "Tmax", .title = "Время полёта в вакууме",
     .formula = "Tmax = (Vo·sinα + √((Vo·sinα)² + 2g·h))/g"},
    {.id = Quantity::Xmax, .prefix = "Xmax= ", .rule = point3, .unit = " м",
     .tooltip = "максимальная дальность полета в вакууме", .model = vacuum, .stage = closedForms,
     .family = range, .key = "Xmax", .title = "Дальность полёта в вакууме",
     .formula = "Xmax = Tmax·Vo·cosα"},
    {.id = Quantity::VxEnd, .prefix = "Vx(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vx в конце полета в вакууме (не меняется)", .model = vacuum,
     .stage = closedForms, .family = endVx, .key = "VxEnd",
     .title = "Скорость Vx при падении в вакууме", .formula = "Vx = Vo·cosα"},
    {.id = Quantity::VyEnd, .prefix = "Vy(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vy в конце полета в вакууме", .model = vacuum,
     .stage = closedForms, .family = endVy, .key = "VyEnd",
     .title = "Скорость Vy при падении в вакууме", .formula = "Vy = Vo·sinα − g·Tmax"},
    {.id = Quantity::m, .prefix = "m= ", .rule = scientific, .unit = " кг", .tooltip = "масса шара",
     .model = common, .stage = closedForms, .family = mass, .key = "m", .title = "Масса шара",
     .formula = "m = ρ·π·d³/6"},
    {.id = Quantity::tau, .prefix = "tau= ", .rule = scientific, .unit = " c",
     .tooltip = "характерное время", .model = linear, .stage = closedForms,
     .family = characteristicTime, .key = "tau", .title = "Характерное время (Fc~v)",
     .formula = "τ = ρ·d²/(18·η)"},
    {.id = Quantity::Vp1, .prefix = "Vp1= ", .rule = scientific, .unit = " м/c",
     .tooltip = "предельная вертикальная скорость", .model = linear, .stage = closedForms,
     .family = terminalSpeed, .key = "Vp1", .title = "Предельная скорость (Fc~v)",
     .formula = "Vp1 = g·τ·(1 − ρo/ρ)"},
    {.id = Quantity::Tp1, .prefix = "Tp1= ", .rule = point3, .unit = " c",
     .tooltip = "время подъема до максимальной высоты в среде", .model = linear,
     .stage = closedForms, .family = topTime, .key = "Tp1", .title = "Время подъёма в среде (Fc~v)",
     .formula = "Tp1 = τ·ln(1 + Vo·sinα/Vp1)"},
    {.id = Quantity::Xp1, .prefix = "Xp1= ", .rule = point3, .unit = " м",
     .tooltip = "координата Х при максимальной высоте в среде", .model = linear,
     .stage = closedForms, .family = topDistance, .key = "Xp1",
     .title = "Координата X вершины в среде (Fc~v)", .formula = "Xp1 = τ·Vo·cosα·(1 − e^(−Tp1/τ))"},
    {.id = Quantity::Ymax1, .prefix = "Ymax1= ", .rule = point3, .unit = " м",
     .tooltip = "максимальная высота подъема в среде", .model = linear, .stage = closedForms,
     .family = height, .key = "Ymax1", .title = "Наибольшая высота в среде (Fc~v)",
     .formula = "Ymax1 = h + τ·Vo·sinα − Vp1·Tp1"},
    {.id = Quantity::Vp2, .prefix = "Vp2= ", .rule = point3, .unit = " м/с",
     .tooltip = "предельная вертикальная скорость", .model = quadratic, .stage = closedForms,
     .family = terminalSpeed, .key = "Vp2", .title = "Предельная скорость (Fc~v^2)",
     .formula = "3π·η·d·Vp2 + Cd·ρo·π·d²·Vp2²/8 = (ρ − ρo)·π·d³·g/6"},
    {.id = Quantity::R2, .prefix = "R2= ", .rule = point3, .unit = " м", .tooltip = "величина R",
     .model = quadratic, .stage = closedForms, .family = characteristicLength, .key = "R2",
     .title = "Характерная длина (Fc~v^2)", .formula = "R2 = 4·ρ·d/(3·Cd·ρo)"},
    {.id = Quantity::Tmax1, .prefix = "Tmax1= ", .rule = point3, .unit = " c",
     .tooltip = "время всего полета в среде (численно)", .model = linear, .stage = linearWalk,
     .family = flightTime, .key = "Tmax1", .title = "Время полёта в среде (Fc~v)",
     .formula = "середина шага, на котором y(t) < 0"},
    {.id = Quantity::Xmax1, .prefix = "Xmax1= ", .rule = shortForm, .unit = " м",
     .tooltip = "дальность полета в среде (численно)", .model = linear, .stage = linearWalk,
     .family = range, .key = "Xmax1", .title = "Дальность полёта в среде (Fc~v)",
     .formula = "x = τ·Vo·cosα·(1 − e^(−t/τ)) в первой точке с y < 0"},
    {.id = Quantity::VxEnd1, .prefix = "Vx1(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vx в конце полета в среде (численно)", .model = linear,
     .stage = linearWalk, .family = endVx, .key = "VxEnd1",
     .title = "Скорость Vx при падении в среде (Fc~v)", .formula = "Vx = Vo·cosα·e^(−Tmax1/τ)"},
    {.id = Quantity::VyEnd1, .prefix = "Vy1(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vy в конце полета в среде (численно)", .model = linear,
     .stage = linearWalk, .family = endVy, .key = "VyEnd1",
     .title = "Скорость Vy при падении в среде (Fc~v)",
     .formula = "Vy = (Vo·sinα + Vp1)·e^(−Tmax1/τ) − Vp1"},
    {.id = Quantity::Tp2, .prefix = "Tp2= ", .rule = point3, .unit = " c",
     .tooltip = "время подъема до максимальной высоты в среде (численно)", .model = quadratic,
     .stage = flightTop, .family = topTime, .key = "Tp2", .title = "Время подъёма в среде (Fc~v^2)",
     .formula = "время шага, на котором высота впервые убывает"},
    {.id = Quantity::Xp2, .prefix = "Xp2= ", .rule = point3, .unit = " м",
     .tooltip = "координата Х при максимальной высоте в среде (численно)", .model = quadratic,
     .stage = flightTop, .family = topDistance, .key = "Xp2",
     .title = "Координата X вершины в среде (Fc~v^2)",
     .formula = "x на шаге, где высота впервые убывает", .placeholder = "Хp2= "},
    {.id = Quantity::Ymax2, .prefix = "Ymax2= ", .rule = point3, .unit = " м",
     .tooltip = "максимальная высота подъема в среде (численно)", .model = quadratic,
     .stage = flightTop, .family = height, .key = "Ymax2",
     .title = "Наибольшая высота в среде (Fc~v^2)",
     .formula = "высота шага перед тем, как она убывает"},
    {.id = Quantity::Tmax2, .prefix = "Tmax2= ", .rule = point3, .unit = " c",
     .tooltip = "время всего полета в среде (численно)", .model = quadratic, .stage = flightLanding,
     .family = flightTime, .key = "Tmax2", .title = "Время полёта в среде (Fc~v^2)",
     .formula = "середина шага, на котором y < 0 (метод Рунге — Кутты)"},
    {.id = Quantity::Xmax2, .prefix = "Xmax2= ", .rule = shortForm, .unit = " м",
     .tooltip = "дальность полета в среде (численно)", .model = quadratic, .stage = flightLanding,
     .family = range, .key = "Xmax2", .title = "Дальность полёта в среде (Fc~v^2)",
     .formula = "x в первой точке с y < 0"},
    {.id = Quantity::VxEnd2, .prefix = "Vx2(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vx в конце полета в среде (численно)", .model = quadratic,
     .stage = flightLanding, .family = endVx, .key = "VxEnd2",
     .title = "Скорость Vx при падении в среде (Fc~v^2)", .formula = "Vx в первой точке с y < 0"},
    {.id = Quantity::VyEnd2, .prefix = "Vy2(y=0)= ", .rule = shortForm, .unit = " м/c",
     .tooltip = "проекция скорости Vy в конце полета в среде (численно)", .model = quadratic,
     .stage = flightLanding, .family = endVy, .key = "VyEnd2",
     .title = "Скорость Vy при падении в среде (Fc~v^2)", .formula = "Vy в первой точке с y < 0"},
}};

const std::array<FieldRow, fieldCount> fields{{
    {.id = Field::h0, .caption = "h =", .unitLabel = " м", .unit = "м",
     .tooltip = "начальная высота", .pattern = "0.000", .key = "h0", .accessibleName = "h, м",
     .title = "Начальная высота"},
    {.id = Field::v0, .caption = "Vo =", .unitLabel = " м/с", .unit = "м/с",
     .tooltip = "начальная скорость ", .pattern = "0.000", .key = "v0", .accessibleName = "Vo, м/с",
     .title = "Начальная скорость"},
    {.id = Field::alphaDeg, .caption = "α  =", .captionTooltip = "число бросков", .overlay = "α",
     .unitLabel = " град", .unit = "град", .tooltip = "угол бросания", .pattern = "0.00",
     .key = "angle", .accessibleName = "α, град", .title = "Угол бросания"},
    {.id = Field::d, .caption = "d =", .captionTooltip = "диаметр шара", .unitLabel = " м",
     .unit = "м", .tooltip = "диаметр шара. На экране не отображается!", .pattern = "0.0000",
     .key = "d", .accessibleName = "d, м", .title = "Диаметр шара"},
    {.id = Field::rho, .caption = "ρ =", .overlay = "ρ", .unitLabel = " кг/м3", .unit = "кг/м3",
     .tooltip = "плотность материала шара", .pattern = "0.0", .key = "rho",
     .accessibleName = "ρ, кг/м3", .title = "Плотность шара"},
    {.id = Field::rho0, .caption = "ρ o =", .overlay = "ρ", .unitLabel = " кг/м3", .unit = "кг/м3",
     .tooltip = "плотность среды", .pattern = "0.0", .key = "rho0", .accessibleName = "ρo, кг/м3",
     .title = "Плотность среды"},
    {.id = Field::eta, .caption = "η =", .overlay = "η", .unitLabel = " Па с", .unit = "Па·с",
     .tooltip = "вязкость среды", .pattern = "0.0000000", .key = "eta", .accessibleName = "η, Па·с",
     .title = "Вязкость среды"},
}};

const std::array<ColumnRow, 4> columns{{
    {common, "параметры"},
    {vacuum, "__ в вакууме"},
    {linear, "__ в среде (Fc~v)"},
    {quadratic, "__ в среде (Fc~v^2)"},
}};

const std::array<FamilyRow, familyCount> families{{
    {range, "Дальность полёта", "наибольшая дальность", "наименьшая дальность"},
    {flightTime, "Время полёта", "наибольшее время полёта", "наименьшее время полёта"},
    {height, "Наибольшая высота", "наибольшая высота подъёма", "наименьшая высота подъёма"},
    {topTime, "Время подъёма", "наибольшее время подъёма", "наименьшее время подъёма"},
    {topDistance, "Координата X вершины", "наибольшая координата X вершины",
     "наименьшая координата X вершины"},
    {endVx, "Скорость Vx при падении", "наибольшая скорость Vx при падении",
     "наименьшая скорость Vx при падении"},
    {endVy, "Скорость Vy при падении", "наибольшая скорость Vy при падении",
     "наименьшая скорость Vy при падении"},
    {bestAngle, "Угол наибольшей дальности", "наибольший угол наибольшей дальности",
     "наименьший угол наибольшей дальности"},
    {terminalSpeed, "Предельная скорость", "наибольшая предельная скорость",
     "наименьшая предельная скорость"},
    {characteristicTime, "Характерное время", "наибольшее характерное время",
     "наименьшее характерное время"},
    {characteristicLength, "Характерная длина", "наибольшая характерная длина",
     "наименьшая характерная длина"},
    {mass, "Масса шара", "наибольшая масса", "наименьшая масса"},
    {reynolds, "Число Рейнольдса", "наибольшее число Рейнольдса", "наименьшее число Рейнольдса"},
}};

const std::array<QuantityRow, studyQuantityCount - quantityCount> studyOnly{{
    {.id = Quantity::Re, .prefix = "Re= ", .rule = scientific, .unit = "",
     .tooltip = "число Рейнольдса при броске", .model = common, .stage = flightLanding,
     .family = reynolds, .key = "Re", .title = "Число Рейнольдса при броске",
     .formula = "Re = ρo·Vo·d/η"},
    {.id = Quantity::Re1, .prefix = "Re1= ", .rule = scientific, .unit = "",
     .tooltip = "число Рейнольдса при падении в среде (Fc~v)", .model = linear,
     .stage = flightLanding, .family = reynolds, .key = "Re1",
     .title = "Число Рейнольдса при падении в среде (Fc~v)",
     .formula = "Re = ρo·v·d/η с точной скоростью падения"},
    {.id = Quantity::Re2, .prefix = "Re2= ", .rule = scientific, .unit = "",
     .tooltip = "число Рейнольдса при падении в среде (Fc~v^2)", .model = quadratic,
     .stage = flightLanding, .family = reynolds, .key = "Re2",
     .title = "Число Рейнольдса при падении в среде (Fc~v^2)",
     .formula = "Re = ρo·v·d/η с точной скоростью падения"},
}};
// clang-format on

} // namespace

const std::array<QuantityRow, quantityCount>& quantityRows() {
    return quantities;
}

const std::array<QuantityRow, studyQuantityCount - quantityCount>& studyOnlyRows() {
    return studyOnly;
}

const std::array<FieldRow, fieldCount>& fieldRows() {
    return fields;
}

const std::array<ColumnRow, 4>& columnRows() {
    return columns;
}

const std::array<FamilyRow, familyCount>& familyRows() {
    return families;
}

const FamilyRow& row(ResultFamily f) {
    for (const FamilyRow& r : families)
        if (r.id == f)
            return r;
    return families.front();
}

const ColumnRow& row(ModelKind m) {
    return columns[static_cast<std::size_t>(m)];
}

std::vector<Quantity> familyMembers(ResultFamily f) {
    std::vector<Quantity> members;
    auto add = [&](const auto& rows) {
        for (const QuantityRow& r : rows)
            if (r.family == f)
                members.push_back(r.id);
    };
    add(quantities);
    add(studyOnly);
    return members;
}

const QuantityRow& row(Quantity q) {
    const auto i = static_cast<std::size_t>(q);
    return i < quantityCount ? quantities[i] : studyOnly[i - quantityCount];
}

const FieldRow& row(Field f) {
    return fields[static_cast<std::size_t>(f)];
}

std::optional<Quantity> quantityByKey(std::string_view key) {
    for (const QuantityRow& r : quantities)
        if (key == r.key)
            return r.id;
    for (const QuantityRow& r : studyOnly)
        if (key == r.key)
            return r.id;
    return std::nullopt;
}

std::optional<Field> fieldByKey(std::string_view key) {
    for (const FieldRow& r : fields)
        if (key == r.key)
            return r.id;
    return std::nullopt;
}

double& inputOf(Inputs& in, Field f) {
    switch (f) {
    case Field::h0:
        return in.h0;
    case Field::v0:
        return in.v0;
    case Field::alphaDeg:
        return in.alphaDeg;
    case Field::d:
        return in.d;
    case Field::rho:
        return in.rho;
    case Field::rho0:
        return in.rho0;
    case Field::eta:
        return in.eta;
    }
    return in.h0;
}

double inputOf(const Inputs& in, Field f) {
    return inputOf(const_cast<Inputs&>(in), f);
}

std::string labelText(Quantity q, std::optional<double> value, char decimalSeparator) {
    const QuantityRow& r = row(q);
    if (!value)
        return placeholderText(q);
    return resultText(r.prefix, *value, r.rule, r.unit, decimalSeparator);
}

std::string placeholderText(Quantity q) {
    const QuantityRow& r = row(q);
    return r.placeholder ? r.placeholder : r.prefix;
}

} // namespace model
