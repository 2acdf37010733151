#pragma once

#include "model/Throw.h"

#include <string>
#include <string_view>

namespace cli {

// Writes the throw's curves as CSV (model/curves/CurvesCsv.h) to the file whole
// (model/WholeFile.h); a pipe or a device named as the file, such as /dev/stdout, is written
// straight. An empty string on success, otherwise the reason.
std::string writeCurves(const model::Throw& t, const std::string& path);

// Writes the text to the standard output, every byte or a reason. When the output is a regular
// file, a failed write takes back what it appended, so no part of the text stays behind.
std::string writeStandardOutput(std::string_view text);

} // namespace cli
