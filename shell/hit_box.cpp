#include "hit_box.h"

#include "foundation/node_factory.h"
#include "foundation/stream_values.h"
#include "foundation/text.h"
#include "typed_node_stream.h"
#include "room.h"
#include "room_world.h"
#include "script_message.h"
#include "game_context.h"

namespace {

// Texts of box records are ANSI strings; "/NIL" stands for an empty text.
std::string ReadBoxText(TStream& s) {
    std::string bytes;
    ReadAnsiString(s, bytes);
    if (bytes == "/NIL") return {};
    return AnsiToUtf8(bytes);
}

void WriteBoxText(TStream& s, const std::string& text) { WriteAnsiString(s, Utf8ToAnsi(text)); }

}  // namespace

// --- THitBox ---

THitBox::THitBox() { ClassId = kHitBoxClassId; }

THitBox::THitBox(std::string_view name, const TRect& rect) : TIDNode(name), Rect(rect) {
    ClassId = kHitBoxClassId;
}

TRoomWorld* THitBox::World() const { return FRoom == nullptr ? nullptr : FRoom->GetWorld(); }

std::int16_t THitBox::GetCursor(std::int32_t x, std::int32_t y) const {
    if (Disabled) return 0;
    if (Cursor < kAskRoomCursor) return Cursor;
    if (Cursor == kAskRoomCursor) return FRoom == nullptr ? 0 : FRoom->GetBoxCursor(GetID(), x, y);
    if (Cursor == kWorldDefaultCursor) {
        const TRoomWorld* world = World();
        return world == nullptr ? 0 : world->GetDefaultCursor();
    }
    return 2;
}

bool THitBox::HitTest(std::int32_t x, std::int32_t y) const {
    return !Disabled && Rect.Left <= x && x < Rect.Right && Rect.Top <= y && y < Rect.Bottom;
}

void THitBox::Click() {}
bool THitBox::MouseDown(TMouseButton, std::uint8_t, std::int32_t, std::int32_t) { return false; }
bool THitBox::MouseDrag(std::int32_t, std::int32_t) { return false; }
bool THitBox::MouseEnter(std::int32_t, std::int32_t) { return false; }
bool THitBox::MouseUp(std::int32_t, std::int32_t) { return false; }
void THitBox::Tick(std::int32_t) {}

void THitBox::LoadFromStream(TStream& s) {
    TIDNode::LoadFromStream(s);
    ReadWord(s, Cursor);
    ReadByte(s, Disabled);
    ReadRect(s, Rect);
    ReadByte(s, Capture);
}

void THitBox::SaveToStream(TStream& s) const {
    TIDNode::SaveToStream(s);
    WriteWord(s, Cursor);
    WriteByte(s, Disabled);
    WriteRect(s, Rect);
    WriteByte(s, Capture);
}

// --- TGoBox ---

TGoBox::TGoBox() : TGoBox("", TRect{}) {}

TGoBox::TGoBox(std::string_view name, const TRect& rect) : THitBox(name, rect) {
    ClassId = kGoBoxClassId;
    Cursor = 3;
}

void TGoBox::SetTarget(std::string_view name) { FTarget = UpperAscii(name); }

void TGoBox::Click() {
    if (TRoomWorld* world = World()) world->GoRoom(FTarget);
}

void TGoBox::LoadFromStream(TStream& s) {
    THitBox::LoadFromStream(s);
    FTarget = ReadBoxText(s);
}

void TGoBox::SaveToStream(TStream& s) const {
    THitBox::SaveToStream(s);
    WriteBoxText(s, FTarget);
}

// --- TSayBox ---

TSayBox::TSayBox() : TSayBox("", TRect{}) {}

TSayBox::TSayBox(std::string_view name, const TRect& rect) : THitBox(name, rect) {
    ClassId = kSayBoxClassId;
    Cursor = 2;
}

// Sound 11 is the say sound; it would cut a looping sound short, so a loop keeps it quiet.
void TSayBox::Click() {
    TRoomWorld* world = World();
    if (world == nullptr) return;
    TGameContext& context = world->Context();
    if (!context.LoopingSoundPlaying()) context.PlaySound(kSaySound);
}

void TSayBox::LoadFromStream(TStream& s) {
    THitBox::LoadFromStream(s);
    FSayText = ReadBoxText(s);
}

void TSayBox::SaveToStream(TStream& s) const {
    THitBox::SaveToStream(s);
    WriteBoxText(s, FSayText);
}

// --- TReturnBox ---

TReturnBox::TReturnBox() : TReturnBox("", TRect{}) {}

TReturnBox::TReturnBox(std::string_view name, const TRect& rect) : THitBox(name, rect) {
    ClassId = kReturnBoxClassId;
    Cursor = 11;
}

