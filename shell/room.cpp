#include "room.h"

#include <cctype>
#include <optional>

#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"
#include "qe_exception.h"
#include "game_context.h"
#include "room_world.h"
#include "room_words.h"
#include "script_message.h"
#include "view_size.h"

TRoom::TRoom(std::string_view name) : TIDNode(name), Width(static_cast<std::uint16_t>(kNormalViewWidth)) {}

TRoom::~TRoom() { ReleaseRoomGraphics(); }

TRoomWorld& TRoom::World() const {
    if (FWorld == nullptr) RaiseGameError(GameStringNilPointer);
    return *FWorld;
}

TGameContext& TRoom::Context() const { return World().Context(); }
const TGameServices& TRoom::GameServices() const { return Context().Services(); }

void TRoom::PlaySound(std::int32_t soundId) const {
    if (FWorld != nullptr) FWorld->Context().PlaySound(soundId);
}
void TRoom::PlaySoundIfIdle(std::int32_t soundId) const {
    if (FWorld != nullptr) FWorld->Context().PlaySoundIfIdle(soundId);
}
void TRoom::PlaySoundEx(std::int32_t soundId, std::uint8_t loadFlags, std::uint32_t mode, bool loop) const {
    if (FWorld != nullptr) FWorld->Context().PlaySoundEx(soundId, loadFlags, mode, loop);
}
void TRoom::StopCurrentSound() const {
    if (FWorld != nullptr) FWorld->Context().StopCurrentSound();
}
void TRoom::StopLoopedSounds() const {
    if (FWorld != nullptr) FWorld->Context().StopLoopedSounds();
}
void TRoom::UnloadAllSounds() const {
    if (FWorld != nullptr) FWorld->Context().UnloadAllSounds();
}
bool TRoom::LoopingSoundPlaying() const { return FWorld != nullptr && FWorld->Context().LoopingSoundPlaying(); }

std::int32_t TRoom::ViewWidth() const { return FWorld != nullptr ? FWorld->Context().ViewWidth() : kNormalViewWidth; }
std::int32_t TRoom::ViewHeight() const {
    return FWorld != nullptr ? FWorld->Context().ViewHeight() : kNormalViewHeight;
}
std::int32_t TRoom::Random(std::int32_t range) const { return Context().Random(range); }

void TRoom::ReadData(TStream&) {}
void TRoom::WriteData(TStream&) {}

void TRoom::Enter(const std::string&) {
    FOnScreen = true;
    AnchorNumberedBoxes();
}

void TRoom::Leave() {
    FOnScreen = false;
    if (FWorld != nullptr) FWorld->SetDefaultCursor(0);
    // A room left during the camera flash must not come back white: the flash's end timer
    // is dropped with the other timers when the room changes.
    Flags &= static_cast<std::uint16_t>(~(kRoomDrawn | kRoomBlanked));
    StopLoopedSounds();
    ReleaseGraphics(false);
}

void TRoom::RunScript(const std::string& script, const std::string& sender) {
    using namespace room_words;
    if (script == kEndOfSound) return;
    if (sender == kExit) {
        World().GoRoom(script);
        return;
    }
    if (sender == kDelayedExit) {
        World().GoRoom(DelayedExitRoom);
        return;
    }
    if (script == kFocus) {
        if (sender == kFocusLost) UnloadAllSounds();
        return;
    }
    if (sender == kSnapFlash) {
        Flags ^= kRoomBlanked;
        if (IsBlanked()) AddTimer(kSnapFlashTimer, kSnapFlashTicks);
        Draw(World().GetViewImage());
        return;
    }
    if (script == kNil) return;
    RaiseGameError(GameStringUnknownScript, {script, sender});
}

bool TRoom::ControlEvent(TControlBox&, TControlEventKind) { return false; }

std::u16string TRoom::GetCaption() const { return FCaption; }
std::string TRoom::GetBackgroundName() const { return FBackgroundName; }
std::u16string TRoom::GetInformOnEntry() const { return FInformOnEntry; }

void TRoom::SetBackgroundName(std::string_view name) { FBackgroundName = std::string(name.substr(0, 8)); }

std::int16_t TRoom::GetBoxCursor(const std::string&, std::int32_t, std::int32_t) { return 0; }

void TRoom::ScrollTo(std::int32_t x) {
    if (x < 0) x = 0;
    if (Width < x + ViewWidth()) x = Width - ViewWidth();
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) frameSet->X += ScrollOffset - x;
    ScrollOffset = x;
    AnchorNumberedBoxes();
}

