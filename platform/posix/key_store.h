#pragma once
// The key store on Linux: a small read-only text file "zorvik/keys.ini" in the XDG config
// folders ($XDG_CONFIG_HOME, then each of $XDG_CONFIG_DIRS; the first file found counts).
// An installation that needs no values needs no file. The format:
//
//   # comment
//   [Software\Vek! Software\Zorvik]
//   Directory=/opt/zorvik
//
// Keys and value names are matched without regard to letter case; blanks around them and
// around values are ignored.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/key_store.h"

namespace platform::posix {

using KeyValues = std::map<std::pair<std::string, std::string>, std::string>;

// Reads the text of a key-store file; lines it does not understand are skipped. The map's
// keys are lower-cased.
KeyValues ParseKeyStoreText(std::string_view text);

class PosixKeyStore : public KeyStore {
public:
    std::optional<std::string> ReadText(std::string_view key, std::string_view name) const override;

private:
    mutable std::optional<KeyValues> FValues;  // read on first use
};

}  // namespace platform::posix
