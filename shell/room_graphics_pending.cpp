// Interim bodies of the picture handling until the image library is merged.
#include "frame_set.h"
#include "pending_sound.h"
#include "qe_exception.h"
#include "room.h"

void StopLoopedSounds() {}
void UnloadAllSounds() {}
void PlaySound(int) {}
bool LoopingSoundPlaying() { return false; }

void TFrameSet::AttachLibrary(TAC8Library* library) { FLibrary = library; }
void TFrameSet::DetachLibrary() { FLibrary = nullptr; }
void TFrameSet::ReleaseImage() {}
void TFrameSet::DrawAt(TAC8ImageData*, TPoint) {}
TRect TFrameSet::GetBounds() const { return {}; }

void TRoom::Draw(TAC8ImageData* view) {
    if (view == nullptr) RaiseGameError(GameStringInvalidImageData);
    if (!IsBlanked()) {
        Flags |= kRoomDrawn;
        DrawOverlays(view);
    }
}
void TRoom::SetBackground(TImageNode* node) { FBackground = node; }
void TRoom::RedrawRect(TAC8ImageData* view, const TRect&) { Draw(view); }
void TRoom::RedrawOverlaysRect(TAC8ImageData* view, const TRect&) { DrawOverlays(view); }
void TRoom::SaveUnder(TAC8ImageData*, const TRect&) {}
void TRoom::RestoreUnder(TAC8ImageData*) {}
void TRoom::FreeSaveUnder() {}
void TRoom::ReleaseRoomGraphics() {}
void StopSongPlayer() {}
void PlayMusic(int) {}
void ProcessPendingMessages() {}