// Boxes named "#" and a number are fixed to a spot of the background (the number is its x
// there) and follow it when the room scrolls; all other boxes stay fixed to the view. Three
// digits after the "#" anchor the box whatever follows them, so a room can give several boxes
// at one spot names of their own ("#604GO", "#604STOP"); one or two digits anchor only when
// nothing follows.
std::optional<std::int32_t> NumberedBoxSpot(std::string_view name) {
    if (name.size() < 2 || name[0] != '#') return std::nullopt;
    const auto isDigit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    std::size_t digits = 0;
    while (digits < 3 && 1 + digits < name.size() && isDigit(name[1 + digits])) ++digits;
    if (digits == 0) return std::nullopt;
    if (digits < 3 && 1 + digits != name.size()) return std::nullopt;
    std::int32_t spot = 0;
    for (std::size_t i = 1; i <= digits; ++i) spot = spot * 10 + (name[i] - '0');
    return spot;
}

void TRoom::AnchorNumberedBoxes() {
    for (auto* box : NodesOf<THitBox>(FHitBoxes)) {
        const std::optional<std::int32_t> spot = NumberedBoxSpot(box->GetID());
        if (!spot) continue;
        const std::int32_t width = box->Rect.Right - box->Rect.Left;
        box->Rect.Left = *spot - ScrollOffset;
        box->Rect.Right = box->Rect.Left + width;
    }
}

// --- Timers ---

TTimerScriptInfo* TRoom::AddTimer(std::uint8_t code, std::int32_t delay) {
    auto timer = std::make_unique<TTimerScriptInfo>(code, World().GetTickTotal() + delay, ++FTimerSerial);
    return FTimers.Append(std::move(timer));
}

TTimerScriptInfo* TRoom::FindTimer(std::uint8_t code) const {
    for (auto* timer : NodesOf<TTimerScriptInfo>(FTimers))
        if (timer->Code == code) return timer;
    return nullptr;
}

void TRoom::RemoveTimer(std::uint8_t code) {
    if (TTimerScriptInfo* timer = FindTimer(code)) FTimers.Remove(timer);
}

void TRoom::ClearTimers() { FTimers.Clear(); }

// Compares only addresses of nodes that are in the list, never reads the one that may be gone.
bool TRoom::StillPending(const TTimerScriptInfo* timer, std::uint64_t serial) const {
    for (auto* pending : NodesOf<TTimerScriptInfo>(FTimers))
        if (pending == timer) return pending->Serial == serial;
    return false;
}

// A fired event may add, remove or clear timers, or change the room. The walk goes on with
// the noted successor only while it is still in the list; otherwise the remaining timers
// wait for the next tick. The successor is known by its serial as well as its address: a
// timer the event made may lie where the removed successor lay. While the view is blanked by the camera flash only the flash's
// own end fires; the others stay pending and fire after it.
void TRoom::ProcessTimers(std::int32_t now) {
    TVekNode* node = FTimers.First();
    while (node != nullptr) {
        auto* successor = static_cast<TTimerScriptInfo*>(node->Next);
        const std::uint64_t successorSerial = successor != nullptr ? successor->Serial : 0;
        auto* timer = static_cast<TTimerScriptInfo*>(node);
        if (now >= timer->DueTick && (!IsBlanked() || timer->Code == kSnapFlashTimer)) {
            const std::uint8_t code = timer->Code;
            FTimers.Remove(timer);
            FireTimerEvent(*this, code);
        }
        if (successor == nullptr || !StillPending(successor, successorSerial)) break;
        node = successor;
    }
}

// --- Boxes and frame sets ---

TFrameSet* TRoom::AddFrameSet(std::unique_ptr<TFrameSet> frameSet) {
    frameSet->X -= ScrollOffset;
    return FFrameSets.Append(std::move(frameSet));
}

THitBox* TRoom::FindHitBox(std::string_view name) const { return FHitBoxes.FindBox(name); }

// --- Saved game ---

bool TRoom::ReadSavedRecord(TStream& s, std::uint16_t fileVersion) {
    if (fileVersion < FirstSaveVersion) return false;
    ReadData(s);
    return true;
}

void TRoom::SaveFrameStates(TStream& s) const {
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets))
        WriteWord(s, static_cast<std::uint16_t>(frameSet->CurrentFrame));
}

void TRoom::LoadFrameStates(TStream& s) {
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) {
        const std::uint16_t frame = ReadU16(s);
        if (frame >= frameSet->GetFrameCount()) throw VekException("Saved game is corrupt.");
        frameSet->CurrentFrame = static_cast<std::int16_t>(frame);
    }
}

// --- Drawing ---

void TRoom::DrawOverlays(TAC8ImageData* view) { DrawFrameSets(view); }

void TRoom::DrawFrameSets(TAC8ImageData* view) {
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) frameSet->Draw(view);
}

void TRoom::ReleaseGraphics(bool) {
    FreeSaveUnder();
    for (auto* frameSet : NodesOf<TFrameSet>(FFrameSets)) frameSet->ReleaseImage();
    SetBackground(nullptr);
}

TImageNode* TRoom::GetBackground() const { return FBackground.Node(); }
