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
    {Quantity::a_max, "Label20", "a_max= ", shortForm, " град",
     "угол, при котором достигается максимальная дальность полета в вакууме", vacuum, closedForms,
     bestAngle, "a_max", "Угол наибольшей дальности в вакууме", "tg a_max = 1/√(1 + 2g·h/Vo²)", 1, 2, nullptr},
    {Quantity::Tp, "Label16", "Tp= ", point3, " c",
     "время подъема до максимальной высоты в вакууме", vacuum, closedForms, topTime,
     "Tp", "Время подъёма в вакууме", "Tp = Vo·sinα/g", 1, 4, nullptr},
    {Quantity::Xp, "Label33", "Xp= ", point3, " м",
     "координата Х при максимальной высоте в вакууме", vacuum, closedForms, topDistance,
     "Xp", "Координата X вершины в вакууме", "Xp = Tp·Vo·cosα", 1, 5, nullptr},
    {Quantity::Ymax, "Label19", "Ymax= ", point3, " м",
     "максимальная высота подъема в вакууме", vacuum, closedForms, height,
     "Ymax", "Наибольшая высота в вакууме", "Ymax = h + (Vo·sinα)²/(2g)", 1, 6, nullptr},
    {Quantity::Tmax, "Label17", "Tmax= ", point3, " c",
     "время всего полета в вакууме", vacuum, closedForms, flightTime,
     "Tmax", "Время полёта в вакууме", "Tmax = (Vo·sinα + √((Vo·sinα)² + 2g·h))/g", 1, 7, nullptr},
    {Quantity::Xmax, "Label18", "Xmax= ", point3, " м",
     "максимальная дальность полета в вакууме", vacuum, closedForms, range,
     "Xmax", "Дальность полёта в вакууме", "Xmax = Tmax·Vo·cosα", 1, 8, nullptr},
    {Quantity::VxEnd, "Label37", "Vx(y=0)= ", shortForm, " м/c",
     "проекция скорости Vx в конце полета в вакууме (не меняется)", vacuum, closedForms, endVx,
     "VxEnd", "Скорость Vx при падении в вакууме", "Vx = Vo·cosα", 1, 9, nullptr},
    {Quantity::VyEnd, "Label38", "Vy(y=0)= ", shortForm, " м/c",
     "проекция скорости Vy в конце полета в вакууме", vacuum, closedForms, endVy,
     "VyEnd", "Скорость Vy при падении в вакууме", "Vy = Vo·sinα − g·Tmax", 1, 10, nullptr},
    {Quantity::m, "Label43", "m= ", scientific, " кг",
     "масса шара", common, closedForms, mass,
     "m", "Масса шара", "m = ρ·π·d³/6", 0, 10, nullptr},
    {Quantity::tau, "Label22", "tau= ", scientific, " c",
     "характерное время", linear, closedForms, characteristicTime,
     "tau", "Характерное время (Fc~v)", "τ = ρ·d²/(18·η)", 2, 2, nullptr},
    {Quantity::Vp1, "Label23", "Vp1= ", scientific, " м/c",
     "предельная вертикальная скорость", linear, closedForms, terminalSpeed,
     "Vp1", "Предельная скорость (Fc~v)", "Vp1 = g·τ·(1 − ρo/ρ)", 2, 3, nullptr},
    {Quantity::Tp1, "Label24", "Tp1= ", point3, " c",
     "время подъема до максимальной высоты в среде", linear, closedForms, topTime,
     "Tp1", "Время подъёма в среде (Fc~v)", "Tp1 = τ·ln(1 + Vo·sinα/Vp1)", 2, 4, nullptr},
    {Quantity::Xp1, "Label34", "Xp1= ", point3, " м",
     "координата Х при максимальной высоте в среде", linear, closedForms, topDistance,
     "Xp1", "Координата X вершины в среде (Fc~v)", "Xp1 = τ·Vo·cosα·(1 − e^(−Tp1/τ))", 2, 5,
     nullptr},
    {Quantity::Ymax1, "Label25", "Ymax1= ", point3, " м",
     "максимальная высота подъема в среде", linear, closedForms, height,
     "Ymax1", "Наибольшая высота в среде (Fc~v)", "Ymax1 = h + τ·Vo·sinα − Vp1·Tp1", 2, 6, nullptr},
    {Quantity::Vp2, "Label44", "Vp2= ", point3, " м/с",
     "предельная вертикальная скорость", quadratic, closedForms, terminalSpeed,
     "Vp2", "Предельная скорость (Fc~v^2)",
     "3π·η·d·Vp2 + Cd·ρo·π·d²·Vp2²/8 = (ρ − ρo)·π·d³·g/6", 3, 3, nullptr},
    {Quantity::R2, "Label45", "R2= ", point3, " м",
     "величина R", quadratic, closedForms, characteristicLength,
     "R2", "Характерная длина (Fc~v^2)", "R2 = 4·ρ·d/(3·Cd·ρo)", 3, 2, nullptr},
    {Quantity::Tmax1, "Label26", "Tmax1= ", point3, " c",
     "время всего полета в среде (численно)", linear, linearWalk, flightTime,
     "Tmax1", "Время полёта в среде (Fc~v)", "середина шага, на котором y(t) < 0", 2, 7, nullptr},
    {Quantity::Xmax1, "Label27", "Xmax1= ", shortForm, " м",
     "дальность полета в среде (численно)", linear, linearWalk, range,
     "Xmax1", "Дальность полёта в среде (Fc~v)", "x = τ·Vo·cosα·(1 − e^(−t/τ)) в первой точке с y < 0",
     2, 8, nullptr},
    {Quantity::VxEnd1, "Label39", "Vx1(y=0)= ", shortForm, " м/c",
     "проекция скорости Vx в конце полета в среде (численно)", linear, linearWalk, endVx,
     "VxEnd1", "Скорость Vx при падении в среде (Fc~v)", "Vx = Vo·cosα·e^(−Tmax1/τ)", 2, 9, nullptr},
    {Quantity::VyEnd1, "Label40", "Vy1(y=0)= ", shortForm, " м/c",
     "проекция скорости Vy в конце полета в среде (численно)", linear, linearWalk, endVy,
     "VyEnd1", "Скорость Vy при падении в среде (Fc~v)", "Vy = (Vo·sinα + Vp1)·e^(−Tmax1/τ) − Vp1",
     2, 10, nullptr},
    {Quantity::Tp2, "Label29", "Tp2= ", point3, " c",
     "время подъема до максимальной высоты в среде (численно)", quadratic, flightTop, topTime,
     "Tp2", "Время подъёма в среде (Fc~v^2)", "время шага, на котором высота впервые убывает", 3, 4,
     nullptr},
    {Quantity::Xp2, "Label35", "Xp2= ", point3, " м",
     "координата Х при максимальной высоте в среде (численно)", quadratic, flightTop, topDistance,
     "Xp2", "Координата X вершины в среде (Fc~v^2)", "x на шаге, где высота впервые убывает", 3, 5,
     "Хp2= "},
    {Quantity::Ymax2, "Label30", "Ymax2= ", point3, " м",
     "максимальная высота подъема в среде (численно)", quadratic, flightTop, height,
     "Ymax2", "Наибольшая высота в среде (Fc~v^2)", "высота шага перед тем, как она убывает", 3, 6,
     nullptr},
    {Quantity::Tmax2, "Label31", "Tmax2= ", point3, " c",
     "время всего полета в среде (численно)", quadratic, flightLanding, flightTime,
     "Tmax2", "Время полёта в среде (Fc~v^2)", "середина шага, на котором y < 0 (метод Рунге — Кутты)",
     3, 7, nullptr},
    {Quantity::Xmax2, "Label32", "Xmax2= ", shortForm, " м",
     "дальность полета в среде (численно)", quadratic, flightLanding, range,
     "Xmax2", "Дальность полёта в среде (Fc~v^2)", "x в первой точке с y < 0", 3, 8, nullptr},
    {Quantity::VxEnd2, "Label41", "Vx2(y=0)= ", shortForm, " м/c",
     "проекция скорости Vx в конце полета в среде (численно)", quadratic, flightLanding, endVx,
     "VxEnd2", "Скорость Vx при падении в среде (Fc~v^2)", "Vx в первой точке с y < 0", 3, 9,
     nullptr},
    {Quantity::VyEnd2, "Label42", "Vy2(y=0)= ", shortForm, " м/c",
     "проекция скорости Vy в конце полета в среде (численно)", quadratic, flightLanding, endVy,
     "VyEnd2", "Скорость Vy при падении в среде (Fc~v^2)", "Vy в первой точке с y < 0", 3, 10,
     nullptr},
}};

