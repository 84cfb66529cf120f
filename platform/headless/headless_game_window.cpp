#include "platform/headless/headless_game_window.h"

namespace platform::headless {

HeadlessGameWindow::HeadlessGameWindow(std::int32_t width, std::int32_t height) : FHost(width, height) {}

void HeadlessGameWindow::BringToFront() {
    ++FRaiseCount;
    SetActive(true);
}

void HeadlessGameWindow::EndSession() {
    if (FClosed) return;
    if (OnEndSession) OnEndSession();
    FClosed = true;
    FTimerEnabled = false;
}

void HeadlessGameWindow::RequestClose() {
    if (FClosed) return;
    if (OnCloseQuery && !OnCloseQuery()) return;
    FClosed = true;
    FTimerEnabled = false;
}

bool HeadlessGameWindow::PointerPosition(std::int32_t& x, std::int32_t& y) const {
    x = FPointerX;
    y = FPointerY;
    return true;
}

void HeadlessGameWindow::RefreshPointer() {
    if (!FPointerInside) return;
    ++FPointerRefreshes;
    FHost.MouseMove(FPointerX, FPointerY);
}

void HeadlessGameWindow::DefineCursor(std::int16_t number, const CursorPicture& picture) {
    if (number > 0) FCursors[number] = picture;
}

const CursorPicture* HeadlessGameWindow::CursorOf(std::int16_t number) const {
    const auto it = FCursors.find(number);
    return it == FCursors.end() ? nullptr : &it->second;
}

std::int16_t HeadlessGameWindow::ShownCursor() const {
    if (FScreenCursor != kNoScreenCursor) return FScreenCursor;
    return FHost.CursorAt(FPointerX, FPointerY);
}

void HeadlessGameWindow::SetTimer(std::int32_t intervalMs, bool enabled) {
    FTimerInterval = intervalMs;
    FTimerEnabled = enabled && intervalMs > 0 && !FClosed;
}

void HeadlessGameWindow::ProcessPendingMessages() {
    ++FPendingRuns;
    if (FQueue != nullptr) Dispatch([this] { FQueue->Drain(); });
    FHost.PaintInvalid();
}

void HeadlessGameWindow::SetActive(bool active) {
    if (active == FActive) return;
    FActive = active;
    if (active && OnActivate) OnActivate();
}

void HeadlessGameWindow::Resize(std::int32_t width, std::int32_t height) {
    FHost.Resize(width, height);
    if (OnResize) OnResize();
}

bool HeadlessGameWindow::FireTimer() {
    if (!FTimerEnabled || !OnTimer) return false;
    Dispatch(OnTimer);
    return true;
}

void HeadlessGameWindow::RunOnce() {
    if (FQueue != nullptr) Dispatch([this] { FQueue->Drain(); });
    if (OnIdle) Dispatch(OnIdle);
    FHost.PaintInvalid();
}

void HeadlessGameWindow::MouseDown(std::int32_t x, std::int32_t y, MouseButton button) {
    FPointerX = x;
    FPointerY = y;
    FPointerInside = true;
    Dispatch([&] { FHost.MouseDown(button, x, y); });
}

void HeadlessGameWindow::MouseMove(std::int32_t x, std::int32_t y) {
    FPointerX = x;
    FPointerY = y;
    FPointerInside = true;
    Dispatch([&] { FHost.MouseMove(x, y); });
}

void HeadlessGameWindow::MouseUp(std::int32_t x, std::int32_t y, MouseButton button) {
    FPointerX = x;
    FPointerY = y;
    FPointerInside = true;
    Dispatch([&] { FHost.MouseUp(button, x, y); });
}

void HeadlessGameWindow::Click(std::int32_t x, std::int32_t y) {
    MouseDown(x, y);
    MouseUp(x, y);
}

}  // namespace platform::headless
