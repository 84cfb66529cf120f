#include "front_room.h"

#include <array>

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/config.h"
#include "front_room_words.h"
#include "game_services.h"
#include "room_world.h"
#include "room_words.h"

namespace {
// The songs of the cycle, in order; a fifth DELAY pauses instead.
constexpr std::array<std::int32_t, 4> kCycleSongs{5, 16, 14, 17};
constexpr std::int32_t kFirstDelay = 10;
constexpr std::int32_t kPauseAfterCycle = 500;
constexpr std::int32_t kDelayAfterSong = 20;

constexpr char kLabelFont[] = "00f12mcg";
constexpr std::int32_t kMaxLabelWidth = 149;
constexpr std::int32_t kPlateTextLeft = 351;
constexpr std::int32_t kPlateTextTop = 39;
}  // namespace

TFrontRoom::TFrontRoom(std::string_view name) : TRoom(name) { Flags = kRoomNoNavigation | kRoomFullFrame; }

void TFrontRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    FCycleCounter = 0;
    AddTimer(kFrontDelayTimer, kFirstDelay);
}

void TFrontRoom::Leave() {
    World().StopMusic();
    TRoom::Leave();
}

void TFrontRoom::RunScript(const std::string& script, const std::string& sender) {
    using namespace front_room_words;
    if (sender == kCycleTimer) {
        if (FCycleCounter < kCycleSongs.size()) {
            World().PlayMusic(kCycleSongs[FCycleCounter]);
            ++FCycleCounter;
        } else {
            FCycleCounter = 0;
            AddTimer(kFrontDelayTimer, kPauseAfterCycle);
        }
    } else if (sender == kSongEnded) {
        AddTimer(kFrontDelayTimer, kDelayAfterSong);
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kWelcomePage);
    } else {
        TRoom::RunScript(script, sender);
    }
}

// The whole picture is copied from a held picture freed at once: the title is drawn rarely
// and keeps nothing loaded. Frame sets are not drawn here.
void TFrontRoom::DrawPicture(TAC8ImageData& view) {
    {
        TPictureHandle background(Library(), AC8ImageName(GetBackgroundName()));
        view.Blit(TPoint{0, 0}, *background, background->GetBounds());
    }
    DrawLabelPlate(view);
}

std::u16string FitGiftLabel(const TAC8Font& font, std::u16string label) {
    while (!label.empty() && font.TextWidth(label) > kMaxLabelWidth) label.pop_back();
    return label;
}

// A short label is centred on the plate; a long one widens the plate to its left by copying
// a piece of the plate's own edge.
void TFrontRoom::DrawLabelPlate(TAC8ImageData& view) {
    const TConfig* config = GameServices().Config;
    if (config == nullptr) return;
    TAC8Font font(&Library(), AC8ImageName(kLabelFont));
    const std::u16string label = FitGiftLabel(font, config->GiftLabel);
    const std::int32_t width = font.TextWidth(label);
    std::int32_t offset = 5;
    if (width < 93) {
        offset = (92 - width) / 2;
    } else {
        const TRect piece = MakeBounds(545 - width, 33, width - 88, 34);
        std::unique_ptr<THotImage> copy = THotImage::CreateCopyRect(view, piece, &Library());
        TAC8ImageData& picture = copy->Image();
        view.Blit(TPoint{453, 33}, picture, picture.GetBounds());
    }
    TPoint pen{kPlateTextLeft + offset, kPlateTextTop};
    font.DrawText(pen, view, label);
}
