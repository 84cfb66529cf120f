#pragma once
// Installs the game's string table for a test, so the framework's errors carry their texts.
#include <gtest/gtest.h>

#include "foundation/messages.h"
#include "foundation/node_factory.h"
#include "shell/shell_node_classes.h"
#include "shell/view_size.h"

inline std::u16string TestGameString(std::uint16_t id) {
    switch (id) {
        case 1345: return u"Display: invalid ImageData";
        case 1346: return u"Caught an attempt to run an unknown script called \"%s\" (sender = \"%s\")";
        case 1348: return u"Do you really want to quit the game?";
        case 1350: return u"NIL pointer detected";
        default: return {};
    }
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStringTable(&TestGameString);
        RegisterFoundationNodeClasses();
        RegisterShellNodeClasses();
        SetViewSize(kNormalViewWidth, kNormalViewHeight);
    }
    void TearDown() override { RegisterStringTable(nullptr); }
};
