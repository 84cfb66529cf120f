#include "tests/house/house_day.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "foundation/stream.h"
#include "platform/headless/fake_clock.h"
#include "rooms/album/album_room.h"
#include "rooms/living/living_room.h"
#include "rooms/wrap/wrap_room.h"
#include "shell/game_services.h"
#include "shell/room.h"

namespace house_day {

namespace {
// Enough for a room that lowers a cover, scrolls to its oven or lets a frame close first.
constexpr int kMostTicksToLeave = 400;
}  // namespace

HouseDay::HouseDay() : BuiltRoomGame(1224) {}
HouseDay::~HouseDay() = default;

void HouseDay::StartGame() {
    BuiltRoomGame::StartGame();
    UseRunServices();
}

void HouseDay::UseRunServices() {
    Game->Context().SetServices(TGameServices{&Config, &Game->SongPlayer(), nullptr, &Printers, &Game->Clock()});
}

void HouseDay::CloseGame() {
    // The song player goes with the run.
    Game->Context().SetServices(TGameServices{&Config, nullptr, nullptr, &Printers, &Game->Clock()});
    Game->Close();
}

void HouseDay::StartAgain() {
    Game->Start();
    UseRunServices();
}

void HouseDay::ExpectRoom(const std::string& room) {
    for (int i = 0; i < kMostTicksToLeave && Game->RoomName() != room; ++i) Game->Tick();
    ASSERT_EQ(Game->RoomName(), room);
    Game->Tick();
}

void HouseDay::Nav(int index, const std::string& room) {
    // The button of the room shown is lit and takes no click.
    if (Game->RoomName() == room) return;
    Game->PressNav(index);
    ExpectRoom(room);
}

void HouseDay::ClickTo(const std::string& box, const std::string& room) {
    Game->Click(box);
    ExpectRoom(room);
}

// The living room, the workshop and the kitchen scroll 50 pixels a tick.
void HouseDay::ScrollLeftEnd() {
    if (Game->Room()->ScrollOffset == 0) return;
    Game->Click("GO_L_END");
    Game->Tick(12);
    ASSERT_EQ(Game->Room()->ScrollOffset, 0);
}

void HouseDay::ScrollRightEnd() {
    const THitBox* right = Game->Room()->FindHitBox("GO_R_END");
    if (right == nullptr || !right->IsEnabled()) return;
    Game->Click("GO_R_END");
    Game->Tick(12);
    right = Game->Room()->FindHitBox("GO_R_END");
    ASSERT_FALSE(right->IsEnabled()) << "scrolled to the end";
}

void HouseDay::Snap() {
    const std::int32_t before = Album().Count();
    const std::string room = Game->RoomName();
    Game->PressAction(1);
    Game->Tick(12);
    ASSERT_EQ(Album().Count(), before + 1) << "a photo of " << room;
    ASSERT_EQ(Game->RoomName(), room) << "the photo leaves the child where it was";
}

void HouseDay::WrapHere(int paper, int ribbon, int bow) {
    Game->PressAction(2);
    ExpectRoom("WRAP");
    ASSERT_NE(Table().Gift(), nullptr);
    Game->Click("PAPER" + std::to_string(paper));
    Game->Click("RIB" + std::to_string(ribbon));
    Game->Click("BOW" + std::to_string(bow));
    Game->Click("TAGS");
    ASSERT_TRUE(Table().BigTagShown());
    Game->Click("BIGTAG");
    ASSERT_FALSE(Table().BigTagShown());
    ASSERT_TRUE(Table().Gift()->Tagged);
    ASSERT_EQ(Table().Gift()->Paper, paper);
    ASSERT_EQ(Table().Gift()->Ribbon, ribbon);
    ASSERT_EQ(Table().Gift()->Bow, bow);
}

TLivingRoom& HouseDay::Living() { return Game->RoomAs<TLivingRoom>("LIVING"); }
TWrapRoom& HouseDay::Table() { return Game->RoomAs<TWrapRoom>("WRAP"); }

TRoomRecords HouseDay::Records() {
    TRoomRecords records;
    for (auto* room : NodesOf<TRoom>(Game->World().Rooms())) {
        TMemoryStream s;
        room->WriteData(s);
        records[room->GetID()] = s.Bytes();
    }
    return records;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0) continue;
        std::istringstream words(line.substr(6));
        long kb = 0;
        words >> kb;
        return kb;
    }
    return 0;
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace house_day
