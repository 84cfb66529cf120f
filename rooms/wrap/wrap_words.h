#pragma once
// The words of the wrapping table and the show room (TWrapRoom): the scripts and senders its
// RunScript answers, the boxes and frame sets it looks up by name and the rooms it goes to.
// The numbered boxes ("PAPER1", "RIB2", "BOW3") are a stem and a digit; the digit is read
// just past the stem, so the stems here also say where it sits.
#include <string_view>

namespace wrap_words {
// Scripts.
inline constexpr std::string_view kPaper = "PAPER";    // a paper box was picked
inline constexpr std::string_view kRibbon = "RIBBON";  // a ribbon box was picked
inline constexpr std::string_view kBow = "BOW";        // a bow box was picked
inline constexpr std::string_view kTag = "TAG";        // the small or big tag was clicked
// Senders.
inline constexpr std::string_view kTakeSlate = "SLATE2";  // the slate toy taken from its shelf
inline constexpr std::string_view kTags = "TAGS";         // the tag rack: put on or take off
inline constexpr std::string_view kUnwrap = "UNWRAP";     // undo the last step
// Boxes (a frame set of the same name shows each, where there is one).
inline constexpr std::string_view kPaperStem = "PAPER";  // PAPER1 to PAPER4
inline constexpr std::string_view kRibbonStem = "RIB";   // RIB1 to RIB3
inline constexpr std::string_view kBowStem = "BOW";      // BOW1 to BOW3, on the rack
inline constexpr std::string_view kSlateShelf = "SLATE1";   // the slate toy's own shelf place
inline constexpr std::string_view kSlateToy = "SLATE2";     // the slate toy, shelf or table
inline constexpr std::string_view kTagRack = "TAG";         // the tag on its rack
inline constexpr std::string_view kGiftSlider = "GIFT";     // the control box the bow slides on
inline constexpr std::string_view kSmallTag = "SMTAG";      // the tag on the gift
inline constexpr std::string_view kBigTag = "BIGTAG";       // the tag shown large
// Rooms.
inline constexpr std::string_view kKind = "WRAP";             // the kind word of both rooms
inline constexpr std::string_view kShowPrefix = "SHOW";       // a room ID so begun is a show room
inline constexpr std::string_view kWrapRoom = "WRAP";         // the wrapping table
inline constexpr std::string_view kShowRoom = "SHOWGIFT";     // the show room
inline constexpr std::string_view kWrapHelpPage = "GATEXT>";  // where the tutor word leads
inline constexpr std::string_view kShowHelpPage = "SRTEXT";   // the same, from the show room
}  // namespace wrap_words