const std::array<FieldRow, fieldCount> fields{{
    {Field::h0, "Text1", "Label1", "h =", nullptr, nullptr, nullptr, 0, "Label2", " м", "м",
     "начальная высота", "0.000", "h0", "h, м", "Начальная высота", 2},
    {Field::v0, "Text2", "Label3", "Vo =", nullptr, nullptr, nullptr, 0, "Label4", " м/с", "м/с",
     "начальная скорость ", "0.000", "v0", "Vo, м/с", "Начальная скорость", 3},
    {Field::alphaDeg, "Text3", "Label5", "α  =", "число бросков", "Label5_2", "α", 14, "Label6",
     " град", "град", "угол бросания", "0.00", "angle", "α, град", "Угол бросания", 4},
    {Field::d, "Text4", "Label7", "d =", "диаметр шара", nullptr, nullptr, 0, "Label8", " м", "м",
     "диаметр шара. На экране не отображается!", "0.0000", "d", "d, м", "Диаметр шара", 5},
    {Field::rho, "Text5", "Label9", "ρ =", nullptr, "Label9_2", "ρ", 12, "Label10", " кг/м3",
     "кг/м3", "плотность материала шара", "0.0", "rho", "ρ, кг/м3", "Плотность шара", 6},
    {Field::rho0, "Text6", "Label11", "ρ o =", nullptr, "Label11_2", "ρ", 10, "Label12", " кг/м3",
     "кг/м3", "плотность среды", "0.0", "rho0", "ρo, кг/м3", "Плотность среды", 7},
    {Field::eta, "Text7", "Label13", "η =", nullptr, "Label13_2", "η", 10, "Label14", " Па с",
     "Па·с", "вязкость среды", "0.0000000", "eta", "η, Па·с", "Вязкость среды", 8},
}};

const std::array<ColumnRow, 4> columns{{
    {common, "Label36", "параметры"},
    {vacuum, "Label15", "__ в вакууме"},
    {linear, "Label21", "__ в среде (Fc~v)"},
    {quadratic, "Label28", "__ в среде (Fc~v^2)"},
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
    {Quantity::Re, nullptr, "Re= ", scientific, "",
     "число Рейнольдса при броске", common, flightLanding, reynolds,
     "Re", "Число Рейнольдса при броске", "Re = ρo·Vo·d/η", 0, 0, nullptr},
    {Quantity::Re1, nullptr, "Re1= ", scientific, "",
     "число Рейнольдса при падении в среде (Fc~v)", linear, flightLanding, reynolds,
     "Re1", "Число Рейнольдса при падении в среде (Fc~v)",
     "Re = ρo·v·d/η с точной скоростью падения", 0, 0, nullptr},
    {Quantity::Re2, nullptr, "Re2= ", scientific, "",
     "число Рейнольдса при падении в среде (Fc~v^2)", quadratic, flightLanding, reynolds,
     "Re2", "Число Рейнольдса при падении в среде (Fc~v^2)",
     "Re = ρo·v·d/η с точной скоростью падения", 0, 0, nullptr},
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
