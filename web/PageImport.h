#pragma once

#include "model/measure/Measurements.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace web {

// The page's import dialog over a measured table, read as the window's dialog reads it: the
// table is kept here while the dialog is open, so that each recount and the final reading take
// only the settings from the page. Settings travel as {motion, t, x, y, length, time, axisDown,
// ground} (the model's enumerations and zero-based columns).
class PageImport {
public:
    // The dialog's contents for a table: its title, the tracked object, the columns' names, the
    // first rows, the guessed settings and their count; or {"problem"} when the table cannot be
    // read at all (then nothing is kept).
    nlohmann::json open(std::string bytes, const std::string& fileName);
    // The count of the kept table with these settings; with guessVertical, the way and zero of
    // a vertical column guessed first, as the settings returned say.
    nlohmann::json count(const nlohmann::json& settings, bool guessVertical) const;
    // The kept table's points with these settings (the table then let go), or nothing with the
    // import's reason in problem.
    std::optional<model::measure::Measurements> take(const nlohmann::json& settings,
                                                     std::string& problem);
    const std::string& source() const { return source_; }
    void close();

private:
    std::string text_, source_;
};

} // namespace web
