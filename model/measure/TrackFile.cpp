#include "model/measure/TrackFile.h"

#include "model/TextMarks.h"
#include "model/Translation.h"
#include "model/measure/TableText.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <map>
#include <optional>

namespace model::measure {

namespace {

const char* const kNotXml =
    QT_TRANSLATE_NOOP("Texts", "Файл проекта видеоанализа не читается: в нём нет правильного XML.");
const char* const kNoTrack =
    QT_TRANSLATE_NOOP("Texts", "В файле проекта видеоанализа нет трека материальной точки.");
const char* const kNoFrameTime = QT_TRANSLATE_NOOP(
    "Texts", "В файле проекта видеоанализа нет длительности кадра: время точек не узнать.");

constexpr double kPi = 3.14159265358979323846;

bool classIs(const pugi::xml_node& object, std::string_view what) {
    return lowerCase(object.attribute("class").value()).find(what) != std::string::npos;
}

pugi::xml_node property(const pugi::xml_node& object, const char* name) {
    return object.find_child_by_attribute("property", "name", name);
}

std::optional<double> number(const pugi::xml_node& prop) {
    std::string_view text = prop.child_value();
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double numberOr(const pugi::xml_node& object, const char* name, double fallback) {
    return number(property(object, name)).value_or(fallback);
}

// The items of an array property named "[frame]" that hold an object, by frame.
std::map<long, pugi::xml_node> framesOf(const pugi::xml_node& object) {
    std::map<long, pugi::xml_node> frames;
    for (const pugi::xml_node item : property(object, "framedata").children("property")) {
        const std::string_view name = item.attribute("name").value();
        long frame = 0;
        if (name.size() < 3 || name.front() != '[' || name.back() != ']')
            continue;
        const auto [end, ec] =
            std::from_chars(name.data() + 1, name.data() + name.size() - 1, frame);
        const pugi::xml_node value = item.child("object");
        if (ec == std::errc() && end == name.data() + name.size() - 1 && value)
            frames.emplace(frame, value);
    }
    return frames;
}

struct Calibration {
    double xOrigin = 0, yOrigin = 0, angle = 0, xScale = 1, yScale = 1;
};

std::string cleanName(std::string_view name) {
    std::string s(name);
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return s;
}

} // namespace

bool looksLikeXml(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && text.substr(first, 5) == "<?xml";
}

TrackTable trackTable(std::string_view xml, std::size_t track) {
    TrackTable r;
    pugi::xml_document doc;
    if (!doc.load_buffer(xml.data(), xml.size())) {
        r.error = translated(kNotXml);
        return r;
    }
    std::vector<pugi::xml_node> masses;
    pugi::xml_node coords, clip, frameTime, unit;
    for (const pugi::xpath_node& found : doc.select_nodes("//object | //property")) {
        const pugi::xml_node n = found.node();
        if (std::string_view(n.name()) == "property") {
            const std::string_view name = n.attribute("name").value();
            if (!frameTime && (name == "frameduration" || name == "delta_t") && number(n))
                frameTime = n;
            if (!unit && name == "lengthunit")
                unit = n;
        } else if (classIs(n, "pointmass")) {
            masses.push_back(n);
        } else if (!coords && classIs(n, "coordsystem")) {
            coords = n;
        } else if (!clip && classIs(n, "videoclip")) {
            clip = n;
        }
    }
    if (masses.empty()) {
        r.error = translated(kNoTrack);
        return r;
    }
    if (!frameTime || !(*number(frameTime) > 0)) {
        r.error = translated(kNoFrameTime);
        return r;
    }
    for (const pugi::xml_node m : masses)
        r.tracks.push_back(cleanName(property(m, "name").child_value()));
    const pugi::xml_node mass = masses[std::min(track, masses.size() - 1)];

    std::map<long, Calibration> keys;
    if (coords)
        for (const auto& [frame, c] : framesOf(coords))
            keys[frame] = {numberOr(c, "xorigin", 0), numberOr(c, "yorigin", 0),
                           numberOr(c, "angle", 0), numberOr(c, "xscale", 1),
                           numberOr(c, "yscale", 1)};
    // The calibration of a frame: its key frame's, the last before it, or the first one's.
    const auto calibration = [&keys](long frame) {
        if (keys.empty())
            return Calibration{};
        auto it = keys.upper_bound(frame);
        return it == keys.begin() ? it->second : std::prev(it)->second;
    };
    const std::string lengthText = lowerCase(unit.child_value());
    const double toMetres = lengthText == "cm" ? 0.01 : lengthText == "mm" ? 0.001 : 1;
    const double startFrame = clip ? numberOr(clip, "startframe", 0) : 0;
    const double startTime = clip ? numberOr(clip, "starttime", 0) : 0; // ms
    const double duration = *number(frameTime);                         // ms

    const std::string name = r.tracks[std::min(track, masses.size() - 1)];
    r.table = (name.empty() ? std::string("track") : name) + "\nt (s)\tx (m)\ty (m)\n";
    char row[96];
    for (const auto& [frame, point] : framesOf(mass)) {
        const auto px = number(property(point, "x")), py = number(property(point, "y"));
        if (!px || !py)
            continue;
        const Calibration c = calibration(frame);
        const double a = c.angle * kPi / 180, dx = *px - c.xOrigin, dy = *py - c.yOrigin;
        // The image's y points down: the x axis turned by a counter-clockwise on the screen is
        // (cos a, −sin a) in pixels, the y axis (−sin a, −cos a).
        const double x = (dx * std::cos(a) - dy * std::sin(a)) / c.xScale * toMetres;
        const double y = (-dx * std::sin(a) - dy * std::cos(a)) / c.yScale * toMetres;
        const double t = (startTime + (static_cast<double>(frame) - startFrame) * duration) / 1000;
        std::snprintf(row, sizeof row, "%.17g\t%.17g\t%.17g\n", t, x, y);
        r.table += row;
    }
    return r;
}

} // namespace model::measure
