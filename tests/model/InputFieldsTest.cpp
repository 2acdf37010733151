#include "model/InputFields.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

using namespace model;

namespace {

const std::string kFell = "Уже упало!!!";
const std::string kFallAdvice = "Для падения есть отдельная программа!";
const std::string kAngle =
    "Угол в диапазоне -90<a<90. А Для вертикального движения есть отдельная программа!";
const std::string kVacuum = "Для вакуума всё и так известно!";
const std::string kFloatUp = "Всплывание не моделируется";

std::vector<std::string> messages(const model::FieldSettlement& s) {
    std::vector<std::string> out;
    for (const auto& r : s.rejections)
        out.push_back(r.message);
    return out;
}

} // namespace

// That every edit leaves the inputs inside their limits and equal to the numbers their fields
// show is an invariant of the window soak.
TEST(InputFields, EditsSettleToTheShownValue) {
    struct Case {
        Field f;
        const char* typed;
        std::vector<std::string> messages;
        const char* shown;
        int runs = 0; // 0: not checked
        double rho = 7800, rho0 = 1000;
    };
    const Case cases[] = {
        // Start texts (general forms of the defaults) are typed, then rewritten.
        {Field::h0, " .5", {}, "0.500", 2},
        {Field::eta, " .001006", {}, "0.0010060", 2},
        // Refusals store a fixed replacement, not the previous value.
        {Field::h0, "", {kFell}, "0.500"},
        {Field::h0, "-1", {"тело под Землей?! такой расчёт не предусмотрен!"}, "0.500"},
        {Field::h0, "0.5557", {}, "0.556", 2},
        {Field::h0, "0.0001", {kFell}, "0.500", 3}, // "0.0001", "0.000" refused, "0.500"
        {Field::v0, "0", {kFallAdvice}, "3.000"},
        {Field::v0, "-2", {"Это величина скорости! Vo>0"}, "3.000"},
        {Field::v0, "2,5", {}, "2.500"}, // a decimal comma
        {Field::d, "0,05", {}, "0.0500"},
        // The angle limits are open; 89.996 is accepted, but its rewritten 90.00 is not.
        {Field::alphaDeg, "90", {kAngle}, "30.00"},
        {Field::alphaDeg, "-90", {kAngle}, "30.00"},
        {Field::alphaDeg, "89.99", {}, "89.99"},
        {Field::alphaDeg, "89.996", {kAngle}, "30.00", 3},
        {Field::alphaDeg, "-89.99", {}, "-89.99"},
        {Field::d, "0.00004", {"Это не материальная точка!"}, "0.0010"},
        {Field::d, "0.2500", {}, "0.2500", 1}, // already in the field's form
        {Field::eta, "0", {kVacuum}, "0.0000182"},
        {Field::eta, "0.00000004", {kVacuum}, "0.0000182"},
        // Density cross-checks.
        {Field::rho, "900", {kFloatUp + "!"}, "2000.0"},
        {Field::rho, "1000", {kFloatUp + "!"}, "2000.0"},
        {Field::rho, "0", {"Шарик из чего-то сделан!"}, "7800.0"},
        {Field::rho0, "7800", {kFloatUp}, "3900.0"},
        {Field::rho0, "0", {kVacuum}, "1.2"},
        // Against a light ball the vacuum replacement 1.23 is refused too and rho halved;
        // 0.35 shows as 0.4. The last is the longest chain an edit can take.
        {Field::rho0, "-3", {kVacuum, kFloatUp}, "0.6", 3, 1.2, 0.6},
        {Field::rho0, "0", {kVacuum, kFloatUp}, "0.4", 0, 0.7, 0.3},
        {Field::rho0, "0.04", {kVacuum, kFloatUp}, "0.2", 4, 0.3, 0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(model::row(c.f).key + std::string(" <") + c.typed);
        Inputs in{2, 5, 10, 0.25, c.rho, c.rho0, 0.002};
        const auto s = settleField(c.f, c.typed, in);
        EXPECT_EQ(messages(s), c.messages);
        for (const auto& r : s.rejections)
            EXPECT_EQ(r.title, r.message == kFallAdvice ? "Совет"
                               : r.message == kAngle    ? "Предупреждение"
                                                        : "Ошибка");
        EXPECT_EQ(s.text, c.shown);
        EXPECT_TRUE(!c.runs || s.handlingRuns == c.runs) << s.handlingRuns;
    }
}

TEST(InputFields, HugeValuesAndBrokenStatesEnd) {
    Inputs in;
    auto s = settleField(Field::rho, "1e400", in);
    EXPECT_TRUE(s.rejections.empty());
    EXPECT_EQ(in.rho, DBL_MAX);
    s = settleField(Field::rho0, "1.7e308", in);
    EXPECT_TRUE(s.rejections.empty());
    // Twice the medium's density overflows: the largest double stands in, rho > rho0 holds.
    s = settleField(Field::rho, "1", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kFloatUp + "!"});
    EXPECT_EQ(in.rho, DBL_MAX);

    // A ball lighter than any medium the field can show: 1.23 is refused against it, half of
    // it shows as 0.0 and is refused as vacuum, and so on. The edit still comes to an end.
    in.rho = 0.05;
    in.rho0 = 0.02;
    s = settleField(Field::rho0, "0", in);
    EXPECT_EQ(s.handlingRuns, 16);
    EXPECT_EQ(s.rejections.size(), 16u);
}
