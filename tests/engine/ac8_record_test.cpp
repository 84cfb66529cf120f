// Image records: the writer's output read back, save and load round trips, and the
// record faults a reader must refuse.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ac8_test_records.h"
#include "engine/graphics/ac8_exception.h"
#include "tools/ac8/ac8_writer.h"
#include "tools/ac8/sample_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Images cannot be copied or moved (strips point back at them), so they come by pointer.
std::unique_ptr<TAC8Image> Load(const Bytes& bytes, bool decode = true) {
    TMemoryStream s(bytes);
    auto image = std::make_unique<TAC8Image>();
    image->LoadFromStream(s);
    if (decode) image->DecodeAll();
    return image;
}

Bytes Record(const TIndexedPicture& picture, TAC8StripCoding coding) {
    TMemoryStream s;
    WriteImageRecord(s, picture, coding);
    return s.TakeBytes();
}

// Pictures that exercise every choice of the encoder: runs of escape-valued bytes, rows
// equal or nearly equal to the one beneath, flat rows, noise.
TIndexedPicture RandomPicture(std::mt19937& rng, std::uint32_t width, std::uint32_t height) {
    TIndexedPicture p;
    p.name = "random";
    p.width = int(width);
    p.height = int(height);
    p.pixels.resize(std::size_t(width) * height);
    const std::uint8_t palette[4] = {static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng()),
                                     static_cast<std::uint8_t>(rng()), static_cast<std::uint8_t>(rng())};
    for (std::uint32_t y = 0; y < height; ++y) {
        std::uint8_t* row = p.pixels.data() + std::size_t(y) * width;
        const int kind = static_cast<int>(rng() % 5);
        const std::uint8_t* above = y > 0 ? row - width : nullptr;
        for (std::uint32_t x = 0; x < width; ++x) {
            switch (kind) {
                case 0: row[x] = static_cast<std::uint8_t>(rng()); break;
                case 1: row[x] = palette[(x / (1 + rng() % 9)) % 4]; break;
                case 2: row[x] = above && rng() % 7 != 0 ? above[x] : palette[rng() % 4]; break;
                case 3: row[x] = palette[0]; break;
                default: row[x] = x > 0 && rng() % 5 != 0 ? row[x - 1] : palette[rng() % 4]; break;
            }
        }
    }
    return p;
}

TEST(AC8Record, EncoderRoundTripsRandomPictures) {
    std::mt19937 rng(12345);
    const TAC8StripCoding codings[] = {TAC8StripCoding::Auto, TAC8StripCoding::Plain, TAC8StripCoding::RawRows,
                                       TAC8StripCoding::RunStream};
    for (int round = 0; round < 60; ++round) {
        const std::uint32_t width = 1 + rng() % (round < 50 ? 300 : 2000);
        const std::uint32_t height = 1 + rng() % (round < 50 ? 60 : 400);
        const TIndexedPicture picture = RandomPicture(rng, width, height);
        for (const auto coding : codings) {
            SCOPED_TRACE(testing::Message() << width << " x " << height << " coding " << int(coding));
            const auto image = Load(Record(picture, coding));
            ASSERT_EQ(image->Width(), width);
            EXPECT_EQ(PictureRows(*image), picture.pixels);
        }
    }
}

// Every token weight the tools accept gives records the decoder reads back exactly: the
// weight moves the choice between literal bytes, runs, copies, XOR rows and prefix copies,
// so each weight reaches other mixtures of them.
TEST(AC8Record, EveryTokenWeightRoundTripsAndTradesSizeForFewerTokens) {
    std::mt19937 rng(3030);
    const std::uint32_t weights[] = {0, 1, 4, AC8DefaultTokenWeight, 60, AC8MaxTokenWeight};
    for (int round = 0; round < 40; ++round) {
        const std::uint32_t width = 1 + rng() % 700;
        const std::uint32_t height = 1 + rng() % 90;
        const TIndexedPicture picture = RandomPicture(rng, width, height);
        for (const std::uint32_t weight : weights) {
            SCOPED_TRACE(testing::Message() << width << " x " << height << " weight " << weight);
            TMemoryStream s;
            WriteImageRecord(s, picture, TAC8StripCoding::Auto, weight);
            const auto image = Load(s.TakeBytes());
            EXPECT_EQ(PictureRows(*image), picture.pixels);
        }
    }
    // On a room picture the smallest record comes from weight 0 and the largest from the
    // heaviest weight, which still stays below the plain pixels.
    std::vector<std::size_t> sizes;
    for (const TIndexedPicture& room : {MakeSamplePicture(3, 512, 320, "room"), MakeSamplePicture(8, 200, 150, "toy")}) {
        sizes.clear();
        for (const std::uint32_t weight : weights) {
            TMemoryStream s;
            WriteImageRecord(s, room, TAC8StripCoding::Auto, weight);
            const Bytes bytes = s.TakeBytes();
            EXPECT_EQ(PictureRows(*Load(bytes)), room.pixels);
            sizes.push_back(bytes.size());
        }
        EXPECT_EQ(*std::min_element(sizes.begin(), sizes.end()), sizes.front());
        EXPECT_LT(sizes.front(), sizes.back());
        EXPECT_LE(sizes.back(), room.pixels.size() + 4 * std::size_t(room.height) + 64);
    }
}

