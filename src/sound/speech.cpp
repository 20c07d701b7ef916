#include "sound/speech.h"

#include "codecs/voice_message.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <mutex>

namespace rc::sound {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string Spelled(const std::string& letters) {
    return "<say-as interpret-as=\"characters\">" + Escaped(letters) + "</say-as>";
}

std::string Break(int ms) {
    return "<break time=\"" + std::to_string(ms) + "ms\"/>";
}

std::string Replaced(std::string text, char from, char to) {
    for (char& c : text)
        if (c == from)
            c = to;
    return text;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Greeting(int hour) {
    return hour < 12 ? "good morning" : hour < 18 ? "good afternoon" : "good evening";
}

std::string TimeOfDay(const SpeechMoment& m) {
    const int hour12 = m.hour % 12 == 0 ? 12 : m.hour % 12;
    const std::string half = m.hour < 12 ? " A.M." : " P.M.";
    if (m.minute == 0)
        return std::to_string(hour12) + " o'clock" + half;
    return std::to_string(hour12) + (m.minute < 10 ? " oh " : " ") + std::to_string(m.minute) + half;
}

std::string Ordinal(int day) {
    const int tens = day % 100 / 10, ones = day % 10;
    const char* suffix = tens == 1 ? "th" : ones == 1 ? "st" : ones == 2 ? "nd" : ones == 3 ? "rd" : "th";
    return std::to_string(day) + suffix;
}

// A word in brackets is no word the synthesizer could say: a variable, a pause or a recorded sound.
std::string Bracketed(const std::string& name, const SpeechMoment& m) {
    if (name == "Time_of_day")
        return TimeOfDay(m);
    if (name == "Day_of_week")
        return kWeekdays[static_cast<std::size_t>(m.weekday % 7)];
    if (name == "Day_of_month")
        return "the " + Ordinal(m.day);
    if (name == "Salutations")
        return Greeting(m.hour);
    if (name == "500ms_Delay")
        return Break(500);
    if (StartsWith(name, "Pause "))
        return Break(250 * std::atoi(name.c_str() + 6));
    if (StartsWith(name, "F ")) // the greetings
        return "good " + Escaped(Lower(name.substr(2)));
    if (StartsWith(name, "Model_"))
        return Spelled(name.substr(6));
    if (StartsWith(name, "UF_")) {
        std::string rest = Replaced(name.substr(3), '_', ' ');
        if (rest.size() > 4 && rest.substr(rest.size() - 4) == " MON")
            rest = rest.substr(0, rest.size() - 4) + " monitor";
        return "user function " + Escaped(rest);
    }
    if (StartsWith(name, "DVR_"))
        return "recorder track " + Escaped(name.substr(4));
    // Chimes, tones and the other sounds: said by name, so the listener knows one is played there.
    return Escaped(Replaced(name, '_', ' '));
}

std::string Rendered(const std::string& text, const SpeechMoment& m) {
    if (text.size() > 2 && text.front() == '[' && text.back() == ']')
        return Bracketed(text.substr(1, text.size() - 2), m);
    if (text.size() == 1 && std::isalpha(static_cast<unsigned char>(text[0])))
        return Spelled(text);
    // "Ed_Sufffix", "S_plural", "Use_noun": the word itself; "Less_than": both words.
    const std::size_t bar = text.find('_');
    if (bar != std::string::npos) {
        const std::string tail = Lower(text.substr(bar + 1));
        if (tail == "suffix" || tail == "sufffix" || tail == "plural" || tail == "noun" || tail == "verb")
            return Escaped(text.substr(0, bar));
    }
    return Escaped(Replaced(Replaced(text, '_', ' '), '-', ' '));
}

// The synthesizer keeps one global state: it is set up once and used by one caller at a time.
std::mutex synthLock;

int Collect(short* wav, int count, espeak_EVENT* events) {
    if (wav != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
        auto* pcm = static_cast<Pcm*>(events->user_data);
        pcm->samples.insert(pcm->samples.end(), wav, wav + count);
    }
    return 0;
}

std::string StatusText(espeak_ng_STATUS status) {
    char buffer[256] = {};
    espeak_ng_GetStatusCodeMessage(status, buffer, sizeof buffer);
    return buffer;
}

// The error of setting up the synthesizer, empty when it is ready.
const std::string& Setup(int& rate) {
    static int sampleRate = 0;
    static const std::string error = [] {
        espeak_ng_InitializePath(nullptr);
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK)
            return "the speech synthesizer cannot start: " + StatusText(status);
        status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        if (status == ENS_OK)
            status = espeak_ng_SetVoiceByName("en-us");
        if (status != ENS_OK)
            return "the speech synthesizer cannot start: " + StatusText(status);
        espeak_SetSynthCallback(Collect);
        sampleRate = espeak_ng_GetSampleRate();
        std::atexit([] { espeak_ng_Terminate(); });
        return std::string();
    }();
    rate = sampleRate;
    return error;
}

} // namespace

SpeechMoment LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_hour, local.tm_min, local.tm_wday, local.tm_mday};
}

std::vector<int> MessageKeys(const ImageBytes& image, int record) {
    std::vector<int> keys;
    for (int j = 0; j < MessageWordCount(image, record); ++j)
        keys.push_back(ReadWordKey(image, record + 1 + 2 * j));
    return keys;
}

std::vector<int> PickedKeys(const VoiceContract& voice) {
    std::vector<int> keys;
    for (const PackedWord& word : NewWords(voice, voice.VoiceMaxWords).words)
        keys.push_back(WordKey(word));
    return keys;
}

std::string SpeechMarkup(const std::vector<int>& keys, const SpeechMoment& moment) {
    std::string words;
    for (int key : keys) {
        const std::string text = VoiceWordText(key);
        if (text.empty())
            continue;
        words += (words.empty() ? "" : " ") + Rendered(text, moment);
    }
    return "<speak>" + words + "</speak>";
}

Speech Speak(const std::string& markup) {
    std::lock_guard<std::mutex> hold(synthLock);
    Speech speech;
    int rate = 0;
    speech.error = Setup(rate);
    if (!speech.error.empty())
        return speech;
    speech.pcm.rate = rate;
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(markup.c_str(), markup.size() + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8 | espeakSSML, nullptr, &speech.pcm);
    if (status != ENS_OK)
        speech.error = "the speech synthesizer failed: " + StatusText(status);
    else
        espeak_ng_Synchronize();
    return speech;
}

Speech SpeakWords(const std::vector<int>& keys, const SpeechMoment& moment) {
    return Speak(SpeechMarkup(keys, moment));
}

} // namespace rc::sound
