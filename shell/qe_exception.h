#pragma once
// The game shell's own errors. The world catches every VekException at its entry points and
// shows it, so a QEException ends a script or a click, never the program.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "foundation/vek_exception.h"
#include "shell/strings/game_string.h"

class QEException : public VekException {
public:
    explicit QEException(const std::string& message) : VekException(message) {}
};

// Throws QEException carrying the game string `id`, each "%s" replaced in turn by the next
// argument (UTF-8 words: script words, senders, names).
[[noreturn]] void RaiseGameError(std::uint16_t id, std::initializer_list<std::string_view> args = {});
