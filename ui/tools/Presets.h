#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace ui {

// A material of the ball or a medium that the «Инструменты» menu puts into the input fields.
struct Preset {
    enum class Kind { material, medium };

    Kind kind;
    QString name;                    // as the menu shows it
    double density;                  // kg/m³
    std::optional<double> viscosity; // dynamic, Pa·s; media only
    QString source;                  // the kind of reference the values come from

    // What the ρ (or ρo) field and the η field show for these values: "7800.0", "0.0010020".
    QString densityText() const;
    QString viscosityText() const; // empty for a material
};

// The table of presets kept in data/presets.tsv (model::PresetTable reads it): comment lines
// (#), a header, then one tab-separated row per preset: kind, name, density, viscosity, source.
// The program reads the copy embedded as ":/data/presets.tsv"; the help-document generator
// reads the file itself.
class Presets {
public:
    // Reads a table. A row that does not fit is left out and named in problems(), so a broken
    // table fails the build (the generator and the tests refuse it) and never the program.
    static Presets parse(QStringView text);

    // The table embedded in the program, read once.
    static const Presets& builtIn();

    const std::vector<Preset>& materials() const { return materials_; }
    const std::vector<Preset>& media() const { return media_; }

    // "line 14: …" for every row left out, in file order; empty for a sound table.
    const QStringList& problems() const { return problems_; }

    // The preset whose texts the fields would show for these inputs, or nullptr: the menu marks
    // it. Inputs are compared as the fields round them (ρ to 0.1, η to 1e-7).
    const Preset* matchingMaterial(double rho) const;
    const Preset* matchingMedium(double rho0, double eta) const;

private:
    std::vector<Preset> materials_;
    std::vector<Preset> media_;
    QStringList problems_;
};

} // namespace ui
