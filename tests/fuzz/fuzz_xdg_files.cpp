// Any bytes read as the key-store file or as user-dirs.dirs: the readers skip what they do
// not understand and never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/posix/key_store.h"
#include "platform/posix/xdg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)platform::posix::ParseKeyStoreText(text);
    (void)platform::posix::UserDirFromText(text, "XDG_DESKTOP_DIR", "/home/kid");
    return 0;
}
