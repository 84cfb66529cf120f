// The album's saved record: an exact byte round trip, across a restart, the version-8 layout,
// and damaged records.
#include "tests/rooms/album/album_fixture.h"

#include "engine/graphics/hot_image.h"
#include "foundation/stream.h"

#include <algorithm>
#include <optional>
#include "shell/qe_exception.h"

namespace album_test {
namespace {

std::vector<std::uint8_t> Bytes(TMemoryStream& s) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(s.Size()));
    s.Seek(0);
    s.Read(bytes.data(), bytes.size());
    return bytes;
}

std::vector<std::uint8_t> Record(TAlbumRoom& album) {
    TMemoryStream s;
    album.WriteData(s);
    return Bytes(s);
}

// Reads a record into the album as the saved game does, and checks every byte was read.
void ReadRecord(TAlbumRoom& album, const std::vector<std::uint8_t>& bytes, std::uint16_t version = 9) {
    TMemoryStream s;
    s.Write(bytes.data(), bytes.size());
    s.Seek(0);
    album.ReadSavedRecord(s, version);
    EXPECT_EQ(s.Position(), s.Size()) << "the record was read to its last byte";
}

std::string ErrorOf(TAlbumRoom& album, const std::vector<std::uint8_t>& bytes) {
    try {
        ReadRecord(album, bytes);
    } catch (const VekException& e) {
        return e.what();
    }
    return "";
}

TEST_F(AlbumTest, TheRecordWithAHungPictureAndSeveralEntriesRoundTripsExactlyAndAcrossRestart) {
    Start();
    Add(11);
    Add(12, 2);
    Add(13);
    Open();
    Game->Click("LEFT");
    ASSERT_EQ(Album().CurrentPage(), 2);
    Game->PressAction(1);
    Game->Tick(2);
    ASSERT_EQ(Album().HungPage(), 2);
    const std::vector<std::uint8_t> record = Record(Album());
    ASSERT_EQ(record[0], 1) << "has a hung picture";

    ReadRecord(Album(), record);
    EXPECT_EQ(Record(Album()), record);

    Restart();
    TAlbumRoom& album = Album();
    EXPECT_EQ(album.Count(), 3);
    EXPECT_EQ(album.CurrentPage(), 2);
    EXPECT_EQ(album.HungPage(), 2);
    ASSERT_TRUE(album.HasHungPicture());
    EXPECT_EQ(album.HungPicture()->Image().Width(), 45) << "the tall kind's hung size";
    EXPECT_EQ(album.Entry(2)->Kind, 2);
    EXPECT_EQ(static_cast<TTestSnapshot&>(*album.Entry(3)->Snapshot).Fill, 13);
    EXPECT_EQ(Record(album), record);
    EXPECT_EQ(Shown(), "");
}

