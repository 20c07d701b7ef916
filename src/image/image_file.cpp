#include "image/image_file.h"

#include "files/read_file.h"
#include "files/replace_file.h"
#include "image/regions.h"

#include <algorithm>
#include <cctype>

namespace rc {

bool HasImageExtension(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string last = path.substr(path.size() - 4);
    for (char& c : last)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return last == kImageExtension;
}

ReadResult ReadImageFile(const std::string& path, ImageBytes& out) {
    ReadResult result;
    const FileRead read = ReadRegularFile(path, kImageSize);
    if (read.status == FileRead::Status::Missing ||
        (read.status == FileRead::Status::Failed && read.size < 0)) {
        result.error = OpenError::OpenFailure;
        result.missing = read.status == FileRead::Status::Missing;
        result.reason = read.Reason();
        return result;
    }
    // The name and the size decide before whether the bytes could be read: a file that can be seen
    // to be no image is called so.
    if (!HasImageExtension(path) || read.status == FileRead::Status::NotPlain ||
        read.status == FileRead::Status::TooLarge || read.size != kImageSize) {
        result.error = OpenError::FilenameError;
        return result;
    }
    if (read.status == FileRead::Status::Failed) {
        result.error = OpenError::OpenFailure;
        result.reason = read.Reason();
        return result;
    }
    if (read.bytes.size() != static_cast<std::size_t>(kImageSize)) {
        result.error = OpenError::FilenameError;
        return result;
    }
    auto dst = out.MutableBytes();
    std::copy(read.bytes.begin(), read.bytes.end(), dst.begin());
    result.readOnly = IsReadOnlyFile(path);
    return result;
}

WriteResult WriteImageFile(const std::string& path, const ImageBytes& image) {
    return ReplaceFileContents(path, image.Bytes());
}

std::optional<MessageSpec> CheckClosure(const ImageBytes& image) {
    int bits = image[kSaveAlertZoneByte] & 7;
    if (bits == 1)
        return std::nullopt;
    std::string text;
    if ((bits & 1) == 0)
        text += "Repeater Transmitter Disabled";
    if (bits & 2)
        text += "\nRepeater CTCSS Enabled";
    if (bits & 4)
        text += "\nRepeater DTMF Access Enabled";
    text += "\nSave Anyway?";
    return MessageSpec{text, "File Save Alert", MessageIcon::Critical, MessageButtons::YesNo, Answer::No};
}

MessageSpec FilenameErrorMessage() {
    return {"Error, Incorrect Halden R8 Filename or File is Corrupted", "Filename Error",
            MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok};
}

MessageSpec OpenFailureMessage() {
    return {"Halden R8 File Open Error!\nFile May Be Missing", "Halden R File Open", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec OpenErrorMessage(const ReadResult& result) {
    MessageSpec m = result.error == OpenError::FilenameError ? FilenameErrorMessage() : OpenFailureMessage();
    if (!result.reason.empty())
        m.text += "\n" + result.reason;
    return m;
}

MessageSpec SaveExtensionErrorMessage() {
    return {"Error, Filename must contain the extension .HR8.", "File Save Error", MessageIcon::Critical,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec ReadOnlyMessage(const std::string& path) {
    return {"Error.. " + path + " .. is Read Only", "Halden R8 Editor", MessageIcon::Exclamation,
            MessageButtons::Ok, Answer::Ok};
}

MessageSpec KeptCopyMessage(const std::string& path, const std::string& copy) {
    return {"The folder of " + path +
                " takes no new files, so the file was rewritten in place.\n"
                "Its old contents are kept in " +
                copy,
            "Halden R8 Editor", MessageIcon::Information, MessageButtons::Ok, Answer::Ok};
}

MessageSpec ChangedQuestion() {
    return {"The Data File has changed\nDo you want to save the changes?", "Halden R8 Editor",
            MessageIcon::Exclamation, MessageButtons::YesNoCancel, Answer::Cancel};
}

MessageSpec WriteFailureMessage(const std::string& path, const std::string& reason) {
    return {"Error.. " + path + " .. could not be saved\n" + reason, "Halden R8 Editor",
            MessageIcon::Critical, MessageButtons::Ok, Answer::Ok};
}

} // namespace rc