// Decoding a strip never touches its neighbours, whatever order strips are decoded in.
TEST(AC8Record, StripsDecodeInAnyOrder) {
    std::mt19937 rng(777);
    const TIndexedPicture picture = RandomPicture(rng, 13, 12000);  // stride 16, three strips
    const Bytes record = Record(picture, TAC8StripCoding::Auto);
    const auto image = Load(record, false);
    ASSERT_GT(image->SegmentCount(), 2);
    for (int k = image->SegmentCount() - 1; k >= 0; --k) image->Segment(k).Lock();
    EXPECT_EQ(PictureRows(*image), picture.pixels);
}

TEST(AC8Record, EncoderShrinksRealisticPicturesAndKeepsPlainOnes) {
    const TIndexedPicture room = MakeSamplePicture(7, 512, 320, "room");
    const Bytes coded = Record(room, TAC8StripCoding::Auto);
    EXPECT_LT(coded.size(), room.pixels.size() / 4);
    const auto image = Load(coded, false);
    EXPECT_EQ(image->StoredState(), AC8StateEncoded);
    for (std::uint32_t k = 0; k < image->SegmentCount(); ++k) {
        EXPECT_TRUE(image->Segment(k).IsEncoded());
        EXPECT_NE(image->Segment(k).EscapeA, image->Segment(k).EscapeB);
    }
    // Noise does not shrink: its strips are stored plain.
    std::mt19937 rng(99);
    TIndexedPicture noise{"noise", 64, 64, {}, false, 0};
    for (int i = 0; i < 64 * 64; ++i) noise.pixels.push_back(static_cast<std::uint8_t>(rng()));
    const auto plain = Load(Record(noise, TAC8StripCoding::Auto), false);
    EXPECT_EQ(plain->StoredState(), AC8StatePlain);
    EXPECT_FALSE(plain->Segment(0).IsEncoded());
}

TEST(AC8Record, SavedImageLoadsWithSameHeaderAndPixels) {
    TAC8Image image;
    image.Init("Snap", 37, 11);
    image.SetTransparency(200, true);
    for (std::uint32_t y = 0; y < 11; ++y)
        for (std::uint32_t x = 0; x < 37; ++x) image.Row(y)[x] = static_cast<std::uint8_t>(x * 7 + y);
    TMemoryStream s;
    image.SaveToStream(s);
    const Bytes bytes = s.TakeBytes();
    EXPECT_EQ(bytes.size(), 18 + 4 + 3 + 40u * 11);

    const auto back = Load(bytes, false);
    EXPECT_EQ(back->Name(), AC8ImageName("Snap"));
    EXPECT_EQ(back->Width(), 37);
    EXPECT_EQ(back->Height(), 11);
    EXPECT_EQ(back->StoredState(), AC8StatePlain);
    EXPECT_EQ(back->TransparentColour(), 200);
    EXPECT_TRUE(back->HasTransparency());
    EXPECT_EQ(back->Segment(0).Flags, 0);
    EXPECT_EQ(PictureRows(*back), PictureRows(image));
}

// A decoded library strip keeps its raw-rows or run-stream bit after decoding; a saved
// record must still read as plain rows.
TEST(AC8Record, DecodedLibraryImageSavesAsPlainRows) {
    const TIndexedPicture picture = MakeSamplePicture(3, 300, 250, "lib");
    for (const auto coding : {TAC8StripCoding::RawRows, TAC8StripCoding::RunStream}) {
        const auto image = Load(Record(picture, coding));
        const std::uint8_t kept = coding == TAC8StripCoding::RawRows ? AC8FlagRawRows : AC8FlagRunStream;
        ASSERT_EQ(image->Segment(0).Flags, kept);
        TMemoryStream s;
        image->SaveToStream(s);
        const auto back = Load(s.TakeBytes(), false);
        EXPECT_EQ(back->StoredState(), AC8StatePlain);
        EXPECT_EQ(back->Segment(1).Flags, kept);
        EXPECT_EQ(PictureRows(*back), picture.pixels);
    }
}

