// Every display routine and every report over random images: nothing reads outside the image (the
// sanitizer build checks that), and no text changes when only bytes outside its own record change.

#include "codecs/voice_message.h"
#include "editors/codes.h"
#include "editors/timers.h"
#include "image/memory_blocks.h"
#include "image/regions.h"
#include "image/statistics.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace rc {
namespace {

// One decoder: `items` texts, item k made only from the bytes of reads(k).
struct Decoder {
    std::string name;
    int items;
    std::function<std::vector<Region>(int)> reads;
    std::function<std::vector<std::string>(const ImageBytes&)> texts;
};

template <std::size_t N> std::vector<std::string> Vec(const std::array<std::string, N>& a) {
    return {a.begin(), a.end()};
}

std::vector<Region> AllCopies(Region (*of)(int copy)) {
    std::vector<Region> r;
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        r.push_back(of(copy));
    return r;
}

std::vector<std::string> Reports(const ImageBytes& image) {
    const print::ReportContext ctx{image, " /srv/site.HR8", "12/07/26", 10};
    std::vector<std::string> texts;
    for (const print::PrintJob& job : print::PrintJobs())
        texts.push_back(print::RenderText(print::BuildJob(job, ctx)));
    return texts;
}

// The image areas each print job reads, in job order.
std::vector<Region> JobReads(int job) {
    switch (job) {
    case 0:
        return {Codes(kBaseCopy).region()};
    case 1:
        return AllCopies([](int c) { return Codes(c).region(); });
    case 2:
        return {Timers(kBaseCopy).region()};
    case 3:
        return AllCopies([](int c) { return Timers(c).region(); });
    case 4:
        return {Messages(kBaseCopy).region()};
    case 5:
        return AllCopies([](int c) { return Messages(c).region(); });
    case 6:
        return {kMacros.region()};
    case 7:
        return {kScheduler.region()};
    case 8:
        return {kUserSpeedDial.region()};
    case 9:
        return {kEmergencySpeedDial.region()};
    case 10:
        return {kBaseZones};
    case 11:
        return AllCopies([](int c) { return Region{ZonesStart(c), kZoneCount}; });
    default:
        return {kCourtesyTones.region(), kCwMessage};
    }
}

std::vector<Decoder> Decoders() {
    std::vector<Decoder> d;
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        d.push_back({"DisplayCodes " + std::to_string(copy), kCodeCount,
                     [copy](int k) {
                         return std::vector<Region>{{Codes(copy).at(k), kCodeRecordSize}};
                     },
                     [copy](const ImageBytes& im) { return Vec(DisplayCodes(im, copy)); }});
        d.push_back({"DisplayTimers " + std::to_string(copy), kTimerCount,
                     [copy](int k) {
                         return std::vector<Region>{{Timers(copy).at(k), kTimerSize}};
                     },
                     [copy](const ImageBytes& im) { return Vec(DisplayTimers(im, copy)); }});
        d.push_back({"VoiceMessageText " + std::to_string(copy), MessageCount(copy),
                     [copy](int k) {
                         return std::vector<Region>{{Messages(copy).at(k), kMessageRecordSize}};
                     },
                     [copy](const ImageBytes& im) {
                         std::vector<std::string> t;
                         for (int k = 0; k < MessageCount(copy); ++k)
                             t.push_back(VoiceMessageText(im, Messages(copy).at(k)));
                         return t;
                     }});
    }
    d.push_back({"DisplayErase", kFlushBlockCount,
                 [](int k) { return std::vector<Region>{FlushBlocks()[k].block}; },
                 [](const ImageBytes& im) {
                     std::vector<std::string> t;
                     for (int colour : DisplayErase(im))
                         t.push_back(std::to_string(colour));
                     return t;
                 }});
    d.push_back({"DisplayStats", kStatCount,
                 [](int k) {
                     return std::vector<Region>{{kStatistics.offset + k, 1}};
                 },
                 [](const ImageBytes& im) {
                     return Vec(DisplayStats(im, "/srv/site.HR8", FileFacts{true, false, 2026, 12, 7}).data);
                 }});
    d.push_back({"report", 13, JobReads, Reports});
    return d;
}

// Random bytes, half of them small, so that counts and digit codes often look valid.
ImageBytes RandomImage(std::mt19937& rng) {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i) {
        const unsigned r = rng();
        image[i] = static_cast<std::uint8_t>((r & 0x100) ? (r & 0xFF) : (r & 0x0F));
    }
    return image;
}

ImageBytes Filled(std::uint8_t b) {
    ImageBytes image;
    for (int i = 0; i < kImageSize; ++i)
        image[i] = b;
    return image;
}

TEST(DecoderFuzz, EveryTextComesOnlyFromItsOwnRecord) {
    std::mt19937 rng(20261207);
    const std::vector<Decoder> decoders = Decoders();
    std::vector<ImageBytes> images = {Filled(0x00), Filled(0xFF)};
    for (int n = 0; n < 2000; ++n)
        images.push_back(RandomImage(rng));
    for (std::size_t n = 0; n < images.size(); ++n) {
        const ImageBytes& image = images[n];
        // Every image is decoded whole; the neighbours test runs on a share of them.
        const bool checkNeighbours = n < 2 || n % 100 == 0;
        const ImageBytes other = RandomImage(rng);
        for (const Decoder& d : decoders) {
            const std::vector<std::string> texts = d.texts(image);
            ASSERT_EQ(texts.size(), static_cast<std::size_t>(d.items)) << d.name;
            for (int k = 0; k < d.items && checkNeighbours; ++k) {
                // Everything around the record replaced by other bytes.
                ImageBytes moved = other;
                for (const Region& r : d.reads(k))
                    for (int i = r.offset; i < r.end(); ++i)
                        moved[i] = image[i];
                ASSERT_EQ(d.texts(moved)[k], texts[k]) << d.name << " item " << k << " on image " << n;
            }
        }
    }
}

} // namespace
} // namespace rc
