#include "codecs/voice_words.h"

namespace rc::voice {

namespace {

// clang-format off
const WordSpec kWordsAtoM[] = {
    {"A", 210}, {"A.M."}, {"Abort"}, {"About"}, {"Above"}, {"Acknowledge"}, {"Action"}, {"Adjust"},
    {"Advise"}, {"Aerial"}, {"Affirmative"}, {"Again"}, {"Air"}, {"Alert"}, {"All"}, {"Alpha"}, {"Alternate"},
    {"Altitude"}, {"Amateur"}, {"Amps"}, {"An"}, {"And"}, {"Answer"}, {"April"}, {"Are"}, {"Area"}, {"As"},
    {"Assistance"}, {"Association"}, {"At"}, {"Attempt"}, {"Attention"}, {"August"}, {"Automatic"},
    {"Autopatch"}, {"Auxiliary"}, {"Avenue"}, {"Average"},
    {"B", 250}, {"Back"}, {"Band"}, {"Base"}, {"Battery"}, {"Below"}, {"Between"}, {"Bravo"}, {"Break"},
    {"Button"}, {"By"},
    {"C", 270}, {"Calibrate"}, {"Call"}, {"Calm", 299}, {"Calling", 273}, {"Cancel"}, {"Halden"}, {"Caution"},
    {"Center"}, {"Celsius"}, {"Change"}, {"Charlie"}, {"Check"}, {"Circuit"}, {"Clear"}, {"Clock"},
    {"Closed"}, {"Club"}, {"Code"}, {"Come"}, {"Complete"}, {"Completed"}, {"Computer"}, {"Condition"},
    {"Congratulations"}, {"Connect"}, {"Contact"}, {"Control"}, {"Current"}, {"Cycle"},
    {"D", 310}, {"Danger"}, {"Data"}, {"Date"}, {"Day"}, {"Days"}, {"December"}, {"Decrease"}, {"Degree"},
    {"Delay"}, {"Delta"}, {"Department"}, {"Direction"}, {"Do"}, {"Down"}, {"Drizzle"}, {"Due"}, {"Dynamic"},
    {"E", 340}, {"East"}, {"Echo"}, {"Ed (suffix)"}, {"Emergency"}, {"End"}, {"Enter"}, {"Equals"}, {"Error"},
    {"Evacuation"}, {"Exit"}, {"Expect"},
    {"F", 370}, {"Fahrenheit", 373}, {"Fail", 371}, {"Failure"}, {"Fall", 393}, {"Fast", 374}, {"February"},
    {"Feet"}, {"File", 378}, {"Filed"}, {"Final"}, {"Fire"}, {"Flag"}, {"Fog"}, {"For"}, {"Foxhunt"},
    {"Foxtrot"}, {"Freezing"}, {"Frequency"}, {"Friday"}, {"From"}, {"Front"}, {"Full"},
    {"G", 410}, {"Gear"}, {"Get"}, {"Go"}, {"Golf"}, {"Good"}, {"Green"}, {"Ground"},
    {"H", 440}, {"Hail"}, {"Half"}, {"Ham"}, {"Hamfest"}, {"Have"}, {"Hazardous"}, {"Heat", 457},
    {"Heavy", 447}, {"Henry"}, {"Hertz"}, {"High"}, {"Hold"}, {"Home"}, {"Hotel"}, {"Hour"}, {"Hours"},
    {"Hundred"},
    {"I", 470}, {"Ice"}, {"Icing"}, {"Identify"}, {"Immediately"}, {"In"}, {"Increase"}, {"Index", 486},
    {"India", 477}, {"Information"}, {"Ing (suffix)"}, {"Inputs"}, {"Intruder"}, {"Is"}, {"It"},
    {"J", 500}, {"January"}, {"Juliet"}, {"July"}, {"June"},
    {"K", 530}, {"Key"}, {"Keypad"}, {"Kilo"}, {"Knots"},
    {"L", 550}, {"Land"}, {"Last"}, {"Late"}, {"Left"}, {"Less Than"}, {"Let"}, {"Level"}, {"Light"},
    {"Lima"}, {"Line"}, {"Link"}, {"List"}, {"Load"}, {"Lock"}, {"Lockout"}, {"Long"}, {"Look"}, {"Low"},
    {"Lower"},
    {"M", 580}, {"Machine"}, {"Macro"}, {"Make"}, {"Malfunction"}, {"Manual"}, {"Many"}, {"March"}, {"May"},
    {"Mayday"}, {"Me"}, {"Measure"}, {"Measured"}, {"Meeting"}, {"Mega"}, {"Message"}, {"Meter"}, {"Meters"},
    {"Micro"}, {"Mike"}, {"Miles"}, {"Milli"}, {"Million"}, {"Minus"}, {"Minute"}, {"Minutes"}, {"Mobile"},
    {"Modified"}, {"Monday"}, {"Month"}, {"More Than"}, {"Move"}, {"Much"},
};

const WordSpec kWordsNtoZ[] = {
    {"N", 620}, {"Near"}, {"Negative"}, {"Net"}, {"New"}, {"Next"}, {"Night"}, {"No"}, {"Normal"}, {"North"},
    {"Not"}, {"November"}, {"Now"}, {"Number"},
    {"O", 650}, {"O'clock"}, {"October"}, {"Of"}, {"Off"}, {"Ohms"}, {"On"}, {"Open"}, {"Operation"},
    {"Operator"}, {"Or"}, {"Organization"}, {"Oscar"}, {"Other"}, {"Out"}, {"Over"}, {"Overcast"},
    {"P", 680}, {"P.M."}, {"Papa"}, {"Pass"}, {"Patch"}, {"Percent", 703}, {"Phone", 686}, {"Pico"}, {"Plan"},
    {"Please"}, {"Plus"}, {"Point"}, {"Police"}, {"Position"}, {"Pound"}, {"Power"}, {"Practice"}, {"Preset"},
    {"Press"}, {"Pressure", 704}, {"Program", 699}, {"Pull"}, {"Push"}, {"Put"},
    {"Q", 720}, {"Quebec"},
    {"R", 730}, {"Radio"}, {"Radios"}, {"Rain"}, {"Raise"}, {"Range"}, {"Rate"}, {"Ready"}, {"Receive"},
    {"Receiver"}, {"Red"}, {"Release"}, {"Remark"}, {"Remote"}, {"Repair"}, {"Repeat"}, {"Repeater"},
    {"Reset"}, {"Rig"}, {"Right"}, {"Road"}, {"Roger"}, {"Romeo"}, {"Route"},
    {"S", 770}, {"S (plural)", 802}, {"Safe", 771}, {"Saturday"}, {"Scattered"}, {"Seconds"}, {"Security"},
    {"Select"}, {"Send"}, {"Sent"}, {"September"}, {"Sequence"}, {"Service"}, {"Set"}, {"Severe"}, {"Short"},
    {"Showers"}, {"Shut"}, {"Side"}, {"Sierra"}, {"Sleet"}, {"Slow"}, {"Snow"}, {"South"}, {"Speed"},
    {"Squawk"}, {"Star"}, {"Start"}, {"Stop"}, {"Storm"}, {"Sunday"}, {"Switch"}, {"System"},
    {"T", 820}, {"Tango"}, {"Target"}, {"Telephone"}, {"Temperature"}, {"Terminal"}, {"Test"}, {"Than"},
    {"Thank-You"}, {"That"}, {"The (long E)", 831}, {"The (short E)", 830}, {"Then", 832}, {"This"},
    {"This-is"}, {"Thousand"}, {"Thunderstorm"}, {"Thursday"}, {"Time"}, {"Timer"}, {"Today"},
    {"Today's", 852}, {"Tomorrow", 841}, {"Tonight"}, {"Tornado"}, {"Tower"}, {"Traffic"}, {"Transmit"},
    {"Transmitter"}, {"Try"}, {"Tuesday"}, {"Turn"}, {"Type"},
    {"U", 870}, {"Uniform"}, {"Unit"}, {"Unlimited"}, {"Until"}, {"Up"}, {"Use (noun)"}, {"Use (verb)"},
    {"V", 880}, {"Variable"}, {"Verify"}, {"Version"}, {"Victor"}, {"Volts"},
    {"W", 890}, {"Wait"}, {"Warning"}, {"Watch"}, {"Watts"}, {"Way"}, {"Weather"}, {"Wednesday"}, {"Week"},
    {"Weekday"}, {"Welcome"}, {"Well-Done"}, {"West"}, {"What"}, {"Whiskey"}, {"Will"}, {"Wind"},
    {"Wind-Chill", 910}, {"Windows", 907}, {"With"}, {"Wrong"},
    {"X", 920}, {"X-Ray"},
    {"Y", 930}, {"Yankee"}, {"Year"}, {"Yellow"}, {"Yes"}, {"Yesterday"}, {"You"}, {"Your"},
    {"Z", 950}, {"Zed"}, {"Zero"}, {"Zone"}, {"Zulu"},
};
// clang-format on

} // namespace

std::span<const WordSpec> WordsAtoM() {
    return kWordsAtoM;
}
std::span<const WordSpec> WordsNtoZ() {
    return kWordsNtoZ;
}

} // namespace rc::voice
