#include "model/session/Lesson.h"

#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "model/Translation.h"

#include <algorithm>

namespace session {

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
           s.motion == t.motion && s.axisDown == t.axisDown && a.skipped == b.skipped &&
           a.source == b.source;
}

bool operator==(const Lesson& a, const Lesson& b) {
    return a.inputs == b.inputs && a.cd == b.cd && a.scaleX == b.scaleX && a.scaleY == b.scaleY &&
           a.graph == b.graph && a.comparing == b.comparing && a.kept == b.kept &&
           sameMeasurements(a.measurements, b.measurements) && a.studies == b.studies;
}

FieldTexts fieldTexts(const model::Inputs& in) {
    FieldTexts texts;
    for (const model::FieldRow& f : model::fieldRows())
        texts[static_cast<std::size_t>(f.id)] =
            model::formatFixed(model::inputOf(in, f.id), f.pattern);
    return texts;
}

SettledInputs settleFieldTexts(const FieldTexts& texts, double cd) {
    SettledInputs out;
    out.inputs.cd = cd;
    for (const model::Field f : model::allFields)
        model::inputOf(out.inputs, f) = model::readNumber(texts[static_cast<std::size_t>(f)]);
    for (const model::FieldRow& f : model::fieldRows()) {
        const model::FieldSettlement settled =
            model::settleField(f.id, texts[static_cast<std::size_t>(f.id)], out.inputs);
        if (!settled.rejections.empty()) {
            out.problem = model::translated(f.caption) + ' ' + settled.rejections.front().message;
            return out;
        }
        out.texts[static_cast<std::size_t>(f.id)] = settled.text;
    }
    return out;
}

} // namespace session
