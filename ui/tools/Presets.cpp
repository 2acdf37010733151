#include "ui/tools/Presets.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "model/PresetTable.h"

#include <QFile>
#include <QtDebug>

namespace ui {
namespace {

QString fieldText(double value, model::Field f) {
    return QString::fromStdString(model::formatFixed(value, model::row(f).pattern));
}

Preset shown(const model::Preset& p) {
    return {p.kind == model::Preset::Kind::medium ? Preset::Kind::medium : Preset::Kind::material,
            QString::fromStdString(p.name), p.density, p.viscosity,
            QString::fromStdString(p.source)};
}

} // namespace

QString Preset::densityText() const {
    return fieldText(density, kind == Kind::material ? model::Field::rho : model::Field::rho0);
}

QString Preset::viscosityText() const {
    return viscosity ? fieldText(*viscosity, model::Field::eta) : QString();
}

// The rows are read by the model's reader, which the browser page uses too.
Presets Presets::parse(QStringView text) {
    const model::PresetTable read = model::PresetTable::parse(text.toString().toStdString());
    Presets table;
    for (const model::Preset& p : read.materials())
        table.materials_.push_back(shown(p));
    for (const model::Preset& p : read.media())
        table.media_.push_back(shown(p));
    for (const std::string& problem : read.problems())
        table.problems_.append(QString::fromStdString(problem));
    return table;
}

const Presets& Presets::builtIn() {
    static const Presets table = [] {
        const QString path = QStringLiteral(":/data/presets.tsv");
        QFile file(path);
        Presets read;
        if (file.open(QIODevice::ReadOnly))
            read = parse(QString::fromUtf8(file.readAll()));
        else
            read.problems_.append(QStringLiteral("cannot read ") + path);
        for (const QString& problem : read.problems_)
            qWarning("presets: %s", qUtf8Printable(problem));
        return read;
    }();
    return table;
}

const Preset* Presets::matchingMaterial(double rho) const {
    const QString shown = fieldText(rho, model::Field::rho);
    for (const Preset& p : materials_)
        if (p.densityText() == shown)
            return &p;
    return nullptr;
}

const Preset* Presets::matchingMedium(double rho0, double eta) const {
    const QString shownDensity = fieldText(rho0, model::Field::rho0);
    const QString shownViscosity = fieldText(eta, model::Field::eta);
    for (const Preset& p : media_)
        if (p.densityText() == shownDensity && p.viscosityText() == shownViscosity)
            return &p;
    return nullptr;
}

} // namespace ui
