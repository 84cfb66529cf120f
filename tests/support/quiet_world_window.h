#pragma once
// A main window that shows nothing and answers nothing: for tests and fuzz targets that drive
// a world without a window.
#include "shell/world_window.h"

class TQuietWindow final : public TWorldWindow {
public:
    void SetHomeIndex(std::uint8_t) override {}
    void SetNavButtonState(int, TNavState) override {}
    void SetNavGreyed(bool) override {}
    void SetActionCommand(int, TActionCommand) override {}
    void SetActionState(int, TActionState) override {}
    void SetTutorChecked(bool) override {}
    void SetCaption(const std::u16string&) override {}
    void SetBusyCursor(bool) override {}
    TKeyState ReadKeys() const override { return {}; }
    std::optional<TPoint> MousePosition() const override { return std::nullopt; }
    void RefreshMousePosition() override {}
    void ProcessPendingMessages() override {}
    void PlayMusic(std::int32_t) override {}
    void StopMusic() override {}
};