TEST_F(AlbumTest, AVersionEightFileKeepsTheHungPageInOneByte) {
    Start();
    // The whole saved game as the world writes it: the album's record, then the records of
    // the rooms the house has after it.
    TMemoryStream saved;
    Game->World().WriteSaved(saved);
    std::vector<std::uint8_t> bytes = Bytes(saved);
    const std::vector<std::uint8_t> empty = Record(Album());
    TMemoryStream after;
    // A version 8 file holds only the records of rooms that kept one by version 8.
    TMemoryStream afterInVersion8;
    bool pastAlbum = false;
    for (TRoom* room : Game->World().Rooms()) {
        if (pastAlbum) room->WriteData(after);
        if (pastAlbum && room->FirstSaveVersion <= 8) room->WriteData(afterInVersion8);
        pastAlbum = pastAlbum || room == &Album();
    }
    const std::vector<std::uint8_t> later = Bytes(after);
    const std::vector<std::uint8_t> laterInVersion8 = Bytes(afterInVersion8);
    ASSERT_GE(bytes.size(), empty.size() + later.size());
    ASSERT_TRUE(std::equal(later.begin(), later.end(), bytes.end() - std::ptrdiff_t(later.size())));
    bytes.resize(bytes.size() - later.size());
    ASSERT_TRUE(std::equal(empty.begin(), empty.end(), bytes.end() - std::ptrdiff_t(empty.size())));
    // The same game as version 8 wrote it, with a picture: no hung picture, current page 1,
    // hung page 1 (one byte), one entry of kind 3.
    bytes.resize(bytes.size() - empty.size());
    bytes[6] = 8;
    for (std::uint8_t b : {0, 1, 0, 1, 1, 0, 3, 44, 1}) bytes.push_back(b);
    bytes.insert(bytes.end(), laterInVersion8.begin(), laterInVersion8.end());
    TMemoryStream old;
    old.Write(bytes.data(), bytes.size());
    old.Seek(0);
    Game->World().ReadSaved(old);
    EXPECT_EQ(old.Position(), old.Size()) << "every byte read";
    EXPECT_EQ(Album().CurrentPage(), 1);
    EXPECT_EQ(Album().HungPage(), 1);
    ASSERT_EQ(Album().Count(), 1);
    EXPECT_EQ(static_cast<TTestSnapshot&>(*Album().Entry(1)->Snapshot).Fill, 44);
    // Written again it has the two-byte field.
    EXPECT_EQ(Record(Album()), (std::vector<std::uint8_t>{0, 1, 0, 1, 0, 1, 0, 3, 44, 1}));
}

TEST_F(AlbumTest, AnUnknownKindEndsTheReadingWithTheAlbumsOwnMessage) {
    Start();
    // A kind that may occur but that no room has registered (taken out for the test).
    const TSnapshotKind* registered = FindSnapshotKind(4);
    const std::optional<TSnapshotKind> kept = registered != nullptr ? std::optional(*registered) : std::nullopt;
    UnregisterSnapshotKind(4);
    for (std::uint8_t kind : {7, 4, 200}) {
        SCOPED_TRACE(int(kind));
        EXPECT_EQ(ErrorOf(Album(), {0, 1, 0, 0, 0, 1, 0, kind, 1, 1}), "AlbumRoom.ReadData");
    }
    if (kept) RegisterSnapshotKind(*kept);
}

TEST_F(AlbumTest, PagesLeftBehindByDeletedPicturesAreReadNotRefused) {
    Start();
    // Three pictures, the third hung, then the first two deleted: the hung page may still say 3
    // and the current page may lie past the back cover of the one picture left.
    EXPECT_EQ(ErrorOf(Album(), {0, 9, 0, 3, 0, 1, 0, 3, 9, 1}), "");
    EXPECT_EQ(Album().HungPage(), 0) << "nothing hung";
    EXPECT_EQ(Album().CurrentPage(), 3) << "the last page of a one-picture album";
    EXPECT_EQ(Album().Count(), 1);
    EXPECT_FALSE(Album().CanHang()) << "the back cover holds no picture to hang";
    EXPECT_EQ(ErrorOf(Album(), {0, 4, 0, 0, 0, 0, 0}), "");
    EXPECT_EQ(Album().CurrentPage(), 3) << "an empty album's back cover";
    EXPECT_EQ(Shown(), "") << "no message";
}

TEST_F(AlbumTest, DamagedValuesAreRefusedAsADamagedSavedGame) {
    Start();
    const std::string damaged = "Saved game is damaged.";
    EXPECT_EQ(ErrorOf(Album(), {2, 0, 0, 0, 0, 0, 0}), damaged) << "hung-picture flag";
    EXPECT_EQ(ErrorOf(Album(), {0, 0, 0, 0, 0, 0xFF, 0xFF}), damaged) << "negative count";
    EXPECT_EQ(ErrorOf(Album(), {0, 0xFF, 0xFF, 0, 0, 0, 0}), damaged) << "negative page";
    EXPECT_EQ(ErrorOf(Album(), {1, 0, 0, 5, 0, 0, 0}), damaged) << "hung picture without a size";
    EXPECT_NE(ErrorOf(Album(), {0, 1, 0, 0, 0, 1, 0, 3, 9}), "") << "a short entry";
}

}  // namespace
}  // namespace album_test
