#include "dialog_fakes.h"
#include "editors/qt/frm_ctones.h"
#include "editors/qt/frm_cw_edit.h"
#include "editors/qt/frm_exp.h"
#include "editors/qt/frm_telephone_codes.h"
#include "editors/qt/frm_zones1.h"
#include "editors/qt/switch_lamp.h"
#include "image/regions.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

// Answers with the queued entries in turn, and records what each call was given.
class QueuedKeyPad : public IKeyPad {
public:
    struct Call {
        int mode, maxDigits;
        std::string heading, value;
        int check;
        bool operator==(const Call&) const = default;
    };
    std::string ShowKeyPad(int mode, int maxDigits, const std::string& heading, const std::string& value,
                           int check) override {
        calls.push_back({mode, maxDigits, heading, value, check});
        std::string e = replies.empty() ? value : replies.front();
        if (!replies.empty())
            replies.pop_front();
        return e;
    }
    std::deque<std::string> replies;
    std::vector<Call> calls;
};

class AnsweringMessages : public RecordingMessages {
public:
    Answer Show(const MessageSpec& message) override {
        RecordingMessages::Show(message);
        return answer;
    }
    Answer answer = Answer::Ok;
};

EditorState Patterned() {
    EditorState state;
    for (int i = 0; i < kImageSize; ++i)
        state.image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return state;
}

