#pragma once

#include "model/physics/Inputs.h"
#include "model/session/Lesson.h"
#include "model/study/StudyMarks.h"
#include "ui/study/StudyJob.h"
#include "ui/study/StudyTable.h"

#include <QFont>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QVBoxLayout;

namespace graphs {
class GraphPane;
}

namespace ui {

class ExportDialogs;
class MessageBoxes;
class StudyCommands;

// «Исследование зависимости»: how one result depends on one input, in the three models. The
// user chooses the input to vary (any of the seven), its start, end and number of points, and
// the result; «Рассчитать» computes every throw off the window's thread on all cores, with a
// progress bar and «Отмена», and then plots the result against the input (the marks give each
// curve's greatest value and, inside the range, its least) and lists the points beside the
// graph. A cancelled study leaves the previous one on show; closing the window stops the work
// and waits for it to end. Not modal; any number may be open.
//
// A line above the plot names the inputs the study uses. While «следовать за главным окном» is
// on, a change of the main window's inputs becomes the study's: the study shown is marked
// «устарело» until «Рассчитать», or computed again at once when its last run took under 100 ms.
// The window is the view of a StudyJob, which runs the study and follows the main window; the
// plot and the table save, copy and print themselves (StudyCommands).
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

    StudyJob& job() { return job_; }
    // The main window's inputs, for following and for «Взять из главного окна».
    void setMainInputs(std::function<model::Inputs()> source) {
        job_.setMainInputs(std::move(source));
    }
    // The main window's inputs have changed; taken when following.
    void mainInputsChanged() { job_.mainInputsChanged(); }
    // «Взять из главного окна».
    void takeMainInputs() { job_.takeMainInputs(); }
    const model::Inputs& inputs() const { return job_.inputs(); }
    bool stale() const { return job_.stale(); }

    // The boxes and dialogs of the save, copy and print commands, and the folder their dialogs
    // open in.
    void setServices(MessageBoxes* boxes, ExportDialogs* dialogs, const QString& folder);
    // «Сохранить график…» (PNG or SVG, with the key and the inputs), «Сохранить таблицу…»
    // (CSV as the report tool writes it), «Копировать таблицу» (tab-separated), «Печать…»;
    // Ctrl+C in the table copies the selected cells.
    void saveGraph();
    void saveTable();
    void copyTable();
    void copySelection();
    void print();

    // What a lesson keeps of the window, and the window set up from it.
    session::StudySettings settings() const;
    void apply(const session::StudySettings& settings, const model::Inputs& inputs);

    // «Рассчитать» and «Отмена».
    void start();
    void cancel() { job_.cancel(); }
    bool isRunning() const { return job_.isRunning(); }
    // Texts, the graph's included, grow with the interface scale.
    void setTextScale(double factor);

    // The last complete study (null before one) and the marks of the shown family.
    const StudyOutcome* outcome() const { return job_.outcome(); }
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
    QLabel* inputsLabel() const { return inputsLine_; }
    QCheckBox* followBox() const { return followBox_; }

signals:
    // A run has ended, complete or cancelled.
    void studyEnded();
    // What settings() gives may have changed.
    void settingsChanged();
    // The window is closing: a lesson keeps it no more.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void fieldChosen();
    void familyChosen();
    void arrived(bool complete);
    void setRunning(bool running);
    void showStudy();
    void retranslate();
    void buildFollowing(QVBoxLayout* layout);
    void showInputsLine();

    StudyJob job_;
    double textScale_ = 1;
    QFont basePaneFont_;
    std::vector<model::StudyMark> marks_;

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

    QLabel* inputsLine_ = nullptr;
    QCheckBox* followBox_ = nullptr;
    QPushButton* takeButton_ = nullptr;
    StudyCommands* commands_ = nullptr;
};

} // namespace ui
