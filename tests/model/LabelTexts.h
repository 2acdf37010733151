#pragma once

#include "model/LabelText.h"

#include <string>

// Labels as one "Label26 Tmax1= 0.560 c; Label27 ..." line, so that a set compares at once.
std::string texts(const auto& labels) {
    std::string out;
    for (const model::LabelText& l : labels)
        out += (out.empty() ? "" : "; ") + l.label + " " + l.text;
    return out;
}
