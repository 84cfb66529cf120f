#pragma once
// A private set of folders (program, desktop, game) under a fresh temporary folder, the
// headless message boxes and printers, and small file helpers for the utility's tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "foundation/folders.h"
#include "platform/headless/fake_folders.h"
#include "platform/headless/fake_printers.h"
#include "platform/headless/scripted_message_boxes.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;

class UtilityFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Root = FTemp.Path();
        fs::create_directories(Root / "program");
        fs::create_directories(Root / "desktop");
        fs::create_directories(Root / "data" / "Kettlebrook" / "Zorvik");
        // The game the launchers start; without it each new launcher brings a warning.
        Touch(Root / "program" / "zorvik", "#!/bin/sh\n");
        fs::permissions(Root / "program" / "zorvik", fs::perms::owner_all);
        Folders.Override = (Root / "program").string();
        Folders.Desktop = (Root / "desktop").string();
        Folders.CommonData = (Root / "data").string();
        Resolve();
    }
    void TearDown() override { ClearPaths(); }

    // Resolves the folder set again after a test changed the fake folders.
    void Resolve() {
        ClearPaths();
        EnsurePaths(true, std::string());
    }
    void WithoutDesktop() {
        Folders.Desktop.clear();
        Resolve();
    }

    fs::path Game() const { return Root / "data" / "Kettlebrook" / "Zorvik"; }
    fs::path Desktop() const { return Root / "desktop"; }
    fs::path Launcher(const std::string& name) const { return Desktop() / ("Zorvik for " + name + ".desktop"); }

    static void Touch(const fs::path& path, const std::string& text = "x") { std::ofstream(path) << text; }
    static std::string ReadText(const fs::path& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing_support::TempFolder FTemp;
    fs::path Root;
    platform::headless::FakeKnownFolders Folders;
    platform::headless::FakePrinters Printers{2};
    platform::headless::ScopedMessageBoxes Boxes;
};
