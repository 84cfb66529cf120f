// The doll's photo on its way through the album: taken, shown on a page, printed with a white
// background, kept across a restart; and the doll drawn alike on the stage, in the album and
// on paper.
#include "tests/rooms/dolls/doll_game.h"

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/dolls/doll_snapshot.h"
#include "shell/world.h"
#include "tests/support/record_framing.h"

namespace doll_tests {
namespace {

class DollInTheAlbum : public DollGame {
protected:
    // A dressed doll photographed once.
    void SnapADressedDoll() {
        EnterDolls();
        Game->Click("T2");
        Game->Click("H4");
        Game->Click("A3");
        Game->Click("L1");
        OpenWardrobe();
        Game->Click("R1");
        Game->Click("C5");
        Game->PressAction(1);
        Game->Tick(12);
    }

    const TDoll& AlbumDoll(int n) {
        TPicNode* entry = Album().Entry(n);
        if (entry == nullptr) throw std::runtime_error("no album entry");
        const TDoll* doll = DollOfSnapshot(entry->Kind, *entry->Snapshot);
        if (doll == nullptr) throw std::runtime_error("the entry is not a doll");
        return *doll;
    }

    // The doll's full-size picture as the album draws it.
    std::unique_ptr<THotImage> AlbumPicture(const TDoll& doll) {
        TAC8Library& library = *Game->World().GetImageLibrary();
        auto picture = THotImage::CreateBlank(kDollFullSize.Width, kDollFullSize.Height, &library);
        DrawDollSnapshot(doll, picture->Image(), picture->Image().GetBounds(), library);
        return picture;
    }
};

std::vector<std::uint8_t> StreamOf(const TDoll& doll) {
    TMemoryStream s;
    doll.WriteToStream(s);
    return s.Bytes();
}

TEST_F(DollInTheAlbum, APhotoOfTheDollIsAnAlbumPictureThatDrawsPrintsAndStays) {
    SnapADressedDoll();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kDollSnapshotKind);
    const std::vector<std::uint8_t> snapped = StreamOf(AlbumDoll(1));
    EXPECT_EQ(snapped, StreamOf(Doll())) << "the album keeps the doll as it was";
    EXPECT_FALSE(AlbumDoll(1).Singing);

    // Dressing on does not change the photo.
    Game->Click("C5");
    EXPECT_EQ(StreamOf(AlbumDoll(1)), snapped);

    // The album's record of the entry is framed exactly.
    const TSnapshotKind* kind = FindSnapshotKind(kDollSnapshotKind);
    ASSERT_NE(kind, nullptr);
    std::unique_ptr<TSnapshot> read;
    EXPECT_EQ(testing_support::CheckRecordFraming([&](TStream& s) { kind->Write(*Album().Entry(1)->Snapshot, s); },
                                                  [&](TStream& s) { read = kind->Read(s); },
                                                  [&](TStream& s) { kind->Write(*read, s); }),
              "");

    // On its page the album draws the doll on black, the head's skin among it.
    Game->World().GoRoom("ALBUM");
    Game->Tick(21);
    ASSERT_EQ(Game->RoomName(), "ALBUM");
    ASSERT_FALSE(Album().CoverShown());
    int black = 0, skin = 0;
    for (std::int32_t y = 0; y < 320; ++y)
        for (std::int32_t x = 256; x < 512; ++x) {
            const std::uint8_t pixel = Game->ViewPixel(x, y);
            black += pixel == 0 ? 1 : 0;
            skin += pixel == 165 ? 1 : 0;
        }
    EXPECT_GT(black, 10000) << "the photo's black around the doll";
    EXPECT_GT(skin, 200) << "the face of head 4";

    // Printed full size through the headless printer: the black around the doll is white on
    // paper, the doll itself as in the album.
    Game->PressAction(2);
    Game->Tick(2);
    ASSERT_EQ(Printers.Jobs.size(), 1u);
    ASSERT_EQ(Printers.Jobs[0].Pictures.size(), 1u);
    EXPECT_TRUE(Printers.Jobs[0].Ended);
    const platform::PalettePicture& printed = Printers.Jobs[0].Pictures[0];
    ASSERT_EQ(printed.Width, kDollFullSize.Width + 2);
    ASSERT_EQ(printed.Height, kDollFullSize.Height + 2);
    const auto picture = AlbumPicture(AlbumDoll(1));
    int dollPixels = 0, albumBlack = 0, paperBlack = 0;
    EXPECT_EQ(printed.Pixels[std::size_t(printed.Width) + 1], 255) << "white from the corner";
    for (std::int32_t y = 0; y < kDollFullSize.Height; ++y)
        for (std::int32_t x = 0; x < kDollFullSize.Width; ++x) {
            const std::uint8_t album = picture->Image().GetPixel(TPoint{x, y});
            const std::uint8_t paper = printed.Pixels[std::size_t(y + 1) * std::size_t(printed.Width) + std::size_t(x + 1)];
            albumBlack += album == 0 ? 1 : 0;
            paperBlack += paper == 0 ? 1 : 0;
            if (album != 0) {
                ++dollPixels;
                EXPECT_EQ(paper, album) << "the doll on paper at " << x << ", " << y;
            }
            if (HasFailure()) return;
        }
    EXPECT_GT(dollPixels, 3000);
    // Only little pockets between an arm and the body can stay dark.
    EXPECT_LT(paperBlack * 50, albumBlack);
    EXPECT_EQ(Shown(), "");

    // Kept in the saved game.
    Game->Restart();
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(Album().Entry(1)->Kind, kDollSnapshotKind);
    EXPECT_EQ(StreamOf(AlbumDoll(1)), snapped);
    EXPECT_EQ(Shown(), "");
}

TEST_F(DollInTheAlbum, TheDollIsDrawnTheSameOnTheStageAsInItsPhoto) {
    EnterDolls();
    ChooseAll('3');
    OpenWardrobe();
    Game->Click("R2");
    Game->Click("X1");
    Game->Click("C4");
    Game->Click("DRAWER");
    const auto picture = AlbumPicture(Doll());
    int compared = 0;
    // Inside the open curtains, where nothing covers the stage.
    for (std::int32_t y = 0; y < kDollFullSize.Height; ++y)
        for (std::int32_t x = 0; x < kDollFullSize.Width; ++x) {
            const TPoint view{kStageDollOrigin.X - kDollPictureOrigin.X + x, kStageDollOrigin.Y - kDollPictureOrigin.Y + y};
            if (view.X < 213 || view.X >= 308 || view.Y < 110) continue;
            const std::uint8_t pixel = picture->Image().GetPixel(TPoint{x, y});
            if (pixel == 0) continue;
            ++compared;
            EXPECT_EQ(Game->ViewPixel(view.X, view.Y), pixel) << "at " << view.X << ", " << view.Y;
            if (HasFailure()) return;
        }
    EXPECT_GT(compared, 3000);
}

TEST_F(DollInTheAlbum, TheDollsPiecesNeverUseBlackSoThePrintFloodStopsAtThem) {
    StartGame();
    TAC8Library& library = *Game->World().GetImageLibrary();
    const TPictureHandle sheet(library, AC8ImageName(kDollSheetName));
    for (std::int32_t y = 0; y < sheet->Height(); ++y)
        for (std::int32_t x = 0; x < sheet->Width(); ++x) ASSERT_NE(sheet->GetPixel(TPoint{x, y}), 0) << x << ", " << y;
}

}  // namespace
}  // namespace doll_tests
