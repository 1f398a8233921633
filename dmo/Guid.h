#pragma once
// Class and interface identifiers, written and compared as the familiar
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" text. Parse is constexpr so a typo in
// an identifier constant fails the build instead of a creation at run time.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dmo {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    static constexpr Guid Parse(std::string_view text) {
        if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' ||
            text[14] != '-' || text[19] != '-' || text[24] != '-') {
            throw std::invalid_argument("malformed identifier");
        }
        Guid guid;
        guid.data1 = static_cast<std::uint32_t>(Hex(text, 1, 8));
        guid.data2 = static_cast<std::uint16_t>(Hex(text, 10, 4));
        guid.data3 = static_cast<std::uint16_t>(Hex(text, 15, 4));
        guid.data4[0] = static_cast<std::uint8_t>(Hex(text, 20, 2));
        guid.data4[1] = static_cast<std::uint8_t>(Hex(text, 22, 2));
        for (std::size_t i = 0; i < 6; ++i) {
            guid.data4[2 + i] = static_cast<std::uint8_t>(Hex(text, 25 + 2 * i, 2));
        }
        return guid;
    }

    std::string ToString() const;

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

private:
    static constexpr std::uint64_t Hex(std::string_view text, std::size_t at, std::size_t count) {
        std::uint64_t value = 0;
        for (std::size_t i = at; i < at + count; ++i) {
            const char c = text[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                throw std::invalid_argument("malformed identifier");
            value = value * 16 + static_cast<std::uint64_t>(digit);
        }
        return value;
    }
};

}  // namespace dmo
