#pragma once
// Shared set-up of the room framework's tests: the node classes registered and the view at
// its normal size.
#include <gtest/gtest.h>

#include "foundation/node_factory.h"
#include "shell/shell_node_classes.h"
#include "shell/view_size.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterFoundationNodeClasses();
        RegisterShellNodeClasses();
        SetViewSize(kNormalViewWidth, kNormalViewHeight);
    }
};
