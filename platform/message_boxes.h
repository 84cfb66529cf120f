#pragma once
// Modal message boxes, in the game's terms. The programs install one implementation at
// start (SDL for the game, FLTK for the utility); tests install the headless recorder.
#include <string>

namespace platform {

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageAnswer { Ok, Yes, No, Cancel, Closed };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box and waits for the answer; closing the box answers Closed.
    virtual MessageAnswer Show(const std::u16string& caption, const std::u16string& text,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

// The installed implementation; not owned. Without one, every box answers Closed.
void InstallMessageBoxes(MessageBoxes* boxes);
MessageBoxes* InstalledMessageBoxes();

}  // namespace platform
