#include "ui/lesson/LessonFile.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "ui/platform/Language.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace ui {

namespace {

// Thrown while reading: why the file cannot be read.
struct Bad {
    QString reason;
};

const char* const graphKeys[] = {"trajectory", "vx", "vy"};
const char* const lengthKeys[] = {"m", "cm", "mm"};
const char* const timeKeys[] = {"s", "ms"};

QJsonObject inputsJson(const FieldTexts& texts) {
    QJsonObject o;
    for (const model::FieldRow& f : model::fieldRows())
        o.insert(QLatin1String(f.key), texts[static_cast<std::size_t>(f.id)]);
    return o;
}

FieldTexts inputsFrom(const QJsonValue& v, const FieldTexts& fallback) {
    if (v.isUndefined())
        return fallback;
    if (!v.isObject())
        throw Bad{Texts::tr("входные данные записаны не объектом")};
    FieldTexts texts = fallback;
    const QJsonObject o = v.toObject();
    for (const model::FieldRow& f : model::fieldRows()) {
        const QJsonValue x = o.value(QLatin1String(f.key));
        if (x.isString())
            texts[static_cast<std::size_t>(f.id)] = x.toString();
        else if (x.isDouble())
            texts[static_cast<std::size_t>(f.id)] = QString::number(x.toDouble(), 'g', 17);
        else if (!x.isUndefined())
            throw Bad{Texts::tr("значение «%1» — не число").arg(QLatin1String(f.key))};
    }
    return texts;
}

template <std::size_t N>
int keyIndex(const QJsonValue& v, const char* const (&keys)[N], int fallback, const char* what) {
    if (v.isUndefined())
        return fallback;
    for (std::size_t i = 0; i < N; ++i)
        if (v.toString() == QLatin1String(keys[i]))
            return static_cast<int>(i);
    throw Bad{Texts::tr("неизвестное значение поля «%1»").arg(QLatin1String(what))};
}

int wholeNumber(const QJsonValue& v, int fallback, int least, int greatest, const char* what) {
    if (v.isUndefined())
        return fallback;
    const double x = v.toDouble(std::nan(""));
    if (!(x >= least && x <= greatest) || x != std::floor(x))
        throw Bad{Texts::tr("значение поля «%1» вне допустимых пределов").arg(QLatin1String(what))};
    return static_cast<int>(x);
}

bool flag(const QJsonValue& v, bool fallback) {
    return v.isBool() ? v.toBool() : fallback;
}

// The "measurements" object: the points as [t, x, y] in SI units and the import settings.
QJsonObject measurementsJson(const model::measure::Measurements& m) {
    QJsonArray points;
    for (const model::measure::Point& p : m.points)
        points.append(QJsonArray{p.t, p.x, p.y});
    const model::measure::ImportSettings& s = m.settings;
    return {{"points", points},
            {"columns", QJsonArray{s.columnT, s.columnX, s.columnY}},
            {"length", QLatin1String(lengthKeys[static_cast<int>(s.length)])},
            {"time", QLatin1String(timeKeys[static_cast<int>(s.time)])},
            {"groundAtLowest", s.groundAtLowest},
            {"skipped", static_cast<double>(m.skipped)},
            {"source", QString::fromStdString(m.source)}};
}

model::measure::Measurements measurementsFrom(const QJsonObject& o) {
    model::measure::Measurements m;
    const QJsonArray points = o.value(QLatin1String("points")).toArray();
    if (points.size() < 2 || points.size() > 100000)
        throw Bad{Texts::tr("число измеренных точек должно быть от 2 до 100000")};
    m.points.reserve(static_cast<std::size_t>(points.size()));
    for (const QJsonValue& v : points) {
        const QJsonArray a = v.toArray();
        model::measure::Point p{a.at(0).toDouble(std::nan("")), a.at(1).toDouble(std::nan("")),
                                a.at(2).toDouble(std::nan(""))};
        if (a.size() != 3 || !std::isfinite(p.t) || !std::isfinite(p.x) || !std::isfinite(p.y))
            throw Bad{Texts::tr("измеренная точка — не три числа")};
        if (!m.points.empty() && !(p.t > m.points.back().t))
            throw Bad{Texts::tr("измеренные точки не упорядочены по времени")};
        m.points.push_back(p);
    }
    const QJsonArray columns = o.value(QLatin1String("columns")).toArray();
    model::measure::ImportSettings& s = m.settings;
    if (!columns.isEmpty()) {
        if (columns.size() != 3)
            throw Bad{Texts::tr("номера столбцов измерений записаны неверно")};
        s.columnT = wholeNumber(columns[0], 0, 0, 1000, "columns");
        s.columnX = wholeNumber(columns[1], 1, 0, 1000, "columns");
        s.columnY = wholeNumber(columns[2], 2, 0, 1000, "columns");
    }
    s.length = static_cast<model::measure::LengthUnit>(
        keyIndex(o.value(QLatin1String("length")), lengthKeys, 0, "length"));
    s.time = static_cast<model::measure::TimeUnit>(
        keyIndex(o.value(QLatin1String("time")), timeKeys, 0, "time"));
    s.groundAtLowest = flag(o.value(QLatin1String("groundAtLowest")), false);
    m.skipped = static_cast<std::size_t>(
        wholeNumber(o.value(QLatin1String("skipped")), 0, 0, 1 << 30, "skipped"));
    m.source = o.value(QLatin1String("source")).toString().toStdString();
    return m;
}

QJsonObject studyJson(const StudySettings& s) {
    return {{"inputs", inputsJson(s.inputs)},
            {"vary", QLatin1String(model::row(s.field).key)},
            {"from", s.from},
            {"to", s.to},
            {"count", s.count},
            {"result", QLatin1String(model::row(model::familyMembers(s.family).front()).key)},
            {"following", s.following}};
}

StudySettings studyFrom(const QJsonObject& o, const FieldTexts& mainInputs) {
    StudySettings s;
    s.inputs = inputsFrom(o.value(QLatin1String("inputs")), mainInputs);
    const QString vary = o.value(QLatin1String("vary")).toString(QStringLiteral("angle"));
    const auto field = model::fieldByKey(vary.toStdString());
    if (!field)
        throw Bad{Texts::tr("неизвестная изменяемая величина «%1»").arg(vary)};
    s.field = *field;
    s.from = o.value(QLatin1String("from")).toString();
    s.to = o.value(QLatin1String("to")).toString();
    s.count = wholeNumber(o.value(QLatin1String("count")), 180, 2, 100000, "count");
    const QString result = o.value(QLatin1String("result")).toString(QStringLiteral("Xmax"));
    const auto q = model::quantityByKey(result.toStdString());
    if (!q)
        throw Bad{Texts::tr("неизвестный результат «%1»").arg(result)};
    s.family = model::row(*q).family;
    s.following = flag(o.value(QLatin1String("following")), true);
    return s;
}

} // namespace

