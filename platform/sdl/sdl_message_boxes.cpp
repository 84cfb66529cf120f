#include "platform/sdl/sdl_message_boxes.h"

#include <cstdio>
#include <string>
#include <vector>

#include "platform/sdl/sdl_game_window.h"
#include "platform/sdl/sdl_text.h"

namespace platform {

namespace {

// What the box would have said, for whoever reads the terminal or the session's log.
MessageAnswer WriteToStandardError(const std::u16string& caption, const std::u16string& text) {
    std::fprintf(stderr, "%s: %s\n", SdlUtf8(caption).c_str(), SdlUtf8(text).c_str());
    std::fflush(stderr);
    return MessageAnswer::Closed;
}

}  // namespace

bool SdlMessageBoxes::Unattended() const {
    return FNoDisplay || (FParent != nullptr && FParent->SessionEnding());
}

MessageAnswer SdlMessageBoxes::Show(const std::u16string& caption, const std::u16string& text,
                                    MessageButtons buttons, MessageIcon icon) {
    if (Unattended()) return WriteToStandardError(caption, text);
    if (FParent != nullptr)
        if (const auto answer = FParent->ShowBox(caption, text, buttons, icon)) return *answer;
    // Enter answers the first button and Escape the last, as the game's boxes expect.
    std::vector<SDL_MessageBoxButtonData> list;
    switch (buttons) {
    case MessageButtons::Ok:
        list.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT,
                        int(MessageAnswer::Ok), "OK"});
        break;
    case MessageButtons::YesNo:
        list.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(MessageAnswer::Yes), "Yes"});
        list.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(MessageAnswer::No), "No"});
        break;
    case MessageButtons::YesNoCancel:
        list.push_back({SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, int(MessageAnswer::Yes), "Yes"});
        list.push_back({0, int(MessageAnswer::No), "No"});
        list.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, int(MessageAnswer::Cancel), "Cancel"});
        break;
    }
    Uint32 flags = 0;
    if (icon == MessageIcon::Error) flags = SDL_MESSAGEBOX_ERROR;
    else if (icon == MessageIcon::Warning) flags = SDL_MESSAGEBOX_WARNING;
    else if (icon != MessageIcon::None) flags = SDL_MESSAGEBOX_INFORMATION;

    const std::string title = SdlUtf8(caption);
    const std::string message = SdlUtf8(text);
    SDL_MessageBoxData data{};
    data.flags = flags;
    data.window = FParent != nullptr ? FParent->Handle() : nullptr;
    data.title = title.c_str();
    data.message = message.c_str();
    data.numbuttons = static_cast<int>(list.size());
    data.buttons = list.data();
    int answer = -1;
    if (FRefresh) FRefresh();
    const int shown = SDL_ShowMessageBox(&data, &answer);
    if (FRefresh) FRefresh();
    // No box could be shown at all: the words must still reach someone.
    if (shown != 0) return WriteToStandardError(caption, text);
    if (answer < 0) return MessageAnswer::Closed;
    return static_cast<MessageAnswer>(answer);
}

}  // namespace platform
