#pragma once

// The region map of the controller image. Every offset and length an editor, report or copy uses
// comes from here, so the map can be read against the controller's memory layout in one place.

#include "image/image_bytes.h"

namespace rc {

// A contiguous block of the image.
struct Region {
    int offset;
    int length;
    constexpr int end() const { return offset + length; } // one past the last byte
    constexpr bool contains(int index) const { return index >= offset && index < end(); }
};

// A block holding `count` records of `recordSize` bytes each; at(n) is record n, counting from 0.
struct RecordTable {
    int offset;
    int recordSize;
    int count;
    constexpr int at(int n) const { return offset + recordSize * n; }
    constexpr int length() const { return recordSize * count; }
    constexpr Region region() const { return {offset, length()}; }
};

// Copy selectors: 0 is the base settings, 1 to 4 the memory saves.
inline constexpr int kBaseCopy = 0;
inline constexpr int kMemorySaveCount = 4;

// --- Base settings -----------------------------------------------------------------------------
inline constexpr Region kUnlockCode{16, 8}; // count byte + 7 digit codes
inline constexpr Region kBaseZones{24, 8};  // zones 1 to 8, one byte each
inline constexpr int kZoneCount = 8;
inline constexpr int kSaveAlertZoneByte = 24;     // bits 0..2: transmitter, CTCSS, DTMF access
inline constexpr Region kBaseCodesBlock{32, 144}; // 17 codes + 8 bytes that travel with them
inline constexpr int kCodeCount = 17;
inline constexpr int kCodeRecordSize = 8;
inline constexpr int kCodeDigits = 7;
inline constexpr Region kBaseTimersBlock{184, 40}; // 16 timers + 8 bytes that travel with them
inline constexpr int kTimerCount = 16;
inline constexpr int kTimerSize = 2;
inline constexpr Region kBaseMessagesBlock{224, 960}; // 20 voice messages of 48 bytes
inline constexpr int kMessageRecordSize = 48;
inline constexpr int kBaseMessageCount = 20;
inline constexpr int kMemoryMessageCount = 8;
inline constexpr Region kCwMessage{1184, 32}; // count byte + up to 31 character codes
inline constexpr RecordTable kAreaCodes{3712, 3, 20};
inline constexpr RecordTable kLockoutNumbers{3776, 12, 20};
inline constexpr int kLockoutDigits = 11;
inline constexpr Region kStatistics{4017, 10}; // ten one-byte usage counters
inline constexpr int kOptionFlags = 4029;
inline constexpr RecordTable kMacros{4032, 28, 20};
inline constexpr int kMacroCodeDigits = 7;
inline constexpr RecordTable kCourtesyTones{4592, 8, 8};
inline constexpr RecordTable kHardwareInputs{4656, 2, 8};
inline constexpr RecordTable kExpandedSwitches{4672, 1, 16};
inline constexpr Region kPreDialNumber{4688, 8}; // count byte + 7 digit codes
inline constexpr RecordTable kEmergencySpeedDial{4704, 30, 5};
inline constexpr RecordTable kUserSpeedDial{4864, 30, 100};
inline constexpr RecordTable kScheduler{7888, 7, 40};

// --- Memory saves ------------------------------------------------------------------------------
// Block n (1..4) starts at 1216 + 592 * (n - 1) and holds packed copies of the base zones, codes,
// timers and messages 1 to 8, in that order.
inline constexpr int kMemorySaveFirst = 1216;
inline constexpr int kMemorySaveStride = 592;
inline constexpr int kMemorySaveLength = 584;
inline constexpr int kMemZonesOffset = 0;
inline constexpr int kMemCodesOffset = 8;
inline constexpr int kMemTimersOffset = 160;
inline constexpr int kMemMessagesOffset = 200;

constexpr Region MemorySave(int n) {
    return {kMemorySaveFirst + kMemorySaveStride * (n - 1), kMemorySaveLength};
}

// Start of a copy's areas: copy 0 is the base settings, 1 to 4 memory save #1 to #4.
constexpr int ZonesStart(int copy) {
    return copy == kBaseCopy ? kBaseZones.offset : MemorySave(copy).offset + kMemZonesOffset;
}
constexpr int CodesStart(int copy) {
    return copy == kBaseCopy ? kBaseCodesBlock.offset : MemorySave(copy).offset + kMemCodesOffset;
}
constexpr int TimersStart(int copy) {
    return copy == kBaseCopy ? kBaseTimersBlock.offset : MemorySave(copy).offset + kMemTimersOffset;
}
constexpr int MessagesStart(int copy) {
    return copy == kBaseCopy ? kBaseMessagesBlock.offset : MemorySave(copy).offset + kMemMessagesOffset;
}
constexpr int MessageCount(int copy) {
    return copy == kBaseCopy ? kBaseMessageCount : kMemoryMessageCount;
}

constexpr RecordTable Codes(int copy) {
    return {CodesStart(copy), kCodeRecordSize, kCodeCount};
}
constexpr RecordTable Timers(int copy) {
    return {TimersStart(copy), kTimerSize, kTimerCount};
}
constexpr RecordTable Messages(int copy) {
    return {MessagesStart(copy), kMessageRecordSize, MessageCount(copy)};
}

static_assert(CodesStart(1) == 1224 && CodesStart(4) == 3000);
static_assert(TimersStart(1) == 1376 && TimersStart(4) == 3152);
static_assert(MessagesStart(1) == 1416 && MessagesStart(4) == 3192);
static_assert(ZonesStart(2) == 1808 && ZonesStart(4) == 2992);
static_assert(MemorySave(4).end() == 3576);
static_assert(kScheduler.region().end() == 8168);
static_assert(kUserSpeedDial.region().end() == 7864);

} // namespace rc
