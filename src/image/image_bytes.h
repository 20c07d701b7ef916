#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace rc {

inline constexpr int kImageSize = 8192;

// Aborts with a message on a broken internal invariant, in every build type: an offset outside the
// image is a programming error, and silently writing past it would corrupt a controller's settings.
[[noreturn]] void InvariantFailed(const char* what, const char* file, int line);

#define RC_ASSERT(cond)                                                                                      \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            ::rc::InvariantFailed(#cond, __FILE__, __LINE__);                                                \
    } while (0)

// The controller's whole settings memory: exactly 8192 bytes, zero until a file is read into it.
class ImageBytes {
public:
    ImageBytes() { bytes_.fill(0); }

    std::uint8_t& operator[](int index) {
        RC_ASSERT(index >= 0 && index < kImageSize);
        return bytes_[static_cast<std::size_t>(index)];
    }
    std::uint8_t operator[](int index) const {
        RC_ASSERT(index >= 0 && index < kImageSize);
        return bytes_[static_cast<std::size_t>(index)];
    }

    // The 16-bit little-endian word at index (low byte first).
    int Word(int index) const { return (*this)[index] | ((*this)[index + 1] << 8); }

    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::span<std::uint8_t> MutableBytes() { return bytes_; }
    // A read-only view of [offset, offset + length), checked against the image bounds.
    std::span<const std::uint8_t> Slice(int offset, int length) const;

    bool operator==(const ImageBytes&) const = default;

private:
    std::array<std::uint8_t, kImageSize> bytes_;
};

// The image sum: every byte as 0..255 added into a 32-bit signed integer (at most 2,088,960).
std::int32_t BufferChecksum(const ImageBytes& image);

} // namespace rc
