#pragma once

#include <string>

namespace cli {

// Writes a whole file at once: the text goes to a new file beside the target, which then takes
// the target's name, so the target is replaced completely or left as it was and nothing half
// written stays behind (a full disk included). Returns an empty string on success, otherwise
// the system's reason.
std::string writeFileAtomically(const std::string& path, const std::string& text);

} // namespace cli
