// Any bytes read as a room's stored records: a hit-box list, then a frame-set list, then
// the frame states of those frame sets; and, from the start again, as the own record of a
// room of every registered kind. Each read either succeeds or throws VekException; it never
// crashes, hangs or reads out of bounds. What was read writes itself back and reads back to
// the same bytes, taking exactly the bytes it wrote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/stream.h"
#include "foundation/vek_exception.h"
#include "shell/hit_box.h"
#include "shell/room.h"
#include "tests/fuzz/every_room_kind.h"
#include "tests/support/quiet_world_window.h"
#include "tests/support/record_framing.h"

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

// Every kind reads the bytes as its own record; a record it takes must be framed.
void FuzzEveryRoomKind(const std::uint8_t* data, std::size_t size) {
    TQuietWindow window;
    TAC8Library library;
    TGameContext context{library};
    TConfig config;
    TWorld world(window, context, config);
    for (const TKindRoom& kind : AddRoomOfEveryKind(world)) {
        TMemoryStream input(data, size);
        try {
            kind.Room->ReadData(input);
        } catch (const VekException&) {
            continue;
        }
        TRoom* fresh = AddRoomOfKind(world, kind.KindWord, kind.Room->GetID() + "COPY");
        if (fresh == nullptr || !testing_support::CheckRoomRecordFraming(*kind.Room, *fresh).empty()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RegisterGameClassesOnce();
    FuzzEveryRoomKind(data, size);

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
        while (TFrameSet* frameSet = frameSets.First()) room.AddFrameSet(frameSets.Remove(frameSet));
        room.LoadFrameStates(input);
    } catch (const VekException&) {
    }
    return 0;
}