TEST(AC8Record, SaveDecodesStripsStillEncoded) {
    const TIndexedPicture picture = MakeSamplePicture(5, 100, 700, "tall");
    const auto image = Load(Record(picture, TAC8StripCoding::Auto), false);
    ASSERT_EQ(image->StoredState(), AC8StateEncoded);
    TMemoryStream s;
    image->SaveToStream(s);
    EXPECT_EQ(image->StoredState(), AC8StatePlain);
    EXPECT_EQ(PictureRows(*Load(s.TakeBytes())), picture.pixels);

    TAC8Image empty;
    TMemoryStream out;
    EXPECT_THROW(
        {
            try {
                empty.SaveToStream(out);
            } catch (const AC8Exception& e) {
                EXPECT_STREQ(e.what(), "Failure on save: image has no data");
                throw;
            }
        },
        AC8Exception);
}

TEST(AC8Record, WriterCutsLongNamesAndRefusesPicturesNoRecordHolds) {
    TIndexedPicture named{"christmas_tree", 3, 2, Bytes(6, 4), true, 4};
    const auto image = Load(Record(named, TAC8StripCoding::Auto));
    EXPECT_EQ(image->Name().Text(), "christma");
    EXPECT_EQ(PictureRows(*image), named.pixels);

    const auto refused = [](int width, int height, std::size_t pixels) {
        TMemoryStream s;
        EXPECT_THROW(WriteImageRecord(s, TIndexedPicture{"bad", width, height, Bytes(pixels, 0), false, 0}),
                     AC8Exception)
            << width << " x " << height << " with " << pixels << " pixels";
        EXPECT_EQ(s.Size(), 0) << "a refused picture writes nothing";
    };
    refused(-4, 2, 8);
    refused(4, -2, 8);
    refused(-1, -1, 1);
    refused(0, 3, 0);
    refused(int(AC8MaxWidth) + 1, 1, AC8MaxWidth + 1);
    refused(3, 2, 5);
    refused(3, 2, 7);
}

// What loading a record gives, either way: the message of its failure, or its pixels.
struct TLoadOutcome {
    std::string Failure;
    Bytes Rows;
    std::int64_t EndPosition = -1;
    bool operator==(const TLoadOutcome&) const = default;
};

template <typename TLoad>
TLoadOutcome LoadOutcome(const Bytes& bytes, TLoad load) {
    TMemoryStream s(bytes);
    TAC8Image image;
    TLoadOutcome outcome;
    try {
        load(image, s);
        EXPECT_EQ(image.StoredState(), AC8StatePlain);
        outcome.Rows = PictureRows(image);
        outcome.EndPosition = s.Position();
    } catch (const VekException& e) {
        outcome.Failure = e.what();
        EXPECT_EQ(image.StoredState(), AC8StateEmpty);
        EXPECT_EQ(image.Pixels(), nullptr);
    }
    return outcome;
}

void ExpectLoadingFromMemoryAgrees(const Bytes& bytes) {
    const TLoadOutcome inTwoSteps = LoadOutcome(bytes, [](TAC8Image& image, TMemoryStream& s) {
        image.LoadFromStream(s);
        image.DecodeAll();
    });
    const TLoadOutcome inOne =
        LoadOutcome(bytes, [](TAC8Image& image, TMemoryStream& s) { image.LoadDecodedFromMemory(s); });
    EXPECT_EQ(inOne.Failure, inTwoSteps.Failure);
    EXPECT_TRUE(inOne == inTwoSteps);
}

