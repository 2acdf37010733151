#include "web/PageImport.h"

#include "model/Translation.h"
#include "model/measure/TableImport.h"

#include <algorithm>
#include <utility>

namespace web {

namespace {

using Json = nlohmann::json;
using model::measure::ImportSettings;
using model::measure::LengthUnit;
using model::measure::Motion;
using model::measure::TimeUnit;

// The columns a motion does not read follow the position's, as the import reads them.
ImportSettings asShown(ImportSettings s) {
    if (s.motion == Motion::vertical)
        s.columnX = s.columnY;
    else if (s.motion == Motion::path)
        s.columnT = s.columnY;
    return s;
}

Json toJson(const ImportSettings& s) {
    return {{"motion", int(s.motion)}, {"t", s.columnT},
            {"x", s.columnX},          {"y", s.columnY},
            {"length", int(s.length)}, {"time", int(s.time)},
            {"axisDown", s.axisDown},  {"ground", s.groundAtLowest}};
}

// Out-of-range choices from the page fall back to the first: the import then tells what is wrong.
ImportSettings fromJson(const Json& j) {
    const auto pick = [&j](const char* key, int count) {
        const int v = j.value(key, 0);
        return v >= 0 && v < count ? v : 0;
    };
    const auto column = [&j](const char* key) { return std::max(0, j.value(key, 0)); };
    ImportSettings s;
    s.motion = static_cast<Motion>(pick("motion", 3));
    s.columnT = column("t");
    s.columnX = column("x");
    s.columnY = column("y");
    s.length = static_cast<LengthUnit>(pick("length", 3));
    s.time = static_cast<TimeUnit>(pick("time", 2));
    s.axisDown = j.value("axisDown", false);
    s.groundAtLowest = j.value("ground", false);
    return asShown(s);
}

Json counted(std::string_view text, const ImportSettings& s) {
    const model::measure::ImportResult r = model::measure::importTable(text, s, {});
    if (!r.measurements)
        return {{"settings", toJson(s)}, {"count", r.error}, {"ok", false}};
    return {{"settings", toJson(s)},
            {"count", model::translated("Будет прочитано точек: %1, пропущено строк: %2",
                                        {std::to_string(r.measurements->points.size()),
                                         std::to_string(r.measurements->skipped)})},
            {"ok", true}};
}

} // namespace

Json PageImport::open(std::string bytes, const std::string& fileName) {
    close();
    const model::measure::TablePreview p = model::measure::previewTable(bytes);
    if (!p.error.empty())
        return {{"problem", p.error}};
    text_ = std::move(bytes);
    source_ = fileName;
    Json columns = Json::array();
    for (std::size_t c = 0; c < p.columnCount; ++c) {
        const bool named = c < p.header.size() && !p.header[c].empty();
        columns.push_back(std::to_string(c + 1) + (named ? ": " + p.header[c] : std::string()));
    }
    Json out = counted(text_, asShown(p.detected));
    out["title"] = model::translated("Измерения: %1", {fileName});
    out["object"] = p.title.empty() ? std::string() : model::translated("Объект: %1", {p.title});
    out["columns"] = std::move(columns);
    out["rows"] = p.rows;
    return out;
}

Json PageImport::count(const Json& settings, bool guessVertical) const {
    ImportSettings s = fromJson(settings);
    if (guessVertical && s.motion == Motion::vertical)
        s = model::measure::asVertical(text_, s);
    return counted(text_, s);
}

std::optional<model::measure::Measurements> PageImport::take(const Json& settings,
                                                             std::string& problem) {
    model::measure::ImportResult r =
        model::measure::importTable(text_, fromJson(settings), source_);
    if (!r.measurements) {
        problem = r.error;
        return std::nullopt;
    }
    close();
    return std::move(r.measurements);
}

void PageImport::close() {
    text_ = std::string();
    source_.clear();
}

} // namespace web