void TReturnBox::Click() {
    if (TRoomWorld* world = World()) world->GoBack();
}

// --- TScriptBox ---

TScriptBox::TScriptBox() : TScriptBox("", TRect{}) {}

TScriptBox::TScriptBox(std::string_view name, const TRect& rect) : THitBox(name, rect) {
    ClassId = kScriptBoxClassId;
    Cursor = 1;
}

void TScriptBox::SetScriptId(std::string_view word) {
    const std::string lower = LowerAscii(word);
    if (lower == "exitgame")
        FScriptId = 1;
    else if (lower == "maybeexitgame")
        FScriptId = 2;
    else
        FScriptId = 0;
}

void TScriptBox::Click() {
    if (TRoomWorld* world = World()) RunGlobalScript(*world, FScriptId);
}

void TScriptBox::LoadFromStream(TStream& s) {
    THitBox::LoadFromStream(s);
    ReadWord(s, FScriptId);
}

void TScriptBox::SaveToStream(TStream& s) const {
    THitBox::SaveToStream(s);
    WriteWord(s, FScriptId);
}

// --- TRoomScriptBox ---

TRoomScriptBox::TRoomScriptBox() : TRoomScriptBox("", TRect{}) {}

TRoomScriptBox::TRoomScriptBox(std::string_view name, const TRect& rect) : THitBox(name, rect) {
    ClassId = kRoomScriptBoxClassId;
    Cursor = 1;
}

void TRoomScriptBox::SetScript(std::string_view text) { FScript = UpperAscii(text); }

void TRoomScriptBox::Click() {
    if (TRoom* room = GetRoom()) room->RunScript(FScript, GetID());
}

void TRoomScriptBox::LoadFromStream(TStream& s) {
    THitBox::LoadFromStream(s);
    FScript = ReadBoxText(s);
}

void TRoomScriptBox::SaveToStream(TStream& s) const {
    THitBox::SaveToStream(s);
    WriteBoxText(s, FScript);
}

// --- TControlBox ---

TControlBox::TControlBox() : TControlBox("", TRect{}) {}

TControlBox::TControlBox(std::string_view name, const TRect& rect) : TRoomScriptBox(name, rect) {
    ClassId = kControlBoxClassId;
    Capture = true;
}

void TControlBox::StorePoint(std::int32_t x, std::int32_t y) { EventPoint = TPoint{x - Rect.Left, y - Rect.Top}; }

bool TControlBox::Report(TControlEventKind kind) {
    TRoom* room = GetRoom();
    return room != nullptr && room->ControlEvent(*this, kind);
}

bool TControlBox::MouseDown(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y) {
    StorePoint(x, y);
    Button = button;
    ShiftState = shift;
    return Report(TControlEventKind::Down);
}

bool TControlBox::MouseDrag(std::int32_t x, std::int32_t y) {
    StorePoint(x, y);
    return Report(TControlEventKind::Drag);
}

bool TControlBox::MouseEnter(std::int32_t x, std::int32_t y) {
    StorePoint(x, y);
    return Report(TControlEventKind::Enter);
}

bool TControlBox::MouseUp(std::int32_t x, std::int32_t y) {
    StorePoint(x, y);
    return Report(TControlEventKind::Up);
}

void TControlBox::Tick(std::int32_t elapsed) {
    Elapsed = elapsed;
    Report(TControlEventKind::Tick);
}

bool TControlBox::PointInside() const {
    return 0 <= EventPoint.X && EventPoint.X < Rect.Right - Rect.Left && 0 <= EventPoint.Y &&
           EventPoint.Y < Rect.Bottom - Rect.Top;
}

// --- THitBoxList ---

THitBox* THitBoxList::AddFirst(std::unique_ptr<THitBox> box) {
    box->SetRoom(FOwner);
    return InsertFirst(std::move(box));
}

THitBox* THitBoxList::AddLast(std::unique_ptr<THitBox> box) {
    box->SetRoom(FOwner);
    return Append(std::move(box));
}

THitBox* THitBoxList::HitTest(std::int32_t x, std::int32_t y) const {
    for (auto* box : NodesOf<THitBox>(*this))
        if (box->HitTest(x, y)) return box;
    return nullptr;
}

THitBox* THitBoxList::FindBox(std::string_view name) const { return FindByID(name); }

void THitBoxList::LoadFromStream(TStream& s) {
    LoadNodesOf<THitBox>(*this, s, [this](std::unique_ptr<THitBox> box) { AddLast(std::move(box)); });
}

TIDNode& FindNodeOrFail(const TIDList& list, std::string_view name) {
    TIDNode* node = list.FindByID(name);
    if (node == nullptr) RaiseGameError(GameStringNilPointer);
    return *node;
}
