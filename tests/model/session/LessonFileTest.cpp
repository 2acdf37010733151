#include "model/session/LessonFile.h"

#include <gtest/gtest.h>

using model::Field;

// Everything a lesson keeps reads back as it was written, the recovery copy with the file it
// stands for.
TEST(LessonFile, WrittenLessonReadsBackWhole) {
    session::Lesson lesson;
    model::Inputs in;
    in.d = 0.05;
    lesson.inputs = session::fieldTexts(in);
    lesson.cd = 0.47;
    lesson.scaleX = 150;
    lesson.scaleY = 0;
    lesson.graph = 2;
    lesson.comparing = true;
    lesson.kept = {{3, session::fieldTexts(model::Inputs{}), 0.5}};
    lesson.measurements = model::measure::Measurements{
        {{0, 0, 0.5}, {0.1, 0.25, 0.6}},
        {2, 0, 1, model::measure::LengthUnit::cm, model::measure::TimeUnit::ms, true},
        4,
        "таблица.csv"};
    session::StudySettings study;
    study.inputs = lesson.inputs;
    study.field = Field::eta;
    study.from = "0,001";
    study.to = "1";
    study.count = 7;
    study.family = model::ResultFamily::endVy;
    study.following = false;
    lesson.studies = {study};

    const session::LessonRead read = session::readLessonJson(session::lessonJson(lesson));
    ASSERT_TRUE(read.lesson) << read.problem;
    EXPECT_TRUE(*read.lesson == lesson);
    const session::LessonRead copy =
        session::readLessonJson(session::recoveryJson(lesson, "/home/урок.ballflight"));
    ASSERT_TRUE(copy.lesson);
    EXPECT_EQ(copy.recoveryOf, "/home/урок.ballflight");

    // A vertical motion keeps its kind and its column's way; a path without times its kind.
    for (const auto motion : {model::measure::Motion::vertical, model::measure::Motion::path}) {
        lesson.measurements->settings.motion = motion;
        lesson.measurements->settings.axisDown = motion == model::measure::Motion::vertical;
        const session::LessonRead again = session::readLessonJson(session::lessonJson(lesson));
        ASSERT_TRUE(again.lesson) << again.problem;
        EXPECT_TRUE(*again.lesson == lesson);
    }
}

// A file of the earlier writer (numbers as it wrote them, no drag coefficient, no scale bars)
// opens with the start's values where it says nothing; unknown fields are passed over; inputs
// are settled as pastes would be.
TEST(LessonFile, EarlierFilesOpen) {
    const char* earlier = R"({
    "comparing": true,
    "format": 1,
    "graph": "vx",
    "inputs": {"angle": "45", "d": 0.05, "eta": "0.0010060"},
    "kept": [{"inputs": {"v0": "4.000"}, "number": 2}],
    "measurements": {"columns": [0, 1, 2], "groundAtLowest": false, "length": "m",
                     "points": [[0, 0, 0.5], [0.1, 0.25, 0.6]], "skipped": 0,
                     "source": "a.csv", "time": "s"},
    "pointer": {"x": 1},
    "program": "ballflight",
    "studies": [{"count": 180, "following": true, "from": "0", "result": "Xmax2",
                 "to": "89.5", "vary": "angle"}]
})";
    const session::LessonRead read = session::readLessonJson(earlier);
    ASSERT_TRUE(read.lesson) << read.problem;
    const session::Lesson& l = *read.lesson;
    EXPECT_EQ(l.inputs[std::size_t(Field::d)], "0.050000000000000003"); // the number as a text
    EXPECT_EQ(session::settleFieldTexts(l.inputs).texts[std::size_t(Field::alphaDeg)], "45.00");
    EXPECT_EQ(l.cd, 0.5);
    EXPECT_EQ(l.scaleX, 100);
    EXPECT_EQ(l.graph, 1);
    ASSERT_EQ(l.kept.size(), 1u);
    EXPECT_EQ(l.kept[0].inputs[std::size_t(Field::alphaDeg)], "45"); // the lesson's own
    ASSERT_EQ(l.studies.size(), 1u);
    EXPECT_EQ(l.studies[0].family, model::ResultFamily::range);
}

// A file that cannot be a lesson is named with its reason; nothing is read from it.
TEST(LessonFile, BadFilesSayWhy) {
    const std::pair<std::string, const char*> cases[] = {
        {"[1, 2]", "не JSON-объект"},
        {R"({"inputs": {}})", "нет номера формата"},
        {R"({"format": 1.5})", "нет номера формата"},
        {R"({"format": 3})", "формат 3 новее"},
        {R"({"format": 1, "inputs": []})", "не объектом"},
        {R"({"format": 1, "inputs": {"h0": true}})", "«h0» — не число"},
        {R"({"format": 1, "inputs": {"h0": "0"}})", "h = Уже упало!!!"},
        {R"({"format": 1, "cd": 0})", "«cd» вне допустимых пределов"},
        {R"({"format": 1, "scaleBars": {"x": 201}})", "«scaleBars» вне допустимых пределов"},
        {R"({"format": 1, "graph": "vz"})", "неизвестное значение поля «graph»"},
        {R"({"format": 1, "kept": [{"number": 1, "inputs": {"rho": "900"}}]})",
         "сохранённый бросок 1: ρ = Всплывание не моделируется!"},
        {R"({"format": 1, "measurements": {"points": [[0, 0, 0]]}})", "от 2 до 100000"},
        {R"({"format": 1, "measurements": {"points": [[0, 0], [1, 1, 1]]}})", "не три числа"},
        {R"({"format": 1, "studies": [{"vary": "spin"}]})", "величина «spin»"},
        {R"({"format": 1, "studies": [{"result": "Xmax9"}]})", "результат «Xmax9»"},
        {std::string(session::largestLessonFile + 1, ' '), "больше 10 МБ"},
    };
    for (const auto& [bytes, reason] : cases) {
        const session::LessonRead read = session::readLessonJson(bytes);
        EXPECT_FALSE(read.lesson) << bytes.substr(0, 80);
        EXPECT_NE(read.problem.find(reason), std::string::npos)
            << bytes.substr(0, 80) << ": " << read.problem;
    }
}
