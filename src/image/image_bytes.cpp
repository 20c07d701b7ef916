#include "image/image_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <numeric>

namespace rc {

void InvariantFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "internal error: %s (%s:%d)\n", what, file, line);
    std::abort();
}

std::span<const std::uint8_t> ImageBytes::Slice(int offset, int length) const {
    RC_ASSERT(offset >= 0 && length >= 0 && offset + length <= kImageSize);
    return std::span<const std::uint8_t>(bytes_).subspan(static_cast<std::size_t>(offset),
                                                         static_cast<std::size_t>(length));
}

std::int32_t BufferChecksum(const ImageBytes& image) {
    auto bytes = image.Bytes();
    return std::accumulate(bytes.begin(), bytes.end(), std::int32_t{0},
                           [](std::int32_t sum, std::uint8_t b) { return sum + b; });
}

} // namespace rc
