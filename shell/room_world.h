#pragma once
// What a room, its hit boxes and its timers need of the world that holds them. The game's
// world implements it; tests use a small world of their own. Keeping it this narrow lets the
// room framework be built and tested before the world exists, and keeps rooms from reaching
// into the world's other business.
#include <cstdint>
#include <string_view>

class TAC8ImageData;
class TAC8Library;
class TGameContext;
class TRoom;

// World flags rooms test (the world keeps them): the application was idle since the last
// tick; Shift and Ctrl were down at the last tick.
inline constexpr std::uint16_t kWorldIdle = 0x0010;
inline constexpr std::uint16_t kWorldShiftDown = 0x0020;
inline constexpr std::uint16_t kWorldCtrlDown = 0x0040;
// World flag a room owns: the living room sets it while its music plays, and the end-of-song
// handling reads it.
inline constexpr std::uint16_t kWorldLivingMusic = 0x0200;
// The flags rooms may set and clear; every other flag belongs to the world.
inline constexpr std::uint16_t kRoomOwnedWorldFlags = kWorldLivingMusic;

class TRoomWorld {
public:
    virtual ~TRoomWorld() = default;

    // The program-wide objects of the game the world belongs to.
    virtual TGameContext& Context() const = 0;

    // Ticks counted since start; room timers are due at a tick total.
    virtual std::int32_t GetTickTotal() const = 0;
    // The room shown, or nullptr before the first room.
    virtual TRoom* GetCurrentRoom() const = 0;
    // The room with this ID (looked up upper-cased), or nullptr.
    virtual TRoom* FindRoom(std::string_view name) const = 0;
    // The room change: leaves the current room and enters the named one.
    virtual void GoRoom(std::string_view name) = 0;
    // Back along the return stack; nothing when it is empty.
    virtual void GoBack() = 0;

    // The offscreen view picture every room draws into; nullptr while there is none.
    virtual TAC8ImageData* GetViewImage() const = 0;
    // The image library the view picture and the rooms' pictures come from.
    virtual TAC8Library* GetImageLibrary() const = 0;

    // Cursor shown where no hit box lies under the mouse.
    virtual std::int16_t GetDefaultCursor() const = 0;
    virtual void SetDefaultCursor(std::int16_t cursor) = 0;

    // Songs: start one (18 any carol) and schedule its end; stop the song player.
    virtual void PlayMusic(std::int32_t song) = 0;
    virtual void StopMusic() = 0;
    // Lets pending window messages (and the platform's queued events) run.
    virtual void ProcessPendingMessages() = 0;

    // The world's flag set (kWorldLivingMusic and the others of the world).
    virtual std::uint16_t GetFlags() const = 0;
    // Sets or clears the flags of mask that rooms own (kRoomOwnedWorldFlags); other bits
    // of mask are left as they are.
    virtual void SetRoomFlags(std::uint16_t mask, bool on) = 0;
    // Asks the main window to close at its next tick without asking.
    virtual void SetQuit() = 0;

    // The main window's action and navigation buttons for the room, from its flags and
    // navigation mask as they stand now: a room that changes them in Enter or during a
    // visit calls these so the change shows at once.
    virtual void UpdateActionButtons(TRoom& room) = 0;
    virtual void UpdateNavButtons(TRoom& room) = 0;
    // The next tick puts the mouse back where it is, so the cursor follows what now lies
    // under it (after a room moved, enabled or disabled its boxes).
    virtual void RequestCursorRefresh() = 0;
    // The hourglass cursor while a piece of work runs; calls nest. Rooms use THourglass.
    virtual void BeginHourglass() = 0;
    virtual void EndHourglass() noexcept = 0;

    // The version of the saved game being read; rooms read it in ReadData where a field's
    // form changed between versions.
    virtual std::uint8_t GetFileVersion() const = 0;
};

// Shows the hourglass for its own lifetime, so the cursor comes back also when an
// exception leaves the work.
class THourglass {
public:
    explicit THourglass(TRoomWorld& world) : FWorld(world) { FWorld.BeginHourglass(); }
    ~THourglass() { FWorld.EndHourglass(); }
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    TRoomWorld& FWorld;
};
