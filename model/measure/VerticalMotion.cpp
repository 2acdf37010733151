#include "model/measure/VerticalMotion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace model::measure {

namespace {

bool hasWord(std::string_view name, std::string_view word) {
    return name.find(word) != std::string_view::npos;
}

// Whole names and words inside a name, for either direction.
constexpr std::array<std::string_view, 3> kShortNames{"h", "z", "s"};
constexpr std::array<std::string_view, 8> kDownWords{"fall",  "depth",  "drop",   "sink",
                                                     "паден", "глубин", "погруж", "опуска"};
constexpr std::array<std::string_view, 6> kUpWords{"height",    "altitude", "высот",
                                                   "elevation", "rise",     "подъ"};
constexpr std::array<std::string_view, 5> kNeutralWords{"position", "позиция", "координат",
                                                        "distance", "путь"};

} // namespace

bool verticalPositionName(std::string_view name) {
    const auto any = [name](const auto& words) {
        return std::any_of(words.begin(), words.end(),
                           [name](std::string_view w) { return hasWord(name, w); });
    };
    return std::find(kShortNames.begin(), kShortNames.end(), name) != kShortNames.end() ||
           any(kDownWords) || any(kUpWords) || any(kNeutralWords);
}

std::optional<bool> axisDownByName(std::string_view name) {
    for (const std::string_view w : kDownWords)
        if (hasWord(name, w))
            return true;
    if (name == "h" || name == "z")
        return false;
    for (const std::string_view w : kUpWords)
        if (hasWord(name, w))
            return false;
    return std::nullopt;
}

bool axisDownByMotion(const std::vector<double>& values) {
    if (values.size() < 2)
        return false;
    const double first = values.front(), last = values.back();
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double bump = *high - std::max(first, last), dip = std::min(first, last) - *low;
    const double net = last - first;
    // Turns smaller than a tenth of the way travelled are the points' scatter.
    if (std::max(bump, dip) < 0.1 * std::fabs(net))
        return net > 0;
    return dip > bump;
}

double verticalAngle(const std::vector<Point>& points) {
    // Over a few points, so that one point's scatter does not turn a fall into a rise.
    if (points.size() < 2)
        return -90;
    const std::size_t k = std::min<std::size_t>(points.size() - 1, 4);
    return points[k].y > points[0].y ? 90 : -90;
}

Inputs inputsFor(const Measurements& m, Inputs in) {
    if (m.vertical())
        in.alphaDeg = verticalAngle(m.points);
    return in;
}

} // namespace model::measure
