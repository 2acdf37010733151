#pragma once

#include "model/InputFields.h"
#include "model/Quantities.h"
#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"
#include "model/session/Run.h"
#include "model/session/Session.h"
#include "ui/run/UnderlayStack.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace graphs {
class PaneSurface;
}

namespace ui {

class FlightAnimation;
class MessageBoxes;
class SessionObject;
class ThrowView;
class Tone;

// Drives every computation of the session's throw (session::Run): the start, the full run of
// the "ПУСК" button and the short recompute that follows each change of input or scale; it
// draws them on the three panes and tells the view (ThrowView) what to write.
//
// The full run: layout, closed forms, trajectory pane (ranges, axes, vacuum and linear-drag
// curves), then the animated quadratic-drag flight; at its landing the tone starts and, once it
// has sounded, the landing labels are written and the velocity panes are drawn. A new full run,
// a short recompute or a field edit abandons a flight still in progress, so a finished run
// always shows what its own inputs give.
//
// A throw that cannot be computed (a flight too long to walk, numbers beyond the double or
// single range) is reported in the window's language: as a message box for the run button, as a
// line of text on the trajectory pane for recomputes driven by typing, scrolling or resizing.
// Nothing that was not computed is drawn and no pane gets an unusable coordinate system.
class ThrowController : public QObject {
    Q_OBJECT
public:
    ThrowController(SessionObject& session, ThrowView& view,
                    const std::array<graphs::PaneSurface*, 3>& panes, MessageBoxes& boxes,
                    Tone& tone, QObject* parent = nullptr);
    ~ThrowController() override;

    // The start: the view shows the session's inputs (their handlers recompute nothing yet),
    // the closed-form labels, loading complete. The first showing of the window then brings the
    // first short recompute.
    void load();
    // The click of CmdOK: typed fields are committed first (aboutToRun).
    void fullRun();
    // A new throw from the inputs for the trajectory pane, once loading is complete.
    void shortRecompute();
    // A field's whole text settled into the session: a landing whose tone sounds is completed
    // and the flight in progress stops; `show` gets the outcome (its rejections' boxes, the
    // field's final text) before the session takes it as an edit that began at `before`; then
    // the throw is computed again.
    void settleField(model::Field f, std::string_view text, const session::FieldState& before,
                     const std::function<void(const model::FieldSettlement&)>& show);
    // The window changed size (or Command1): the layout only; the throw, its flight and its
    // labels stay.
    void viewResized();
    // The window shows its first time: the first short recompute, if the size report did not
    // bring it.
    void firstShown();
    // Stops a flight in progress and its landing tone (or a ПУСК waiting for its throw).
    void abandonFlight();
    // After a switch of language: the panes drawn again with the same numbers and curves.
    void redrawInLanguage();

    bool loaded() const { return loaded_; }
    const model::Inputs& inputs() const;
    double scaleX() const;
    float scaleY() const;
    // A long throw is being computed off the window's thread for the latest edit; the panes and
    // labels still show the throw before it.
    bool throwPending() const { return backgroundWanted_; }
    // Walks of more points than this are computed off the window's thread (tests lower it).
    void setBackgroundWalk(double points) { backgroundWalk_ = points; }
    // The throw shown now; null before the first computation.
    const model::Throw* currentThrow() const { return run_.current(); }
    // Pieces of the current throw's flight on the trajectory pane (0 before ПУСК).
    std::size_t flightPiecesShown() const;
    // The velocity panes show the current throw's curves; or, once it was replaced, still those
    // of the throw that landed last (kept here thinned); or neither.
    bool velocitiesShown() const { return run_.velocitiesShown(); }
    const model::KeptThrow* earlierVelocities() const { return run_.earlierVelocities(); }

