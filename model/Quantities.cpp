#include "model/Quantities.h"

#include "model/TextMarks.h"
#include "model/Translation.h"

#include <cmath>

namespace model {

namespace {

using enum ModelKind;
using enum NumberRule;
using enum Stage;
using enum ResultFamily;

// The units of the labels, with the space before them. Vp2's label writes a Cyrillic "с".
const char* const kDegrees = QT_TRANSLATE_NOOP("Texts", " град");
const char* const kSeconds = QT_TRANSLATE_NOOP("Texts", " c");
const char* const kMetres = QT_TRANSLATE_NOOP("Texts", " м");
const char* const kMetresPerSecond = QT_TRANSLATE_NOOP("Texts", " м/c");
const char* const kMetresPerSecondCyrillic = QT_TRANSLATE_NOOP("Texts", " м/с");
const char* const kKilograms = QT_TRANSLATE_NOOP("Texts", " кг");

// clang-format off
const std::array<QuantityRow, quantityCount> quantities{{
    {.id = Quantity::a_max, .prefix = "a_max= ", .rule = shortForm, .unit = kDegrees,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "угол, при котором достигается максимальная дальность полета в вакууме"),
     .model = vacuum, .stage = closedForms, .family = bestAngle, .key = "a_max",
     .title = QT_TRANSLATE_NOOP("Texts", "Угол наибольшей дальности в вакууме"),
     .formula = QT_TRANSLATE_NOOP("Texts", "tg a_max = 1/√(1 + 2g·h/Vo²)")},
    {.id = Quantity::Tp, .prefix = "Tp= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "время подъема до максимальной высоты в вакууме"),
     .model = vacuum, .stage = closedForms, .family = topTime, .key = "Tp",
     .title = QT_TRANSLATE_NOOP("Texts", "Время подъёма в вакууме"), .formula = "Tp = Vo·sinα/g"},
    {.id = Quantity::Xp, .prefix = "Xp= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "координата Х при максимальной высоте в вакууме"),
     .model = vacuum, .stage = closedForms, .family = topDistance, .key = "Xp",
     .title = QT_TRANSLATE_NOOP("Texts", "Координата X вершины в вакууме"),
     .formula = "Xp = Tp·Vo·cosα"},
    {.id = Quantity::Ymax, .prefix = "Ymax= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "максимальная высота подъема в вакууме"),
     .model = vacuum, .stage = closedForms, .family = height, .key = "Ymax",
     .title = QT_TRANSLATE_NOOP("Texts", "Наибольшая высота в вакууме"),
     .formula = "Ymax = h + (Vo·sinα)²/(2g)"},
    {.id = Quantity::Tmax, .prefix = "Tmax= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "время всего полета в вакууме"), .model = vacuum,
     .stage = closedForms, .family = flightTime, .key = "Tmax",
     .title = QT_TRANSLATE_NOOP("Texts", "Время полёта в вакууме"),
     .formula = "Tmax = (Vo·sinα + √((Vo·sinα)² + 2g·h))/g"},
    {.id = Quantity::Xmax, .prefix = "Xmax= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "максимальная дальность полета в вакууме"),
     .model = vacuum, .stage = closedForms, .family = range, .key = "Xmax",
     .title = QT_TRANSLATE_NOOP("Texts", "Дальность полёта в вакууме"),
     .formula = "Xmax = Tmax·Vo·cosα"},
    {.id = Quantity::VxEnd, .prefix = "Vx(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "проекция скорости Vx в конце полета в вакууме (не меняется)"),
     .model = vacuum, .stage = closedForms, .family = endVx, .key = "VxEnd",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vx при падении в вакууме"),
     .formula = "Vx = Vo·cosα"},
    {.id = Quantity::VyEnd, .prefix = "Vy(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "проекция скорости Vy в конце полета в вакууме"),
     .model = vacuum, .stage = closedForms, .family = endVy, .key = "VyEnd",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vy при падении в вакууме"),
     .formula = "Vy = Vo·sinα − g·Tmax"},
    {.id = Quantity::m, .prefix = "m= ", .rule = scientific, .unit = kKilograms,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "масса шара"), .model = common, .stage = closedForms,
     .family = mass, .key = "m", .title = QT_TRANSLATE_NOOP("Texts", "Масса шара"),
     .formula = "m = ρ·π·d³/6"},
    {.id = Quantity::tau, .prefix = "tau= ", .rule = scientific, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "характерное время"), .model = linear,
     .stage = closedForms, .family = characteristicTime, .key = "tau",
     .title = QT_TRANSLATE_NOOP("Texts", "Характерное время (Fc~v)"), .formula = "τ = ρ·d²/(18·η)"},
    {.id = Quantity::Vp1, .prefix = "Vp1= ", .rule = scientific, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "предельная вертикальная скорость"), .model = linear,
     .stage = closedForms, .family = terminalSpeed, .key = "Vp1",
     .title = QT_TRANSLATE_NOOP("Texts", "Предельная скорость (Fc~v)"),
     .formula = "Vp1 = g·τ·(1 − ρo/ρ)"},
    {.id = Quantity::Tp1, .prefix = "Tp1= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "время подъема до максимальной высоты в среде"),
     .model = linear, .stage = closedForms, .family = topTime, .key = "Tp1",
     .title = QT_TRANSLATE_NOOP("Texts", "Время подъёма в среде (Fc~v)"),
     .formula = "Tp1 = τ·ln(1 + Vo·sinα/Vp1)"},
    {.id = Quantity::Xp1, .prefix = "Xp1= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "координата Х при максимальной высоте в среде"),
     .model = linear, .stage = closedForms, .family = topDistance, .key = "Xp1",
     .title = QT_TRANSLATE_NOOP("Texts", "Координата X вершины в среде (Fc~v)"),
     .formula = "Xp1 = τ·Vo·cosα·(1 − e^(−Tp1/τ))"},
    {.id = Quantity::Ymax1, .prefix = "Ymax1= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "максимальная высота подъема в среде"), .model = linear,
     .stage = closedForms, .family = height, .key = "Ymax1",
     .title = QT_TRANSLATE_NOOP("Texts", "Наибольшая высота в среде (Fc~v)"),
     .formula = "Ymax1 = h + τ·Vo·sinα − Vp1·Tp1"},
    {.id = Quantity::Vp2, .prefix = "Vp2= ", .rule = point3, .unit = kMetresPerSecondCyrillic,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "предельная вертикальная скорость"), .model = quadratic,
     .stage = closedForms, .family = terminalSpeed, .key = "Vp2",
     .title = QT_TRANSLATE_NOOP("Texts", "Предельная скорость (Fc~v^2)"),
     .formula = "3π·η·d·Vp2 + Cd·ρo·π·d²·Vp2²/8 = (ρ − ρo)·π·d³·g/6"},
    {.id = Quantity::R2, .prefix = "R2= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "величина R"), .model = quadratic, .stage = closedForms,
     .family = characteristicLength, .key = "R2",
     .title = QT_TRANSLATE_NOOP("Texts", "Характерная длина (Fc~v^2)"),
     .formula = "R2 = 4·ρ·d/(3·Cd·ρo)"},
    {.id = Quantity::Tmax1, .prefix = "Tmax1= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "время всего полета в среде (численно)"),
     .model = linear, .stage = linearWalk, .family = flightTime, .key = "Tmax1",
     .title = QT_TRANSLATE_NOOP("Texts", "Время полёта в среде (Fc~v)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "время первой точки с y < 0 плюс полшага")},
    {.id = Quantity::Xmax1, .prefix = "Xmax1= ", .rule = shortForm, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "дальность полета в среде (численно)"), .model = linear,
     .stage = linearWalk, .family = range, .key = "Xmax1",
     .title = QT_TRANSLATE_NOOP("Texts", "Дальность полёта в среде (Fc~v)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "x = τ·Vo·cosα·(1 − e^(−t/τ)) в первой точке с y < 0")},
    {.id = Quantity::VxEnd1, .prefix = "Vx1(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "проекция скорости Vx в конце полета в среде (численно)"),
     .model = linear, .stage = linearWalk, .family = endVx, .key = "VxEnd1",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vx при падении в среде (Fc~v)"),
     .formula = "Vx = Vo·cosα·e^(−Tmax1/τ)"},
    {.id = Quantity::VyEnd1, .prefix = "Vy1(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "проекция скорости Vy в конце полета в среде (численно)"),
     .model = linear, .stage = linearWalk, .family = endVy, .key = "VyEnd1",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vy при падении в среде (Fc~v)"),
     .formula = "Vy = (Vo·sinα + Vp1)·e^(−Tmax1/τ) − Vp1"},
    {.id = Quantity::Tp2, .prefix = "Tp2= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "время подъема до максимальной высоты в среде (численно)"),
     .model = quadratic, .stage = flightTop, .family = topTime, .key = "Tp2",
     .title = QT_TRANSLATE_NOOP("Texts", "Время подъёма в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "время шага, на котором высота впервые убывает")},
    {.id = Quantity::Xp2, .prefix = "Xp2= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "координата Х при максимальной высоте в среде (численно)"),
     .model = quadratic, .stage = flightTop, .family = topDistance, .key = "Xp2",
     .title = QT_TRANSLATE_NOOP("Texts", "Координата X вершины в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "x на шаге, где высота впервые убывает"),
     .placeholder = QT_TRANSLATE_NOOP("Texts", "Хp2= ")},
    {.id = Quantity::Ymax2, .prefix = "Ymax2= ", .rule = point3, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "максимальная высота подъема в среде (численно)"),
     .model = quadratic, .stage = flightTop, .family = height, .key = "Ymax2",
     .title = QT_TRANSLATE_NOOP("Texts", "Наибольшая высота в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "высота шага перед тем, как она убывает")},
    {.id = Quantity::Tmax2, .prefix = "Tmax2= ", .rule = point3, .unit = kSeconds,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "время всего полета в среде (численно)"),
     .model = quadratic, .stage = flightLanding, .family = flightTime, .key = "Tmax2",
     .title = QT_TRANSLATE_NOOP("Texts", "Время полёта в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP(
         "Texts", "середина шага, на котором y < 0 (метод Рунге — Кутты)")},
    {.id = Quantity::Xmax2, .prefix = "Xmax2= ", .rule = shortForm, .unit = kMetres,
     .tooltip = QT_TRANSLATE_NOOP("Texts", "дальность полета в среде (численно)"),
     .model = quadratic, .stage = flightLanding, .family = range, .key = "Xmax2",
     .title = QT_TRANSLATE_NOOP("Texts", "Дальность полёта в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "x в первой точке с y < 0")},
    {.id = Quantity::VxEnd2, .prefix = "Vx2(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "проекция скорости Vx в конце полета в среде (численно)"),
     .model = quadratic, .stage = flightLanding, .family = endVx, .key = "VxEnd2",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vx при падении в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "Vx в первой точке с y < 0")},
    {.id = Quantity::VyEnd2, .prefix = "Vy2(y=0)= ", .rule = shortForm, .unit = kMetresPerSecond,
     .tooltip = QT_TRANSLATE_NOOP(
         "Texts", "проекция скорости Vy в конце полета в среде (численно)"),
     .model = quadratic, .stage = flightLanding, .family = endVy, .key = "VyEnd2",
     .title = QT_TRANSLATE_NOOP("Texts", "Скорость Vy при падении в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "Vy в первой точке с y < 0")},
}};

const std::array<FieldRow, fieldCount> fields{{
    {.id = Field::h0, .caption = "h =", .unitLabel = QT_TRANSLATE_NOOP("Texts", " м"),
     .unit = QT_TRANSLATE_NOOP("Texts", "м"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "начальная высота"), .pattern = "0.000", .key = "h0",
     .accessibleName = QT_TRANSLATE_NOOP("Texts", "h, м"),
     .title = QT_TRANSLATE_NOOP("Texts", "Начальная высота")},
    {.id = Field::v0, .caption = "Vo =", .unitLabel = QT_TRANSLATE_NOOP("Texts", " м/с"),
     .unit = QT_TRANSLATE_NOOP("Texts", "м/с"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "начальная скорость "), .pattern = "0.000", .key = "v0",
     .accessibleName = QT_TRANSLATE_NOOP("Texts", "Vo, м/с"),
     .title = QT_TRANSLATE_NOOP("Texts", "Начальная скорость")},
    {.id = Field::alphaDeg, .caption = "α  =",
     .captionTooltip = QT_TRANSLATE_NOOP("Texts", "число бросков"), .overlay = "α",
     .unitLabel = QT_TRANSLATE_NOOP("Texts", " град"), .unit = QT_TRANSLATE_NOOP("Texts", "град"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "угол бросания"), .pattern = "0.00", .key = "angle",
     .accessibleName = QT_TRANSLATE_NOOP("Texts", "α, град"),
     .title = QT_TRANSLATE_NOOP("Texts", "Угол бросания")},
    {.id = Field::d, .caption = "d =", .captionTooltip = QT_TRANSLATE_NOOP("Texts", "диаметр шара"),
     .unitLabel = QT_TRANSLATE_NOOP("Texts", " м"), .unit = QT_TRANSLATE_NOOP("Texts", "м"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "диаметр шара. На экране не отображается!"),
     .pattern = "0.0000", .key = "d", .accessibleName = QT_TRANSLATE_NOOP("Texts", "d, м"),
     .title = QT_TRANSLATE_NOOP("Texts", "Диаметр шара")},
    {.id = Field::rho, .caption = "ρ =", .overlay = "ρ",
     .unitLabel = QT_TRANSLATE_NOOP("Texts", " кг/м3"), .unit = QT_TRANSLATE_NOOP("Texts", "кг/м3"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "плотность материала шара"), .pattern = "0.0",
     .key = "rho", .accessibleName = QT_TRANSLATE_NOOP("Texts", "ρ, кг/м3"),
     .title = QT_TRANSLATE_NOOP("Texts", "Плотность шара")},
    {.id = Field::rho0, .caption = "ρ o =", .overlay = "ρ",
     .unitLabel = QT_TRANSLATE_NOOP("Texts", " кг/м3"), .unit = QT_TRANSLATE_NOOP("Texts", "кг/м3"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "плотность среды"), .pattern = "0.0", .key = "rho0",
     .accessibleName = QT_TRANSLATE_NOOP("Texts", "ρo, кг/м3"),
     .title = QT_TRANSLATE_NOOP("Texts", "Плотность среды")},
    {.id = Field::eta, .caption = "η =", .overlay = "η",
     .unitLabel = QT_TRANSLATE_NOOP("Texts", " Па с"), .unit = QT_TRANSLATE_NOOP("Texts", "Па·с"),
     .tooltip = QT_TRANSLATE_NOOP("Texts", "вязкость среды"), .pattern = "0.0000000", .key = "eta",
     .accessibleName = QT_TRANSLATE_NOOP("Texts", "η, Па·с"),
     .title = QT_TRANSLATE_NOOP("Texts", "Вязкость среды")},
}};

const std::array<ColumnRow, 4> columns{{
    {common, QT_TRANSLATE_NOOP("Texts", "параметры")},
    {vacuum, QT_TRANSLATE_NOOP("Texts", "__ в вакууме")},
    {linear, QT_TRANSLATE_NOOP("Texts", "__ в среде (Fc~v)")},
    {quadratic, QT_TRANSLATE_NOOP("Texts", "__ в среде (Fc~v^2)")},
}};

const std::array<FamilyRow, familyCount> families{{
    {range, QT_TRANSLATE_NOOP("Texts", "Дальность полёта"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая дальность"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая дальность")},
    {flightTime, QT_TRANSLATE_NOOP("Texts", "Время полёта"),
     QT_TRANSLATE_NOOP("Texts", "наибольшее время полёта"),
     QT_TRANSLATE_NOOP("Texts", "наименьшее время полёта")},
    {height, QT_TRANSLATE_NOOP("Texts", "Наибольшая высота"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая высота подъёма"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая высота подъёма")},
    {topTime, QT_TRANSLATE_NOOP("Texts", "Время подъёма"),
     QT_TRANSLATE_NOOP("Texts", "наибольшее время подъёма"),
     QT_TRANSLATE_NOOP("Texts", "наименьшее время подъёма")},
    {topDistance, QT_TRANSLATE_NOOP("Texts", "Координата X вершины"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая координата X вершины"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая координата X вершины")},
    {endVx, QT_TRANSLATE_NOOP("Texts", "Скорость Vx при падении"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая скорость Vx при падении"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая скорость Vx при падении")},
    {endVy, QT_TRANSLATE_NOOP("Texts", "Скорость Vy при падении"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая скорость Vy при падении"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая скорость Vy при падении")},
    {bestAngle, QT_TRANSLATE_NOOP("Texts", "Угол наибольшей дальности"),
     QT_TRANSLATE_NOOP("Texts", "наибольший угол наибольшей дальности"),
     QT_TRANSLATE_NOOP("Texts", "наименьший угол наибольшей дальности")},
    {terminalSpeed, QT_TRANSLATE_NOOP("Texts", "Предельная скорость"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая предельная скорость"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая предельная скорость")},
    {characteristicTime, QT_TRANSLATE_NOOP("Texts", "Характерное время"),
     QT_TRANSLATE_NOOP("Texts", "наибольшее характерное время"),
     QT_TRANSLATE_NOOP("Texts", "наименьшее характерное время")},
    {characteristicLength, QT_TRANSLATE_NOOP("Texts", "Характерная длина"),
     QT_TRANSLATE_NOOP("Texts", "наибольшая характерная длина"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая характерная длина")},
    {mass, QT_TRANSLATE_NOOP("Texts", "Масса шара"), QT_TRANSLATE_NOOP("Texts", "наибольшая масса"),
     QT_TRANSLATE_NOOP("Texts", "наименьшая масса")},
    {reynolds, QT_TRANSLATE_NOOP("Texts", "Число Рейнольдса"),
     QT_TRANSLATE_NOOP("Texts", "наибольшее число Рейнольдса"),
     QT_TRANSLATE_NOOP("Texts", "наименьшее число Рейнольдса")},
}};

const std::array<QuantityRow, studyQuantityCount - quantityCount> studyOnly{{
    {.id = Quantity::Re, .prefix = "Re= ", .rule = scientific, .unit = "",
     .tooltip = QT_TRANSLATE_NOOP("Texts", "число Рейнольдса при броске"), .model = common,
     .stage = flightLanding, .family = reynolds, .key = "Re",
     .title = QT_TRANSLATE_NOOP("Texts", "Число Рейнольдса при броске"),
     .formula = "Re = ρo·Vo·d/η"},
    {.id = Quantity::Re1, .prefix = "Re1= ", .rule = scientific, .unit = "",
     .tooltip = QT_TRANSLATE_NOOP("Texts", "число Рейнольдса при падении в среде (Fc~v)"),
     .model = linear, .stage = flightLanding, .family = reynolds, .key = "Re1",
     .title = QT_TRANSLATE_NOOP("Texts", "Число Рейнольдса при падении в среде (Fc~v)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "Re = ρo·v·d/η с точной скоростью падения")},
    {.id = Quantity::Re2, .prefix = "Re2= ", .rule = scientific, .unit = "",
     .tooltip = QT_TRANSLATE_NOOP("Texts", "число Рейнольдса при падении в среде (Fc~v^2)"),
     .model = quadratic, .stage = flightLanding, .family = reynolds, .key = "Re2",
     .title = QT_TRANSLATE_NOOP("Texts", "Число Рейнольдса при падении в среде (Fc~v^2)"),
     .formula = QT_TRANSLATE_NOOP("Texts", "Re = ρo·v·d/η с точной скоростью падения")},
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
    return resultText(r.prefix, *value, r.rule, translated(r.unit), decimalSeparator);
}

std::string placeholderText(Quantity q) {
    const QuantityRow& r = row(q);
    return r.placeholder ? translated(r.placeholder) : r.prefix;
}

} // namespace model
