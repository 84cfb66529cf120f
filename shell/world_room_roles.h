#pragma once
// Rooms the world treats specially but cannot name: their classes build on the shell. Each
// such room class implements one of these interfaces and the world asks for it by cast.
//
// The album room offers its own action buttons (hang, print, card) instead of snap and wrap.
class TAlbumActions {
public:
    virtual ~TAlbumActions() = default;
    // A picture may be hung in the living room now.
    virtual bool CanHang() const = 0;
    // A picture is shown that may be printed or made into a card.
    virtual bool HasCurrentPicture() const = 0;
    // The configuration's printer is one the system has.
    virtual bool HasPrinter() const = 0;
};

// What the tutor button does in a room: a text page leaves by it, the title screen shows
// it checked, and every other room hears "TUTOR".
enum class TTutorRole { Tutor, TextPage, FrontRoom };

class TTutorRoleRoom {
public:
    virtual ~TTutorRoleRoom() = default;
    // TextPage for a help text page (not the entry text room), FrontRoom for the title.
    virtual TTutorRole GetTutorRole() const = 0;
};
