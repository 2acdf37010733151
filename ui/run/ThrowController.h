#pragma once

#include "model/InputFields.h"
#include "model/Quantities.h"
#include "model/Throw.h"
#include "model/curves/ThrowCurves.h"
#include "model/physics/FlightOutcome.h"
#include "model/physics/Inputs.h"
#include "ui/run/UnderlayStack.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

namespace graphs {
class PaneSurface;
}

namespace ui {

class FlightAnimation;
class MainWindow;
class MessageBoxes;
class Tone;

// Owns the state of the main window — the seven inputs, the scale factors of the trajectory
// graph and the current throw — and drives every computation: the start, the full run of the
// "ПУСК" button and the short recompute that follows each change of size, input or scale.
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
    ThrowController(MainWindow& window, MessageBoxes& boxes, Tone& tone, QObject* parent = nullptr);
    ~ThrowController() override;

    // The start: window to 5 % of the screen, the default inputs into the fields and the scale
    // bars (their handlers recompute nothing yet), the closed-form labels, loading complete.
    // The first showing of the window then brings the first short recompute.
    void load();
    // The click of CmdOK: typed fields are committed first (aboutToRun).
    void fullRun();
    // A new throw from the inputs for the trajectory pane, once loading is complete.
    void shortRecompute();
    // A value typed into a field that takes it: the throw is computed again if it differs.
    void setInput(model::Field f, double value);
    // A field's whole text settled into the inputs: a landing whose tone sounds is completed and
    // the flight in progress stops; `show` gets the outcome (its rejections' boxes, the field's
    // final text) before the throw is computed again.
    void settleField(model::Field f, std::string_view text,
                     const std::function<void(const model::FieldSettlement&)>& show);
    // The window changed size (or Command1): the layout only; the throw, its flight and its
    // labels stay.
    void viewResized();
    // Stops a flight in progress and its landing tone.
    void abandonFlight();
    // Puts in the inputs of a lesson (already checked), the texts their fields show and the scale
    // bars' positions, then recomputes once. The field handlers recompute nothing meanwhile.
    void restore(const model::Inputs& inputs, const std::array<QString, model::fieldCount>& texts,
                 int scaleBarX, int scaleBarY);

    bool loaded() const { return loaded_; }
    const model::Inputs& inputs() const { return inputs_; }
    double scaleX() const { return scaleX_; }
    float scaleY() const { return scaleY_; }
    // The throw shown now; null before the first computation.
    const model::Throw* currentThrow() const { return throw_.get(); }
    // Pieces of the current throw's flight on the trajectory pane (0 before ПУСК).
    std::size_t flightPiecesShown() const;
    // The velocity panes show the current throw's curves; or, once it was replaced, still those
    // of the throw that landed last (kept here thinned); or neither.
    bool velocitiesShown() const { return velocitiesShown_; }
    const model::KeptThrow* earlierVelocities() const {
        return earlierVelocities_ ? &*earlierVelocities_ : nullptr;
    }

    // What lies beneath the current throw on the panes (the kept throws, the measured points),
    // drawn in the order added.
    void addUnderlay(ThrowUnderlay* underlay) { underlays_.add(underlay); }
    void removeUnderlay(ThrowUnderlay* underlay) { underlays_.remove(underlay); }
    // The underlay changed: every pane is drawn again, the flight in the air included.
    void redrawPanes();

    // A flight or its landing tone is still in progress.
    bool busy() const;
    // Ms between animation ticks (10); tests may use 0.
    void setTickInterval(int ms);
    // Groups of ten steps flown per tick (1); 0: the whole flight at once.
    void setGroupsPerTick(int groups);
    // The speed of the animation (see AnimationSpeed.h; 1 is the program's own pace).
    void setSpeed(double factor);
    double speed() const { return speed_; }
    // Holds the flight in the air, or lets it go on.
    void setPaused(bool paused);
    bool paused() const;
    // Draw on these surfaces instead of Picture1..3 (tests record the operations this way).
    void setSurfaces(graphs::PaneSurface* trajectory, graphs::PaneSurface* vx,
                     graphs::PaneSurface* vy);
    // Decimal separator of the scientific labels and tick labels; the system locale's by default.
    void setDecimalSeparator(char separator) {
        separator_ = separator;
        reynoldsFor_.reset();
    }
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

protected:
    // Fills the drag columns' header tooltips just before they show.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setDefaults();
    // Lays the window out; the flight's labels show their placeholders then.
    void layOutWindow();
    // After a switch of language: every label, pane and tooltip that shows the throw is written
    // again in the new language, with the same numbers and curves.
    void retranslate();
    bool showTrajectory(bool fullRun);
    void redrawTrajectory();
    void redrawVelocityPanes();
    void writeLabels(model::Stage stage);
    void writeFlightLabels();
    void writeReynolds();
    void scaleBarMoved();
    void completeLanding();
    // The inputs are about to change: a landing whose tone sounds is completed, the flight in
    // progress stops. Then, once they have changed, the short recompute.
    void inputsAboutToChange();
    void inputsChanged();
    void flightLanded();
    void landingToneEnded();
    void report(model::FlightOutcome outcome, bool withBox);
    bool failedBeforeRanges() const;
    graphs::PaneSurface& pane(std::size_t n) const { return *panes_[n]; }

    MainWindow& window_;
    MessageBoxes& boxes_;
    Tone& tone_;
    std::array<graphs::PaneSurface*, 3> panes_{};
    FlightAnimation* flight_ = nullptr;
    QTimer landingTimer_;
    char separator_ = '.';
    double speed_ = 1;

    model::Inputs inputs_{0, 0, 0, 0, 0, 0, 0};
    double scaleX_ = 0;
    float scaleY_ = 0;
    bool loaded_ = false;
    std::unique_ptr<model::Throw> throw_;
    std::optional<model::Inputs> reynoldsFor_; // the inputs the headers' Reynolds numbers are of
    std::map<model::ModelKind, QString> headerTips_;
    // What each stage's labels show: nothing written yet, their placeholders, the throw's values.
    enum class Shown { nothing, placeholders, values };
    std::array<Shown, 4> labelsShown_{};
    bool flying_ = false; // the current throw's flight has been started
    bool velocitiesShown_ = false;
    std::optional<model::KeptThrow> earlierVelocities_;
    UnderlayStack underlays_;

    int shortRecomputes_ = 0;
};

} // namespace ui
