#include "model/WholeFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace model {

namespace {

namespace fs = std::filesystem;

// A target that is not a regular file, written as a shell's ">" would write it.
int writeInPlace(const std::string& path, const struct stat& target,
                 const std::function<int(const TextSink&)>& produce, InPlace inPlace) {
    if (S_ISDIR(target.st_mode))
        return EISDIR;
    const bool device = S_ISCHR(target.st_mode);
    const bool pipe = S_ISFIFO(target.st_mode) || S_ISSOCK(target.st_mode);
    if (!device && !(pipe && inPlace == InPlace::devicesPipes))
        return notARegularFile;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = produce([fd](std::string_view piece) { return writeAll(fd, piece); });
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// The new file's name beside target: hidden, and within NAME_MAX however long the name is.
std::string scratchPattern(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string name = target.filename().string();
    const std::size_t room = NAME_MAX - std::strlen("..XXXXXX");
    if (name.size() > room)
        name.resize(room);
    return (folder / ("." + name + ".XXXXXX")).string();
}

} // namespace

int writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n > 0)
            text.remove_prefix(static_cast<std::size_t>(n));
        else if (n == 0)
            return EIO;
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

int writeWholeFile(const std::string& path, std::string_view text, InPlace inPlace) {
    return writeWholeFile(
        path, [text](const TextSink& sink) { return sink(text); }, inPlace);
}

int writeWholeFile(const std::string& path, const std::function<int(const TextSink&)>& produce,
                   InPlace inPlace) {
    fs::path target(path);
    // The usual permissions of a created file, not mkstemp's 0600, unless the file has its own.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = 0666 & ~mask;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return writeInPlace(path, st, produce, inPlace);
        mode = st.st_mode & 07777;
        std::error_code failed;
        if (fs::is_symlink(target, failed))
            if (fs::path real = fs::canonical(target, failed); !failed)
                target = real;
    }
    std::string pattern = scratchPattern(target);
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return errno;
    int error = produce([fd](std::string_view piece) { return writeAll(fd, piece); });
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error == 0 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(name.data(), target.c_str()) != 0)
        error = errno;
    if (error != 0)
        std::remove(name.data());
    return error;
}

} // namespace model
