#include "ui/tools/Presets.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"

#include <QFile>
#include <QRegularExpression>
#include <QtDebug>

#include <cmath>

namespace ui {
namespace {

const QString kHeader = QStringLiteral("kind\tname\tdensity\tviscosity\tsource");
constexpr int kColumns = 5;

// A value may lose at most this share to the field's rounding: air's 1.2929 kg/m³ showing as
// 1.3 is fine, hydrogen's 0.084 showing as 0.1 is not.
constexpr double kMostRoundingLoss = 0.01;

QString fieldText(double value, model::Field f) {
    return QString::fromStdString(model::formatFixed(value, model::row(f).pattern));
}

// The number in text, or an explanation of why the column cannot hold it.
std::optional<double> readValue(const QString& text, model::Field f, QString& why) {
    static const QRegularExpression plainDecimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!plainDecimal.match(text).hasMatch()) {
        why = QStringLiteral("\"%1\" is not a plain decimal number").arg(text);
        return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        why = QStringLiteral("%1 is out of range").arg(text);
        return std::nullopt;
    }
    const QString shown = fieldText(value, f);
    const double shownValue = model::readNumber(shown.toStdString());
    if (shownValue <= 0) {
        why = QStringLiteral("%1 shows as %2 in its field, which refuses it").arg(text, shown);
        return std::nullopt;
    }
    if (std::abs(shownValue - value) > kMostRoundingLoss * value) {
        why = QStringLiteral("%1 shows as %2 in its field, more than 1 % off").arg(text, shown);
        return std::nullopt;
    }
    return value;
}

} // namespace

QString Preset::densityText() const {
    return fieldText(density, kind == Kind::material ? model::Field::rho : model::Field::rho0);
}

QString Preset::viscosityText() const {
    return viscosity ? fieldText(*viscosity, model::Field::eta) : QString();
}

Presets Presets::parse(QStringView text) {
    Presets table;
    bool headerSeen = false;
    int line = 0;
    for (QStringView row : text.split(u'\n')) {
        ++line;
        if (row.endsWith(u'\r'))
            row.chop(1);
        if (row.trimmed().isEmpty() || row.startsWith(u'#'))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            if (row != kHeader)
                table.addProblem(line, QStringLiteral("the header \"%1\" is expected")
                                           .arg(QString(kHeader).replace(u'\t', u' ')));
            continue;
        }
        table.addRow(line, row);
    }
    if (!headerSeen)
        table.addProblem(line, QStringLiteral("the table has no header"));
    return table;
}

void Presets::addRow(int line, QStringView row) {
    const QList<QStringView> columns = row.split(u'\t');
    if (columns.size() != kColumns) {
        addProblem(line, QStringLiteral("%1 columns instead of %2 (separated by tabs)")
                             .arg(columns.size())
                             .arg(kColumns));
        return;
    }
    const QString kind = columns[0].trimmed().toString();
    Preset p{Preset::Kind::material, columns[1].trimmed().toString(), 0, std::nullopt,
             columns[4].trimmed().toString()};
    if (kind == u"medium")
        p.kind = Preset::Kind::medium;
    else if (kind != u"material")
        return addProblem(line,
                          QStringLiteral("kind \"%1\" is neither material nor medium").arg(kind));
    if (p.name.isEmpty())
        return addProblem(line, QStringLiteral("the name is empty"));
    for (const auto* list : {&materials_, &media_})
        for (const Preset& other : *list)
            if (other.name == p.name)
                return addProblem(line, QStringLiteral("the name \"%1\" is taken").arg(p.name));
    if (p.source.isEmpty())
        return addProblem(line, QStringLiteral("the source is empty"));

    const bool medium = p.kind == Preset::Kind::medium;
    QString why;
    const auto density = readValue(columns[2].trimmed().toString(),
                                   medium ? model::Field::rho0 : model::Field::rho, why);
    if (!density)
        return addProblem(line, QStringLiteral("density: ") + why);
    p.density = *density;

    const QString viscosity = columns[3].trimmed().toString();
    if (!medium && !viscosity.isEmpty())
        return addProblem(line, QStringLiteral("a material has no viscosity"));
    if (medium) {
        p.viscosity = readValue(viscosity, model::Field::eta, why);
        if (!p.viscosity)
            return addProblem(line, QStringLiteral("viscosity: ") + why);
    }
    // The menu's check mark needs every preset to look different in the fields.
    std::vector<Preset>& list = medium ? media_ : materials_;
    for (const Preset& other : list)
        if (other.densityText() == p.densityText() && other.viscosityText() == p.viscosityText())
            return addProblem(line, QStringLiteral("the fields would show \"%1\" and \"%2\" alike")
                                        .arg(p.name, other.name));
    list.push_back(std::move(p));
}

void Presets::addProblem(int line, const QString& what) {
    problems_.append(QStringLiteral("line %1: %2").arg(line).arg(what));
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
