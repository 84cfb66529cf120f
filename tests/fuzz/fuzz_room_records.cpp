// Any bytes read as a room's stored records: a hit-box list, then a frame-set list, then
// the frame states of those frame sets. Each read either succeeds or throws VekException;
// it never crashes, hangs or reads out of bounds. Lists that were read write themselves
// back and read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "rooms/game_classes.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "shell/hit_box.h"
#include "shell/room.h"

namespace {

template <class List>
void ExpectStableRoundTrip(List& list) {
    TMemoryStream first;
    list.SaveToStream(first);
    first.Seek(0);
    List again;
    again.LoadFromStream(first);
    TMemoryStream second;
    again.SaveToStream(second);
    if (first.Bytes() != second.Bytes()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool registered = [] {
        RegisterGameClasses();
        return true;
    }();
    (void)registered;

    TMemoryStream input(data, size);
    TRoom room("fuzz");
    try {
        room.HitBoxes().LoadFromStream(input);
        ExpectStableRoundTrip(room.HitBoxes());
        for (auto* box : NodesOf<THitBox>(room.HitBoxes())) {
            box->HitTest(0, 0);
            box->GetCursor(0, 0);
        }
        TFrameSetList frameSets;
        frameSets.LoadFromStream(input);
        ExpectStableRoundTrip(frameSets);
        while (TVekNode* node = frameSets.First()) {
            std::unique_ptr<TVekNode> owned = frameSets.Remove(node);
            room.AddFrameSet(std::unique_ptr<TFrameSet>(static_cast<TFrameSet*>(owned.release())));
        }
        room.LoadFrameStates(input);
    } catch (const VekException&) {
    }
    return 0;
}
