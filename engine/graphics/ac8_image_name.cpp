#include "engine/graphics/ac8_image_name.h"

#include "foundation/text.h"

AC8ImageName::AC8ImageName(std::string_view name) {
    const std::size_t end = name.find('\0');
    if (end != std::string_view::npos) name = name.substr(0, end);
    FText = std::string(name.substr(0, MaxLength));
}

AC8ImageName LowerImageName(std::string_view name) { return AC8ImageName(LowerAscii(AC8ImageName(name).Text())); }

std::string ImageNameToString(const AC8ImageName& name) { return LowerAscii(name.Text()); }

bool SameImageName(const AC8ImageName& a, const AC8ImageName& b) {
    return ImageNameToString(a) == ImageNameToString(b);
}
