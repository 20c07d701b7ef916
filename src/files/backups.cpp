#include "files/backups.h"

#include "files/read_file.h"
#include "files/replace_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rc {

namespace fs = std::filesystem;

std::string BackupFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data && *data && fs::path(data).is_absolute()) {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home && *home ? home : "/") / ".local" / "share";
    }
    return (base / "halden-r8-tools" / "backups").string();
}

namespace {

// One line per copy made, in the order they were made: the copy's name, its direction, its date and
// the whole path of the file it was made from. Hidden, so that a file dialog shows only the copies.
constexpr const char* kListName = ".copies";
constexpr std::array<std::string_view, 3> kDirections{"download", "upload", "overwritten"};

struct Line {
    std::string name;
    std::string direction;
    std::time_t when = 0;
    std::string source;
};

std::string Escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string Unescaped(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            ++i;
            out += s[i] == 't' ? '\t' : s[i] == 'n' ? '\n' : s[i];
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string SourceOf(const std::string& path) {
    std::error_code ec;
    const fs::path whole = fs::absolute(fs::path(path), ec);
    return (ec ? fs::path(path) : whole).lexically_normal().string();
}

// The list of copies, held for this run alone while the object lives, so that copies are listed in
// the order they were made and a clean-up never rewrites the list under a run adding to it.
std::string LineText(const Line& l) {
    return Escaped(l.name) + '\t' + Escaped(l.direction) + '\t' +
           std::to_string(static_cast<long long>(l.when)) + '\t' + Escaped(l.source) + '\n';
}

class CopyList {
public:
    explicit CopyList(const fs::path& folder) {
        fd_ =
            ::open((folder / kListName).c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0600);
        // Every wait ends: another run holds the list only for a few file operations.
        for (int i = 0; fd_ >= 0 && i < 500; ++i) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
                locked_ = true;
                break;
            }
            if (errno != EWOULDBLOCK && errno != EINTR)
                break;
            ::usleep(10000);
        }
    }
    ~CopyList() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CopyList(const CopyList&) = delete;
    CopyList& operator=(const CopyList&) = delete;

    bool Locked() const { return locked_; }

    std::vector<Line> Read() const {
        std::string text;
        char buf[65536];
        ssize_t r;
        for (off_t at = 0; fd_ >= 0 && (r = ::pread(fd_, buf, sizeof buf, at)) != 0; at += r > 0 ? r : 0) {
            if (r < 0 && errno == EINTR)
                continue;
            if (r < 0)
                break;
            text.append(buf, static_cast<std::size_t>(r));
        }
        std::vector<Line> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
            const std::string_view line(text.data() + from, end - from);
            std::array<std::string_view, 4> field;
            std::size_t at = 0, n = 0;
            for (; n < 3; ++n) {
                const std::size_t tab = line.find('\t', at);
                if (tab == std::string_view::npos)
                    break;
                field[n] = line.substr(at, tab - at);
                at = tab + 1;
            }
            if (n < 3)
                continue; // not a line of ours: skipped, and kept out of the clean-up
            field[3] = line.substr(at);
            char* numberEnd = nullptr;
            const std::string when(field[2]);
            const long long seconds = std::strtoll(when.c_str(), &numberEnd, 10);
            if (when.empty() || *numberEnd != '\0')
                continue;
            lines.push_back({Unescaped(field[0]), Unescaped(field[1]), static_cast<std::time_t>(seconds),
                             Unescaped(field[3])});
        }
        return lines;
    }

    bool Append(const Line& l) const {
        // A line a crash or a full disk left torn must not swallow this one.
        struct stat info {};
        char last = '\n';
        if (fd_ >= 0 && ::fstat(fd_, &info) == 0 && info.st_size > 0)
            (void)::pread(fd_, &last, 1, info.st_size - 1);
        const std::string text = (last == '\n' ? "" : "\n") + LineText(l);
        // One write, so that a line is never torn, even by a run that could not hold the list.
        return fd_ >= 0 && ::write(fd_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }

    // Writes the new list over the old from its start and only then cuts what is left, so that a
    // crash between the two leaves every line that stays (and some that went, which the next
    // clean-up drops again), never an empty list.
    bool Rewrite(const std::vector<Line>& lines) const {
        if (!locked_)
            return false;
        std::string text;
        for (const Line& l : lines)
            text += LineText(l);
        const int flags = ::fcntl(fd_, F_GETFL);
        // Appending ignores the offset: the list is written in place with appending off.
        if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_APPEND) != 0)
            return false;
        bool ok = true;
        for (std::size_t put = 0; ok && put < text.size();) {
            const ssize_t w = ::pwrite(fd_, text.data() + put, text.size() - put, static_cast<off_t>(put));
            if (w < 0 && errno == EINTR)
                continue;
            ok = w > 0;
            put += w > 0 ? static_cast<std::size_t>(w) : 0;
        }
        ok = ok && ::ftruncate(fd_, static_cast<off_t>(text.size())) == 0;
        ::fcntl(fd_, F_SETFL, flags);
        return ok;
    }

