#include "print/jobs.h"

#include "image/regions.h"
#include "print/reports.h"

namespace rc::print {

namespace {

// One document: the page heading, then the report.
template <typename Body> Document OneDocument(const ReportContext& ctx, Body body) {
    DocumentBuilder b;
    PageHeading(b, ctx);
    body(b);
    return b.Finish();
}

void BaseCodes(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) { PCodes(b, ctx.image, kBaseCopy); }));
}

void MemoryCodes(std::vector<Document>& out, const ReportContext& ctx) {
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) { PCodes(b, ctx.image, copy); }));
}

void BaseTimers(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) { PTimers(b, ctx.image, kBaseCopy); }));
}

void MemoryTimers(std::vector<Document>& out, const ReportContext& ctx) {
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) { PTimers(b, ctx.image, copy); }));
}

// A voice message document: its own heading and title, then the messages.
template <typename Body> Document VoiceDocument(const ReportContext& ctx, int copy, Body body) {
    DocumentBuilder b;
    PageHeadingM(b, ctx, copy);
    body(b);
    return b.Finish();
}

void BaseMessages(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(VoiceDocument(ctx, kBaseCopy, [&](DocumentBuilder& b) { PMessages(b, ctx.image); }));
}

void MemoryMessages(std::vector<Document>& out, const ReportContext& ctx) {
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        out.push_back(VoiceDocument(ctx, copy, [&](DocumentBuilder& b) { PMessagesM(b, ctx.image, copy); }));
}

void Macros(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) { PMacros(b, ctx.image); }));
}

// Two pages of twenty events, each page with its own heading and title.
void Schedular(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) {
        PSchedular(b, ctx.image, 1);
        b.NewPage();
        PageHeading(b, ctx);
        PSchedular(b, ctx.image, 2);
    }));
}

// Five pages of twenty entries, each page with its own heading and title.
void UserSpeedDial(std::vector<Document>& out, const ReportContext& ctx) {
    DocumentBuilder b;
    for (int page = 0; page < 5; ++page) {
        if (page > 0)
            b.NewPage();
        PageHeading(b, ctx);
        SubHeading(b, 50);
        PSpeedDial(b, ctx.image, page);
    }
    out.push_back(b.Finish());
}

void EmergencySpeedDial(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) {
        SubHeading(b, 55);
        PSpeedDialE(b, ctx.image);
    }));
}

// Two documents per zone table, zones 1 to 4 and 5 to 8, each with its own heading and title.
void ZoneDocuments(std::vector<Document>& out, const ReportContext& ctx, int copy) {
    for (int first : {1, 5})
        out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) {
            SubHeading(b, 60 + copy);
            PZonePair(b, ctx.image, ZonesStart(copy), first);
            b.EmptyLine();
            b.EmptyLine();
            PZonePair(b, ctx.image, ZonesStart(copy), first + 2);
        }));
}

void BaseZones(std::vector<Document>& out, const ReportContext& ctx) {
    ZoneDocuments(out, ctx, kBaseCopy);
}

void MemoryZones(std::vector<Document>& out, const ReportContext& ctx) {
    for (int copy = 1; copy <= kMemorySaveCount; ++copy)
        ZoneDocuments(out, ctx, copy);
}

// The courtesy tones, then the CW message on the same page.
void TonesCw(std::vector<Document>& out, const ReportContext& ctx) {
    out.push_back(OneDocument(ctx, [&](DocumentBuilder& b) {
        SubHeading(b, 70);
        pCourtesyTones(b, ctx.image);
        SubHeading(b, 80);
        PCWMessages(b, ctx.image);
    }));
}

const std::array<PrintJob, 13> kJobs = {{
    {0, "codes", "Base Repeater Codes", BaseCodes},
    {1, "mem-codes", "Memory Saves Repeater Codes", MemoryCodes},
    {2, "timers", "Base Repeater Timers", BaseTimers},
    {3, "mem-timers", "Memory Saves Repeater Timers", MemoryTimers},
    {4, "voice", "Base Voice Messages", BaseMessages},
    {5, "mem-voice", "Memory Saves Voice Messages", MemoryMessages},
    {6, "macros", "Macros", Macros},
    {7, "scheduler", "Schedular", Schedular},
    {8, "speed-dial", "User Speed Dial Numbers", UserSpeedDial},
    {9, "emergency", "Emergency Speed Dial Numbers", EmergencySpeedDial},
    {10, "zones", "Base Repeater Zones", BaseZones},
    {11, "mem-zones", "Memory Saves Repeater Zones", MemoryZones},
    {12, "tones-cw", "Courtesy Tones / CW Message", TonesCw},
}};

} // namespace

const std::array<PrintJob, 13>& PrintJobs() {
    return kJobs;
}

std::vector<Document> BuildJob(const PrintJob& job, const ReportContext& ctx) {
    std::vector<Document> docs;
    if (job.build)
        job.build(docs, ctx);
    return docs;
}

} // namespace rc::print
