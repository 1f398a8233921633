#pragma once
// A zero-terminated UTF-16 text in a fixed array of N characters, terminator
// included. Every copy into it is bounded and reports whether it was cut, so a
// caller can refuse a name that does not fit instead of acting on part of it.
// Thread contract: none of its own; the owner decides.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace platform {

template <std::size_t N>
class FixedText {
    static_assert(N > 0);

public:
    static constexpr std::size_t kCapacity = N;

    FixedText() = default;

    const char16_t* c_str() const { return text_.data(); }
    std::u16string_view View() const { return std::u16string_view(text_.data(), Length()); }
    std::size_t Length() const {
        return static_cast<std::size_t>(std::find(text_.begin(), text_.end(), u'\0') -
                                        text_.begin());
    }
    bool Empty() const { return text_[0] == u'\0'; }

    // Whether the text fits whole within `limit` characters (at most N - 1).
    static constexpr bool Fits(std::u16string_view source, std::size_t limit = N - 1) {
        return source.size() <= std::min(limit, N - 1);
    }

    // Copies at most `limit` characters (never more than N - 1); a character
    // zero in the source ends it. Returns false when the source was cut.
    bool Assign(std::u16string_view source, std::size_t limit = N - 1) {
        const std::size_t end = std::min(source.find(u'\0'), source.size());
        source = source.substr(0, end);
        const std::size_t count = std::min({source.size(), limit, N - 1});
        std::copy_n(source.begin(), count, text_.begin());
        text_[count] = u'\0';
        return count == source.size();
    }

    // Adds text after what is there, up to `limit` characters in all (never
    // more than N - 1). Returns false when the source was cut.
    bool Append(std::u16string_view source, std::size_t limit = N - 1) {
        const std::size_t length = Length();
        const std::size_t end = std::min(source.find(u'\0'), source.size());
        source = source.substr(0, end);
        const std::size_t room = std::min(limit, N - 1) > length ? std::min(limit, N - 1) - length : 0;
        const std::size_t count = std::min(source.size(), room);
        std::copy_n(source.begin(), count, text_.begin() + static_cast<std::ptrdiff_t>(length));
        text_[length + count] = u'\0';
        return count == source.size();
    }

    void Clear() { text_[0] = u'\0'; }

private:
    std::array<char16_t, N> text_{};
};

}  // namespace platform
