#include "model/InputFields.h"
#include "model/NumberFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>
#include <string>

using model::Field;
using model::Inputs;
using model::settleField;

namespace {

const std::string kFell = "Уже упало!!!";
const std::string kUnderground = "тело под Землей?! такой расчёт не предусмотрен!";
const std::string kAngle =
    "Угол в диапазоне -90<a<90. А Для вертикального движения есть отдельная программа!";
const std::string kVacuum = "Для вакуума всё и так известно!";
const std::string kFloatUp = "Всплывание не моделируется";

// Messages of an edit, in the order the boxes appear.
std::vector<std::string> messages(const model::FieldSettlement& s) {
    std::vector<std::string> out;
    for (const auto& r : s.rejections)
        out.push_back(r.message);
    return out;
}

void expectInvariants(const Inputs& in, const std::string& context) {
    SCOPED_TRACE(context);
    EXPECT_GT(in.h0, 0);
    EXPECT_GT(in.v0, 0);
    EXPECT_GT(in.alphaDeg, -90);
    EXPECT_LT(in.alphaDeg, 90);
    EXPECT_GT(in.d, 0);
    EXPECT_GT(in.rho, in.rho0);
    EXPECT_GT(in.rho0, 0);
    EXPECT_GT(in.eta, 0);
}

} // namespace

TEST(InputFields, NamesAndPatterns) {
    const char* names[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"};
    const char* patterns[] = {"0.000", "0.000", "0.00", "0.0000", "0.0", "0.0", "0.0000000"};
    Inputs in{1, 2, 3, 4, 5, 6, 7};
    for (std::size_t i = 0; i < model::allFields.size(); ++i) {
        const Field f = model::allFields[i];
        EXPECT_STREQ(model::fieldControlName(f), names[i]);
        EXPECT_EQ(model::fieldPattern(f), patterns[i]);
        EXPECT_EQ(model::inputOf(in, f), static_cast<double>(i + 1));
    }
}

TEST(InputFields, StartTextsSettleWithoutMessages) {
    // The start texts are the shortest general forms of the defaults.
    Inputs in;
    const std::pair<Field, const char*> starts[] = {
        {Field::h0, " .5"},    {Field::v0, " 3"},      {Field::alphaDeg, " 30"}, {Field::d, " .4"},
        {Field::rho, " 7800"}, {Field::rho0, " 1000"}, {Field::eta, " .001006"}};
    const char* shown[] = {"0.500", "3.000", "30.00", "0.4000", "7800.0", "1000.0", "0.0010060"};
    for (std::size_t i = 0; i < 7; ++i) {
        const auto s = settleField(starts[i].first, starts[i].second, in);
        EXPECT_EQ(s.text, shown[i]);
        EXPECT_TRUE(s.rejections.empty());
        EXPECT_EQ(s.handlingRuns, 2); // the start text, then its rewritten form
    }
    EXPECT_EQ(in.h0, 0.5);
    EXPECT_EQ(in.eta, 0.001006);
}

TEST(InputFields, HeightAndSpeedChecks) {
    Inputs in;
    auto s = settleField(Field::h0, "", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kFell});
    EXPECT_EQ(s.rejections[0].title, "Ошибка");
    EXPECT_EQ(s.text, "0.500");
    EXPECT_EQ(in.h0, 0.5);

    s = settleField(Field::h0, "-1", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kUnderground});
    EXPECT_EQ(s.text, "0.500");

    s = settleField(Field::v0, "0", in);
    ASSERT_EQ(s.rejections.size(), 1u);
    EXPECT_EQ(s.rejections[0],
              (model::Rejection{"Для падения есть отдельная программа!", "Совет", 3}));
    EXPECT_EQ(s.text, "3.000");

    s = settleField(Field::v0, "-2", in);
    ASSERT_EQ(s.rejections.size(), 1u);
    EXPECT_EQ(s.rejections[0], (model::Rejection{"Это величина скорости! Vo>0", "Ошибка", 3}));

    // The comma ends the number: "0,5" is 0 in every field.
    s = settleField(Field::v0, "0,5", in);
    EXPECT_EQ(s.rejections.size(), 1u);
    EXPECT_EQ(in.v0, 3);

    s = settleField(Field::h0, "12abc", in);
    EXPECT_TRUE(s.rejections.empty());
    EXPECT_EQ(s.text, "12.000");
    EXPECT_EQ(in.h0, 12);
}

