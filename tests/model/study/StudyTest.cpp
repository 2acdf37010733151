#include "model/study/Study.h"
#include "model/physics/ClosedForm.h"
#include "model/study/StudyMarks.h"
#include "model/study/StudyRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
#include <string>

using namespace model;

namespace {

std::vector<StudyPoint> run(const StudySpec& plan) {
    const std::atomic<bool> stop{false};
    return runStudy(plan, 2, stop).value();
}

const StudyMark* markOf(const std::vector<StudyMark>& marks, Quantity q, Extreme e) {
    for (const StudyMark& m : marks)
        if (m.quantity == q && m.extreme == e)
            return &m;
    return nullptr;
}

const Inputs viscous{2, 10, 45, 0.05, 1200, 1000, 1.5};

} // namespace

// From any height, the refined greatest vacuum range lies at a_max; the media's ranges are
// refined on their exact values (a scan by 0.005° puts the exact optimum of Xmax2 at 34.10°).
TEST(Study, VacuumOptimumOfRangeIsTheAngleOfGreatestRange) {
    for (const double h0 : {0.001, 0.5, 2.0, 10.0, 100.0}) {
        StudySpec plan;
        plan.base.h0 = h0;
        const auto marks = studyMarks(plan, run(plan), ResultFamily::range);
        const StudyMark* vacuum = markOf(marks, Quantity::Xmax, Extreme::greatest);
        ASSERT_TRUE(vacuum) << h0;
        EXPECT_TRUE(vacuum->refined);
        EXPECT_NEAR(vacuum->input, closedForms(plan.base).a_max, 0.01) << h0;
        EXPECT_EQ(marks.size(), 3u) << "no inner least on a range curve";
    }
    StudySpec plan;
    const auto marks = studyMarks(plan, run(plan), ResultFamily::range);
    EXPECT_EQ(markOf(marks, Quantity::Xmax, Extreme::greatest)->text,
              "наибольшая дальность в вакууме: α = 34.67 град, Xmax = 1.326 м");
    EXPECT_EQ(markOf(marks, Quantity::Xmax2, Extreme::greatest)->text,
              "наибольшая дальность в среде (Fc~v^2): α = 34.10 град, Xmax2 = 1.342 м");
}

TEST(Study, RangeFallsAsViscosityRises) {
    StudySpec plan{Field::eta, 0.01, 3, 12, viscous};
    // The vacuum curve is flat: no mark. The others are greatest at the start.
    const auto marks = studyMarks(plan, run(plan), ResultFamily::range);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[1].quantity, Quantity::Xmax2);
    EXPECT_NE(marks[1].text.find("η = 0.0100000 Па·с"), std::string::npos)
        << marks[1].text; // refined, at the end of the range where the curve rises to it
}

// The Reynolds numbers are a family of their own, marked on their exact values.
TEST(Study, ReynoldsNumbersAreAFamily) {
    const StudySpec plan{Field::v0, 1, 10, 4, viscous};
    const auto points = run(plan);
    EXPECT_EQ(points[3].value(Quantity::Re), 1000 * 10 * 0.05 / 1.5);
    EXPECT_EQ(familyMembers(ResultFamily::reynolds),
              (std::vector{Quantity::Re, Quantity::Re1, Quantity::Re2}));
    const auto marks = studyMarks(plan, points, ResultFamily::reynolds);
    const StudyMark* re2 = markOf(marks, Quantity::Re2, Extreme::greatest);
    ASSERT_TRUE(re2);
    EXPECT_EQ(re2->text.rfind("наибольшее число Рейнольдса в среде (Fc~v^2): Vo = ", 0), 0u)
        << re2->text;
}

// Every value goes through the field's handling: rounded to its decimals, or refused and listed
// with its message; a throw that cannot finish is marked and has no numbers.
TEST(Study, PointsAreSettledRefusedOrUnfinished) {
    auto points = run({Field::alphaDeg, 0, 1, 4, {}});
    EXPECT_EQ((std::array{points[1].requested, points[1].input, points[2].input}),
              (std::array{1.0 / 3, 0.33, 0.67}));

    points = run({Field::alphaDeg, 80, 95, 4, {}});
    EXPECT_EQ(points[1].state, PointState::computed);
    for (const int i : {2, 3}) {
        EXPECT_EQ(points[i].state, PointState::refused);
        EXPECT_EQ(points[i].input, points[i].requested);
        EXPECT_EQ(points[i].message.rfind("Угол в диапазоне -90<a<90", 0), 0u);
    }

    points = run({Field::rho, 500, 1500, 3, {}});
    EXPECT_EQ(points[0].message, "Всплывание не моделируется!");
    EXPECT_EQ(points[1].message, "Всплывание не моделируется!") << "rho == rho0";
    EXPECT_EQ(points[2].state, PointState::computed);

    points = run({Field::d, 1, 1e13, 2, {}});
    EXPECT_EQ((std::array{points[0].state, points[1].state}),
              (std::array{PointState::computed, PointState::unfinished}));
    EXPECT_NE(points[1].message.find("не рассчитано"), std::string::npos);
    EXPECT_EQ(points[1].value(Quantity::Xmax), 0) << "no numbers kept";

    // A point that is stopped gives nothing rather than a part of a throw.
    const std::atomic<bool> stopped{true};
    EXPECT_FALSE(
        studyPoint({Field::alphaDeg, 0, 45, 2, {2, 10, 45, 0.05, 1001.4, 1000, 1.5}}, 1, &stopped));
}

