#include "cli/Output.h"

#include "model/WholeFile.h"

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

std::string reason(int error) {
    if (error == 0)
        return {};
    return error == model::notARegularFile ? "not a regular file, a pipe or a character device"
                                           : std::strerror(error);
}

} // namespace

std::string writeCurvesFile(const std::string& path, std::string_view text) {
    return reason(model::writeWholeFile(path, text, model::InPlace::devicesPipes));
}

std::string writeStandardOutput(std::string_view text) {
    // Where a file's text would end if the write fails half-way.
    off_t start = -1;
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) == 0 && S_ISREG(st.st_mode))
        start = (::fcntl(STDOUT_FILENO, F_GETFL) & O_APPEND) ? st.st_size
                                                             : ::lseek(STDOUT_FILENO, 0, SEEK_CUR);
    const int error = model::writeAll(STDOUT_FILENO, text);
    if (error != 0 && start >= 0 && ::ftruncate(STDOUT_FILENO, start) == 0)
        ::lseek(STDOUT_FILENO, start, SEEK_SET);
    return reason(error);
}

} // namespace cli
