#pragma once
// Timer codes by name. A room timer fires as a script message chosen by its code (see
// TimerMessage): codes 3 to 6 and 18 to 45 send a word of their own as the sender, 7 to 17
// send ANIMATE with the frame number. Rooms add timers by these names, never by number, and
// the table below is checked against the words at compile time, so a code and the word its
// room's RunScript waits for cannot drift apart.
#include <array>
#include <cstdint>
#include <string_view>

enum class TTimerCode : std::uint8_t {
    Tick = 3,
    Timer = 4,
    Delay = 5,
    Animate = 6,
    AnimateFirst = 7,  // ANIMATE "1"; ANIMATE "n" is AnimateFirst + n - 1
    AnimateLast = 17,  // ANIMATE "11"
    Red1 = 18,
    Red2 = 19,
    Exit = 20,
    Music = 21,
    Flash = 22,
    GoLeftEnd = 23,
    GoRightEnd = 24,
    Release = 25,
    Match = 26,
    Cook = 27,
    Eat = 28,
    Machine = 29,
    Cartridge = 30,
    Deal = 31,
    DelayedExit = 32,
    Raise = 33,
    Lower = 34,
    Cuckoo = 35,
    Slate = 36,
    SnapFlash = 37,
    Placing = 38,
    Radio = 39,
    RadioFlash = 40,
    Whistle1 = 41,
    Whistle2 = 42,
    HangBugWait = 43,
    PrintBugWait = 44,
    CardBugWait = 45,
};

constexpr std::uint8_t TimerCodeValue(TTimerCode code) { return static_cast<std::uint8_t>(code); }

// The sender words of codes 3 to 6 and of 18 to 45, in code order: what TimerMessage sends.
inline constexpr std::array<std::string_view, 4> kFirstTimerWords{"TICK", "TIMER", "DELAY", "ANIMATE"};
inline constexpr std::array<std::string_view, 28> kTimerWords{
    "RED1",    "RED2",      "EXIT",        "MUSIC",     "FLASH",    "GO_L_END", "GO_R_END",
    "RELEASE", "MATCH",     "COOK",        "EAT",       "MACHINE",  "CARTRIDGE", "DEAL",
    "DELAYEDEXIT", "RAISE", "LOWER",       "CUCKOO",    "SLATE",    "SNAPFLASH", "PLACING",
    "RADIO",   "RADIOFLASH", "WHISTLE1",   "WHISTLE2",  "HANGBUGWAIT", "PRINTBUGWAIT", "CARDBUGWAIT"};

// The word a code sends as its sender; empty for the ANIMATE frames and codes without one.
constexpr std::string_view TimerWord(TTimerCode code) {
    const std::uint8_t value = TimerCodeValue(code);
    if (value >= TimerCodeValue(TTimerCode::Tick) && value <= TimerCodeValue(TTimerCode::Animate))
        return kFirstTimerWords[value - TimerCodeValue(TTimerCode::Tick)];
    if (value >= TimerCodeValue(TTimerCode::Red1) && value <= TimerCodeValue(TTimerCode::CardBugWait))
        return kTimerWords[value - TimerCodeValue(TTimerCode::Red1)];
    return {};
}

namespace timer_codes_detail {
struct TNamedTimer {
    TTimerCode Code;
    std::string_view Word;
};
// Every named code with the word its name stands for.
inline constexpr std::array<TNamedTimer, 32> kNamedTimers{{
    {TTimerCode::Tick, "TICK"},          {TTimerCode::Timer, "TIMER"},
    {TTimerCode::Delay, "DELAY"},        {TTimerCode::Animate, "ANIMATE"},
    {TTimerCode::Red1, "RED1"},          {TTimerCode::Red2, "RED2"},
    {TTimerCode::Exit, "EXIT"},          {TTimerCode::Music, "MUSIC"},
    {TTimerCode::Flash, "FLASH"},        {TTimerCode::GoLeftEnd, "GO_L_END"},
    {TTimerCode::GoRightEnd, "GO_R_END"}, {TTimerCode::Release, "RELEASE"},
    {TTimerCode::Match, "MATCH"},        {TTimerCode::Cook, "COOK"},
    {TTimerCode::Eat, "EAT"},            {TTimerCode::Machine, "MACHINE"},
    {TTimerCode::Cartridge, "CARTRIDGE"}, {TTimerCode::Deal, "DEAL"},
    {TTimerCode::DelayedExit, "DELAYEDEXIT"}, {TTimerCode::Raise, "RAISE"},
    {TTimerCode::Lower, "LOWER"},        {TTimerCode::Cuckoo, "CUCKOO"},
    {TTimerCode::Slate, "SLATE"},        {TTimerCode::SnapFlash, "SNAPFLASH"},
    {TTimerCode::Placing, "PLACING"},    {TTimerCode::Radio, "RADIO"},
    {TTimerCode::RadioFlash, "RADIOFLASH"}, {TTimerCode::Whistle1, "WHISTLE1"},
    {TTimerCode::Whistle2, "WHISTLE2"},  {TTimerCode::HangBugWait, "HANGBUGWAIT"},
    {TTimerCode::PrintBugWait, "PRINTBUGWAIT"}, {TTimerCode::CardBugWait, "CARDBUGWAIT"},
}};
constexpr bool NamesMatchWords() {
    for (const TNamedTimer& named : kNamedTimers)
        if (TimerWord(named.Code) != named.Word) return false;
    return true;
}
}  // namespace timer_codes_detail

static_assert(timer_codes_detail::NamesMatchWords(), "a timer code's name and the word it sends differ");
static_assert(TimerCodeValue(TTimerCode::AnimateLast) - TimerCodeValue(TTimerCode::AnimateFirst) + 1 == 11);
static_assert(kFirstTimerWords.size() == TimerCodeValue(TTimerCode::Animate) - TimerCodeValue(TTimerCode::Tick) + 1);
static_assert(kTimerWords.size() == TimerCodeValue(TTimerCode::CardBugWait) - TimerCodeValue(TTimerCode::Red1) + 1);
