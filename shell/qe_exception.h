#pragma once
// The game shell's own errors. The world catches every VekException at its entry points and
// shows it, so a QEException ends a script or a click, never the program.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "foundation/vek_exception.h"

class QEException : public VekException {
public:
    explicit QEException(const std::string& message) : VekException(message) {}
};

// The game string `id`, with each "%s" replaced in turn by the next argument (missing
// arguments leave nothing in place of their "%s").
std::string FormatGameMessage(std::uint16_t id, std::initializer_list<std::string_view> args = {});

// Throws QEException carrying the formatted game string.
[[noreturn]] void RaiseGameError(std::uint16_t id, std::initializer_list<std::string_view> args = {});

// Game string ids the room framework raises.
inline constexpr std::uint16_t kInvalidImageDataString = 1345;
inline constexpr std::uint16_t kUnknownScriptString = 1346;
inline constexpr std::uint16_t kQuitQuestionString = 1348;
inline constexpr std::uint16_t kNilPointerString = 1350;
