#include "tests/model/ThrowTestSupport.h"

using namespace testing_model;

TEST(Rounding, WholeNumbersAndGridSteps) {
    // Rounding up corrects the nearest even (0.5 → 0 → 1); 1.5 − 9.814·0.5068 is a default Vy.
    const std::pair<double, double> ups[] = {{1.3, 2}, {2.5, 3}, {2.0, 2}, {-3.7, -3}, {0.5, 1}};
    for (const auto& [x, whole] : ups)
        EXPECT_EQ(model::roundUp(x), whole) << x;
    const std::pair<double, double> downs[] = {
        {-3.47, -4}, {-3.0, -3}, {1.5, 1}, {-2.5, -3}, {1.5 - 9.814 * 0.5068, -4}};
    for (const auto& [x, whole] : downs)
        EXPECT_EQ(model::roundDown(x), whole) << x;

    const std::pair<double, double> steps[] = {{1, 0.25}, {2, 0.25}, {2.5, 0.25}, {3, 0.5},
                                               {5, 0.5},  {6, 1},    {14, 1},     {15, 2},
                                               {25, 2},   {35, 4},   {36, 4}};
    for (const auto& [span, step] : steps)
        EXPECT_EQ(model::gridStep(span), step) << span;
}
