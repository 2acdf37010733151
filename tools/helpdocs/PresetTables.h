#pragma once

#include <QString>

namespace helpdocs {

// The mark in a help document's HTML where the tables of the menu presets go.
inline constexpr char kPresetTablesMark[] = "<!-- preset tables: data/presets.tsv -->";

// Replaces the mark in html by a table of ball materials and a table of media read from the
// presets file, each value written as its input field shows it. Without presetsPath the html
// must have no mark; with it, exactly one. Returns an empty string on success, otherwise a
// message for the build log: a broken presets table fails the build.
QString insertPresetTables(QString& html, const QString& presetsPath);

} // namespace helpdocs
