#include "model/Translation.h"
#include "model/InputFields.h"
#include "model/curves/Legend.h"
#include "model/measure/TableImport.h"
#include "model/study/StudyMarks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace model;

namespace {

// A stand-in for Qt's translation files: a few texts in English, the rest left as written.
std::string fakeEnglish(const char* russian, const char* disambiguation) {
    if (disambiguation && std::string(disambiguation) == "η ≤ 0")
        return "An inviscid fluid is no vacuum.";
    static const std::map<std::string, std::string> english{
        {" c", " s"},
        {" м", " m"},
        {"град", "deg"},
        {"Хp2= ", "Xp2= "},
        {"Уже упало!!!", "The ball is on the ground already."},
        {"Для вакуума всё и так известно!", "That is a vacuum."},
        {"Ошибка", "Error"},
        {"допустимо ρ > ρo = %1 кг/м3", "allowed: ρ > ρo = %1 kg/m3"},
        {"Па·с", "Pa·s"},
        {"Файла «%1» нет.", "There is no file “%1”."},
        {"наибольшая дальность", "greatest range"},
        {"__ в среде (Fc~v^2)", "in medium (Fc~v^2)"}, // without the column's "__ "
    };
    const auto found = english.find(russian);
    return found == english.end() ? std::string(russian) : found->second;
}

} // namespace

// The model's composed texts pass through the installed translator, only their Russian parts;
// without one they are exactly the Russian texts again.
TEST(Translation, ComposedTextsComeInTheChosenLanguage) {
    setTranslator(fakeEnglish);
    EXPECT_EQ(labelText(Quantity::Tp, 0.15284), "Tp= 0.153 s");
    EXPECT_EQ(placeholderText(Quantity::Xp2), "Xp2= ");
    EXPECT_EQ(checkInput(Field::h0, 0, Inputs{}),
              (Rejection{"The ball is on the ground already.", "Error", 0.5}));
    // One Russian message, two meanings told apart in English.
    EXPECT_EQ(checkInput(Field::rho0, 0, Inputs{})->message, "That is a vacuum.");
    EXPECT_EQ(checkInput(Field::eta, 0, Inputs{})->message, "An inviscid fluid is no vacuum.");
    EXPECT_EQ(allowedRange(Field::rho, Inputs{}), "allowed: ρ > ρo = 1000.0 kg/m3");
    EXPECT_EQ(inputText(Field::eta, Inputs{}), "η = 0.0010060 Pa·s");
    EXPECT_EQ(measure::readTableFile("/nonexistent/%2.csv").error, "There is no file “%2.csv”.");
    const StudySpec plan{Field::alphaDeg, 10, 80, 8, Inputs{}};
    const std::atomic<bool> stop{false};
    const auto points = runStudy(plan, 1, stop).value();
    std::string mark;
    for (const StudyMark& m : studyMarks(plan, points, ResultFamily::range))
        if (m.quantity == Quantity::Xmax2 && m.extreme == Extreme::greatest)
            mark = m.text;
    EXPECT_EQ(mark.rfind("greatest range in medium (Fc~v^2): α = ", 0), 0u) << mark;
    EXPECT_NE(mark.find(" deg, Xmax2 = "), std::string::npos) << mark;

    setTranslator(nullptr);
    EXPECT_EQ(labelText(Quantity::Tp, 0.15284), "Tp= 0.153 c");
    EXPECT_EQ(placeholderText(Quantity::Xp2), "Хp2= ");
    EXPECT_EQ(allowedRange(Field::rho, Inputs{}), "допустимо ρ > ρo = 1000.0 кг/м3");
    EXPECT_EQ(checkInput(Field::eta, 0, Inputs{})->message, "Для вакуума всё и так известно!");
    EXPECT_EQ(measure::readTableFile("/nonexistent/a.csv").error, "Файла «a.csv» нет.");
}
