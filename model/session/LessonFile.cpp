#include "model/session/LessonFile.h"

#include "model/NumberText.h"
#include "model/TextMarks.h"
#include "model/Translation.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace session {

namespace {

using Json = nlohmann::json;

const char* const graphKeys[] = {"trajectory", "vx", "vy"};
const char* const lengthKeys[] = {"m", "cm", "mm"};
const char* const timeKeys[] = {"s", "ms"};

// A number as "%g" writes it with these significant digits (17 read back as the same double),
// with "." whatever the locale.
std::string numberText(double v, int digits = 17) {
    return model::generalText(v, digits);
}

Json inputsJson(const FieldTexts& texts) {
    Json o = Json::object();
    for (const model::FieldRow& f : model::fieldRows())
        o[f.key] = texts[static_cast<std::size_t>(f.id)];
    return o;
}

Json measurementsJson(const model::measure::Measurements& m) {
    Json points = Json::array();
    for (const model::measure::Point& p : m.points)
        points.push_back(Json::array({p.t, p.x, p.y}));
    const model::measure::ImportSettings& s = m.settings;
    Json o = {{"points", std::move(points)},
              {"columns", Json::array({s.columnT, s.columnX, s.columnY})},
              {"length", lengthKeys[static_cast<int>(s.length)]},
              {"time", timeKeys[static_cast<int>(s.time)]},
              {"groundAtLowest", s.groundAtLowest},
              {"skipped", m.skipped},
              {"source", m.source}};
    if (m.vertical()) {
        o["motion"] = "vertical";
        o["axisDown"] = s.axisDown;
    } else if (m.withoutTimes()) {
        o["motion"] = "path";
    }
    return o;
}

Json studyJson(const StudySettings& s) {
    return {{"inputs", inputsJson(s.inputs)},
            {"cd", s.cd},
            {"vary", model::row(s.field).key},
            {"from", s.from},
            {"to", s.to},
            {"count", s.count},
            {"result", model::row(model::familyMembers(s.family).front()).key},
            {"following", s.following}};
}

// Reads the members of a lesson. The first thing that cannot be read is kept in problem; every
// later read then gives its fallback, so the callers only look at problem at the end of a part.
struct Reader {
    std::string problem;

    bool bad(std::string why) {
        if (problem.empty())
            problem = std::move(why);
        return false;
    }

    static const Json* member(const Json* o, const char* key) {
        if (!o || !o->is_object())
            return nullptr;
        const auto found = o->find(key);
        return found == o->end() ? nullptr : &*found;
    }
    static double number(const Json* v, double fallback) {
        return v && v->is_number() ? v->get<double>() : fallback;
    }
    static std::string text(const Json* v, const std::string& fallback = {}) {
        return v && v->is_string() ? v->get<std::string>() : fallback;
    }
    static bool flag(const Json* v, bool fallback) {
        return v && v->is_boolean() ? v->get<bool>() : fallback;
    }
    static const Json& arrayOrEmpty(const Json* v) {
        static const Json empty = Json::array();
        return v && v->is_array() ? *v : empty;
    }

