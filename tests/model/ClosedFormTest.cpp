#include "model/ClosedForm.h"

#include <gtest/gtest.h>

TEST(ClosedForm, DefaultThrowLabels) {
    const auto r = model::parametr(model::Inputs{});
    ASSERT_EQ(r.labels.size(), 16u);
    EXPECT_EQ(r.labels[0].text, "a_max=  34.669 град");
    EXPECT_EQ(r.labels[1].text, "Tp= 0.153 c");
}
