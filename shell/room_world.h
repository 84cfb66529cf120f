#pragma once
// What a room, its hit boxes and its timers need of the world that holds them. The game's
// world implements it; tests use a small world of their own. Keeping it this narrow lets the
// room framework be built and tested before the world exists, and keeps rooms from reaching
// into the world's other business.
#include <cstdint>
#include <string_view>

class TAC8ImageData;
class TAC8Library;
class TRoom;

// World flag read by the end-of-song handling: a song started by the living room plays.
inline constexpr std::uint16_t kWorldLivingMusic = 0x0200;

class TRoomWorld {
public:
    virtual ~TRoomWorld() = default;

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
    // Asks the main window to close at its next tick without asking.
    virtual void SetQuit() = 0;

    // Sets the action buttons again for the room now current (after a room changed what it
    // offers, or left).
    virtual void RefreshActionButtons() = 0;
    // The hourglass while a room works on something the child waits for.
    virtual void ShowBusyCursor(bool busy) = 0;
};