TEST(InputFields, AngleLimitsAreOpen) {
    for (const char* text : {"90", "-90", "120"}) {
        Inputs in;
        in.alphaDeg = 10;
        const auto s = settleField(Field::alphaDeg, text, in);
        ASSERT_EQ(s.rejections.size(), 1u) << text;
        EXPECT_EQ(s.rejections[0].message, kAngle);
        EXPECT_EQ(s.rejections[0].title, "Предупреждение");
        EXPECT_EQ(s.text, "30.00");
        EXPECT_EQ(in.alphaDeg, 30);
    }
    Inputs in;
    EXPECT_EQ(settleField(Field::alphaDeg, "89.99", in).text, "89.99");
    EXPECT_EQ(in.alphaDeg, 89.99);
    EXPECT_EQ(settleField(Field::alphaDeg, "-89.99", in).text, "-89.99");
    // 89.996 is accepted as typed, but its rewritten form 90.00 is refused on the nested run.
    const auto s = settleField(Field::alphaDeg, "89.996", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kAngle});
    EXPECT_EQ(s.text, "30.00");
    EXPECT_EQ(s.handlingRuns, 3);
}

TEST(InputFields, DensityCrossChecks) {
    Inputs in; // rho 7800, rho0 1000
    auto s = settleField(Field::rho, "900", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kFloatUp + "!"});
    EXPECT_EQ(s.text, "2000.0");
    EXPECT_EQ(in.rho, 2000);

    in = Inputs{};
    s = settleField(Field::rho, "1000", in); // equal densities are refused too
    EXPECT_EQ(s.text, "2000.0");

    in = Inputs{};
    s = settleField(Field::rho, "0", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{"Шарик из чего-то сделан!"});
    EXPECT_EQ(s.text, "7800.0");

    // Typing "5" over the whole text on the way to "5000" is refused at once.
    in = Inputs{};
    s = settleField(Field::rho, "5", in);
    EXPECT_EQ(s.text, "2000.0");

    in = Inputs{};
    s = settleField(Field::rho0, "7800", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kFloatUp});
    EXPECT_EQ(s.text, "3900.0");
    EXPECT_EQ(in.rho0, 3900);

    in = Inputs{};
    s = settleField(Field::rho0, "0", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kVacuum});
    EXPECT_EQ(s.text, "1.2");
    EXPECT_EQ(in.rho0, 1.2);
}

TEST(InputFields, VacuumReplacementRecheckedAgainstALightBall) {
    // rho0 <= 0 stores 1.23, shown "1.2"; with rho not above 1.2 the nested run refuses that
    // too and halves rho.
    Inputs in;
    in.rho = 1.2;
    in.rho0 = 0.6;
    auto s = settleField(Field::rho0, "-3", in);
    EXPECT_EQ(messages(s), (std::vector<std::string>{kVacuum, kFloatUp}));
    EXPECT_EQ(s.text, "0.6");
    EXPECT_EQ(in.rho0, 0.6);
    EXPECT_EQ(s.handlingRuns, 3);

    // rho/2 = 0.35 is rewritten "0.4" (half away from zero) and still accepted.
    in.rho = 0.7;
    in.rho0 = 0.3;
    s = settleField(Field::rho0, "0", in);
    EXPECT_EQ(messages(s), (std::vector<std::string>{kVacuum, kFloatUp}));
    EXPECT_EQ(s.text, "0.4");
    EXPECT_EQ(in.rho0, 0.4);
    expectInvariants(in, "light ball");

    // The longest chain an edit can take: accepted, shown as 0.0, vacuum, 1.2 too dense, half.
    in.rho = 0.3;
    in.rho0 = 0.1;
    s = settleField(Field::rho0, "0.04", in);
    EXPECT_EQ(messages(s), (std::vector<std::string>{kVacuum, kFloatUp}));
    EXPECT_EQ(s.text, "0.2");
    EXPECT_EQ(s.handlingRuns, 4);
    expectInvariants(in, "lightest ball");
}

