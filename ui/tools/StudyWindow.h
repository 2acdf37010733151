#pragma once

#include "model/Inputs.h"
#include "model/StudyMarks.h"
#include "ui/tools/StudyTable.h"

#include <QFont>
#include <QFuture>
#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;

namespace graphs {
class GraphPane;
}

namespace ui {

// «Исследование зависимости»: how one result depends on one input, in the three models. The
// user chooses the input to vary (any of the seven), its start, end and number of points, and
// the result; «Рассчитать» computes every throw off the window's thread on all cores, with a
// progress bar and «Отмена», and then plots the result against the input (the marks give each
// curve's greatest value and, inside the range, its least) and lists the points beside the
// graph. A cancelled study leaves the previous one on show; closing the window stops the work
// and waits for it to end. Not modal; any number may be open.
class StudyWindow : public QWidget {
    Q_OBJECT
public:
    // A new window for these inputs (the main window's at that moment) with its texts at the
    // given scale, shown beside anchor (which may be null), or offset from the study window
    // opened last while that one is open, and wholly on the screen; it deletes itself when
    // closed.
    static StudyWindow* open(const model::Inputs& base, QWidget* anchor = nullptr,
                             double textScale = 1);

    explicit StudyWindow(const model::Inputs& base, QWidget* parent = nullptr);
    ~StudyWindow() override;

    // «Рассчитать» and «Отмена».
    void start();
    void cancel();
    bool isRunning() const;
    // Texts, the graph's included, grow with the interface scale.
    void setTextScale(double factor);

    // The last complete study (null before one) and the marks of the shown family.
    const StudyOutcome* outcome() const { return outcome_.get(); }
    const std::vector<model::StudyMark>& marks() const { return marks_; }

    graphs::GraphPane* pane() const { return pane_; }
    QTableView* table() const { return tableView_; }
    StudyTable* tableModel() const { return table_; }
    QComboBox* fieldBox() const { return fieldBox_; }
    QComboBox* familyBox() const { return familyBox_; }
    QLineEdit* fromEdit() const { return fromEdit_; }
    QLineEdit* toEdit() const { return toEdit_; }
    QSpinBox* countBox() const { return countBox_; }
    QPushButton* runButton() const { return runButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLabel() const { return status_; }

signals:
    // A run has ended, complete or cancelled.
    void studyEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Result = std::shared_ptr<const StudyOutcome>;

    void buildControls();
    void fieldChosen();
    void familyChosen();
    void finished();
    void stopAndWait();
    void setRunning(bool running);
    void showStudy();

    model::Inputs base_;
    double textScale_ = 1;
    QFont basePaneFont_;
    Result outcome_;
    std::vector<model::StudyMark> marks_;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFuture<Result> future_;
    QFutureWatcher<Result>* watcher_ = nullptr;

    graphs::GraphPane* pane_ = nullptr;
    QTableView* tableView_ = nullptr;
    StudyTable* table_ = nullptr;
    QComboBox* fieldBox_ = nullptr;
    QComboBox* familyBox_ = nullptr;
    QLineEdit* fromEdit_ = nullptr;
    QLineEdit* toEdit_ = nullptr;
    QSpinBox* countBox_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
};

} // namespace ui
