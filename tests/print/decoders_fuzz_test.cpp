// Every display routine (of every editor dialog, through the settings listing) and every report over
// random images: nothing reads outside the image (the
// sanitizer build checks that), and no text changes when only bytes outside its own record change.

#include "codecs/voice_message.h"
#include "editors/codes.h"
#include "editors/memory_blocks.h"
#include "editors/statistics.h"
#include "editors/timers.h"
#include "listing/settings_list.h"
#include "print/jobs.h"
#include "print/text_renderer.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace rc {
namespace {

using Texts = std::vector<std::string>;

// One decoder: item k of its texts is made only from the bytes of reads(k).
struct Decoder {
    std::string name;
    std::function<std::vector<Region>(int)> reads;
    std::function<Texts(const ImageBytes&)> texts;
};

template <typename C> Texts Strings(const C& c) {
    return Texts(std::begin(c), std::end(c));
}

// The image areas each print job reads, in job order.
std::vector<Region> JobReads(int job) {
    const auto everySave = [](Region (*of)(int copy)) {
        return std::vector<Region>{of(1), of(2), of(3), of(4)};
    };
    Region (*codes)(int) = [](int c) { return Codes(c).region(); };
    Region (*timers)(int) = [](int c) { return Timers(c).region(); };
    Region (*messages)(int) = [](int c) { return Messages(c).region(); };
    const std::vector<std::vector<Region>> reads = {{codes(0)},
                                                    everySave(codes),
                                                    {timers(0)},
                                                    everySave(timers),
                                                    {messages(0)},
                                                    everySave(messages),
                                                    {kMacros.region()},
                                                    {kScheduler.region()},
                                                    {kUserSpeedDial.region()},
                                                    {kEmergencySpeedDial.region()},
                                                    {kBaseZones},
                                                    everySave([](int c) {
                                                        return Region{ZonesStart(c), kZoneCount};
                                                    }),
                                                    {kCourtesyTones.region(), kCwMessage}};
    return reads.at(static_cast<std::size_t>(job)); // a job added without its areas throws
}

// Item k is made from record k of `table` alone.
std::function<std::vector<Region>(int)> RecordOf(RecordTable table) {
    return [table](int k) { return std::vector<Region>{{table.at(k), table.recordSize}}; };
}

std::vector<Decoder> Decoders() {
    std::vector<Decoder> d;
    for (int copy = 0; copy <= kMemorySaveCount; ++copy) {
        const std::string n = " " + std::to_string(copy);
        d.push_back({"DisplayCodes" + n, RecordOf(Codes(copy)),
                     [=](const ImageBytes& im) { return Strings(DisplayCodes(im, copy)); }});
        d.push_back({"DisplayTimers" + n, RecordOf(Timers(copy)),
                     [=](const ImageBytes& im) { return Strings(DisplayTimers(im, copy)); }});
        d.push_back({"VoiceMessageText" + n, RecordOf(Messages(copy)), [=](const ImageBytes& im) {
                         Texts t;
                         for (int k = 0; k < MessageCount(copy); ++k)
                             t.push_back(VoiceMessageText(im, Messages(copy).at(k)));
                         return t;
                     }});
    }
    d.push_back({"DisplayErase", [](int k) { return std::vector<Region>{FlushBlocks()[k].block}; },
                 [](const ImageBytes& im) {
                     Texts t;
                     for (int colour : DisplayErase(im))
                         t.push_back(std::to_string(colour));
                     return t;
                 }});
    d.push_back({"DisplayStats", RecordOf({kStatistics.offset, 1, kStatistics.length}),
                 [](const ImageBytes& im) { return Strings(DisplayStats(im, "/srv/a.HR8", {true}).data); }});
    // The settings listing runs the display routine of every editor dialog, area by area.
    for (const listing::ListedArea& area : listing::ListedAreas())
        d.push_back({area.area, [area](int) { return area.bytes; },
                     [area](const ImageBytes& im) {
                         std::vector<listing::SettingLine> lines;
                         area.list(im, area.copy, lines);
                         Texts t;
                         for (const listing::SettingLine& l : lines)
                             t.push_back(l.item + " = " + l.value);
                         return t;
                     }});
    d.push_back({"report", JobReads, [](const ImageBytes& im) {
                     const print::ReportContext ctx{im, " /srv/a.HR8", "12/07/26", 10};
                     Texts t;
                     for (const print::PrintJob& job : print::PrintJobs())
                         t.push_back(print::RenderText(print::BuildJob(job, ctx)));
                     return t;
                 }});
    return d;
}

using test::RandomImage;

TEST(DecoderFuzz, EveryTextComesOnlyFromItsOwnRecord) {
    std::mt19937 rng(20261207);
    const std::vector<Decoder> decoders = Decoders();
    std::vector<ImageBytes> images(2);
    std::fill(images[1].MutableBytes().begin(), images[1].MutableBytes().end(), 0xFF);
    for (int n = 0; n < 2000; ++n)
        images.push_back(RandomImage(rng));
    for (std::size_t n = 0; n < images.size(); ++n) {
        const ImageBytes other = RandomImage(rng);
        for (const Decoder& d : decoders) {
            const Texts texts = d.texts(images[n]);
            // The neighbours test runs on a share of the images: each item is decoded again on
            // other bytes everywhere but in its own record.
            for (std::size_t k = 0; k < texts.size() && (n < 2 || n % 100 == 0); ++k) {
                ImageBytes moved = other;
                for (const Region& r : d.reads(static_cast<int>(k)))
                    for (int i = r.offset; i < r.end(); ++i)
                        moved[i] = images[n][i];
                ASSERT_EQ(d.texts(moved)[k], texts[k]) << d.name << " item " << k << " on image " << n;
            }
        }
    }
}

} // namespace
} // namespace rc
