#pragma once

#include "model/measure/TableImport.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace ui {

// A video-analysis project file's point-mass tracks, for the user to choose one: the file's own
// text (each track is read from it again) and the tracks' names. Empty for a plain table.
struct TrackChoice {
    std::shared_ptr<const std::string> xml;
    std::vector<std::string> names;
};

// Shows the first rows of a measured table and lets the user confirm what it holds (a throw, a
// vertical motion, a path without times), which columns hold t, x and y, their units, which way
// a vertical motion's column points and where the ground is, with the number of points that
// will be read; for a project file with several tracks, which track. The preview, the counting,
// the guesses and the reading of another track run on the work pool; the latest asked for is
// shown. Each count reads the points, so those confirmed need not be read again.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // Opens before the table is looked at: its preview is made on the pool with the first
    // count («Подсчёт точек…» meanwhile, the choices and «Открыть» wait for it). A table that
    // cannot be read at all is told by unreadable().
    ImportDialog(std::shared_ptr<const std::string> text, const QString& source,
                 QWidget* parent = nullptr, TrackChoice tracks = {});
    // With the table's preview made already.
    ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                 const QString& source, QWidget* parent = nullptr, TrackChoice tracks = {});

    model::measure::ImportSettings settings() const;
    // The table the settings read: the chosen track's once another is chosen.
    const std::shared_ptr<const std::string>& table() const { return text_; }
    // The count shown is still being worked out (the «Открыть» button waits for it).
    bool counting() const { return asked_ != shown_; }
    // The points of settings() as the count shown read them (their source not named), once;
    // nothing while counting or when the count found none.
    std::optional<model::measure::Measurements> takeMeasurements();

signals:
    // The table has no preview: it cannot be read at all, for the reason given.
    void unreadable(const QString& problem);

private:
    struct Counted;
    void build(const QString& source);
    void applyPreview(const model::measure::TablePreview& preview);
    void enableForMotion();
    void motionChosen();
    void trackChosen();
    void recount();
    void showCounted(const Counted& c);
    void showPreview(const model::measure::TablePreview& preview);

    std::shared_ptr<const std::string> text_;
    TrackChoice tracks_;
    QLabel* title_;
    QTableWidget* table_;
    QComboBox* track_ = nullptr;
    QComboBox* motion_;
    QComboBox* axis_;
    QComboBox* columns_[3];
    QComboBox* length_;
    QComboBox* time_;
    QCheckBox* ground_;
    QLabel* count_;
    QPushButton* accept_ = nullptr;
    // A preview to make, a guess of the axis and ground, a track to read, not yet shown: every
    // count asked for until then does it first.
    bool previewPending_ = false, guessPending_ = false, trackPending_ = false;
    int asked_ = 0, shown_ = 0;
    std::shared_ptr<model::measure::Measurements> counted_;
};

} // namespace ui
