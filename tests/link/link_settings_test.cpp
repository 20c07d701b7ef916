#include "link/link_settings.h"

#include "link_fakes.h"

#include <gtest/gtest.h>

#include <map>

namespace rc::link {
namespace {

using test::FakeStore;

// Without a stored PORT every value is the default, whose values the settings file test shows.
TEST(LinkSettings, StoredValuesAreReadAsTheyStand) {
    FakeStore store;
    store.values[{"MODEM", "BAUD"}] = "9600";
    store.values[{"MODEM_INIT", "INIT"}] = "ATZ9";
    bool firstRun = false;
    EXPECT_EQ(ReadLinkSettings(store, &firstRun), LinkSettings{});
    EXPECT_TRUE(firstRun);
    store.Modem({"2", "2400", "", "", "2", "0"}); // BITS, PARITY and RTS missing
    store.values[{"MODEM", "DEVICE2"}] = "/dev/ttyUSB0";
    store.values[{"MODEM_INIT", "INIT-BOOLEAN"}] = "1";
    store.values[{"CALL_WAIT", "CW-STRING"}] = "*70";
    store.values.erase({"MODEM_INIT", "INIT"});
    LinkSettings s = ReadLinkSettings(store, &firstRun);
    EXPECT_FALSE(firstRun);
    // Missing keys read as empty, not as their first-run defaults; no FILETYPE is the fourth model.
    EXPECT_EQ(
        std::vector<std::string>({s.port, s.baud, s.bits, s.stop, s.dtr, s.rts, s.initBoolean, s.cwString,
                                  s.init, s.number1, s.modelType, s.devices[0]}),
        std::vector<std::string>({"2", "2400", "", "2", "0", "", "1", "*70", "", "", "4", "/dev/ttyS0"}));
    EXPECT_EQ(SelectedDevice(s), "/dev/ttyUSB0");
}

TEST(LinkSettings, ModelCodesBothWays) {
    // The common codes are in the start-up and write tests; here the ones that fall back to K9.
    struct Case {
        const char *code, *index;
    } reading[] = {{"K9", "4"}, {"r8", "4"}, {"", "4"}, {"HR8", "4"}};
    for (const Case& c : reading)
        EXPECT_EQ(ModelIndexFromCode(c.code), c.index) << c.code;
    struct Back {
        const char *index, *code, *text;
    } writing[] = {{"1", "R6", "Halden R6"}, {"4", "K9", "Halden K9"}, {"0", "K9", ""}, {"", "K9", ""}};
    for (const Back& c : writing) {
        EXPECT_EQ(ModelCodeFromIndex(c.index), c.code) << c.index;
        EXPECT_EQ(ModelDisplayText(c.index), c.text) << c.index;
    }
}

// Every default key is in the settings file test; here the values that differ from the defaults.
TEST(LinkSettings, WriteUsesTheStoredSpellingsAndModelCode) {
    FakeStore store;
    LinkSettings s;
    s.modelType = "2";
    s.cwBoolean = "1";
    s.cwString = "70#";
    s.devices[2] = "/dev/ttyACM0";
    WriteLinkSettings(store, s, 1500, 30);
    const std::map<std::pair<std::string, std::string>, std::string> want{
        {{"MODEM", "DEVICE3"}, "/dev/ttyACM0"},
        {{"Modem", "DTR"}, "1"},
        {{"Modem", "RTS"}, "1"},
        {{"FILE_TYPE", "FILETYPE"}, "R8"},
        {{"FORM_LOCATION", "LEFT"}, "1500"},
        {{"FORM_LOCATION", "TOP"}, "30"},
        {{"CALL_WAIT", "CW-BOOLEAN"}, "1"},
        {{"CALL_WAIT", "CW-STRING"}, "70#"},
    };
    for (const auto& [key, value] : want)
        EXPECT_EQ(store.values.at(key), value) << key.first << "/" << key.second;
    EXPECT_EQ(store.values.count({"MODEM", "DTR"}), 0u);

    // What was written reads back as the same settings.
    const LinkSettings back = ReadLinkSettings(store);
    EXPECT_EQ(std::tie(back.modelType, back.cwString, back.devices[2]),
              std::tie(s.modelType, s.cwString, s.devices[2]));
}

TEST(LinkSettings, LineForThePort) {
    const LineSettings previous{"/dev/old", 4800, 7, Parity::Odd, 2};
    struct Case {
        const char *port, *baud, *bits, *parity, *stop;
        LineSettings want;
    } cases[] = {
        {"1", "300", "8", "N", "1", {"/dev/ttyS0", 300, 8, Parity::None, 1}},
        {"4", "9600", "7", "E", "2", {"/dev/ttyS3", 9600, 7, Parity::Even, 2}},
        {"2", "1200", "8", "O", "1", {"/dev/ttyS1", 1200, 8, Parity::Odd, 1}},
        // Values the port cannot take leave that part of the line as it was.
        {"1", "300", "8", "X", "1", {"/dev/ttyS0", 300, 8, Parity::Odd, 1}},
        {"1", "fast", "9", "n", "3", {"/dev/ttyS0", 4800, 7, Parity::Odd, 2}},
        {"1", "", "", "", "", {"/dev/ttyS0", 4800, 7, Parity::Odd, 2}},
        {"1", "-300", "8", "N", "1", {"/dev/ttyS0", 4800, 8, Parity::None, 1}},
        {"1", "300x", "8", "N", "1", {"/dev/ttyS0", 4800, 8, Parity::None, 1}},
        // No such port: no device, so the open fails instead of opening another one.
        {"5", "300", "8", "N", "1", {"", 300, 8, Parity::None, 1}},
        {"", "300", "8", "N", "1", {"", 300, 8, Parity::None, 1}},
    };
    for (const Case& c : cases) {
        LinkSettings s;
        std::tie(s.port, s.baud, s.bits, s.parity, s.stop) =
            std::tie(c.port, c.baud, c.bits, c.parity, c.stop);
        EXPECT_EQ(test::Line(ToLineSettings(s, previous)), test::Line(c.want))
            << c.port << " " << c.baud << "-" << c.bits << "-" << c.parity << "-" << c.stop;
    }
}

TEST(LinkSettings, ChoicesAndSwitches) {
    // The dialog tests show the choices; a stored value without an option, even in other case, selects none.
    // The start-up test shows "1" on and "0", "yes" and nothing off.
    EXPECT_EQ(ChoiceIndex(ParityChoices(), "e"), -1);
    for (const char* off : {"-1", " 1"})
        EXPECT_FALSE(IsOn(off)) << off;
}

} // namespace
} // namespace rc::link
