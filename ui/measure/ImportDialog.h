#pragma once

#include "model/measure/TableImport.h"

#include <QDialog>

#include <memory>
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
// will be read; for a project file with several tracks, which track. The counting, the guesses
// and the reading of another track run on the work pool; the latest asked for is shown.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    ImportDialog(const std::string& text, const model::measure::TablePreview& preview,
                 const QString& source, QWidget* parent = nullptr, TrackChoice tracks = {});

    model::measure::ImportSettings settings() const;
    // The table the settings read: the chosen track's once another is chosen.
    const std::shared_ptr<const std::string>& table() const { return text_; }
    // The count shown is still being worked out (the «Открыть» button waits for it).
    bool counting() const { return asked_ != shown_; }

private:
    struct Counted;
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
    // A guess of the axis and ground, a track to read, not yet shown: every count asked for
    // until then does it first.
    bool guessPending_ = false, trackPending_ = false;
    int asked_ = 0, shown_ = 0;
};

} // namespace ui
