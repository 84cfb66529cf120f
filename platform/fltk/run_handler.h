#pragma once
// Runs an event handler of a window; an error it raises is shown in a message box under
// the utility's title and the window goes on, as a framework's default handler would.
#include <exception>

#include "configutil/utility_texts.h"
#include "foundation/messages.h"
#include "foundation/text.h"

namespace platform::fltk {

template <typename Handler> void RunHandler(Handler handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowInfo(configutil::kApplicationTitle, Utf8ToUtf16(error.what()));
    }
}

}  // namespace platform::fltk