private:
    int fd_ = -1;
    bool locked_ = false;
};

// The lines whose copies are still there as plain files, oldest first; a name made again after its
// copy was removed counts once, as its latest line.
std::vector<Line> Present(const fs::path& folder, std::vector<Line> lines) {
    std::vector<Line> present;
    std::set<std::string> seen;
    for (auto l = lines.rbegin(); l != lines.rend(); ++l) {
        struct stat st {};
        if (l->name.find('/') == std::string::npos && seen.insert(l->name).second &&
            ::lstat((folder / l->name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            present.push_back(std::move(*l));
    }
    std::reverse(present.begin(), present.end());
    return present;
}

void SyncFolder(const fs::path& dir) {
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Puts `bytes` under the first of `names` that nothing has yet: written whole beside it first and
// then linked to the name, which fails rather than replace what another run made meanwhile. Where the
// file system has no links, the name is created exclusively and written. Returns the name given.
std::optional<std::string> CreateUnder(const fs::path& folder, const std::vector<std::string>& names,
                                       std::span<const std::uint8_t> bytes, int& err) {
    std::string temp = (folder / ".rc-copy.XXXXXX").string();
    // A signal meanwhile must not leave the scratch copy behind in the user's backups folder.
    ScratchCleanup cleanup;
    const int fd = cleanup.MakeFile(temp);
    if (fd < 0) {
        err = errno;
        return std::nullopt;
    }
    bool ok = WriteFully(fd, bytes) && ::fsync(fd) == 0;
    err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    std::optional<std::string> given;
    bool linksWork = true;
    for (const std::string& name : names) {
        if (!ok)
            break;
        const fs::path copy = folder / name;
        if (linksWork) {
            if (::link(temp.c_str(), copy.c_str()) == 0) {
                given = name;
                break;
            }
            err = errno;
            if (err == EEXIST)
                continue;
            if (err != EPERM && err != ENOTSUP && err != EOPNOTSUPP && err != EMLINK)
                break;
            linksWork = false;
        }
        const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (out < 0) {
            err = errno;
            if (err == EEXIST)
                continue;
            break;
        }
        const bool written = WriteFully(out, bytes) && ::fsync(out) == 0;
        err = errno;
        if (::close(out) == 0 && written) {
            given = name;
        } else {
            ::unlink(copy.c_str());
        }
        break;
    }
    ::unlink(temp.c_str());
    if (given)
        SyncFolder(folder);
    return given;
}

} // namespace

KeptCopy KeepCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                  const std::string& sourcePath, std::time_t when) {
    const fs::path folder(BackupFolder());
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return {false, {}, ec.message()};
    // Copies of a user's images are his alone; a folder the user linked there keeps his own modes.
    if (fs::is_directory(fs::symlink_status(folder, ec)))
        ::chmod(folder.c_str(), 0700);

    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &local);
    // A long name is shortened before its extension so that the copy's name, and the notes a later
    // run may put beside it, stay within what a folder holds.
    constexpr std::size_t kLongestName = 255 - 48;
    const std::string source = SourceOf(sourcePath);
    std::string name = fs::path(source).filename().string();
    if (name.size() > kLongestName) {
        const std::string ext = fs::path(name).extension().string();
        name = name.substr(0, kLongestName - std::min(ext.size(), kLongestName)) + ext;
    }
    std::vector<std::string> names;
    for (int n = 0; n < 1000; ++n)
        names.push_back(std::string(stamp) + (n ? "-" + std::to_string(n) : "") + "_" + direction + "_" +
                        name);

    const CopyList list(folder);
    int err = 0;
    const std::optional<std::string> given = CreateUnder(folder, names, bytes, err);
    if (!given)
        return {false, {}, std::strerror(err)};
    // The copy's time stamp says when it was made, as its name does; one that moves on later shows
    // that the user changed the copy.
    const struct timespec made[2] = {{when, 0}, {when, 0}};
    ::utimensat(AT_FDCWD, (folder / *given).c_str(), made, AT_SYMLINK_NOFOLLOW);
    // A copy the list does not name is still a copy; it is only never cleaned up.
    list.Append({*given, direction, when, source});
    return {true, (folder / *given).string(), {}};
}

std::vector<CopyRecord> CopiesOf(const std::string& sourcePath) {
    const fs::path folder(BackupFolder());
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return {};
    const std::string source = SourceOf(sourcePath);
    const CopyList list(folder);
    std::vector<CopyRecord> copies;
    for (Line& l : Present(folder, list.Read()))
        if (l.source == source)
            copies.push_back(
                {(folder / l.name).string(), std::move(l.source), std::move(l.direction), l.when});
    return copies;
}

namespace {

bool HoldsBytes(const fs::path& file, std::span<const std::uint8_t> bytes) {
    const FileRead held = ReadRegularFile(file.string(), bytes.size());
    return held.Read() && std::equal(held.bytes.begin(), held.bytes.end(), bytes.begin(), bytes.end());
}

} // namespace

KeptCopy KeepNewCopy(std::span<const std::uint8_t> bytes, const std::string& direction,
                     const std::string& sourcePath, std::time_t when) {
    const std::vector<CopyRecord> copies = CopiesOf(sourcePath);
    if (!copies.empty() && HoldsBytes(copies.back().path, bytes))
        return {true, copies.back().path, {}, true};
    return KeepCopy(bytes, direction, sourcePath, when);
}

namespace {

bool IsDigits(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// When a copy was kept, read from the date and time its name starts with, for a name exactly as
// this program gives: "YYYY-MM-DD_HHMMSS", perhaps "-N", then "_", the direction, "_" and a file
// name with a model's extension. Nothing for any other name: such files are not ours to remove.
std::optional<std::time_t> KeptAt(const std::string& name, const std::string& direction) {
    const std::string_view n(name);
    if (n.size() < 18 || !IsDigits(n.substr(0, 4)) || n[4] != '-' || !IsDigits(n.substr(5, 2)) ||
        n[7] != '-' || !IsDigits(n.substr(8, 2)) || n[10] != '_' || !IsDigits(n.substr(11, 6)))
        return std::nullopt;
    std::size_t at = 17;
    if (n[at] == '-') {
        const std::size_t end = n.find('_', at);
        const std::string_view number = n.substr(at + 1, end == std::string_view::npos ? 0 : end - at - 1);
        if (!IsDigits(number) || number.size() > 3 || number[0] == '0')
            return std::nullopt;
        at = end;
    }
    if (std::find(kDirections.begin(), kDirections.end(), direction) == kDirections.end() ||
        n.substr(at).substr(0, direction.size() + 2) != "_" + direction + "_")
        return std::nullopt;
    const std::string_view own = n.substr(at + direction.size() + 2);
    auto upper = [](char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); };
    if (own.size() < 5 || own[own.size() - 4] != '.' || upper(own[own.size() - 3]) != 'H')
        return std::nullopt;
    const std::string model{upper(own[own.size() - 2]), upper(own[own.size() - 1])};
    if (model != "R6" && model != "R8" && model != "M4" && model[0] != 'K')
        return std::nullopt;

    std::tm t{};
    t.tm_year = std::atoi(name.substr(0, 4).c_str()) - 1900;
    t.tm_mon = std::atoi(name.substr(5, 2).c_str()) - 1;
    t.tm_mday = std::atoi(name.substr(8, 2).c_str());
    t.tm_hour = std::atoi(name.substr(11, 2).c_str());
    t.tm_min = std::atoi(name.substr(13, 2).c_str());
    t.tm_sec = std::atoi(name.substr(15, 2).c_str());
    t.tm_isdst = -1;
    const std::tm asked = t;
    const std::time_t when = std::mktime(&t);
    // A date no clock shows (a 13th month) is no name of ours.
    if (when == -1 || t.tm_mon != asked.tm_mon || t.tm_mday != asked.tm_mday)
        return std::nullopt;
    return when;
}

} // namespace

int PruneCopies(int days, std::time_t now) {
    if (days <= 0)
        return 0;
    const fs::path folder(BackupFolder());
    std::error_code ec;
    // A folder reached through a link is somewhere the user chose for other things too.
    if (!fs::is_directory(fs::symlink_status(folder, ec)) || !fs::exists(folder / kListName, ec))
        return 0;
    const CopyList list(folder);
    if (!list.Locked())
        return 0;
    std::vector<Line> lines = Present(folder, list.Read());
    // The newest copy made from each file stays whatever its age, as it may be the only one a later
    // transfer of the same bytes has.
    std::map<std::string, std::size_t> newest;
    for (std::size_t i = 0; i < lines.size(); ++i)
        newest[lines[i].source] = i;
    // Age comes from the name, not from a time stamp any tool may change. A date after `now` was
    // given by a clock that ran ahead: such a copy is as old as the next copy made after it. A copy
    // made after one with a later date was dated by a clock that ran behind: it is as young as the
    // latest date before it.
    const std::time_t limit = now - static_cast<std::time_t>(days) * 24 * 3600;
    std::vector<std::optional<std::time_t>> latestBefore(lines.size());
    std::optional<std::time_t> latest;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        latestBefore[i] = latest;
        if (const std::optional<std::time_t> kept = KeptAt(lines[i].name, lines[i].direction);
            kept && *kept <= now)
            latest = std::max(latest.value_or(*kept), *kept);
    }
    std::optional<std::time_t> nextDate;
    std::vector<bool> gone(lines.size(), false);
    int removed = 0;
    for (std::size_t i = lines.size(); i-- > 0;) {
        const std::optional<std::time_t> kept = KeptAt(lines[i].name, lines[i].direction);
        if (!kept)
            continue;
        std::optional<std::time_t> age = *kept > now ? nextDate : kept;
        if (*kept <= now)
            nextDate = *kept;
        if (age && latestBefore[i])
            age = std::max(*age, *latestBefore[i]);
        if (newest[lines[i].source] == i || !age || *age >= limit)
            continue;
        const fs::path copy = folder / lines[i].name;
        // A copy changed well after it was made is the user's work now (either program opens it),
        // not a copy to clear away.
        struct stat info {};
        if (::lstat(copy.c_str(), &info) == 0 && info.st_mtime > *kept + 2 * 24 * 3600)
            continue;
        if (fs::remove(copy, ec)) {
            // The notes kept beside a copy belong to it, and go only with it.
            const fs::path notes = folder / (lines[i].name + ".changes.txt");
            if (fs::is_regular_file(fs::symlink_status(notes, ec)))
                fs::remove(notes, ec);
            gone[i] = true;
            ++removed;
        }
    }
    std::vector<Line> stay;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!gone[i])
            stay.push_back(std::move(lines[i]));
    list.Rewrite(stay);
    return removed;
}

} // namespace rc
