#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// A material of the ball or a medium that puts its values into the input fields.
struct Preset {
    enum class Kind { material, medium };

    Kind kind = Kind::material;
    std::string name;                // as a menu shows it, in Russian
    double density = 0;              // kg/m³
    std::optional<double> viscosity; // dynamic, Pa·s; media only
    std::string source;              // the kind of reference the values come from

    // What the ρ (or ρo) field and the η field show for these values: "7800.0", "0.0010020".
    std::string densityText() const;
    std::string viscosityText() const; // empty for a material
};

// The table of presets kept in data/presets.tsv: comment lines (#), a header, then one
// tab-separated row per preset: kind, name, density, viscosity, source. The window and the
// browser page both read it with this reader.
class PresetTable {
public:
    // Reads a table. A row that does not fit is left out and named in problems(), so a broken
    // table fails the build (the generator and the tests refuse it) and never the program.
    static PresetTable parse(std::string_view text);

    const std::vector<Preset>& materials() const { return materials_; }
    const std::vector<Preset>& media() const { return media_; }

    // "line 14: …" for every row left out, in file order; empty for a sound table.
    const std::vector<std::string>& problems() const { return problems_; }

    // The preset whose texts the fields would show for these inputs, or nullptr. Inputs are
    // compared as the fields round them (ρ to 0.1, η to 1e-7).
    const Preset* matchingMaterial(double rho) const;
    const Preset* matchingMedium(double rho0, double eta) const;

private:
    void addRow(int line, std::string_view row);
    void addProblem(int line, const std::string& what);

    std::vector<Preset> materials_;
    std::vector<Preset> media_;
    std::vector<std::string> problems_;
};

} // namespace model