template <typename T = QWidget> T* Child(QWidget& w, const QString& name) {
    auto* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

std::string LabelText(QWidget& w, const QString& name) {
    return Child<QLabel>(w, name)->text().toStdString();
}

// Every byte outside `bytes` at `offset` as before; those as given (-1: unchanged).
void ExpectBytes(const ImageBytes& before, const ImageBytes& after, int offset, const std::vector<int>& bytes,
                 const char* what) {
    for (int i = 0; i < kImageSize; ++i) {
        const int k = i - offset;
        const bool named = k >= 0 && k < static_cast<int>(bytes.size()) && bytes[k] >= 0;
        ASSERT_EQ(after[i], named ? bytes[k] : before[i]) << what << ": byte " << i;
    }
}

// A click on a keypad value of one of the digit dialogs: what the keypad is given, what lands in the
// image and what the label shows afterwards.
TEST(KeyPadDialogs, ClickPassesShowsAndWritesOnlyItsField) {
    using Make = std::function<std::unique_ptr<QDialog>(EditorState&, IKeyPad&, IMessages&)>;
    const Make tones = [](EditorState& s, IKeyPad& k, IMessages&) {
        return std::make_unique<frmCTones>(s, k, nullptr, 900);
    };
    const Make areas = [](EditorState& s, IKeyPad& k, IMessages&) {
        return std::make_unique<frmAreaCodes>(s, k, nullptr, 804);
    };
    const Make lockout = [](EditorState& s, IKeyPad& k, IMessages&) {
        return std::make_unique<frmLockout>(s, k, nullptr, 802);
    };
    const Make unlock = [](EditorState& s, IKeyPad& k, IMessages& m) {
        return std::make_unique<frmUnlock>(s, k, m, nullptr, 302);
    };
    struct Case {
        const char* what;
        Make make;
        std::vector<std::pair<int, int>> stored; // offset, byte set before the dialog opens
        const char* group;                       // option button to click first, or ""
        const char* label;
        const char* reply;
        QueuedKeyPad::Call call;
        int offset;
        std::vector<int> bytes;
        const char* shownAfter;
    } cases[] = {
        {"tone 1 of row 3 to index 5",
         tones,
         {{4608, 1}, {4609, 2}},
         "",
         "lblT1_2",
         "5",
         {7, 1, "Enter Frequency 1..8", "1", 6},
         4608,
         {5},
         "700"},
        {"tone 2 heading",
         tones,
         {{4611, 8}},
         "",
         "lblT2_2",
         "3",
         {7, 1, "Enter Frequency", "8", 6},
         4611,
         {3},
         "500"},
        {"gap 1 to 450 ms",
         tones,
         {{4608, 1}, {4610, 0}},
         "",
         "lblD1_2",
         "9",
         {8, 1, "Enter Time Delay 0..9", "0", 7},
         4610,
         {9},
         "450"},
        {"tone 1 off",
         tones,
         {{4648, 3}},
         "",
         "lblT1_7",
         "0",
         {7, 1, "Enter Frequency 1..8", "3", 6},
         4648,
         {0},
         "0"},
        {"the same index again writes nothing",
         tones,
         {{4600, 4}, {4601, 4}},
         "",
         "lblTD1_1",
         "4",
         {8, 1, "Enter Time Delay 0..9", "4", 7},
         0,
         {},
         "200"},
        {"a time without a text, left alone",
         tones,
         {{4592, 1}, {4593, 12}},
         "",
         "lblTD1_0",
         "",
         {8, 1, "Enter Time Delay 0..9", "", 7},
         0,
         {},
         ""},
        {"area code 1 = 010",
         areas,
         {{3712, 0}},
         "",
         "lblAC_0",
         "010",
         {1, 3, "Area Code 1", "", 8},
         3712,
         {10, 1, 10},
         "010"},
        {"area code 20 cleared",
         areas,
         {{3769, 3}, {3770, 4}, {3771, 5}},
         "",
         "lblAC_19",
         "",
         {1, 3, "Area Code 20", "345", 8},
         3769,
         {0, 0, 0},
         ""},
        {"area code returned unchanged",
         areas,
         {{3715, 10}, {3716, 1}, {3717, 12}},
         "",
         "lblAC_1",
         "010",
         {1, 3, "Area Code 2", "010", 8},
         0,
         {},
         "010"},
        {"lockout entry 11",
         lockout,
         {{3896, 0}},
         "optSel_1",
         "Label1_0",
         "5551234",
         {5, 11, "Lock Out Number 11", "", 0},
         3896,
         {7, 5, 5, 5, 1, 2, 3, 4, 0, 0, 0, 0},
         "5551234"},
        {"lockout entry 3 unchanged",
         lockout,
         {{3800, 2}, {3801, 0}, {3802, 11}},
         "",
         "Label1_2",
         "D*",
         {5, 11, "Lock Out Number 3", "D*", 0},
         0,
         {},
         "D*"},
        {"unlock code",
         unlock,
         {},
         "",
         "lblNum",
         "12AB*#0",
         {3, 7, "Unlock Number", "", 10},
         16,
         {7, 1, 2, 13, 14, 11, 12, 10},
         "12AB*#0"},
        {"unlock code cleared keeps the stored one",
         unlock,
         {{16, 7}, {17, 1}},
         "",
         "lblNum",
         "",
         {3, 7, "Unlock Number", "1DDDDDD", 10},
         0,
         {},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorState state = Patterned();
        for (int i = 16; i < 24; ++i)
            state.image[i] = 0; // an unlock field that shows what the cases store
        for (auto [at, byte] : c.stored)
            state.image[at] = static_cast<std::uint8_t>(byte);
        QueuedKeyPad keypad;
        keypad.replies = {c.reply};
        AnsweringMessages messages;
        messages.answer = Answer::Cancel;
        auto dialog = c.make(state, keypad, messages);
        dialog->show();
        if (*c.group)
            Child<QRadioButton>(*dialog, c.group)->click();
        const ImageBytes before = state.image;
        QTest::mouseClick(Child<QLabel>(*dialog, c.label), Qt::LeftButton);
        EXPECT_EQ(keypad.calls.size(), 1u);
        if (!keypad.calls.empty()) {
            EXPECT_TRUE(keypad.calls[0] == c.call)
                << keypad.calls[0].heading << " / " << keypad.calls[0].value;
        }
        ExpectBytes(before, state.image, c.offset, c.bytes, c.what);
        EXPECT_EQ(LabelText(*dialog, c.label), c.shownAfter);
    }
}

TEST(CourtesyTonesDialog, RowsEraseAndShowOffRowsEmpty) {
    EditorState state = Patterned();
    state.image[4600] = 0; // row 2 off
    state.image[4648] = 2;
    frmCTones dialog(state, *std::make_unique<QueuedKeyPad>(), nullptr, 900);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Halden R8 Courtesy Tones");
    EXPECT_EQ(LabelText(dialog, "lblT1_1"), "");
    EXPECT_EQ(LabelText(dialog, "lblTD3_1"), "");
    EXPECT_EQ(LabelText(dialog, "lblT1_7"), "400");
    EXPECT_EQ(LabelText(dialog, "lblA_7"), "8");
    const ImageBytes before = state.image;
    Child<QPushButton>(dialog, "cmdErase_7")->click();
    ExpectBytes(before, state.image, 4648, {0, 0, 0, 0, 0, 0, 0, 0}, "erase row 8");
    for (const char* name : {"lblT1_7", "lblTD1_7", "lblD2_7", "lblTD3_7"})
        EXPECT_EQ(LabelText(dialog, name), "") << name;
}

TEST(CwEditDialog, ClearPickSaveCancelAndTheFullField) {
    EditorState state = Patterned();
    state.image[1184] = 2;
    state.image[1185] = 10;
    state.image[1186] = 36;
    RecordingMessages messages;
    frmCwEdit dialog(state, messages, nullptr, 402);
    auto* list = Child<QListWidget>(dialog, "List1");
    auto pick = [&](int code) {
        QListWidgetItem* item = list->item(code);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    };
    ASSERT_EQ(list->count(), 47);
    EXPECT_EQ(list->item(37)->data(Qt::UserRole).toInt(), 37);

    dialog.show();
    EXPECT_EQ(LabelText(dialog, "Label1"), "A/");
    EXPECT_FALSE(list->isEnabled());
    Child<QPushButton>(dialog, "cmdClear")->click();
    EXPECT_EQ(LabelText(dialog, "Label1"), "");
    for (int code : {13, 14, 38, 37})
        pick(code);
    EXPECT_EQ(LabelText(dialog, "Label1"), "DE (AR)");
    ImageBytes before = state.image;
    Child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_FALSE(dialog.isVisible());
    ExpectBytes(before, state.image, 1184, {4, 13, 14, 38, 37}, "DE (AR)");

    // Clear, three picks, Cancel: the stored message stays and shows again, the list disabled.
    dialog.show();
    Child<QPushButton>(dialog, "cmdClear")->click();
    for (int code : {1, 2, 3})
        pick(code);
    before = state.image;
    Child<QPushButton>(dialog, "cmdCancel")->click();
    dialog.show();
    EXPECT_TRUE(state.image == before);
    EXPECT_EQ(LabelText(dialog, "Label1"), "DE (AR)");
    EXPECT_FALSE(list->isEnabled());

    // The 32nd character beeps and changes nothing.
    Child<QPushButton>(dialog, "cmdClear")->click();
    for (int k = 0; k < 32; ++k)
        pick(k % 36);
    EXPECT_EQ(messages.beeps, 1);
    before = state.image;
    Child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(state.image[1184], 31);
    for (int i = 0; i < kImageSize; ++i)
        if (i < 1184 || i > 1215) {
            ASSERT_EQ(state.image[i], before[i]) << "byte " << i;
        }
}

TEST(ZonesDialog, CopiesTabChangesAndOK) {
    struct Case {
        int ZonesCopy;
        const char* caption;
    } cases[] = {
        {24, "Base Zones"}, {2400, "Zone Channels For Memory #3"}, {1808, "Zone Channels For Memory #2"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EditorState state = Patterned();
        for (int k = 0; k < 8; ++k)
            state.image[c.ZonesCopy + k] = 0;
        state.image[c.ZonesCopy] = 0x07;
        state.copies.ZonesCopy = c.ZonesCopy;
        int shown = 0;
        frmZones1 dialog(state, nullptr, 700, [&] { ++shown; });
        dialog.show();
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(Child<QCheckBox>(dialog, QString("chkZ1_%1").arg(i))->isChecked(), i < 3) << i;
        EXPECT_EQ(Child<QCheckBox>(dialog, "chkZ1_0")->text(), "1.  Transmitter Enable");
        const ImageBytes before = state.image;
        auto* tabs = Child<QTabWidget>(dialog, "SSTab1");
        ASSERT_EQ(tabs->count(), 8);
        EXPECT_EQ(tabs->tabText(7), "Zone 8");

        Child<QCheckBox>(dialog, "chkZ1_3")->click();
        tabs->setCurrentIndex(1); // the first move away from "Zone 1" writes nothing
        EXPECT_TRUE(state.image == before);
        Child<QCheckBox>(dialog, "chkZ8_7")->click();
        tabs->setCurrentIndex(7); // leaving "Zone 2" writes the whole table
        ExpectBytes(before, state.image, c.ZonesCopy, {0x0F, 0, 0, 0, 0, 0, 0, 0x80}, "tab change");
        Child<QCheckBox>(dialog, "chkZ8_0")->click();
        Child<QPushButton>(dialog, "cmdOK")->click();
        ExpectBytes(before, state.image, c.ZonesCopy, {0x0F, 0, 0, 0, 0, 0, 0, 0x81}, "OK");
    }
}

TEST(ExpandedSwitchesDialog, LampsGroupsAndToggles) {
    EditorState state = Patterned();
    state.image[4674] = 0x81;
    frmExp dialog(state, nullptr, 902);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Expanded Switches");
    auto lamp = [&](int row, int bit) {
        return Child<SwitchLamp>(dialog, QString("Img%1_%2").arg(row).arg(bit));
    };
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lamp(3, i)->IsOn(), i == 0 || i == 7) << i;
    EXPECT_EQ(LabelText(dialog, "lblA_2"), "3");

    // On and off differ in shape, not only in colour: the pixels they ink differ.
    auto ink = [](SwitchLamp* l) {
        const QImage image = l->grab().toImage();
        std::vector<bool> inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked.push_back(image.pixel(x, y) != image.pixel(0, 0));
        return inked;
    };
    EXPECT_NE(ink(lamp(3, 0)), ink(lamp(3, 1)));

    const ImageBytes before = state.image;
    Child<QRadioButton>(dialog, "opt1_1")->click();
    EXPECT_EQ(LabelText(dialog, "lblA_1"), "10");
    QTest::mouseClick(lamp(2, 0), Qt::LeftButton);
    ExpectBytes(before, state.image, 4681, {before[4681] ^ 1}, "switch 10 bit 0");
    EXPECT_EQ(lamp(2, 0)->IsOn(), (state.image[4681] & 1) != 0);
    QTest::mouseClick(lamp(2, 0), Qt::LeftButton);
    EXPECT_TRUE(state.image == before);
    state.image[4672] = 0xFF;
    Child<QRadioButton>(dialog, "opt1_0")->click();
    EXPECT_EQ(LabelText(dialog, "lblA_0"), "1");
    EXPECT_TRUE(lamp(1, 5)->IsOn());
}

TEST(UnlockDialog, WillNotCloseQuietlyWithoutACode) {
    for (Answer answer : {Answer::Ok, Answer::Cancel}) {
        EditorState state;
        QueuedKeyPad keypad;
        AnsweringMessages messages;
        messages.answer = answer;
        frmUnlock dialog(state, keypad, messages, nullptr, 302);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Halden R8 Repeater Unlock Code");
        EXPECT_EQ(LabelText(dialog, "Label1"), "Repeater 7 Digit Unlock Number");
        dialog.close();
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0],
                  (MessageSpec{"Error, No Unlock Entry.", "Unlock Code", MessageIcon::Exclamation,
                               MessageButtons::OkCancel, Answer::Ok}));
        EXPECT_EQ(dialog.isVisible(), answer == Answer::Ok);
        if (answer == Answer::Ok) {
            keypad.replies = {"7654321"};
            QTest::mouseClick(Child<QLabel>(dialog, "lblNum"), Qt::LeftButton);
            Child<QPushButton>(dialog, "cmdOK")->click();
            EXPECT_FALSE(dialog.isVisible());
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(state.image[16], 7);
            EXPECT_EQ(state.image[17], 7);
        }
        EXPECT_TRUE(answer == Answer::Ok || state.image == ImageBytes{});
    }
}

} // namespace
} // namespace rc
