#pragma once

#include <string>

namespace model {

// A text the window writes into one of its result labels, named by the label's control name.
struct LabelText {
    std::string label; // "Label20", "Label16", ...
    std::string text;  // UTF-8, exactly as shown

    friend bool operator==(const LabelText&, const LabelText&) = default;
};

} // namespace model
