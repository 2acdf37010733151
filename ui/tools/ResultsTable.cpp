#include "ui/tools/ResultsTable.h"

#include "model/Throw.h"

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

QString resultsTable(const model::Throw& t) {
    QString table = line(QStringLiteral("Величина"), QStringLiteral("Значение"),
                         QStringLiteral("Единица"), QStringLiteral("Описание"));
    for (const model::FieldRow& f : model::fieldRows())
        table +=
            line(QString::fromUtf8(f.title), fullNumber(model::inputOf(t.inputs(), f.id)),
                 QString::fromUtf8(f.unit), symbolOf(f) + QStringLiteral(" — исходное данное"));
    for (const model::QuantityRow& q : model::quantityRows()) {
        const std::optional<double> v = t.value(q.id);
        table += line(QString::fromUtf8(q.title), v ? fullNumber(*v) : QString(),
                      QString::fromUtf8(q.unit).trimmed(), QString::fromUtf8(q.formula));
    }
    return table;
}

} // namespace ui
