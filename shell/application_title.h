#pragma once
// The game's own name as its message boxes show it.
inline constexpr char16_t kApplicationTitle[] = u"Quorvel!";
