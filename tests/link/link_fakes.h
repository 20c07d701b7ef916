#pragma once

// Scripted collaborators of the link program's procedures.

#include "image/messages.h"
#include "link/link_session.h"
#include "link/link_settings.h"
#include "link/link_timer.h"
#include "link/serial_port.h"
#include "link/xmodem.h"
#include "scripted_messages.h"
#include "test_files.h"

#include <initializer_list>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace rc::link::test {

class FakeStore : public ISettingsStore {
public:
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::pair<std::string, std::string>> writes;
    int flushes = 0;

    std::string Get(const std::string& section, const std::string& key) override {
        auto it = values.find({section, key});
        return it == values.end() ? std::string() : it->second;
    }
    void Set(const std::string& section, const std::string& key, const std::string& value) override {
        writes.emplace_back(section, key);
        values[{section, key}] = value;
    }
    void Flush() override { ++flushes; }
    // The [MODEM] keys in their order: PORT, BAUD, BITS, PARITY, STOP, DTR, RTS.
    void Modem(std::initializer_list<const char*> v) {
        static const char* const keys[] = {"PORT", "BAUD", "BITS", "PARITY", "STOP", "DTR", "RTS"};
        int i = 0;
        for (const char* value : v)
            values[{"MODEM", keys[i++]}] = value;
    }
};

// Test data: n bytes that differ from block to block and from seed to seed.
inline std::vector<std::uint8_t> Pattern(std::size_t n, unsigned seed = 7) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = static_cast<std::uint8_t>((i * 31 + seed * (i / 128 + 1)) & 0xFF);
    return v;
}
inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    const std::string bytes = rc::test::ReadFile(path);
    return {bytes.begin(), bytes.end()};
}
inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    rc::test::WriteFile(path, {bytes.begin(), bytes.end()});
}

inline auto Line(const LineSettings& l) {
    return std::tuple(l.device, l.baud, l.dataBits, l.parity, l.stopBits);
}

class FakePort : public ISerialPort {
public:
    bool openResult = true;
    bool open = false;
    bool drained = true;
    int opens = 0;
    int closes = 0;
    LineSettings applied;
    LineSettings opened;
    bool dtr = false;
    bool rts = false;
    std::vector<std::string> log; // every call that reaches the line, in order
    std::string sent;

    bool Open(const LineSettings& settings, std::string* reason) override {
        ++opens;
        opened = settings;
        log.push_back("open " + settings.device);
        if (!openResult) {
            *reason = "device: No such file or directory";
            return false;
        }
        open = true;
        return true;
    }
    void Close() override {
        ++closes;
        log.push_back("close");
        open = false;
    }
    bool IsOpen() const override { return open; }
    bool Apply(const LineSettings& settings) override {
        applied = settings;
        return true;
    }
    void SetDtr(bool on) override { log.push_back(std::string("dtr ") + ((dtr = on) ? "1" : "0")); }
    void SetRts(bool on) override { log.push_back(std::string("rts ") + ((rts = on) ? "1" : "0")); }
    void SendText(std::string_view text) override {
        sent += text;
        log.push_back("send " + std::string(text));
    }
    void SendBytes(std::span<const std::uint8_t> bytes) override {
        SendText(std::string(bytes.begin(), bytes.end()));
    }
    void DiscardInput() override {}
    bool OutputDrained() override { return drained; }
    void SetTerminalReceiver(Receiver) override {}
    std::optional<std::uint8_t> BeginTransfer(Receiver) override { return std::nullopt; }
    void EndTransfer() override {}
};

class FakeTimer : public ITimer {
public:
    bool active = false;
    int interval = 0;
    std::function<void()> tick;

    void Start(int ms) override {
        interval = ms;
        active = true;
    }
    void Stop() override { active = false; }
    bool IsActive() const override { return active; }
    int Interval() const override { return interval; }
    void SetTick(std::function<void()> t) override { tick = std::move(t); }
    // One tick, as the window system would deliver it; nothing happens for a stopped timer.
    void Fire() {
        if (active && tick)
            tick();
    }
};

class FakeTimers : public ITimerFactory {
public:
    std::map<std::string, FakeTimer*> byName;
    std::unique_ptr<ITimer> CreateTimer(const std::string& name) override {
        auto t = std::make_unique<FakeTimer>();
        byName[name] = t.get();
        return t;
    }
    FakeTimer& operator[](const std::string& name) { return *byName.at(name); }
};

class FakeClock : public IClock {
public:
    TimeOfDay now{13, 5, 9};
    TimeOfDay Now() override { return now; }
};

// Answers every message and question with Ok.
struct FakeMessages : rc::test::ScriptedMessages {
    FakeMessages() { fallback = Answer::Ok; }
};

class FakeWindow : public ILinkWindow {
public:
    std::map<Panel, std::string> panels;
    int focus = 0;
    int attached = 0;
    int cleared = 0;
    int ended = 0;

    void SetPanel(Panel p, const std::string& text) override { panels[p] = text; }
    void FocusTerminal() override { ++focus; }
    void AttachTerminal() override { ++attached; }
    void ClearTerminal() override { ++cleared; }
    void EndProgram() override { ++ended; }
};

// One direction of a noisy line: from a seeded source about one byte in `rate` (0: none) has a bit
// flipped, is lost, or gets a stray byte after it. Faults are at least a packet apart: two in one packet can
// cancel out in an 8-bit sum, which no receiver of this protocol can see.
class LineNoise {
public:
    LineNoise(unsigned seed, unsigned rate) : random_(seed), rate_(rate) {}
    // What arrives of the byte b.
    std::vector<std::uint8_t> Pass(std::uint8_t b) {
        if (rate_ == 0 || ++since_ <= xmodem::kPacketSize || random_() % rate_ != 0)
            return {b};
        since_ = 0;
        switch (random_() % 3) {
        case 0:
            return {static_cast<std::uint8_t>(b ^ (1u << (random_() % 8)))};
        case 1:
            return {};
        default:
            return {b, static_cast<std::uint8_t>(random_())};
        }
    }

private:
    std::mt19937 random_;
    unsigned rate_;
    int since_ = xmodem::kPacketSize;
};

} // namespace rc::link::test
