#pragma once
// The game's fixed texts: messages the shell shows, the names of two data files and the
// given names written on gift tags, looked up by a 16-bit id.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

inline constexpr std::uint16_t GameStringMonochromeDisplay = 1024;
inline constexpr std::uint16_t GameStringSixteenColourDisplay = 1025;
inline constexpr std::uint16_t GameStringStartLibraryFile = 1026;
inline constexpr std::uint16_t GameStringMainLibraryFile = 1027;
inline constexpr std::uint16_t GameStringInvalidImageData = 1345;
inline constexpr std::uint16_t GameStringUnknownScript = 1346;
inline constexpr std::uint16_t GameStringReallyQuit = 1348;
inline constexpr std::uint16_t GameStringFileNotFound = 1349;
inline constexpr std::uint16_t GameStringNilPointer = 1350;
inline constexpr std::uint16_t GameStringSavedGameDamaged = 1351;

// Recipients of gift tags: a new gift picks FirstGivenName + Random(GivenNameCount).
inline constexpr std::uint16_t FirstGivenName = 1440;
inline constexpr std::uint16_t GivenNameCount = 299;

// The text of the id; an id without an entry gives an empty text.
std::u16string GameString(std::uint16_t id);

// The text of the id with each "%s" replaced, in order, by the next argument. Arguments are
// inserted as they stand (a "%s" inside one is not replaced again); a "%s" left without an
// argument becomes empty.
std::u16string FormatGameString(std::uint16_t id, std::initializer_list<std::u16string_view> args);