bool sameMeasurements(const std::optional<model::measure::Measurements>& m,
                      const std::optional<model::measure::Measurements>& n) {
    if (!m || !n)
        return !m && !n;
    const model::measure::Measurements& a = *m;
    const model::measure::Measurements& b = *n;
    auto same = [](const model::measure::Point& p, const model::measure::Point& q) {
        return p.t == q.t && p.x == q.x && p.y == q.y;
    };
    const auto& s = a.settings;
    const auto& t = b.settings;
    return std::equal(a.points.begin(), a.points.end(), b.points.begin(), b.points.end(), same) &&
           s.columnT == t.columnT && s.columnX == t.columnX && s.columnY == t.columnY &&
           s.length == t.length && s.time == t.time && s.groundAtLowest == t.groundAtLowest &&
           a.skipped == b.skipped && a.source == b.source;
}

bool operator==(const Lesson& a, const Lesson& b) {
    return a.inputs == b.inputs && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
           a.graph == b.graph && a.comparing == b.comparing && a.kept == b.kept &&
           sameMeasurements(a.measurements, b.measurements) && a.studies == b.studies;
}

FieldTexts fieldTexts(const model::Inputs& in) {
    FieldTexts texts;
    for (const model::FieldRow& f : model::fieldRows())
        texts[static_cast<std::size_t>(f.id)] =
            QString::fromStdString(model::formatFixed(model::inputOf(in, f.id), f.pattern));
    return texts;
}