TEST(InputFields, ValuesRoundedToTheFieldAndZeroAfterRounding) {
    Inputs in;
    auto s = settleField(Field::h0, "0.5557", in);
    EXPECT_EQ(s.text, "0.556");
    EXPECT_EQ(in.h0, 0.556);
    EXPECT_EQ(s.handlingRuns, 2);

    s = settleField(Field::h0, "0.0001", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kFell});
    EXPECT_EQ(s.text, "0.500");
    EXPECT_EQ(s.handlingRuns, 3); // "0.0001", "0.000" refused, "0.500"

    s = settleField(Field::d, "0.00004", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{"Это не материальная точка!"});
    EXPECT_EQ(s.text, "0.0010");
    EXPECT_EQ(in.d, 0.001);

    s = settleField(Field::eta, "0.00000004", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kVacuum});
    EXPECT_EQ(s.text, "0.0000182");
    EXPECT_EQ(in.eta, 1.82e-5);

    s = settleField(Field::eta, "0", in);
    EXPECT_EQ(s.text, "0.0000182");

    // A text already in the field's form is handled once.
    s = settleField(Field::d, "0.2500", in);
    EXPECT_EQ(s.handlingRuns, 1);
}

TEST(InputFields, HugeValuesStayFinite) {
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
    expectInvariants(in, "huge densities");

    s = settleField(Field::alphaDeg, "-1e400", in);
    EXPECT_EQ(in.alphaDeg, 30);
    s = settleField(Field::h0, "-1e400", in);
    EXPECT_EQ(messages(s), std::vector<std::string>{kUnderground});
}

TEST(InputFields, BrokenStateCannotHangAnEdit) {
    // A ball lighter than any medium the field can show: 1.23 is refused against it, half of
    // it shows as 0.0 and is refused as vacuum, and so on. The edit still comes to an end.
    Inputs in;
    in.rho = 0.05;
    in.rho0 = 0.02;
    const auto s = settleField(Field::rho0, "0", in);
    EXPECT_EQ(s.handlingRuns, 16);
    EXPECT_EQ(s.rejections.size(), 16u);
}

TEST(InputFields, InvariantsHoldAfterAnyEdit) {
    std::mt19937 rng(20261206);
    const std::string pieces[] = {"0",    "1",   "5",     "9",      ".",     ",", "-",
                                  "+",    "e",   "E",     "d",      "D",     " ", "x",
                                  "400",  "308", "1e400", "-1e400", "0.00",  "2", "7800",
                                  "1000", "1.2", "0.05",  "-0.0",   "89.99", "90"};
    std::uniform_int_distribution<int> piece(0, std::size(pieces) - 1), count(0, 5), field(0, 6);
    Inputs in;
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        for (int n = count(rng); n > 0; --n)
            text += pieces[piece(rng)];
        const Field f = model::allFields[field(rng)];
        const auto s = settleField(f, text, in);
        ASSERT_LE(s.handlingRuns, 4) << text;
        ASSERT_EQ(s.value, model::inputOf(in, f));
        // The field shows exactly the stored value.
        ASSERT_EQ(model::ReadNumber(s.text), s.value) << text;
        expectInvariants(in, std::string(model::fieldControlName(f)) + " <" + text + ">");
        if (HasFailure())
            break;
    }
}
