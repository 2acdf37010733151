#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace model {

// What may be written in place of a target that exists and is not a regular file. Such a target
// is never replaced by a file: it takes the text straight, or the write is refused.
enum class InPlace {
    devices,      // a character device (a terminal, /dev/null); pipes and sockets are refused
    devicesPipes, // also a pipe or a socket, which may wait for a reader
};

// The error number of a refused target (a block device, or what InPlace excludes); a folder
// gives EISDIR.
inline constexpr int notARegularFile = -1;

// Writes a whole file at once: the text goes to a new file beside the target, which then takes
// the target's name, so the target is replaced completely or left as it was and nothing half
// written stays behind (a full disk included). A replaced file keeps its permissions; a
// symbolic link keeps pointing where it did, the file it names being replaced. Returns 0, the
// system's error number (errno), or notARegularFile.
int writeWholeFile(const std::string& path, std::string_view text, InPlace inPlace);

// Receives a text piece by piece, in order: 0, or the system's error number of its write.
using TextSink = std::function<int(std::string_view)>;

// The same write of a text made while it is written: produce hands it to the sink piece by piece
// and returns 0, or the first error number the sink gave (it stops there). A long text never has
// to be held whole.
int writeWholeFile(const std::string& path, const std::function<int(const TextSink&)>& produce,
                   InPlace inPlace);

// Every byte to the open descriptor fd: 0 or the system's error number.
int writeAll(int fd, std::string_view text);

} // namespace model
