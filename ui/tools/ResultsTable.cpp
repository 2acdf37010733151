#include "ui/tools/ResultsTable.h"

#include "model/Throw.h"
#include "model/curves/Legend.h"
#include "model/exact/ReynoldsText.h"
#include "ui/platform/Language.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace ui {

namespace {

QString fullNumber(double v) {
    if (!std::isfinite(v))
        return QStringLiteral("—");
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return QString::fromLatin1(buf, end - buf);
}

QString line(const QString& name, const QString& value, const QString& unit,
             const QString& description) {
    return QStringList{name, value, unit, description}.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

// "h" out of the accessible name "h, м".
QString symbolOf(const model::FieldRow& f) {
    return QString::fromUtf8(f.accessibleName).section(QLatin1Char(','), 0, 0);
}

} // namespace

ThrowResults ThrowResults::of(const model::Throw& t) {
    ThrowResults r{t.inputs(), {}};
    for (std::size_t n = 0; n < model::quantityCount; ++n)
        r.values[n] = t.value(model::quantityRows()[n].id);
    return r;
}

QString resultsTable(const model::Throw& t) {
    return resultsTable(ThrowResults::of(t));
}

QString resultsTable(const ThrowResults& t) {
    QString table = line(Texts::tr("Величина"), Texts::tr("Значение"), Texts::tr("Единица"),
                         Texts::tr("Описание"));
    for (const model::FieldRow& f : model::fieldRows())
        table += line(modelText(f.title), fullNumber(model::inputOf(t.inputs, f.id)),
                      modelText(f.unit), Texts::tr("%1 — исходное данное").arg(symbolOf(f)));
    if (model::dragCoefficientText(t.inputs)) // 0.5 is not named
        table += line(Texts::tr("Коэффициент сопротивления"), fullNumber(t.inputs.cd), QString(),
                      Texts::tr("Cd — исходное данное (Fc~v^2)"));
    for (std::size_t n = 0; n < model::quantityCount; ++n) {
        const model::QuantityRow& q = model::quantityRows()[n];
        const std::optional<double> v = t.values[n];
        table += line(modelText(q.title), v ? fullNumber(*v) : QString(),
                      modelText(q.unit).trimmed(), modelText(q.formula));
    }
    const model::exact::ReynoldsNumbers re = model::exact::reynoldsNumbers(t.inputs);
    const std::pair<QString, double> reynolds[] = {
        {Texts::tr("Число Рейнольдса при броске"), re.start},
        {Texts::tr("Число Рейнольдса при падении в среде (Fc~v)"), re.end1},
        {Texts::tr("Число Рейнольдса при падении в среде (Fc~v^2)"), re.end2}};
    for (const auto& [title, value] : reynolds)
        table += line(title, fullNumber(value), QString(),
                      QStringLiteral("Re = ρo·v·d/η; ") +
                          (std::isfinite(value) ? QString::fromStdString(model::exact::regimeText(
                                                      model::exact::flowRegime(value)))
                                                : QString()));
    return table;
}

} // namespace ui
