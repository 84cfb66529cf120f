#include <gtest/gtest.h>

#include <vector>

#include "foundation/stream.h"
#include "foundation/stream_values.h"
#include "foundation/vek_exception.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const VekException& e) {
        return e.what();
    }
    return "";
}

TEST(StreamValuesTest, FixedWidthValuesRoundTripLittleEndian) {
    TMemoryStream s;
    WriteByte(s, std::uint8_t{0xAB});
    WriteByte(s, true);
    WriteByte(s, std::int8_t{-2});
    WriteByte(s, 'z');
    WriteWord(s, std::uint16_t{0x1234});
    WriteWord(s, std::int16_t{-3});
    WriteWord(s, u'\u00E9');
    WriteInteger(s, std::int32_t{-123456});
    WriteInteger(s, std::uint32_t{0xDEADBEEF});
    WritePoint(s, {1, -2});
    WriteRect(s, {-1, 2, 300, 400});
    EXPECT_EQ(Bytes(s.Bytes().begin() + 18, s.Bytes().begin() + 26), (Bytes{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));

    s.Seek(0);
    std::uint8_t u8;
    bool flag;
    std::int8_t i8;
    char c;
    std::uint16_t u16;
    std::int16_t i16;
    char16_t ch;
    std::int32_t i32;
    std::uint32_t u32;
    TPoint p;
    TRect r;
    ReadByte(s, u8);
    ReadByte(s, flag);
    ReadByte(s, i8);
    ReadByte(s, c);
    ReadWord(s, u16);
    ReadWord(s, i16);
    ReadWord(s, ch);
    ReadInteger(s, i32);
    ReadInteger(s, u32);
    ReadPoint(s, p);
    ReadRect(s, r);
    EXPECT_EQ(u8, 0xAB);
    EXPECT_TRUE(flag);
    EXPECT_EQ(i8, -2);
    EXPECT_EQ(c, 'z');
    EXPECT_EQ(u16, 0x1234);
    EXPECT_EQ(i16, -3);
    EXPECT_EQ(ch, u'\u00E9');
    EXPECT_EQ(i32, -123456);
    EXPECT_EQ(u32, 0xDEADBEEF);
    EXPECT_EQ(p, (TPoint{1, -2}));
    EXPECT_EQ(r, (TRect{-1, 2, 300, 400}));
    EXPECT_EQ(s.Remaining(), 0);
}

TEST(StreamValuesTest, ShortReadsOfFixedWidthValuesThrow) {
    for (int width : {2, 4, 8, 16}) {
        TMemoryStream s(Bytes(width - 1, 0xAA));
        EXPECT_THROW(
            {
                if (width == 2) ReadU16(s);
                if (width == 4) ReadI32(s);
                if (width == 8) { TPoint p; ReadPoint(s, p); }
                if (width == 16) { TRect r; ReadRect(s, r); }
            },
            VekException)
            << width;
    }
    TMemoryStream empty;
    EXPECT_EQ(MessageOf([&] { ReadU8(empty); }), "Input file is corrupt - unexpected end of data.");
}

TEST(StreamValuesTest, StringsRoundTripInBothForms) {
    TMemoryStream s;
    WriteString(s, u"");
    WriteString(s, u"h\u00E9");
    WriteAnsiString(s, "");
    WriteAnsiString(s, "a\xE9z");
    EXPECT_EQ(Bytes(s.Bytes().begin(), s.Bytes().begin() + 12), (Bytes{0, 0, 0, 0, 4, 0, 0, 0, 'h', 0, 0xE9, 0}));
    s.Seek(0);
    std::u16string wide = u"old";
    std::string narrow = "old";
    ReadString(s, wide);
    EXPECT_EQ(wide, u"");
    ReadString(s, wide);
    EXPECT_EQ(wide, u"h\u00E9");
    ReadAnsiString(s, narrow);
    EXPECT_EQ(narrow, "");
    ReadAnsiString(s, narrow);
    EXPECT_EQ(narrow, "a\xE9z");  // bytes above 127 are kept as they are
}

TEST(StreamValuesTest, ImpossibleStringLengthsAreRefused) {
    const std::string wideError = "ReadString (Unicode): Input file is corrupt - impossible string length detected.";
    const std::string ansiError = "ReadAnsiString: Input file is corrupt - impossible string length detected.";
    std::u16string wide;
    std::string narrow;

    TMemoryStream exact(Bytes{4, 0, 0, 0, 'a', 0, 'b', 0});
    ReadString(exact, wide);
    EXPECT_EQ(wide, u"ab");

    TMemoryStream oneTooMany(Bytes{5, 0, 0, 0, 'a', 0, 'b', 0});
    EXPECT_EQ(MessageOf([&] { ReadString(oneTooMany, wide); }), wideError);
    EXPECT_EQ(oneTooMany.Position(), 4);  // nothing consumed after the count

    TMemoryStream negative(Bytes{0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(MessageOf([&] { ReadString(negative, wide); }), wideError);
    TMemoryStream ansiNegative(Bytes{0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(MessageOf([&] { ReadAnsiString(ansiNegative, narrow); }), ansiError);
    TMemoryStream ansiLong(Bytes{4, 0, 0, 0, 'x'});
    EXPECT_EQ(MessageOf([&] { ReadAnsiString(ansiLong, narrow); }), ansiError);

    TMemoryStream zeroAtEnd(Bytes{0, 0, 0, 0});
    ReadString(zeroAtEnd, wide);
    EXPECT_EQ(wide, u"");
}

TEST(StreamValuesTest, OddUtf16CountConsumesAllItsBytes) {
    TMemoryStream s(Bytes{3, 0, 0, 0, 'a', 0, 'b', 7});
    std::u16string wide;
    ReadString(s, wide);
    EXPECT_EQ(wide, u"a");
    EXPECT_EQ(s.Position(), 7);
    EXPECT_EQ(ReadU8(s), 7);
}

TEST(StreamValuesTest, CutStringsThrowAtEveryPosition) {
    TMemoryStream full;
    WriteString(full, u"hello");
    WriteAnsiString(full, "world");
    for (std::size_t cut = 0; cut < full.Bytes().size(); ++cut) {
        TMemoryStream part(full.Bytes().data(), cut);
        std::u16string wide;
        std::string narrow;
        EXPECT_THROW({ ReadString(part, wide); ReadAnsiString(part, narrow); }, VekException) << cut;
    }
}

TEST(FileStreamTest, WritesReadsAndRefusesMissingFiles) {
    const auto path = std::filesystem::temp_directory_path() / "zorvik_file_stream_test.bin";
    {
        TFileStream out(path, TFileStream::Mode::Create);
        WriteInteger(out, std::int32_t{42});
        WriteString(out, u"ok");
        out.Close();
    }
    EXPECT_EQ(ReadWholeFile(path).size(), 4u + 4u + 4u);
    TFileStream in(path, TFileStream::Mode::ReadOnly);
    EXPECT_EQ(in.Size(), 12);
    EXPECT_EQ(ReadI32(in), 42);
    std::u16string text;
    ReadString(in, text);
    EXPECT_EQ(text, u"ok");
    EXPECT_THROW(ReadU8(in), VekException);
    EXPECT_THROW(in.Write("x", 1), VekException);  // read-only
    std::filesystem::remove(path);
    EXPECT_THROW(TFileStream(path, TFileStream::Mode::ReadOnly), VekException);
}

// The stream keeps its size and position itself: they must follow every read, write and
// seek exactly, or a library index would read records at the wrong place.
TEST(FileStreamTest, SizeAndPositionFollowReadsWritesAndSeeks) {
    const auto path = std::filesystem::temp_directory_path() / "zorvik_file_stream_seek_test.bin";
    {
        TFileStream out(path, TFileStream::Mode::Create);
        EXPECT_EQ(out.Size(), 0);
        const std::uint8_t bytes[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        out.Write(bytes, 10);
        EXPECT_EQ(out.Size(), 10);
        EXPECT_EQ(out.Position(), 10);
        out.Seek(2);
        out.Write("\xAA", 1);  // overwriting inside keeps the size
        EXPECT_EQ(out.Size(), 10);
        EXPECT_EQ(out.Position(), 3);
        EXPECT_THROW(out.Seek(11), VekException);
        out.Seek(10);
        out.Write("\xBB", 1);
        EXPECT_EQ(out.Size(), 11);
        out.Close();
    }
    TFileStream in(path, TFileStream::Mode::ReadOnly);
    EXPECT_EQ(in.Size(), 11);
    EXPECT_EQ(in.Position(), 0);
    EXPECT_EQ(ReadU8(in), 0);
    in.Seek(1);  // where the last read ended
    EXPECT_EQ(ReadU8(in), 1);
    EXPECT_EQ(ReadU8(in), 0xAA);
    in.Seek(10);
    EXPECT_EQ(ReadU8(in), 0xBB);
    EXPECT_EQ(in.Position(), 11);
    EXPECT_EQ(in.Remaining(), 0);
    in.Seek(0);
    EXPECT_EQ(ReadU8(in), 0);
    EXPECT_EQ(in.Position(), 1);
    EXPECT_THROW(in.Seek(-1), VekException);
    EXPECT_THROW(in.Seek(12), VekException);
    EXPECT_EQ(in.Position(), 1);  // a refused seek moves nothing
    in.Seek(11);
    EXPECT_THROW(ReadU8(in), VekException);
    std::filesystem::remove(path);
}

}  // namespace
