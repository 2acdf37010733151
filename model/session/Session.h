#pragma once

#include "model/InputFields.h"
#include "model/measure/Fit.h"
#include "model/measure/Measurements.h"
#include "model/session/Lesson.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

// What a change notification is about.
enum class Change {
    inputs,       // an input, its field's text or Cd
    scale,        // the scale bars
    graph,        // the graph shown
    speed,        // the animation speed
    comparison,   // comparing on or off, the kept throws
    measurements, // the measured points, and with them their fit
    fit,          // the fit of the measured points
    studies,      // the settings of the open study windows
    lesson,       // all of it at once: another lesson was opened or a new one started
    saved,        // modified() changed
};

// A throw kept for comparison: its number in the legend and its inputs.
struct Kept {
    int number = 0;
    model::Inputs inputs;

    friend bool operator==(const Kept& a, const Kept& b);
};

// The comparison as a whole: what an undo of its clearing brings back.
struct ComparisonState {
    bool comparing = false;
    std::vector<Kept> kept; // oldest first
    int numbered = 0;       // throws kept since comparing began or was cleared

    friend bool operator==(const ComparisonState&, const ComparisonState&) = default;
};

// The measured points with their fit: what an undo of their removal brings back.
struct MeasuredState {
    std::optional<model::measure::Measurements> measurements;
    std::optional<model::measure::FitResult> fit;
};

// One field: its input and the text it shows.
struct FieldState {
    double value = 0;
    std::string text;

    friend bool operator==(const FieldState&, const FieldState&) = default;
};

// The typing rule's answer for a text typed into a field (see Session::type).
struct Typing {
    bool accepted = false;
    std::string allowed; // what the field allows, for a text it does not take yet
};

// A lesson's state and the rules that change it, the same for the window and the browser page:
// the inputs and Cd with the texts their fields show, the scale bars, the graph shown, the
// animation speed, the comparison and its kept throws, the measured points and their fit, and
// the study windows' settings. Every change is announced to the listeners with its kind, and
// whether the lesson differs from the one last saved (modified()) follows it.
//
// Listeners may change the session while they are told of a change; they are then told of that
// change too, at once.
class Session {
public:
    static constexpr std::size_t maxKept = 5;
    using Listener = std::function<void(Change)>;

    Session();

    // A listener's number, for forget().
    int listen(Listener listener);
    void forget(int listener);

    // The inputs. settleField is the handling of a text that arrives whole (pasted, set, or a
    // typed text once the user is done): read, checked, a refusal replaced, rewritten in the
    // field's pattern, as model::settleField; previewField tells the outcome without changing
    // anything, so a window can show the refusals' boxes before the inputs change.
    const model::Inputs& inputs() const { return inputs_; }
    const FieldTexts& fieldTexts() const { return texts_; }
    FieldState field(model::Field f) const;
    model::FieldSettlement previewField(model::Field f, std::string_view text) const;
    model::FieldSettlement settleField(model::Field f, std::string_view text);
    // The typing rule: a text that is already a whole number the field accepts goes into the
    // inputs at once (its field's text becomes the value in the field's pattern); any other
    // keeps the inputs as they are.
    Typing type(model::Field f, std::string_view text);
    // Puts in a value and its text as they are, without checks (an undo, a restore).
    void setField(model::Field f, const FieldState& state);
    void setCd(double cd);

    // The scale bars (0 … 200) and the factors of the trajectory graph they give.
    int scaleBarX() const { return scaleBarX_; }
    int scaleBarY() const { return scaleBarY_; }
    double scaleX() const { return scaleBarX_ * 0.01; }
    float scaleY() const { return static_cast<float>(scaleBarY_ * 0.01); }
    void setScaleBars(int x, int y);

    // 0 trajectory, 1 Vx, 2 Vy.
    int graph() const { return graph_; }
    void setGraph(int graph);
    // The animation's speed (1: the program's own pace; 0: the whole flight at once).
    double speed() const { return speed_; }
    void setSpeed(double factor);

    // The comparison: while comparing, a throw that landed is kept when the next one replaces
    // it, unless it was thrown with the inputs of the next one or of a kept one; the oldest
    // goes beyond maxKept. Switching comparing off clears it.
    bool comparing() const { return comparison_.comparing; }
    void setComparing(bool on);
    const std::vector<Kept>& kept() const { return comparison_.kept; }
    bool keeps(const model::Inputs& landed, const model::Inputs& next) const;
    // Keeps it (when keeps() says so); its number in the legend.
    int keep(const model::Inputs& landed);
    int nextKeptNumber() const { return comparison_.numbered + 1; }
    void clearComparison();
    // A kept throw that cannot be computed again leaves.
    void dropKept(int number);
    const ComparisonState& comparison() const { return comparison_; }
    void setComparison(const ComparisonState& state);

    // The measured points; new points, or none, drop the fit of the old ones.
    const std::optional<model::measure::Measurements>& measurements() const {
        return measured_.measurements;
    }
    void setMeasurements(std::optional<model::measure::Measurements> measurements);
    const std::optional<model::measure::FitResult>& fit() const { return measured_.fit; }
    void setFit(std::optional<model::measure::FitResult> fit);
    const MeasuredState& measured() const { return measured_; }
    void setMeasured(MeasuredState state);

    const std::vector<StudySettings>& studies() const { return studies_; }
    void setStudies(std::vector<StudySettings> studies);

    // The lesson as a file keeps it.
    Lesson lesson() const;
    // Puts in a lesson (readLessonJson checked it); problem when its inputs are refused, and then
    // nothing changes. Its kept throws beyond maxKept go, and all of them when it does not
    // compare.
    std::string open(const Lesson& lesson);
    // The lesson as it is now counts as saved; or, for a recovered one, as never saved.
    void markSaved();
    // This lesson counts as saved: a save that ended after further changes leaves them unsaved.
    void markSaved(const Lesson& saved);
    void markUnsaved();
    bool modified() const { return modified_; }

private:
    void notify(Change change);
    bool differsFromSaved() const;

    model::Inputs inputs_;
    FieldTexts texts_;
    int scaleBarX_ = scaleBarsAtStart, scaleBarY_ = scaleBarsAtStart;
    int graph_ = 0;
    double speed_ = 1;
    ComparisonState comparison_;
    MeasuredState measured_;
    std::vector<StudySettings> studies_;

    std::optional<Lesson> saved_; // none: never saved
    bool modified_ = false;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextListener_ = 0;
};

} // namespace session
