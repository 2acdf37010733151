#include "model/session/Session.h"

#include "model/NumberFormat.h"
#include "model/curves/Legend.h"

#include <algorithm>

namespace session {

bool operator==(const Kept& a, const Kept& b) {
    return a.number == b.number && model::differingInputs(a.inputs, b.inputs).empty() &&
           a.inputs.cd == b.inputs.cd;
}

namespace {

// Thrown with the same inputs: their fields would show the same texts, and the same Cd.
bool sameThrow(const model::Inputs& a, const model::Inputs& b) {
    return model::differingInputs(a, b).empty() && a.cd == b.cd;
}

} // namespace

Session::Session() : texts_(session::fieldTexts(inputs_)), saved_(lesson()) {}

int Session::listen(Listener listener) {
    listeners_.emplace_back(++nextListener_, std::move(listener));
    return nextListener_;
}

void Session::forget(int listener) {
    std::erase_if(listeners_, [listener](const auto& l) { return l.first == listener; });
}

void Session::notify(Change change) {
    // A copy: a listener may come or go while the others are told.
    const auto listeners = listeners_;
    for (const auto& [id, listener] : listeners)
        listener(change);
    if (change == Change::speed || change == Change::fit || change == Change::saved)
        return; // not part of a lesson
    if (const bool m = differsFromSaved(); m != modified_) {
        modified_ = m;
        notify(Change::saved);
    }
}

FieldState Session::field(model::Field f) const {
    return {model::inputOf(inputs_, f), texts_[static_cast<std::size_t>(f)]};
}

model::FieldSettlement Session::previewField(model::Field f, std::string_view text) const {
    model::Inputs trial = inputs_;
    return model::settleField(f, text, trial);
}

model::FieldSettlement Session::settleField(model::Field f, std::string_view text) {
    model::FieldSettlement settled = previewField(f, text);
    setField(f, {settled.value, settled.text});
    return settled;
}

Typing Session::type(model::Field f, std::string_view text) {
    model::Inputs trial = inputs_;
    const bool accepted =
        model::isWholeNumber(text) && model::settleField(f, text, trial).rejections.empty();
    if (!accepted)
        return {false, model::allowedRange(f, inputs_)};
    const double value = model::inputOf(trial, f);
    setField(f, {value, model::formatFixed(value, model::row(f).pattern)});
    return {true, {}};
}

void Session::setField(model::Field f, const FieldState& state) {
    const FieldState now = field(f);
    if (now.value == state.value && now.text == state.text)
        return;
    model::inputOf(inputs_, f) = state.value;
    texts_[static_cast<std::size_t>(f)] = state.text;
    notify(Change::inputs);
}

void Session::setCd(double cd) {
    if (cd == inputs_.cd)
        return;
    inputs_.cd = cd;
    notify(Change::inputs);
}

void Session::setScaleBars(int x, int y) {
    if (x == scaleBarX_ && y == scaleBarY_)
        return;
    scaleBarX_ = x;
    scaleBarY_ = y;
    notify(Change::scale);
}

void Session::setGraph(int graph) {
    if (graph == graph_)
        return;
    graph_ = graph;
    notify(Change::graph);
}

void Session::setSpeed(double factor) {
    if (factor == speed_)
        return;
    speed_ = factor;
    notify(Change::speed);
}

void Session::setComparing(bool on) {
    if (on == comparison_.comparing)
        return;
    comparison_.comparing = on;
    if (!on) {
        comparison_.kept.clear();
        comparison_.numbered = 0;
    }
    notify(Change::comparison);
}

bool Session::keeps(const model::Inputs& landed, const model::Inputs& next) const {
    return comparison_.comparing && !sameThrow(landed, next) &&
           std::none_of(comparison_.kept.begin(), comparison_.kept.end(),
                        [&](const Kept& k) { return sameThrow(k.inputs, landed); });
}

int Session::keep(const model::Inputs& landed) {
    std::vector<Kept>& kept = comparison_.kept;
    kept.push_back({++comparison_.numbered, landed});
    if (kept.size() > maxKept)
        kept.erase(kept.begin());
    notify(Change::comparison);
    return comparison_.numbered;
}

void Session::clearComparison() {
    comparison_.numbered = 0;
    if (comparison_.kept.empty())
        return;
    comparison_.kept.clear();
    notify(Change::comparison);
}

void Session::dropKept(int number) {
    if (std::erase_if(comparison_.kept, [number](const Kept& k) { return k.number == number; }))
        notify(Change::comparison);
}

void Session::setComparison(const ComparisonState& state) {
    if (state == comparison_)
        return;
    comparison_ = state;
    notify(Change::comparison);
}

void Session::setMeasurements(std::optional<model::measure::Measurements> measurements) {
    if (!measurements && !measured_.measurements)
        return;
    setMeasured({std::move(measurements), std::nullopt});
}

void Session::setFit(std::optional<model::measure::FitResult> fit) {
    measured_.fit = std::move(fit);
    notify(Change::fit);
}

void Session::setMeasured(MeasuredState state) {
    measured_ = std::move(state);
    notify(Change::measurements);
}

void Session::setStudies(std::vector<StudySettings> studies) {
    if (studies == studies_)
        return;
    studies_ = std::move(studies);
    notify(Change::studies);
}

Lesson Session::lesson() const {
    Lesson l;
    l.inputs = texts_;
    l.cd = inputs_.cd;
    l.scaleX = scaleBarX_;
    l.scaleY = scaleBarY_;
    l.graph = graph_;
    l.comparing = comparison_.comparing;
    for (const Kept& k : comparison_.kept)
        l.kept.push_back({k.number, session::fieldTexts(k.inputs), k.inputs.cd});
    l.measurements = measured_.measurements;
    l.studies = studies_;
    return l;
}

std::string Session::open(const Lesson& lesson) {
    const SettledInputs main = settleFieldTexts(lesson.inputs, lesson.cd);
    if (!main.problem.empty())
        return main.problem;
    ComparisonState comparison{lesson.comparing, {}, 0};
    if (lesson.comparing) {
        const std::size_t from = lesson.kept.size() - std::min(lesson.kept.size(), maxKept);
        for (std::size_t i = from; i < lesson.kept.size(); ++i) {
            const KeptInputs& k = lesson.kept[i];
            const SettledInputs settled = settleFieldTexts(k.inputs, k.cd);
            if (!settled.problem.empty())
                continue; // a lesson read from a file was checked
            comparison.kept.push_back({k.number, settled.inputs});
            comparison.numbered = std::max(comparison.numbered, k.number);
        }
    }
    std::vector<StudySettings> studies = lesson.studies;
    for (StudySettings& s : studies)
        if (const SettledInputs settled = settleFieldTexts(s.inputs, s.cd); settled.problem.empty())
            s.inputs = settled.texts;
    inputs_ = main.inputs;
    texts_ = main.texts;
    scaleBarX_ = lesson.scaleX;
    scaleBarY_ = lesson.scaleY;
    graph_ = lesson.graph;
    comparison_ = std::move(comparison);
    measured_ = {lesson.measurements, std::nullopt};
    studies_ = std::move(studies);
    notify(Change::lesson);
    return {};
}

void Session::markSaved() {
    saved_ = lesson();
    if (modified_) {
        modified_ = false;
        notify(Change::saved);
    }
}

void Session::markSaved(const Lesson& saved) {
    saved_ = saved;
    if (const bool m = differsFromSaved(); m != modified_) {
        modified_ = m;
        notify(Change::saved);
    }
}

void Session::markUnsaved() {
    saved_.reset();
    if (!modified_) {
        modified_ = true;
        notify(Change::saved);
    }
}

bool Session::differsFromSaved() const {
    if (!saved_)
        return true;
    const Lesson& s = *saved_;
    if (s.inputs != texts_ || s.cd != inputs_.cd || s.scaleX != scaleBarX_ ||
        s.scaleY != scaleBarY_ || s.graph != graph_ || s.comparing != comparison_.comparing ||
        s.kept.size() != comparison_.kept.size() || s.studies != studies_ ||
        !sameMeasurements(s.measurements, measured_.measurements))
        return true;
    for (std::size_t i = 0; i < s.kept.size(); ++i) {
        const Kept& k = comparison_.kept[i];
        if (s.kept[i] != KeptInputs{k.number, session::fieldTexts(k.inputs), k.inputs.cd})
            return true;
    }
    return false;
}

} // namespace session
