#pragma once
// Headless folders and key store: plain values set by the test, installed while the object
// lives.
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "platform/headless/scoped_install.h"
#include "platform/key_store.h"
#include "platform/known_folders.h"

namespace platform::headless {

class FakeKnownFolders : public KnownFolders {
public:
    FakeKnownFolders() : FInstall(this) {}

    std::string ProgramFolderOverride() const override { return Override; }
    std::string RunningProgramFolder() const override { return Running; }
    std::string DesktopFolder() const override { return Desktop; }
    std::optional<std::string> CommonDataFolder() const override { return CommonData; }

    std::string Override;
    std::string Running;
    std::string Desktop;
    std::optional<std::string> CommonData;

private:
    ScopedInstall<KnownFolders, InstallKnownFolders, InstalledKnownFolders> FInstall;
};

class FakeKeyStore : public KeyStore {
public:
    FakeKeyStore() : FInstall(this) {}

    // Keys and names are matched exactly here; tests write them as the programs ask.
    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override {
        const auto it = Values.find({std::string(key), std::string(name)});
        if (it == Values.end()) return std::nullopt;
        return it->second;
    }
    void Set(const std::string& key, const std::string& name, const std::string& value) {
        Values[{key, name}] = value;
    }

    std::map<std::pair<std::string, std::string>, std::string> Values;

private:
    ScopedInstall<KeyStore, InstallKeyStore, InstalledKeyStore> FInstall;
};

}  // namespace platform::headless
