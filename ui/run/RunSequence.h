#pragma once

#include "model/FlightOutcome.h"
#include "model/GraphRanges.h"
#include "model/LabelText.h"
#include "model/PanePoint.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <vector>

namespace graphs {
class PaneSurface;
}

namespace ui {

class FieldHandling;
class FlightAnimation;
class MainWindow;
class MessageBoxes;
class Tone;

// What drives every computation of the main window: the load handling, the full run of the
// "ПУСК" button, the short recompute that follows each change of size, input or scale, and the
// close confirmation. It wires itself to the window's button, fields, scale bars and size
// changes when constructed.
//
// The full run: layout, closed forms, trajectory pane (ranges, axes, vacuum and linear-drag
// curves), then the animated quadratic-drag flight; at its landing the tone starts and, once it
// has sounded, the landing labels are written and the velocity panes are drawn. A new full run,
// a short recompute or a field edit abandons a flight still in progress, so a finished run
// always shows what its own inputs give.
//
// A computation that cannot finish (a flight too long to walk, numbers beyond the double or
// single range) is reported in Russian: as a message box for the run button, as a line of text
// on the trajectory pane for recomputes driven by typing, scrolling or resizing. Nothing that
// was not computed is drawn and no pane gets an unusable coordinate system.
class RunSequence : public QObject {
    Q_OBJECT
public:
    RunSequence(MainWindow& window, MessageBoxes& boxes, Tone& tone, QObject* parent = nullptr);
    ~RunSequence() override;

    // Load handling: window to 5 % of the screen, SetDefaults (scale bars and field texts run
    // their handlers, which recompute nothing yet), parametr, loading complete. The first
    // showing of the window then brings the first short recompute.
    void load();
    // The click of CmdOK.
    void fullRun();
    // The resize handling: the short recompute once loading is complete, otherwise nothing.
    void shortRecompute();
    // The close path of the window and of the menu's "Выход": asks "Вы абсолютно уверены?";
    // Yes closes the window (true), No keeps everything (false).
    bool requestClose();

    // A flight or its landing tone is still in progress.
    bool busy() const;
    // Ms between animation ticks (10); tests may use 0.
    void setTickInterval(int ms);
    // Draw on these surfaces instead of Picture1..3 (tests record the operations this way).
    void setSurfaces(graphs::PaneSurface* trajectory, graphs::PaneSurface* vx,
                     graphs::PaneSurface* vy);
    // Decimal separator of the scientific labels and tick labels; the system locale's by default.
    void setDecimalSeparator(char separator) { separator_ = separator; }
    char decimalSeparator() const { return separator_; }

    const model::TrajectoryRanges& trajectoryRanges() const { return trajectory_; }
    const model::VelocityRanges& velocityRanges() const { return velocity_; }
    const FlightAnimation& flight() const { return *flight_; }
    // The last failure reported (empty when none since construction).
    QString lastFailure() const { return lastFailure_; }
    int fullRuns() const { return fullRuns_; }
    int shortRecomputes() const { return shortRecomputes_; }

    // The Russian texts of a failure: a sentence for a message box, a short line for a pane.
    static QString failureMessage(model::FlightOutcome outcome);
    static QString failureLine(model::FlightOutcome outcome);
    static QString failureTitle();

signals:
    // A full run has drawn its velocity curves.
    void runFinished();
    // A computation could not be completed; text as in failureMessage.
    void failureReported(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setDefaults();
    bool trajectoryPane(bool fullRun);
    void abandonFlight();
    void flightLanded();
    void flightFailed(model::FlightOutcome outcome);
    void landingToneEnded();
    bool report(model::FlightOutcome outcome, bool withBox, graphs::PaneSurface& pane,
                bool useTrajectorySystem);
    void writeLabel(const model::LabelText& l);
    graphs::PaneSurface& pane(int n) const { return *panes_[n - 1]; }

    MainWindow& window_;
    MessageBoxes& boxes_;
    Tone& tone_;
    std::array<graphs::PaneSurface*, 3> panes_{};
    FieldHandling* fields_ = nullptr;
    FlightAnimation* flight_ = nullptr;
    QTimer landingTimer_;
    char separator_ = '.';
    bool confirming_ = false;
    bool shownOnce_ = false;
    int fullRuns_ = 0;
    int shortRecomputes_ = 0;
    QString lastFailure_;

    model::TrajectoryRanges trajectory_;
    model::VelocityRanges velocity_;
    std::vector<model::PanePoint> linearPoints_; // kept to spare an allocation per keystroke

    // What the landed flight gives, written once its tone has sounded.
    struct Landing {
        std::array<model::LabelText, 4> labels;
        double Tmax2 = 0, VxEnd2 = 0, VyEnd2 = 0, dt = 0;
    } landing_;
};

} // namespace ui
