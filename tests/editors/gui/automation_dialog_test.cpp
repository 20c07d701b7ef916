#include "codecs/commands.h"
#include "dialog_fakes.h"
#include "editors/qt/frm_config.h"
#include "editors/qt/frm_macro.h"
#include "editors/qt/frm_sched.h"
#include "editors/qt/frm_user.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <deque>
#include <memory>

namespace rc {
namespace {

using namespace rc::testing;

// A keypad whose user types the scripted entries in turn; past the script it cancels, returning
// the value it was opened with.
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
        if (replies.empty())
            return value;
        std::string reply = replies.front();
        replies.pop_front();
        return reply;
    }
    std::deque<std::string> replies;
    std::vector<Call> calls;
};

std::ostream& operator<<(std::ostream& os, const QueuedKeyPad::Call& c) {
    return os << "(" << c.mode << ", " << c.maxDigits << ", \"" << c.heading << "\", \"" << c.value << "\", "
              << c.check << ")";
}

EditorState Patterned() {
    EditorState state;
    for (int i = 0; i < kImageSize; ++i)
        state.image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return state;
}

void Put(ImageBytes& image, int at, std::vector<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        image[at + static_cast<int>(i)] = bytes[i];
}

template <typename T = QLabel> T* Child(QWidget& w, const QString& name) {
    auto* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

std::string Text(QWidget& w, const QString& name) {
    return Child(w, name)->text().toStdString();
}

void Click(QWidget& w, const QString& name) {
    QTest::mouseClick(Child<QWidget>(w, name), Qt::LeftButton);
}

TEST(MacroDialog, CellsWriteTheirOwnBytesAndOkWritesNothing) {
    struct Case {
        const char* what;
        int group;
        QString cell;
        std::string reply;
        QueuedKeyPad::Call call;
        int at;
        std::vector<std::uint8_t> bytes; // written at `at`; empty: nothing
        std::string shown;
    } cases[] = {
        {"code 123 for macro 12",
         1,
         "Label2_1",
         "123",
         {3, 7, "Macro Command #12", "", 4},
         4340,
         {3, 1, 2, 3, 0, 0, 0, 0},
         "123"},
        {"command 1110 as command 3 of macro 1",
         0,
         "Label5_0",
         "1110",
         {1, 4, "Macro Command", "0512", 1},
         4044,
         {0x11, 0x10},
         "1110"},
        {"Cancel on 1A keeps it", 0, "Label3_0", "1A10", {1, 4, "Macro Command", "1A10", 1}, 0, {}, "1A10"},
    };
    for (const Case& c : cases) {
        EditorState state = Patterned();
        Put(state.image, 4032, {2, 1, 2, 0, 0, 0, 0, 0, 0x1A, 0x10, 0x22, 0x11, 0x05, 0x12});
        Put(state.image, 4032 + 28, {0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10}); // commands, no code
        Put(state.image, 4312 + 28, {0, 0, 0, 0, 0, 0, 0, 0});
        ImageBytes expected = state.image;
        Put(expected, c.at, c.bytes);
        QueuedKeyPad keypad;
        keypad.replies = {c.reply};
        frmMacro dialog(state, keypad, nullptr, 500);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Halden R8 Macro Commands");
        EXPECT_EQ(Text(dialog, "Label3_1"), "") << "a row without a code shows no commands";
        if (c.group == 1)
            Click(dialog, "optGroup_1");
        EXPECT_EQ(Text(dialog, "Label1_1"), c.group == 1 ? "12" : "2");
        Click(dialog, c.cell);
        EXPECT_EQ(keypad.calls, std::vector<QueuedKeyPad::Call>{c.call}) << c.what;
        EXPECT_EQ(Text(dialog, c.cell), c.shown) << c.what;
        Child<QPushButton>(dialog, "cmdOK")->click();
        EXPECT_TRUE(state.image == expected) << c.what;
    }
}

TEST(MacroDialog, NumberClickAndDoubleClickOpenTheReview) {
    EditorState state;
    Put(state.image, 4312 + 28, {3, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0x11, 0x10});
    QueuedKeyPad keypad;
    RecordingHelp help;
    frmMacro dialog(state, keypad, &help, 500);
    dialog.show();
    Click(dialog, "optGroup_1");
    for (bool twice : {false, true}) {
        std::vector<std::string> seen;
        ModalDriver drive([&](QWidget* review) {
            EXPECT_EQ(review->objectName(), "MacHelp");
            seen = {review->windowTitle().toStdString(), Text(*review, "lblMacLbl"), Text(*review, "macCode"),
                    Text(*review, "Label2_0"), Text(*review, "Label2_2")};
            QTest::keyClick(review, Qt::Key_F1);
            Child<QPushButton>(*review, "cmdOK")->click();
        });
        if (twice)
            QTest::mouseDClick(Child<QWidget>(dialog, "Label1_1"), Qt::LeftButton);
        else
            Click(dialog, "Label1_1");
        EXPECT_EQ(seen, (std::vector<std::string>{"Macro 12 Review", "Macro 12 Assigned Code", "123",
                                                  "No Command", "Repeater Transmitter OFF"}));
        EXPECT_FALSE(dialog.Review()->isVisible());
    }
    EXPECT_EQ(help.contexts, (std::vector<int>{500, 500}));
    EXPECT_EQ(Text(dialog, "lblTxt1_0"),
              "Double click on the macro number along the left side for a review of your commands");
}

// The scheduler page opens the entry dialog on a time; the user sets the entry there.
TEST(SchedulerDialog, EntriesSetFromThePage) {
    struct Case {
        const char* what;
        int page, row;
        std::vector<std::string> replies;
        std::function<void(QWidget&)> steps;
        bool ok;
        std::vector<std::uint8_t> result;
        std::string timeShown, dayShown;
    } cases[] = {
        {"December 25 at 08:30",
         1,
         6,
         {"0830", "1110"},
         [](QWidget& d) {
             Child<QCheckBox>(d, "chkErase")->click();
             Child<QRadioButton>(d, "optWk_4")->click();
             auto* month = Child<QComboBox>(d, "cmbMonth");
             EXPECT_TRUE(month->isVisibleTo(&d));
             month->setCurrentIndex(11);
             emit month->activated(11);
             auto* day = Child<QComboBox>(d, "cmbMoDay");
             day->setCurrentIndex(24);
             emit day->activated(24);
             Click(d, "lblTime");
             Click(d, "lblCmd");
             EXPECT_EQ(Text(d, "lblReview"), "Repeater Transmitter OFF");
         },
         true,
         {0x12, 0x25, 0, 0x08, 0x30, 0x11, 0x10},
         "08:30",
         "25"},
        {"every hour at :15",
         0,
         0,
         {"15"},
         [](QWidget& d) {
             Child<QCheckBox>(d, "chkErase")->click();
             Child<QCheckBox>(d, "chkHour")->click();
             Click(d, "lblTime");
         },
         true,
         {0xFF, 0, 0, 0xFF, 0x15, 0, 0},
         "----:15",
         ""},
        {"hour 25 refused",
         3,
         9,
         {"2500"},
         [](QWidget& d) {
             Child<QCheckBox>(d, "chkErase")->click();
             Click(d, "lblTime");
             EXPECT_EQ(Text(d, "lblTime"), "");
         },
         true,
         {0xFF, 0, 0, 0, 0, 0, 0},
         "00:00",
         ""},
        {"close box writes nothing",
         2,
         3,
         {},
         [](QWidget& d) { Child<QCheckBox>(d, "chkErase")->click(); },
         false,
         {0, 1, 2, 3, 4, 5, 6},
         "",
         ""},
    };
    for (const Case& c : cases) {
        EditorState state = Patterned();
        const int at = 7888 + 70 * c.page + 7 * c.row;
        Put(state.image, at, {0, 1, 2, 3, 4, 5, 6});
        QueuedKeyPad keypad;
        keypad.replies = {c.replies.begin(), c.replies.end()};
        RecordingMessages messages;
        frmsched page(state, keypad, messages, nullptr, 501);
        page.show();
        Click(page, QString("optGroup_%1").arg(c.page));
        EXPECT_EQ(Text(page, "lblNum_0"), std::to_string(10 * c.page + 1)) << c.what;
        ImageBytes expected = state.image;
        Put(expected, at, c.result);
        std::string title;
        ModalDriver drive([&](QWidget* entry) {
            title = entry->windowTitle().toStdString();
            EXPECT_TRUE(Child<QCheckBox>(*entry, "chkErase")->isChecked()) << c.what;
            EXPECT_FALSE(Child<QWidget>(*entry, "Frame1")->isVisibleTo(entry)) << c.what;
            c.steps(*entry);
            if (c.ok)
                Child<QPushButton>(*entry, "cmdOK")->click();
            else
                entry->close();
        });
        Click(page, QString("lblTime_%1").arg(c.row));
        EXPECT_EQ(title, "Schedular Position " + std::to_string(10 * c.page + c.row + 1)) << c.what;
        EXPECT_TRUE(state.image == expected) << c.what;
        EXPECT_EQ(Text(page, QString("lblTime_%1").arg(c.row)), c.timeShown) << c.what;
        EXPECT_EQ(Text(page, QString("lblDOM_%1").arg(c.row)), c.dayShown) << c.what;
        EXPECT_EQ(messages.shown.size(), std::string(c.what).find("refused") != std::string::npos ? 1u : 0u);
    }
}

TEST(SchedulerDialog, OkHidesAndKeepsThePage) {
    EditorState state;
    QueuedKeyPad keypad;
    RecordingMessages messages;
    frmsched page(state, keypad, messages, nullptr, 501);
    page.show();
    Click(page, "optGroup_2");
    Child<QPushButton>(page, "cmdOK")->click();
    EXPECT_FALSE(page.isVisible());
    Put(state.image, 8028, {0xFF, 0, 9, 0x08, 0x30, 0, 0});
    page.show();
    EXPECT_EQ(page.SchedPage(), 2);
    EXPECT_EQ(Text(page, "lblNum_0"), "21");
    EXPECT_EQ(Text(page, "lblDOW_0"), "Weekends");
    EXPECT_EQ(Text(page, "lblTime_0"), "08:30");
}

TEST(HardwareDialog, EntryWritesItsTwoBytesAndItsDescription) {
    EditorState state = Patterned();
    Put(state.image, 4656, {0x11, 0x10, 0x1A, 0x05});
    ImageBytes expected = state.image;
    Put(expected, 4662, {0x01, 0x25});
    QueuedKeyPad keypad;
    keypad.replies = {"0125"};
    frmUser dialog(state, keypad, nullptr, 502);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Halden R8 Hardware Inputs");
    EXPECT_EQ(Text(dialog, "Label3_0"), "Repeater Transmitter OFF");
    EXPECT_EQ(Text(dialog, "Label2_3"), "Falling Edge");
    EXPECT_EQ(Text(dialog, "lblA_1"), "Input #2");
    const std::string opened = Text(dialog, "Label1_3");
    EXPECT_EQ(opened, CommandCellText(state.image[4662], state.image[4663]));
    Click(dialog, "Label1_3");
    Click(dialog, "Label1_1"); // cancelled: the 1A stays
    EXPECT_EQ(keypad.calls[0], (QueuedKeyPad::Call{1, 4, "Macro Command", opened, 1}));
    EXPECT_EQ(keypad.calls[1].value, "1A05");
    EXPECT_TRUE(state.image == expected);
    EXPECT_EQ(Text(dialog, "Label1_3"), "0125");
    EXPECT_EQ(Text(dialog, "Label3_3"), CommandText(0x01, 0x25));
    Child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ConfigDialog, OkWritesBitsZeroToTwoAndTheCloseBoxNothing) {
    for (bool ok : {true, false}) {
        EditorState state = Patterned();
        state.image[4029] = 0xF8;
        frmConfig dialog(state, nullptr, 907);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Halden R8 Configuration Dialog Box");
        EXPECT_TRUE(Child<QRadioButton>(dialog, "optClock_0")->isChecked());
        EXPECT_EQ(Child<QCheckBox>(dialog, "chkFlags_7")->text(), "Reserved");
        Child<QRadioButton>(dialog, "optClock_1")->click();
        Child<QCheckBox>(dialog, "chkFlags_1")->click();
        if (ok)
            Child<QPushButton>(dialog, "cmdOK")->click();
        else
            dialog.close();
        EXPECT_EQ(state.image[4029], ok ? 0xFD : 0xF8);
    }
}

} // namespace
} // namespace rc
