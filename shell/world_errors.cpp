#include "world_errors.h"

#include "application_title.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "platform/message_boxes.h"

void ShowWorldMessage(const std::string& text) { ShowInfo(kApplicationTitle, Utf8ToUtf16(text)); }

bool AskQuitAfterError(const std::string& message) {
    platform::MessageBoxes* boxes = platform::InstalledMessageBoxes();
    if (boxes == nullptr) return false;
    const std::u16string text = u"Quit game?\r\n\r\n" + Utf8ToUtf16(message);
    return boxes->Show(kApplicationTitle, text, platform::MessageButtons::YesNo, platform::MessageIcon::Error) ==
           platform::MessageAnswer::Yes;
}
