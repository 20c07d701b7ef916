#pragma once

// A private folder removed again at the end, whole files read and written, and the bundled sample.

#include "image/image_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace rc::test {

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), std::streamsize(bytes.size()));
}

class TempFolder {
public:
    TempFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "rc-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() {
        std::error_code ec; // a test may have taken the write permission away
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string Path(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline ImageBytes SampleImage() {
    ImageBytes image;
    EXPECT_EQ(ReadImageFile(RC_SOURCE_DIR "/samples/Default.HR8", image).error, OpenError::None);
    return image;
}

// Random bytes, half of them small, so that counts, digit codes and indexes often look valid.
inline ImageBytes RandomImage(std::mt19937& rng) {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i) {
        const unsigned r = rng();
        image[i] = static_cast<std::uint8_t>((r & 0x100) ? (r & 0xFF) : (r & 0x0F));
    }
    return image;
}

} // namespace rc::test
