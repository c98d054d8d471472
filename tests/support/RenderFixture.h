#pragma once

#include <gtest/gtest.h>

#include "support/RenderGlobals.h"

// A test over the drawing globals as start-up sets them.
class RenderFixture : public ::testing::Test, protected RenderGlobals {
 protected:
  void SetUp() override { ASSERT_TRUE(renderer); }
};
