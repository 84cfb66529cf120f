#include "shell/boxes_over_window.h"

TBoxesOverWindow::TBoxesOverWindow(std::function<void(bool open)> onOpen)
    : FShows(platform::InstalledMessageBoxes()), FOnOpen(std::move(onOpen)) {
    platform::InstallMessageBoxes(this);
}

TBoxesOverWindow::~TBoxesOverWindow() {
    // Boxes installed over this one since are theirs to take back.
    if (platform::InstalledMessageBoxes() == this) platform::InstallMessageBoxes(FShows);
}

platform::MessageAnswer TBoxesOverWindow::Show(const std::u16string& caption, const std::u16string& text,
                                               platform::MessageButtons buttons, platform::MessageIcon icon) {
    if (FShows == nullptr) return platform::MessageAnswer::Closed;
    platform::MessageAnswer answer = platform::MessageAnswer::Closed;
    try {
        if (++FOpen == 1 && FOnOpen) FOnOpen(true);
        answer = FShows->Show(caption, text, buttons, icon);
    } catch (...) {
        Closed();
        throw;
    }
    Closed();
    return answer;
}

void TBoxesOverWindow::Closed() {
    if (--FOpen == 0 && FOnOpen) FOnOpen(false);
}