// The same list on any number of threads: StudyWindowTest (the window's pool against one).
TEST(Study, RunnerStopsWithNothingAndPassesExceptionsOn) {
    const StudySpec plan{Field::alphaDeg, -60, 80, 21, viscous};
    std::atomic<bool> stop{false};
    std::vector<int> seen;
    auto progress = [&](int done) {
        seen.push_back(done);
        if (done == 5)
            stop = true;
    };
    EXPECT_FALSE(runStudy(plan, 2, stop, progress));
    EXPECT_LT(seen.size(), 21u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    // Left to run, it reports every point once, in order, up to the whole count.
    stop = false;
    seen.clear();
    EXPECT_TRUE(runStudy(plan, 2, stop, [&](int done) { seen.push_back(done); }));
    std::vector<int> every(21);
    std::iota(every.begin(), every.end(), 1);
    EXPECT_EQ(seen, every);
    stop = false;
    EXPECT_THROW(runPoints(10, 2, stop, [](int) -> bool { throw std::runtime_error("x"); }),
                 std::runtime_error);
}

// The least is marked only inside the range; points without results are skipped.
TEST(Study, LeastIsMarkedOnlyInsideTheRange) {
    const StudySpec plan{Field::v0, 1, 5, 5, {}};
    std::vector<StudyPoint> points(5);
    const double xmax2[] = {3, 1, 2, 0, 4};
    for (int i = 0; i < 5; ++i) {
        points[i].input = 1 + i;
        points[i].values[static_cast<std::size_t>(Quantity::Xmax2)] = xmax2[i];
    }
    points[3].state = PointState::refused;
    auto marks = studyMarks(plan, points, ResultFamily::range);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].input, 5);
    EXPECT_EQ(marks[1].extreme, Extreme::least);
    EXPECT_TRUE(marks[1].refined); // between the neighbours, on the exact values

    points[1].state = points[2].state = PointState::unfinished; // the least is now at an end
    marks = studyMarks(plan, points, ResultFamily::range);
    EXPECT_EQ(marks.size(), 1u);
}

TEST(Study, RangeTextsAndSpecs) {
    for (const auto& [text, value] :
         {std::pair{" -1.5e1 ", -15.0}, {"2D3", 2000.0}, {".5", 0.5}, {"0,5", 0.5}})
        EXPECT_EQ(readStudyNumber(text), value) << text;
    for (const char* bad : {"", "abc", "12abc", "1,2,3", "1e", "-", "1e400", "nan", "inf"})
        EXPECT_FALSE(readStudyNumber(bad)) << bad;
    // Counts are read like the other numbers, and must be whole.
    for (const auto& [text, count] :
         {std::pair{"+3", 3}, {" 3", 3}, {"1e3", 1000}, {"99999999999999999999", INT_MAX}})
        EXPECT_EQ(readStudyCount(text), count) << text;
    for (const char* bad : {"", "2.5", "x", "3x"})
        EXPECT_FALSE(readStudyCount(bad)) << bad;

    EXPECT_EQ(checkStudySpec({}), StudySpecProblem::none);
    EXPECT_EQ(checkStudySpec({Field::h0, 1, 2, 1, {}}), StudySpecProblem::tooFewPoints);
    EXPECT_EQ(checkStudySpec({Field::h0, 1, 2, maxStudyPoints + 1, {}}),
              StudySpecProblem::tooManyPoints);
    EXPECT_EQ(checkStudySpec({Field::h0, 1, 1, 5, {}}), StudySpecProblem::emptyRange);
    EXPECT_EQ(checkStudySpec({Field::h0, -1e308, 1e308, 5, {}}), StudySpecProblem::notFinite);
    EXPECT_EQ(studyValue({Field::h0, 2, 1, 3, {}}, 1), 1.5) << "a range may run downwards";
    const StudySpec wide{Field::v0, 2, 1e308, 180, {}};
    for (int i = 1; i < wide.count; ++i)
        ASSERT_LT(studyValue(wide, i - 1), studyValue(wide, i)) << "no overflow near DBL_MAX " << i;
}

// A family gathers one result across the models: one member per model, all of the same name
// but for the model's digit (Xmax, Xmax1, Xmax2), so a study never plots unlike results together.
TEST(Study, FamiliesHoldTheSameResultOfEachModel) {
    for (const FamilyRow& family : familyRows()) {
        std::set<ModelKind> models;
        std::set<std::string> stems;
        for (const Quantity q : familyMembers(family.id)) {
            const QuantityRow& r = row(q);
            EXPECT_TRUE(models.insert(r.model).second) << r.key;
            std::string stem = r.key;
            if (r.model == ModelKind::linear || r.model == ModelKind::quadratic)
                stem.pop_back();
            stems.insert(stem);
        }
        EXPECT_EQ(stems.size(), 1u) << family.greatest;
    }
}
