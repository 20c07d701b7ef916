#include "link/transfer_cli.h"

#include <gtest/gtest.h>

namespace rc::link {
namespace {

TEST(HeadlessArgs, LineAndFile) {
    struct Case {
        std::vector<std::string> args;
        const char* line; // baud-bits-parity-stop direction file
    } cases[] = {
        {{"--port", "/dev/ttyS0", "--download", "a.HR8"}, "9600-8-N-1 down a.HR8"},
        {{"--upload=b.HM4", "--port=/dev/ttyUSB0", "--baud=300", "--bits", "7", "--parity", "e", "--stop",
          "2"},
         "300-7-E-2 up b.HM4"},
        // Options without a value may stand between an option and its value; after "--" every word
        // is a value.
        {{"--port", "p", "--upload", "--force", "f.HR8"}, "9600-8-N-1 up f.HR8"},
        {{"--port", "p", "--download", "--force", "--no-splash", "--", "--x"}, "9600-8-N-1 down --x"},
        {{"--port", "p", "--parity", "O", "--upload=--x"}, "9600-8-O-1 up --x"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto r = ParseHeadlessArgs(c.args, &error);
        ASSERT_TRUE(r.has_value()) << error;
        EXPECT_FALSE(r->help);
        const char parity = r->line.parity == Parity::None ? 'N' : r->line.parity == Parity::Even ? 'E' : 'O';
        EXPECT_EQ(std::to_string(r->line.baud) + "-" + std::to_string(r->line.dataBits) + "-" + parity + "-" +
                      std::to_string(r->line.stopBits) +
                      (r->direction == TransferDirection::Download ? " down " : " up ") + r->file,
                  c.line);
    }
}

TEST(HeadlessArgs, Refusals) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{}, "--port DEVICE is missing"},
        {{"--port", "p"}, "--download FILE or --upload FILE is missing"},
        {{"--port", "", "--download", "f"}, "--port needs a device"},
        {{"--port", "p", "--download", ""}, "--download needs a file"},
        {{"--port", "p", "--download", "f", "--upload", "g"}, "give one --download or --upload"},
        {{"--port", "p", "--download", "f", "--baud", "96OO"},
         "--baud takes a speed in bits per second, not \"96OO\""},
        {{"--port", "p", "--download", "f", "--bits", "6"}, "--bits takes 7 or 8, not \"6\""},
        {{"--port", "p", "--download", "f", "--stop", "1.5"}, "--stop takes 1 or 2, not \"1.5\""},
        {{"--port", "p", "--download", "f", "--parity", "M"}, "--parity takes N, O or E, not \"M\""},
        {{"--port", "p", "--download", "f", "extra"}, "unknown argument \"extra\""},
        {{"--port", "p", "--download"}, "--download needs a value"},
        {{"--port", "p", "--upload", "--force"}, "--upload needs a value"},
        {{"--port", "--download", "f"}, "--port needs a value (\"--download\" is an option, not a value)"},
        {{"--port", "p", "--download", "--"}, "--download needs a value"},
        {{"--port", "p", "--download", "f", "--", "g"}, "unknown argument \"g\""},
        {{"--port", "p", "--download", "-"},
         "--download needs a file name; \"-\" (a standard stream) is not one"},
        {{"--version=2"}, "--version takes no value"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseHeadlessArgs(c.args, &error).has_value()) << c.error;
        EXPECT_EQ(error, c.error);
    }
}

// The last line of a real download is in the run against sx; here the first, before any packet, and
// one whose every figure differs.
TEST(HeadlessProgress, Line) {
    EXPECT_EQ(ProgressLine(XferCounters{"Received Packet", "", "0", "", 0}, 8192),
              "packet 0  errors 0  bytes 0 of 8192");
    EXPECT_EQ(ProgressLine(XferCounters{"Sending Packet", "12", "3", "1408", 1408}, 7936),
              "packet 12  errors 3  bytes 1408 of 7936");
}

} // namespace
} // namespace rc::link