    FieldTexts inputs(const Json* v, const FieldTexts& fallback) {
        if (!v)
            return fallback;
        if (!v->is_object()) {
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "входные данные записаны не объектом")));
            return fallback;
        }
        FieldTexts texts = fallback;
        for (const model::FieldRow& f : model::fieldRows()) {
            const Json* x = member(v, f.key);
            std::string& t = texts[static_cast<std::size_t>(f.id)];
            if (x && x->is_string())
                t = x->get<std::string>();
            else if (x && x->is_number())
                t = numberText(x->get<double>());
            else if (x)
                bad(model::translated(QT_TRANSLATE_NOOP("Texts", "значение «%1» — не число"),
                                      {f.key}));
        }
        return texts;
    }

    template <std::size_t N>
    int keyIndex(const Json* v, const char* const (&keys)[N], int fallback, const char* what) {
        if (!v)
            return fallback;
        const std::string key = text(v);
        for (std::size_t i = 0; i < N; ++i)
            if (key == keys[i])
                return static_cast<int>(i);
        bad(model::translated(QT_TRANSLATE_NOOP("Texts", "неизвестное значение поля «%1»"),
                              {what}));
        return fallback;
    }

    int wholeNumber(const Json* v, int fallback, int least, int greatest, const char* what) {
        if (!v)
            return fallback;
        const double x = number(v, std::nan(""));
        if (!(x >= least && x <= greatest) || x != std::floor(x)) {
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "значение поля «%1» вне допустимых пределов"), {what}));
            return fallback;
        }
        return static_cast<int>(x);
    }

    // A drag coefficient: a positive finite number.
    double dragCoefficient(const Json* v, double fallback) {
        if (!v)
            return fallback;
        const double cd = number(v, std::nan(""));
        if (!(cd > 0) || !std::isfinite(cd)) {
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "значение поля «%1» вне допустимых пределов"), {"cd"}));
            return fallback;
        }
        return cd;
    }

    model::measure::Measurements measurements(const Json& o) {
        model::measure::Measurements m;
        const Json& points = arrayOrEmpty(member(&o, "points"));
        if (points.size() < 2 || points.size() > 100000) {
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "число измеренных точек должно быть от 2 до 100000")));
            return m;
        }
        m.points.reserve(points.size());
        for (const Json& v : points) {
            const Json& a = arrayOrEmpty(&v);
            auto at = [&a](std::size_t i) {
                return i < a.size() ? number(&a[i], std::nan("")) : std::nan("");
            };
            const model::measure::Point p{at(0), at(1), at(2)};
            if (a.size() != 3 || !std::isfinite(p.t) || !std::isfinite(p.x) ||
                !std::isfinite(p.y)) {
                bad(model::translated(
                    QT_TRANSLATE_NOOP("Texts", "измеренная точка — не три числа")));
                return m;
            }
            if (!m.points.empty() && !(p.t > m.points.back().t)) {
                bad(model::translated(
                    QT_TRANSLATE_NOOP("Texts", "измеренные точки не упорядочены по времени")));
                return m;
            }
            m.points.push_back(p);
        }
        const Json& columns = arrayOrEmpty(member(&o, "columns"));
        model::measure::ImportSettings& s = m.settings;
        if (columns.size() == 3) {
            s.columnT = wholeNumber(&columns[0], 0, 0, 1000, "columns");
            s.columnX = wholeNumber(&columns[1], 1, 0, 1000, "columns");
            s.columnY = wholeNumber(&columns[2], 2, 0, 1000, "columns");
        } else if (!columns.empty()) {
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "номера столбцов измерений записаны неверно")));
            return m;
        }
        s.length = static_cast<model::measure::LengthUnit>(
            keyIndex(member(&o, "length"), lengthKeys, 0, "length"));
        s.time = static_cast<model::measure::TimeUnit>(
            keyIndex(member(&o, "time"), timeKeys, 0, "time"));
        s.groundAtLowest = flag(member(&o, "groundAtLowest"), false);
        const char* const motionKeys[] = {"flight", "vertical", "path"};
        s.motion = static_cast<model::measure::Motion>(
            keyIndex(member(&o, "motion"), motionKeys, 0, "motion"));
        s.axisDown = flag(member(&o, "axisDown"), false);
        m.skipped =
            static_cast<std::size_t>(wholeNumber(member(&o, "skipped"), 0, 0, 1 << 30, "skipped"));
        m.source = text(member(&o, "source"));
        return m;
    }

    StudySettings study(const Json& o, const FieldTexts& mainInputs, double mainCd) {
        StudySettings s;
        s.inputs = inputs(member(&o, "inputs"), mainInputs);
        s.cd = dragCoefficient(member(&o, "cd"), mainCd);
        const std::string vary = text(member(&o, "vary"), "angle");
        if (const auto field = model::fieldByKey(vary))
            s.field = *field;
        else
            bad(model::translated(
                QT_TRANSLATE_NOOP("Texts", "неизвестная изменяемая величина «%1»"), {vary}));
        s.from = text(member(&o, "from"));
        s.to = text(member(&o, "to"));
        s.count = wholeNumber(member(&o, "count"), 180, 2, 100000, "count");
        const std::string result = text(member(&o, "result"), "Xmax");
        if (const auto q = model::quantityByKey(result))
            s.family = model::row(*q).family;
        else
            bad(model::translated(QT_TRANSLATE_NOOP("Texts", "неизвестный результат «%1»"),
                                  {result}));
        s.following = flag(member(&o, "following"), true);
        return s;
    }
};

LessonRead refused(std::string why) {
    LessonRead r;
    r.problem = std::move(why);
    return r;
}

Json lessonObject(const Lesson& lesson) {
    Json kept = Json::array();
    for (const KeptInputs& k : lesson.kept)
        kept.push_back({{"number", k.number}, {"inputs", inputsJson(k.inputs)}, {"cd", k.cd}});
    Json studies = Json::array();
    for (const StudySettings& s : lesson.studies)
        studies.push_back(studyJson(s));
    Json o = {{"format", lessonFormat},
              {"program", "ballflight"},
              {"inputs", inputsJson(lesson.inputs)},
              {"cd", lesson.cd},
              {"scaleBars", {{"x", lesson.scaleX}, {"y", lesson.scaleY}}},
              {"graph", graphKeys[lesson.graph]},
              {"comparing", lesson.comparing},
              {"kept", std::move(kept)},
              {"studies", std::move(studies)}};
    if (lesson.measurements)
        o["measurements"] = measurementsJson(*lesson.measurements);
    return o;
}

} // namespace