// The library loads its pictures in one step, decoding straight from the file's bytes.
TEST(AC8Record, LoadingStraightFromMemoryGivesWhatLoadingThenDecodingGives) {
    std::mt19937 rng(77);
    for (const auto coding : {TAC8StripCoding::Auto, TAC8StripCoding::Plain, TAC8StripCoding::RawRows,
                              TAC8StripCoding::RunStream}) {
        for (int i = 0; i < 12; ++i) {
            const Bytes record = Record(RandomPicture(rng, 1 + rng() % 300, 1 + rng() % 120), coding);
            SCOPED_TRACE(testing::Message() << "coding " << int(coding) << ", picture " << i);
            ExpectLoadingFromMemoryAgrees(record);
            // A record inside a longer stream, as in a library: read from where it starts,
            // ending where the next one begins.
            Bytes library(5, 0x55);
            library.insert(library.end(), record.begin(), record.end());
            library.insert(library.end(), record.begin(), record.end());
            TMemoryStream s(library);
            s.Seek(5 + std::int64_t(record.size()));
            TAC8Image image;
            image.LoadDecodedFromMemory(s);
            EXPECT_EQ(s.Position(), std::int64_t(library.size()));
            EXPECT_EQ(PictureRows(image), PictureRows(*Load(record)));
            // Damage anywhere fails the same way, or decodes to the same pixels.
            for (int k = 0; k < 8; ++k) {
                Bytes damaged = record;
                damaged[rng() % damaged.size()] ^= static_cast<std::uint8_t>(1 + rng() % 255);
                if (rng() % 3 == 0) damaged.resize(rng() % damaged.size());
                ExpectLoadingFromMemoryAgrees(damaged);
            }
        }
    }
    // A coded strip that cannot be decoded before a plain strip of the wrong size: the
    // record's own fault is the one reported, as when the strips are read first.
    TTestRecord r;
    r.Width = 40000;
    r.Height = 2;
    r.Strips = {{1, 2, AC8FlagEncoded, {9}}, {0, 0, 0, Bytes(5, 0)}};
    ExpectLoadingFromMemoryAgrees(r.Bytes());
    EXPECT_EQ(LoadOutcome(r.Bytes(), [](TAC8Image& image, TMemoryStream& s) { image.LoadDecodedFromMemory(s); })
                  .Failure,
              "Invalid AC8 image header");
}

TEST(AC8Record, RefusesDamagedRecords) {
    TTestRecord good;
    good.Width = 3;
    good.Height = 2;
    good.StoredState = AC8StatePlain;
    good.Strips = {{0, 0, 0, Bytes(8, 4)}};
    ASSERT_EQ(PictureRows(*Load(good.Bytes())), Bytes(6, 4));

    std::vector<std::pair<std::string, Bytes>> bad;
    auto with = [&](const std::string& what, auto change) {
        TTestRecord r = good;
        change(r);
        bad.emplace_back(what, r.Bytes());
    };
    with("width 0", [](TTestRecord& r) { r.Width = 0; });
    with("height 0", [](TTestRecord& r) { r.Height = 0; });
    with("version 2", [](TTestRecord& r) { r.Version = 2; });
    with("stored state 3", [](TTestRecord& r) { r.StoredState = 3; });
    with("stored state 0", [](TTestRecord& r) { r.StoredState = 0; });
    with("two strips where the geometry gives one", [](TTestRecord& r) { r.SegmentCountDelta = 1; });
    with("no strips", [](TTestRecord& r) { r.SegmentCountDelta = -1; });
    with("plain strip too short", [](TTestRecord& r) { r.Strips[0].Bytes.pop_back(); });
    with("plain strip too long", [](TTestRecord& r) { r.Strips[0].Bytes.push_back(0); });
    with("width above 65280", [](TTestRecord& r) { r.Width = 65281; });
    {
        Bytes b = good.Bytes();
        b[18] = 20;  // the strip's end lies before its 3 header bytes
        bad.emplace_back("end inside the offsets", b);
        b = good.Bytes();
        b[18] = 200;  // past the end of the stream
        bad.emplace_back("end past the stream", b);
    }
    {
        TTestRecord two;
        two.Width = 40000;
        two.Height = 2;
        two.Strips = {{1, 2, AC8FlagEncoded, {6, 1}}, {1, 2, AC8FlagEncoded, {6, 1}}};
        Bytes b = two.Bytes();
        b[22] = b[18];  // the second end equals the first: not increasing
        b[23] = b[19];
        bad.emplace_back("ends not increasing", b);
    }
    for (const auto& [what, bytes] : bad) {
        SCOPED_TRACE(what);
        TMemoryStream s(bytes);
        TAC8Image image;
        EXPECT_THROW(image.LoadFromStream(s), VekException);
        EXPECT_EQ(image.StoredState(), AC8StateEmpty);
        EXPECT_EQ(image.SegmentCount(), 0);
    }
}

}  // namespace
