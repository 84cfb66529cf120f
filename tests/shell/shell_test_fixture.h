#pragma once
// Shared set-up of the room framework's tests: every class of the game registered and the view at
// its normal size.
#include <gtest/gtest.h>

#include "rooms/game_classes.h"
#include "shell/view_size.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterGameClasses();
        SetViewSize(kNormalViewWidth, kNormalViewHeight);
    }
};