    // What lies beneath the current throw on the panes (the kept throws, the measured points),
    // drawn in the order added.
    void addUnderlay(ThrowUnderlay* underlay) { underlays_.add(underlay); }
    void removeUnderlay(ThrowUnderlay* underlay) { underlays_.remove(underlay); }
    const UnderlayStack& underlays() const { return underlays_; }
    // The underlay changed: every pane is drawn again, the flight in the air included.
    void redrawPanes();

    // A flight or its landing tone is still in progress, or ПУСК waits for its throw.
    bool busy() const;
    // Ms between animation ticks (10); tests may use 0.
    void setTickInterval(int ms);
    // Groups of ten steps flown per tick (1); 0: the whole flight at once.
    void setGroupsPerTick(int groups);
    // The speed of the animation (see AnimationSpeed.h; 1 is the program's own pace).
    void setSpeed(double factor);
    double speed() const;
    // Holds the flight in the air, or lets it go on.
    void setPaused(bool paused);
    bool paused() const;
    // Draw on these surfaces instead of Picture1..3 (tests record the operations this way).
    void setSurfaces(graphs::PaneSurface* trajectory, graphs::PaneSurface* vx,
                     graphs::PaneSurface* vy);
    // Decimal separator of the scientific labels and tick labels; the system locale's by default.
    void setDecimalSeparator(char separator) { separator_ = separator; }
    char decimalSeparator() const { return separator_; }

    const FlightAnimation& flight() const { return *flight_; }
    int shortRecomputes() const { return shortRecomputes_; }

signals:
    // The inputs have changed and the throw was computed again.
    void inputsUpdated();
    // ПУСК was pressed; the run starts right after.
    void aboutToRun();
    // A full run has drawn its velocity curves.
    void runFinished();
    // A computation could not be completed; the message box text.
    void failureReported(const QString& text);
    // A new throw replaced the shown one (new inputs, scale or ПУСК).
    void throwReplaced();

private:
    bool showTrajectory(bool fullRun, std::unique_ptr<model::Throw> ready = nullptr);
    bool longWalk() const;
    void computeInBackground();
    void backgroundThrowDone();
    void layOutWindow();
    void redrawTrajectory();
    void redrawVelocityPanes();
    void writeLabels(model::Stage stage);
    void writeFlightLabels();
    void scaleChanged();
    void completeLanding();
    // The inputs are about to change: a landing whose tone sounds is completed, the flight in
    // progress stops. Then, once they have changed, the short recompute.
    void inputsAboutToChange();
    void inputsChanged();
    void lessonReplaced();
    void flightLanded();
    void landingToneEnded();
    void report(model::FlightOutcome outcome, bool withBox);
    bool failedBeforeRanges() const;
    graphs::PaneSurface& pane(std::size_t n) const { return *panes_[n]; }

    SessionObject& session_;
    ThrowView& view_;
    MessageBoxes& boxes_;
    Tone& tone_;
    std::array<graphs::PaneSurface*, 3> panes_{};
    session::Run run_;
    FlightAnimation* flight_ = nullptr;
    QTimer landingTimer_;
    char separator_ = '.';
    bool loaded_ = false;
    UnderlayStack underlays_;
    // The ranges the velocity panes had when their throw was replaced: the earlier curves stay
    // at them, with whatever lies beneath, until the next landing.
    std::optional<model::VelocityRanges> earlierRanges_;
    int shortRecomputes_ = 0;
    // Each new throw asked for supersedes the ones before it; a throw computed in the background
    // is shown only if it answers the latest request.
    int throwRequests_ = 0;
    int backgroundRequest_ = 0;
    bool backgroundWanted_ = false;
    // ПУСК came while the throw was computed: the flight starts when it is ready.
    bool runWhenReady_ = false;
    // Another lesson came meanwhile: the velocity panes are drawn again for the new throw.
    bool velocitiesWhenReady_ = false;
    double backgroundWalk_ = 1.5e6;
    QFutureWatcher<std::unique_ptr<model::Throw>> background_;
};

} // namespace ui
