#include "model/session/Session.h"

#include <gtest/gtest.h>

#include <map>

using model::Field;
using session::Change;

namespace {

class Rules : public ::testing::Test {
protected:
    void SetUp() override {
        s.listen([this](Change c) { ++told[c]; });
    }

    session::Session s;
    std::map<Change, int> told;
};

} // namespace

// Typing takes a whole number the field accepts at once, in the field's pattern; anything else
// leaves the inputs and says what is allowed. A whole text settles as a paste: refused, replaced,
// rewritten. Only real changes are told, and the unsaved mark follows the difference from the
// lesson as saved, not the number of edits.
TEST_F(Rules, FieldsTypingAndTheUnsavedMark) {
    for (const char* unfinished : {"", "-", "0", "1e"})
        EXPECT_FALSE(s.type(Field::d, unfinished).accepted) << unfinished;
    EXPECT_EQ(s.type(Field::rho, "1").allowed, "допустимо ρ > ρo = 1000.0 кг/м3");
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(s.type(Field::d, "0.05").accepted);
    EXPECT_EQ(s.inputs().d, 0.05);
    EXPECT_EQ(s.fieldTexts()[std::size_t(Field::d)], "0.0500");
    EXPECT_EQ(told[Change::inputs], 1);
    EXPECT_TRUE(s.modified());
    EXPECT_EQ(told[Change::saved], 1);

    const model::FieldSettlement preview = s.previewField(Field::h0, "");
    EXPECT_EQ(s.inputs().h0, 0.5);
    ASSERT_EQ(preview.rejections.size(), 1u);
    EXPECT_EQ(preview.rejections[0].message, "Уже упало!!!");
    EXPECT_EQ(s.settleField(Field::rho0, "0").text, "1.2"); // 1.23, rounded to one decimal
    EXPECT_EQ(s.inputs().rho0, 1.2);

    s.settleField(Field::d, "0.4");
    s.settleField(Field::rho0, "1000");
    EXPECT_FALSE(s.modified()); // back as saved
    EXPECT_EQ(told[Change::saved], 2);
    s.setCd(0.47);
    EXPECT_TRUE(s.modified());
    s.markSaved();
    EXPECT_FALSE(s.modified());
    // A save that ends after a further change leaves that change unsaved.
    const session::Lesson written = s.lesson();
    s.setCd(0.5);
    s.markSaved(written);
    EXPECT_TRUE(s.modified());
    s.markSaved(s.lesson());
    EXPECT_FALSE(s.modified());
    s.setSpeed(5); // not part of a lesson
    EXPECT_FALSE(s.modified());
    s.markUnsaved();
    EXPECT_TRUE(s.modified());
}

// A landed throw is kept while comparing unless the next throw or a kept one has its inputs;
// five at most, the oldest going; clearing starts the numbers again, switching off clears.
TEST_F(Rules, ComparisonKeepsDistinctThrowsUpToFive) {
    model::Inputs a, b;
    b.v0 = 4;
    EXPECT_FALSE(s.keeps(a, b)); // not comparing
    s.setComparing(true);
    EXPECT_FALSE(s.keeps(a, a));
    EXPECT_TRUE(s.keeps(a, b));
    EXPECT_EQ(s.keep(a), 1);
    EXPECT_FALSE(s.keeps(a, b)); // kept already
    model::Inputs other = a;
    other.cd = 0.2; // another ball, the same texts
    EXPECT_TRUE(s.keeps(other, a));
    for (int n = 2; n <= 6; ++n) {
        model::Inputs in;
        in.alphaDeg = 10 * n;
        EXPECT_EQ(s.keep(in), n);
    }
    ASSERT_EQ(s.kept().size(), 5u);
    EXPECT_EQ(s.kept().front().number, 2);
    s.dropKept(4);
    EXPECT_EQ(s.kept().size(), 4u);

    const session::ComparisonState before = s.comparison();
    s.clearComparison();
    EXPECT_TRUE(s.kept().empty());
    EXPECT_EQ(s.nextKeptNumber(), 1);
    s.setComparison(before);
    EXPECT_EQ(s.nextKeptNumber(), 7);
    s.setComparing(false);
    EXPECT_TRUE(s.kept().empty());
}

// New points, or none, drop the fit of the old ones; a fit alone is no change of the lesson.
// Another lesson replaces everything at once, its kept throws trimmed to five (and none when it
// does not compare); one with a refused input changes nothing.
TEST_F(Rules, MeasurementsAndOpeningALesson) {
    model::measure::Measurements m;
    m.points = {{0, 0, 0.5}, {0.1, 0.2, 0.6}};
    s.setMeasurements(m);
    s.markSaved();
    s.setFit(model::measure::FitResult{});
    EXPECT_TRUE(s.fit());
    EXPECT_FALSE(s.modified());
    s.setMeasurements(m);
    EXPECT_FALSE(s.fit());

    session::Lesson lesson;
    lesson.inputs = session::fieldTexts(model::Inputs{});
    lesson.inputs[std::size_t(Field::alphaDeg)] = "45";
    lesson.comparing = true;
    for (int n = 1; n <= 7; ++n)
        lesson.kept.push_back({n * 2, session::fieldTexts(model::Inputs{})});
    told.clear();
    EXPECT_EQ(s.open(lesson), "");
    EXPECT_EQ(told[Change::lesson], 1);
    EXPECT_EQ(s.fieldTexts()[std::size_t(Field::alphaDeg)], "45.00");
    EXPECT_FALSE(s.measurements());
    ASSERT_EQ(s.kept().size(), 5u);
    EXPECT_EQ(s.kept().front().number, 6);
    EXPECT_EQ(s.nextKeptNumber(), 15);
    lesson.comparing = false;
    s.open(lesson);
    EXPECT_TRUE(s.kept().empty());

    lesson.inputs[std::size_t(Field::v0)] = "-1";
    told.clear();
    EXPECT_EQ(s.open(lesson), "Vo = Это величина скорости! Vo>0");
    EXPECT_TRUE(told.empty());
    EXPECT_EQ(s.inputs().alphaDeg, 45);
}
