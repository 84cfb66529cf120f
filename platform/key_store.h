#pragma once
// Read-only named values kept for the programs by the installation, in place of a registry:
// text values under a key path such as "Software\Vek! Software\Zorvik". The programs never
// write them.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class KeyStore {
public:
    virtual ~KeyStore() = default;
    // The value `name` under `key`, both compared without regard to letter case; none when
    // the key or the value is missing or cannot be read.
    virtual std::optional<std::string> ReadText(std::string_view key, std::string_view name) const = 0;
};

// The installed implementation; not owned. Without one, every value is missing.
void InstallKeyStore(KeyStore* store);
KeyStore* InstalledKeyStore();

}  // namespace platform