std::variant<SettledInputs, QString> settleFieldTexts(const FieldTexts& texts) {
    SettledInputs out;
    // Every value is in place before the first check, so the two densities are compared as given.
    for (const model::Field f : model::allFields)
        model::inputOf(out.inputs, f) =
            model::readNumber(texts[static_cast<std::size_t>(f)].toStdString());
    for (const model::FieldRow& f : model::fieldRows()) {
        const model::FieldSettlement settled = model::settleField(
            f.id, texts[static_cast<std::size_t>(f.id)].toStdString(), out.inputs);
        if (!settled.rejections.empty())
            return QStringLiteral("%1 %2").arg(
                modelText(f.caption), QString::fromStdString(settled.rejections.front().message));
        out.texts[static_cast<std::size_t>(f.id)] = QString::fromStdString(settled.text);
    }
    return out;
}

QByteArray lessonJson(const Lesson& lesson) {
    QJsonArray kept;
    for (const KeptInputs& k : lesson.kept)
        kept.append(QJsonObject{{"number", k.number}, {"inputs", inputsJson(k.inputs)}});
    QJsonArray studies;
    for (const StudySettings& s : lesson.studies)
        studies.append(studyJson(s));
    QJsonObject o{{"format", lessonFormat},
                  {"program", QStringLiteral("ballflight")},
                  {"inputs", inputsJson(lesson.inputs)},
                  {"scaleBars", QJsonObject{{"x", lesson.scaleX}, {"y", lesson.scaleY}}},
                  {"graph", QLatin1String(graphKeys[lesson.graph])},
                  {"comparing", lesson.comparing},
                  {"kept", kept},
                  {"studies", studies}};
    if (lesson.measurements)
        o.insert(QLatin1String("measurements"), measurementsJson(*lesson.measurements));
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

std::variant<Lesson, QString> readLessonJson(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return Texts::tr("это не файл урока (не JSON-объект)");
    const QJsonObject o = doc.object();
    const double format = o.value(QLatin1String("format")).toDouble(-1);
    if (format < 1 || format != std::floor(format))
        return Texts::tr("в файле нет номера формата урока");
    if (format > lessonFormat)
        return Texts::tr("формат %1 новее, чем понимает эта версия программы").arg(format);
    try {
        Lesson lesson;
        lesson.inputs = fieldTexts(model::Inputs{});
        lesson.inputs = inputsFrom(o.value(QLatin1String("inputs")), lesson.inputs);
        if (auto settled = settleFieldTexts(lesson.inputs); settled.index() == 1)
            return std::get<QString>(settled);
        const QJsonObject bars = o.value(QLatin1String("scaleBars")).toObject();
        lesson.scaleX = wholeNumber(bars.value(QLatin1String("x")), 10, 0, 200, "scaleBars");
        lesson.scaleY = wholeNumber(bars.value(QLatin1String("y")), 10, 0, 200, "scaleBars");
        lesson.graph = keyIndex(o.value(QLatin1String("graph")), graphKeys, 0, "graph");
        lesson.comparing = flag(o.value(QLatin1String("comparing")), false);
        for (const QJsonValue& v : o.value(QLatin1String("kept")).toArray()) {
            const QJsonObject k = v.toObject();
            KeptInputs kept{wholeNumber(k.value(QLatin1String("number")), 0, 0, 1 << 30, "number"),
                            inputsFrom(k.value(QLatin1String("inputs")), lesson.inputs)};
            if (auto settled = settleFieldTexts(kept.inputs); settled.index() == 1)
                return Texts::tr("сохранённый бросок %1: %2")
                    .arg(kept.number)
                    .arg(std::get<QString>(settled));
            lesson.kept.push_back(kept);
        }
        const QJsonValue measured = o.value(QLatin1String("measurements"));
        if (measured.isObject())
            lesson.measurements = measurementsFrom(measured.toObject());
        for (const QJsonValue& v : o.value(QLatin1String("studies")).toArray()) {
            StudySettings s = studyFrom(v.toObject(), lesson.inputs);
            if (auto settled = settleFieldTexts(s.inputs); settled.index() == 1)
                return Texts::tr("исследование: %1").arg(std::get<QString>(settled));
            lesson.studies.push_back(s);
        }
        return lesson;
    } catch (const Bad& bad) {
        return bad.reason;
    }
}

} // namespace ui
