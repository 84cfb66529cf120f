#include "tests/support/test_house.h"

#include <array>
#include <set>

#include "foundation/stream_values.h"
#include "shell/world.h"
#include "tools/ac8/ac8_writer.h"

namespace testing_support {

namespace {
struct TRoomPlan {
    const char* Name;
    std::uint8_t Home;
    std::uint16_t Flags;
};
constexpr std::array<TRoomPlan, 8> kRooms{{
    {"TITLE", 0, kRoomNoNavigation},
    {"LIVING", 3, kDefaultRoomFlags},
    {"KITCHEN", 4, kDefaultRoomFlags},
    {"BED", 1, kDefaultRoomFlags},
    {"WORKSHOP", 2, kDefaultRoomFlags},
    {"MGTEXT", 0, 0},
    {"DARK", 0, 0},
    {"STAGE", 0, kRoomFullFrame},
}};
constexpr std::array<const char*, 5> kGoTargets{"LIVING", "KITCHEN", "BED", "WORKSHOP", "STAGE"};

std::string PictureName(std::size_t index) { return "room" + std::to_string(index); }

const char* KindWord(TControlEventKind kind) {
    switch (kind) {
        case TControlEventKind::Down: return "down";
        case TControlEventKind::Drag: return "drag";
        case TControlEventKind::Up: return "up";
        case TControlEventKind::Tick: return "tick";
        default: return "enter";
    }
}
}  // namespace

void TTestHouseRoom::RunScript(const std::string& script, const std::string& sender) {
    Messages.push_back(script + "|" + sender);
    if (OnScript && OnScript(script, sender)) return;
    if (script == "COUNT") {
        ++Counter;
        return;
    }
    // The action and tutor buttons and the end of songs are heard and otherwise ignored.
    static const std::set<std::string> kQuiet{"SNAP", "WRAP", "HANG", "PRINT", "CARD", "TUTOR",
                                              "ENDMUSIC", "ENDSCRAMBLE", "LAMP", "MUSIC"};
    if (script.empty() && kQuiet.count(sender) != 0) return;
    TRoom::RunScript(script, sender);
}

bool TTestHouseRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    Events.push_back(box.GetID() + " " + KindWord(kind) + " " + std::to_string(box.EventPoint.X) + "," +
                     std::to_string(box.EventPoint.Y));
    return kind != TControlEventKind::Up && KeepCapture;
}

void TTestHouseRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    EnteredFrom.push_back(fromRoom);
    if (OnEnter) OnEnter(fromRoom);
}

void TTestHouseRoom::Leave() {
    ++Leaves;
    if (OnLeave) OnLeave();
    TRoom::Leave();
}

void TTestHouseRoom::Draw(TAC8ImageData* view) {
    if (OnDraw) OnDraw();
    TRoom::Draw(view);
}

void TTestHouseRoom::ReadData(TStream& s) { Counter = ReadU16(s); }
void TTestHouseRoom::WriteData(TStream& s) { WriteWord(s, Counter); }

void WriteTestHouseLibrary(const std::filesystem::path& path) {
    TAC8SourcePalette palette{};
    for (int i = 0; i < 256; ++i)
        palette[std::size_t(i)] = TAC8SourceColour{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
    std::vector<TIndexedPicture> pictures;
    for (std::size_t i = 0; i < kRooms.size(); ++i) {
        const bool full = (kRooms[i].Flags & kRoomFullFrame) != 0;
        TIndexedPicture picture{PictureName(i), full ? 514 : 512, full ? 322 : 320, {}, false, 0};
        picture.pixels.assign(std::size_t(picture.width) * std::size_t(picture.height), std::uint8_t(kTestHouseColour + i));
        pictures.push_back(std::move(picture));
    }
    SaveAC8Library(path, palette, pictures);
}

void BuildTestHouse(TWorld& world) {
    for (std::size_t i = 0; i < kRooms.size(); ++i) {
        const TRoomPlan& plan = kRooms[i];
        auto room = std::make_unique<TTestHouseRoom>(plan.Name);
        room->HomeButton = plan.Home;
        room->Flags = plan.Flags;
        room->SetBackgroundName(PictureName(i));
        room->SetCaption(u"Test house");
        THitBoxList& boxes = room->HitBoxes();
        if (i == 0) {
            auto play = std::make_unique<TGoBox>("PLAY", MakeRect(100, 100, 200, 200));
            play->SetTarget("LIVING");
            play->Cursor = 1;
            boxes.AddLast(std::move(play));
        } else {
            for (std::size_t t = 0; t < kGoTargets.size(); ++t) {
                const std::int32_t left = 10 + std::int32_t(t) * 60;
                auto go = std::make_unique<TGoBox>(std::string("TO") + kGoTargets[t], MakeRect(left, 10, left + 50, 60));
                go->SetTarget(kGoTargets[t]);
                go->Cursor = 1;
                boxes.AddLast(std::move(go));
            }
            boxes.AddLast(std::make_unique<TReturnBox>("BACK", MakeRect(0, 270, 50, 320)));
            auto count = std::make_unique<TRoomScriptBox>("COUNT", MakeRect(100, 100, 150, 150));
            count->SetScript("COUNT");
            boxes.AddLast(std::move(count));
            auto drag = std::make_unique<TControlBox>("DRAG", MakeRect(200, 100, 300, 200));
            drag->Capture = true;
            drag->Cursor = 3;
            boxes.AddLast(std::move(drag));
        }
        world.AddRoom(std::move(room));
    }
    world.SetStartRoom("TITLE");
}

}  // namespace testing_support