std::string lessonJson(const Lesson& lesson) {
    return lessonObject(lesson).dump(4, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::string recoveryJson(const Lesson& lesson, const std::string& recoveryOf) {
    Json o = lessonObject(lesson);
    if (!recoveryOf.empty())
        o["recoveryOf"] = recoveryOf;
    return o.dump(-1, ' ', false, Json::error_handler_t::replace);
}

LessonRead readLessonJson(std::string_view bytes) {
    if (bytes.size() > largestLessonFile)
        return refused(model::translated(QT_TRANSLATE_NOOP("Texts", "файл больше 10 МБ")));
    const Json doc = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (doc.is_discarded() || !doc.is_object())
        return refused(
            model::translated(QT_TRANSLATE_NOOP("Texts", "это не файл урока (не JSON-объект)")));
    const double format = Reader::number(Reader::member(&doc, "format"), -1);
    if (format < 1 || format != std::floor(format))
        return refused(
            model::translated(QT_TRANSLATE_NOOP("Texts", "в файле нет номера формата урока")));
    if (format > lessonFormat)
        return refused(model::translated(
            QT_TRANSLATE_NOOP("Texts", "формат %1 новее, чем понимает эта версия программы"),
            {numberText(format, format < 1e15 ? 17 : 6)}));

    Reader r;
    Lesson lesson;
    lesson.inputs = r.inputs(Reader::member(&doc, "inputs"), fieldTexts(model::Inputs{}));
    lesson.cd = r.dragCoefficient(Reader::member(&doc, "cd"), model::dragCoefficient);
    if (!r.problem.empty())
        return refused(r.problem);
    if (const SettledInputs s = settleFieldTexts(lesson.inputs, lesson.cd); !s.problem.empty())
        return refused(s.problem);
    const Json* bars = Reader::member(&doc, "scaleBars");
    lesson.scaleX = r.wholeNumber(Reader::member(bars, "x"), scaleBarsAtStart, 0, 200, "scaleBars");
    lesson.scaleY = r.wholeNumber(Reader::member(bars, "y"), scaleBarsAtStart, 0, 200, "scaleBars");
    lesson.graph = r.keyIndex(Reader::member(&doc, "graph"), graphKeys, 0, "graph");
    lesson.comparing = Reader::flag(Reader::member(&doc, "comparing"), false);
    if (!r.problem.empty())
        return refused(r.problem);
    for (const Json& k : Reader::arrayOrEmpty(Reader::member(&doc, "kept"))) {
        KeptInputs kept{r.wholeNumber(Reader::member(&k, "number"), 0, 0, 1 << 30, "number"),
                        r.inputs(Reader::member(&k, "inputs"), lesson.inputs),
                        r.dragCoefficient(Reader::member(&k, "cd"), lesson.cd)};
        if (!r.problem.empty())
            return refused(r.problem);
        if (const SettledInputs s = settleFieldTexts(kept.inputs, kept.cd); !s.problem.empty())
            return refused(
                model::translated(QT_TRANSLATE_NOOP("Texts", "сохранённый бросок %1: %2"),
                                  {std::to_string(kept.number), s.problem}));
        lesson.kept.push_back(std::move(kept));
    }
    const Json* measured = Reader::member(&doc, "measurements");
    if (measured && measured->is_object()) {
        lesson.measurements = r.measurements(*measured);
        if (!r.problem.empty())
            return refused(r.problem);
    }
    for (const Json& v : Reader::arrayOrEmpty(Reader::member(&doc, "studies"))) {
        static const Json noStudy = Json::object();
        StudySettings s = r.study(v.is_object() ? v : noStudy, lesson.inputs, lesson.cd);
        if (!r.problem.empty())
            return refused(r.problem);
        if (const SettledInputs settled = settleFieldTexts(s.inputs, s.cd);
            !settled.problem.empty())
            return refused(model::translated(QT_TRANSLATE_NOOP("Texts", "исследование: %1"),
                                             {settled.problem}));
        lesson.studies.push_back(std::move(s));
    }
    LessonRead read;
    read.lesson = std::move(lesson);
    read.recoveryOf = Reader::text(Reader::member(&doc, "recoveryOf"));
    return read;
}

} // namespace session
