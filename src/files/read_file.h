#pragma once

// Reading a user's file: only a plain file is opened, so a FIFO or a device (a serial port would
// raise its lines) can never hold a command up, and no more than the caller can use is read, so a
// huge file is turned away without being read.

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace rc {

struct FileRead {
    enum class Status { Read, Missing, NotPlain, TooLarge, Failed };
    Status status = Status::Failed;
    std::vector<std::uint8_t> bytes; // the whole file, when Read
    off_t size = -1;                 // its size as the system gave it, -1 when it could not say
    int error = 0;                   // the system's error number for Missing and Failed

    bool Read() const { return status == Status::Read; }
    std::string Text() const { return {bytes.begin(), bytes.end()}; }
    // The system's words for `error`.
    std::string Reason() const;
};

// The whole of the plain file at `path` (links followed) when it holds at most `maxBytes`.
FileRead ReadRegularFile(const std::string& path, std::size_t maxBytes);

} // namespace rc
