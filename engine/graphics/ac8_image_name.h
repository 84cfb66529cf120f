#pragma once
// Names of images, fonts and songs in image libraries: at most 8 bytes, stored zero-padded
// in records, and compared without regard to the case of the Latin letters.
#include <cstddef>
#include <string>
#include <string_view>

class AC8ImageName {
public:
    static constexpr std::size_t MaxLength = 8;

    AC8ImageName() = default;
    // Cut at the first zero byte and to 8 bytes; the letter case is kept.
    AC8ImageName(std::string_view name);
    AC8ImageName(const std::string& name) : AC8ImageName(std::string_view(name)) {}
    AC8ImageName(const char* name) : AC8ImageName(std::string_view(name)) {}

    const std::string& Text() const { return FText; }
    bool Empty() const { return FText.empty(); }

    // Exact comparison; use SameImageName for the case-blind one.
    friend bool operator==(const AC8ImageName&, const AC8ImageName&) = default;

private:
    std::string FText;
};

// The name cut to 8 bytes and lower-cased.
AC8ImageName LowerImageName(std::string_view name);
// The name as a lower-case string.
std::string ImageNameToString(const AC8ImageName& name);
bool SameImageName(const AC8ImageName& a, const AC8ImageName& b);
