#include "link/link_settings.h"

#include "link_fakes.h"

#include <gtest/gtest.h>

#include <set>

namespace rc::link {
namespace {

using test::FakeStore;

TEST(LinkSettings, FirstRunTakesEveryDefaultAndReadsNothingElse) {
    FakeStore store;
    store.values[{"MODEM", "BAUD"}] = "9600"; // ignored: no PORT means a first run
    store.values[{"MODEM_INIT", "INIT"}] = "ATZ9";
    bool firstRun = false;
    LinkSettings s = ReadLinkSettings(store, &firstRun);
    EXPECT_TRUE(firstRun);
    EXPECT_EQ(s, LinkSettings{}); // whose values the write below shows
    EXPECT_EQ(s.modelType, "3");
    EXPECT_EQ(s.cwBoolean + s.cwString, "");
    EXPECT_EQ(s.devices[3], "/dev/ttyS3");
    for (const auto& [section, key] : store.reads)
        EXPECT_TRUE(key == "PORT" || key.rfind("DEVICE", 0) == 0) << section << "/" << key << " was read";
}

TEST(LinkSettings, StoredValuesAreReadAsTheyStand) {
    FakeStore store;
    store.Modem({"2", "2400", "", "", "2", "0"}); // BITS, PARITY and RTS missing
    store.values[{"MODEM", "DEVICE2"}] = "/dev/ttyUSB0";
    store.values[{"MODEM_INIT", "INIT-BOOLEAN"}] = "1";
    store.values[{"CALL_WAIT", "CW-STRING"}] = "*70";
    bool firstRun = true;
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
    struct Case {
        const char* code;
        const char* index;
    } reading[] = {{"R6", "1"}, {"R8", "2"}, {"M4", "3"}, {"K9", "4"}, {"r8", "4"}, {"", "4"}, {"HR8", "4"}};
    for (const Case& c : reading)
        EXPECT_EQ(ModelIndexFromCode(c.code), c.index) << c.code;
    struct Back {
        const char* index;
        const char* code;
        const char* text;
    } writing[] = {{"1", "R6", "Halden R6"}, {"2", "R8", "Halden R8"}, {"3", "M4", "Halden M4"},
                   {"4", "K9", "Halden K9"}, {"0", "K9", ""},          {"", "K9", ""}};
    for (const Back& c : writing) {
        EXPECT_EQ(ModelCodeFromIndex(c.index), c.code) << c.index;
        EXPECT_EQ(ModelDisplayText(c.index), c.text) << c.index;
    }
}

TEST(LinkSettings, WriteUsesTheStoredSpellingsAndModelCode) {
    FakeStore store;
    LinkSettings s;
    s.modelType = "2";
    s.cwBoolean = "1";
    s.cwString = "70#";
    s.devices[2] = "/dev/ttyACM0";
    WriteLinkSettings(store, s, 1500, 30);
    auto v = [&](const char* section, const char* key) { return store.values.at({section, key}); };
    EXPECT_EQ(v("MODEM", "PORT"), "1");
    EXPECT_EQ(v("MODEM", "BAUD"), "300");
    EXPECT_EQ(v("MODEM", "BITS"), "8");
    EXPECT_EQ(v("MODEM", "PARITY"), "N");
    EXPECT_EQ(v("MODEM", "STOP"), "1");
    EXPECT_EQ(v("MODEM", "DEVICE3"), "/dev/ttyACM0");
    EXPECT_EQ(v("Modem", "DTR"), "1");
    EXPECT_EQ(v("Modem", "RTS"), "1");
    EXPECT_EQ(store.values.count({"MODEM", "DTR"}), 0u);
    EXPECT_EQ(v("MODEM_INIT", "INIT"), "ATZ0");
    EXPECT_EQ(v("MODEM_INIT", "INIT-BOOLEAN"), "0");
    EXPECT_EQ(v("TEL_NUMBERS", "NUMBER1"), "5550100");
    EXPECT_EQ(v("FILE_TYPE", "FILETYPE"), "R8");
    EXPECT_EQ(v("FORM_LOCATION", "LEFT"), "1500");
    EXPECT_EQ(v("FORM_LOCATION", "TOP"), "30");
    EXPECT_EQ(v("FORM_LOCATION", "POS-BOOLEAN"), "");
    EXPECT_EQ(v("CALL_WAIT", "CW-BOOLEAN"), "1");
    EXPECT_EQ(v("CALL_WAIT", "CW-STRING"), "70#");

    // What was written reads back as the same settings.
    LinkSettings back = ReadLinkSettings(store);
    EXPECT_EQ(back.modelType, "2");
    EXPECT_EQ(back.cwString, "70#");
    EXPECT_EQ(back.devices[2], "/dev/ttyACM0");
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

TEST(LinkSettings, PanelTextsAndChoices) {
    LinkSettings s;
    EXPECT_EQ(SettingsPanelText(s), "Settings: 300-8-N-1");
    EXPECT_EQ(PortPanelAtStart(s), "Comm Port 1");
    EXPECT_EQ(PortPanelAfterSetup(s), "Comm Port: 1");
    s.port = "2";
    s.baud = "19200"; // shown as stored, even when the dialog offers no such option
    EXPECT_EQ(SettingsPanelText(s), "Settings: 19200-8-N-1");
    EXPECT_EQ(PortPanelAfterSetup(s), "Comm Port: 2");

    EXPECT_EQ(ChoiceIndex(BaudChoices(), "300"), 0);
    EXPECT_EQ(ChoiceIndex(BaudChoices(), "9600"), 4);
    EXPECT_EQ(ChoiceIndex(BaudChoices(), "19200"), -1);
    EXPECT_EQ(ChoiceIndex(ParityChoices(), "E"), 2);
    EXPECT_EQ(ChoiceIndex(ParityChoices(), "e"), -1);
    EXPECT_EQ(ChoiceIndex(StopChoices(), "2"), 1);
    EXPECT_TRUE(IsOn("1"));
    for (const char* off : {"0", "", "yes", "-1", " 1"})
        EXPECT_FALSE(IsOn(off)) << off;
}

} // namespace
} // namespace rc::link
