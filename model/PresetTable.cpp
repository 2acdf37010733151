#include "model/PresetTable.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"

#include <cmath>
#include <limits>

namespace model {
namespace {

constexpr std::string_view header = "kind\tname\tdensity\tviscosity\tsource";
constexpr std::size_t columnCount = 5;

// A value may lose at most this share to the field's rounding: air's 1.2929 kg/m³ showing as
// 1.3 is fine, hydrogen's 0.084 showing as 0.1 is not.
constexpr double mostRoundingLoss = 0.01;

std::string fieldText(double value, Field f) {
    return formatFixed(value, row(f).pattern);
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char at) {
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t to = s.find(at, from);
        parts.push_back(s.substr(from, to == std::string_view::npos ? to : to - from));
        if (to == std::string_view::npos)
            return parts;
        from = to + 1;
    }
}

// Digits, then optionally "." and digits.
bool plainDecimal(std::string_view s) {
    auto digits = [&s] {
        std::size_t n = 0;
        while (n < s.size() && s[n] >= '0' && s[n] <= '9')
            ++n;
        s.remove_prefix(n);
        return n > 0;
    };
    if (!digits())
        return false;
    if (s.empty())
        return true;
    if (s.front() != '.')
        return false;
    s.remove_prefix(1);
    return digits() && s.empty();
}

// The number in text, or an explanation of why the column cannot hold it.
std::optional<double> readValue(std::string_view text, Field f, std::string& why) {
    const std::string quoted(text);
    if (!plainDecimal(text)) {
        why = '"' + quoted + "\" is not a plain decimal number";
        return std::nullopt;
    }
    // readNumber gives the largest finite number for a text beyond the range.
    const double value = readNumber(text);
    if (!(value < std::numeric_limits<double>::max())) {
        why = quoted + " is out of range";
        return std::nullopt;
    }
    const std::string shown = fieldText(value, f);
    const double shownValue = readNumber(shown);
    if (shownValue <= 0) {
        why = quoted + " shows as " + shown + " in its field, which refuses it";
        return std::nullopt;
    }
    if (std::abs(shownValue - value) > mostRoundingLoss * value) {
        why = quoted + " shows as " + shown + " in its field, more than 1 % off";
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string Preset::densityText() const {
    return fieldText(density, kind == Kind::material ? Field::rho : Field::rho0);
}

std::string Preset::viscosityText() const {
    return viscosity ? fieldText(*viscosity, Field::eta) : std::string();
}

PresetTable PresetTable::parse(std::string_view text) {
    PresetTable table;
    bool headerSeen = false;
    int line = 0;
    for (std::string_view row : split(text, '\n')) {
        ++line;
        if (!row.empty() && row.back() == '\r')
            row.remove_suffix(1);
        if (trimmed(row).empty() || row.front() == '#')
            continue;
        if (!headerSeen) {
            headerSeen = true;
            if (row != header)
                table.addProblem(line, "the header \"kind name density viscosity source\" is "
                                       "expected");
            continue;
        }
        table.addRow(line, row);
    }
    if (!headerSeen)
        table.addProblem(line, "the table has no header");
    return table;
}

void PresetTable::addRow(int line, std::string_view row) {
    const std::vector<std::string_view> columns = split(row, '\t');
    if (columns.size() != columnCount) {
        addProblem(line, std::to_string(columns.size()) + " columns instead of " +
                             std::to_string(columnCount) + " (separated by tabs)");
        return;
    }
    const std::string_view kind = trimmed(columns[0]);
    Preset p{Preset::Kind::material, std::string(trimmed(columns[1])), 0, std::nullopt,
             std::string(trimmed(columns[4]))};
    if (kind == "medium")
        p.kind = Preset::Kind::medium;
    else if (kind != "material")
        return addProblem(line,
                          "kind \"" + std::string(kind) + "\" is neither material nor medium");
    if (p.name.empty())
        return addProblem(line, "the name is empty");
    for (const auto* list : {&materials_, &media_})
        for (const Preset& other : *list)
            if (other.name == p.name)
                return addProblem(line, "the name \"" + p.name + "\" is taken");
    if (p.source.empty())
        return addProblem(line, "the source is empty");

    const bool medium = p.kind == Preset::Kind::medium;
    std::string why;
    const auto density = readValue(trimmed(columns[2]), medium ? Field::rho0 : Field::rho, why);
    if (!density)
        return addProblem(line, "density: " + why);
    p.density = *density;

    const std::string_view viscosity = trimmed(columns[3]);
    if (!medium && !viscosity.empty())
        return addProblem(line, "a material has no viscosity");
    if (medium) {
        p.viscosity = readValue(viscosity, Field::eta, why);
        if (!p.viscosity)
            return addProblem(line, "viscosity: " + why);
    }
    // A menu's check mark needs every preset to look different in the fields.
    std::vector<Preset>& list = medium ? media_ : materials_;
    for (const Preset& other : list)
        if (other.densityText() == p.densityText() && other.viscosityText() == p.viscosityText())
            return addProblem(line, "the fields would show \"" + p.name + "\" and \"" + other.name +
                                        "\" alike");
    list.push_back(std::move(p));
}

void PresetTable::addProblem(int line, const std::string& what) {
    problems_.push_back("line " + std::to_string(line) + ": " + what);
}

const Preset* PresetTable::matchingMaterial(double rho) const {
    const std::string shown = fieldText(rho, Field::rho);
    for (const Preset& p : materials_)
        if (p.densityText() == shown)
            return &p;
    return nullptr;
}

const Preset* PresetTable::matchingMedium(double rho0, double eta) const {
    const std::string shownDensity = fieldText(rho0, Field::rho0);
    const std::string shownViscosity = fieldText(eta, Field::eta);
    for (const Preset& p : media_)
        if (p.densityText() == shownDensity && p.viscosityText() == shownViscosity)
            return &p;
    return nullptr;
}

} // namespace model
