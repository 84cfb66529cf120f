#include "rooms/living/living_pieces.h"

namespace living {

TRect HourHandCell(int hour, int minute) {
    const std::int32_t x = kHandCell * (minute / 12);
    const std::int32_t y = kHandCell * (hour % 12);
    return TRect{x, y, x + kHandCell, y + kHandCell};
}

TRect MinuteHandCell(int minute) {
    const std::int32_t x = 145 + kHandCell * (minute % 5);
    const std::int32_t y = kHandCell * (minute / 5);
    return TRect{x, y, x + kHandCell, y + kHandCell};
}

TRect RadioCell(bool present, std::uint8_t mode, bool lightOn) {
    const std::int32_t m = present ? mode : 0;
    const std::int32_t r = present && (mode == 0 || lightOn) ? 1 : 0;
    const std::int32_t x = 107 + kRadioCellWidth * m;
    const std::int32_t y = 348 + kRadioCellHeight * r;
    return TRect{x, y, x + kRadioCellWidth, y + kRadioCellHeight};
}

}  // namespace living
