#pragma once

// Controller commands: four decimal digits in two BCD bytes, the function (first two digits) and
// its argument (last two). A function byte of 0 marks an empty command slot.

#include <cstdint>
#include <string>
#include <string_view>

namespace rc {

struct CommandCode {
    std::uint8_t function = 0;
    std::uint8_t argument = 0;
    bool operator==(const CommandCode&) const = default;
};

// The first and the last character of s as the high and low digit of a BCD byte. Only the keys 1
// to 9 count; "0", "*", "#", "A" to "D" and a missing character give a 0 digit.
std::uint8_t TwoDigitsToByte(std::string_view s);

// An entered command: the first two characters give the function, the last two the argument, so a
// text shorter than four digits reuses characters ("123" gives 0x12 0x23).
CommandCode CommandFromText(std::string_view t);

// An argument byte in hexadecimal without a leading zero: 0x05 gives "5", 0x1A gives "1A".
std::string ArgumentText(std::uint8_t argument);

// The description of a stored command; anything the controller does not know is "Invalid Entry".
std::string CommandText(std::uint8_t function, std::uint8_t argument);
inline std::string CommandText(CommandCode c) {
    return CommandText(c.function, c.argument);
}

} // namespace rc
