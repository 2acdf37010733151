#pragma once

#include <string>
#include <string_view>

namespace cli {

// Writes the curves file whole (model/WholeFile.h); a pipe or a device named as the file, such
// as /dev/stdout, is written straight. An empty string on success, otherwise the reason.
std::string writeCurvesFile(const std::string& path, std::string_view text);

// Writes the text to the standard output, every byte or a reason. When the output is a regular
// file, a failed write takes back what it appended, so no part of the text stays behind.
std::string writeStandardOutput(std::string_view text);

} // namespace cli
