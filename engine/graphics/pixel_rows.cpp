#include "engine/graphics/pixel_rows.h"

namespace pixel_rows {

namespace {
using Bytes32 = std::uint8_t __attribute__((vector_size(32)));
}

__attribute__((target_clones("avx2", "default"))) void CopyKeyed(std::uint8_t* dst, const std::uint8_t* src,
                                                                  std::size_t n, std::uint8_t key) {
    std::size_t i = 0;
    const Bytes32 keys = Bytes32{} + key;
    for (; i + 64 <= n; i += 64) {
        Bytes32 s0, s1, d0, d1;
        std::memcpy(&s0, src + i, 32);
        std::memcpy(&s1, src + i + 32, 32);
        std::memcpy(&d0, dst + i, 32);
        std::memcpy(&d1, dst + i + 32, 32);
        const auto keep0 = reinterpret_cast<Bytes32>(s0 == keys);
        const auto keep1 = reinterpret_cast<Bytes32>(s1 == keys);
        const Bytes32 r0 = (s0 & ~keep0) | (d0 & keep0);
        const Bytes32 r1 = (s1 & ~keep1) | (d1 & keep1);
        std::memcpy(dst + i, &r0, 32);
        std::memcpy(dst + i + 32, &r1, 32);
    }
    for (; i + 32 <= n; i += 32) {
        Bytes32 s, d;
        std::memcpy(&s, src + i, 32);
        std::memcpy(&d, dst + i, 32);
        const auto keep = reinterpret_cast<Bytes32>(s == keys);  // 0xFF where transparent
        const Bytes32 r = (s & ~keep) | (d & keep);
        std::memcpy(dst + i, &r, 32);
    }
    for (; i < n; ++i)
        if (src[i] != key) dst[i] = src[i];
}

}  // namespace pixel_rows
