#pragma once
// Shared set-up of the room framework's tests: every class of the game registered.
#include <gtest/gtest.h>

#include "rooms/game_classes.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterGameClasses();
    }
};
