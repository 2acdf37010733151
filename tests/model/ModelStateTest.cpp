#include "model/ModelState.h"

#include <gtest/gtest.h>

TEST(ModelState, StartsAtZeroAndTakesTheDefaults) {
    model::ModelState s;
    EXPECT_EQ(s.in.h0, 0);
    EXPECT_EQ(s.in.rho, 0);
    EXPECT_EQ(s.Cd, 0);
    EXPECT_FALSE(s.zagruzka);

    s.setDefaults();
    EXPECT_EQ(s.in.h0, 0.5);
    EXPECT_EQ(s.in.v0, 3);
    EXPECT_EQ(s.in.alphaDeg, 30);
    EXPECT_EQ(s.in.d, 0.4);
    EXPECT_EQ(s.in.rho, 7800);
    EXPECT_EQ(s.in.rho0, 1000);
    EXPECT_EQ(s.in.eta, 0.001006);
    EXPECT_EQ(s.Cd, 0.5);
    EXPECT_EQ(s.nSteps, 1000);
    EXPECT_EQ(s.pauseEvery, 10);
    EXPECT_EQ(s.scaleX, 1);
    EXPECT_EQ(s.scaleY, 1.0f);
    EXPECT_EQ(s.scaleVx, 1);
    EXPECT_EQ(s.scaleT, 1);
    EXPECT_EQ(s.drawFlag, 0);
    EXPECT_FALSE(s.zagruzka); // set by the load handling, not by the defaults
}
