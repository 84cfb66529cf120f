#pragma once
// The message boxes the game shows while its window runs. A box takes the activation, as a
// window of its own would: while one is open the game counts as inactive, so the room hears
// the focus go and come back, and the time the box stood open is dropped instead of being
// handed out in one burst of ticks afterwards.
#include <functional>
#include <string>

#include "platform/message_boxes.h"

class TBoxesOverWindow final : public platform::MessageBoxes {
public:
    // Stands in for the installed boxes, which still show every box, until its end.
    // `onOpen` hears true when the first box opens and false when the last one has closed.
    explicit TBoxesOverWindow(std::function<void(bool open)> onOpen);
    ~TBoxesOverWindow() override;
    TBoxesOverWindow(const TBoxesOverWindow&) = delete;
    TBoxesOverWindow& operator=(const TBoxesOverWindow&) = delete;

    platform::MessageAnswer Show(const std::u16string& caption, const std::u16string& text,
                                 platform::MessageButtons buttons, platform::MessageIcon icon) override;
    bool AnyOpen() const { return FOpen > 0; }

private:
    void Closed();

    platform::MessageBoxes* FShows;
    std::function<void(bool)> FOnOpen;
    int FOpen = 0;
};
