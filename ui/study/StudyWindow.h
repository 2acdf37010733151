#pragma once

#include "model/physics/Inputs.h"
#include "model/session/Lesson.h"
#include "model/study/StudyMarks.h"
#include "ui/study/StudyTable.h"

#include <QElapsedTimer>

#include <QFont>
#include <QFuture>
#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
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
struct StudyPicture;

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
// The plot and the table save, copy and print themselves (StudyExport.h).
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

    // The main window's inputs, for following and for «Взять из главного окна».
    void setMainInputs(std::function<model::Inputs()> source) { mainInputs_ = std::move(source); }
    // The main window's inputs have changed; taken when following.
    void mainInputsChanged();
    // «Взять из главного окна».
    void takeMainInputs();
    const model::Inputs& inputs() const { return base_; }
    bool stale() const { return stale_; }

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
    using Result = std::shared_ptr<const StudyOutcome>;

    void buildControls();
    void fieldChosen();
    void familyChosen();
    void finished();
    void setRunning(bool running);
    void showStudy();
    void retranslate();
    void buildFollowing(QVBoxLayout* layout);
    void setInputs(const model::Inputs& inputs);
    void showInputsLine();
    void buildExports(QLayout* layout);
    StudyPicture picture() const;
    // The study shown, or null after telling the user that there is none yet.
    const StudyOutcome* shownStudy(const QString& title);
    std::optional<QString> askFile(const QString& title, const QString& name, bool picture,
                                   int* type);
    void write(const QString& path, const QByteArray& bytes, const QString& title);

    model::Inputs base_;
    double textScale_ = 1;
    QFont basePaneFont_;
    Result outcome_;
    std::vector<model::StudyMark> marks_;
    std::shared_ptr<std::atomic<bool>> stop_;
    QFuture<Result> future_;
    QFutureWatcher<Result>* watcher_ = nullptr;
    bool running_ = false; // from the start until its end is handled (the outcome is on show)

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

    std::function<model::Inputs()> mainInputs_;
    QLabel* inputsLine_ = nullptr;
    QCheckBox* followBox_ = nullptr;
    QPushButton* takeButton_ = nullptr;
    bool stale_ = false;
    QElapsedTimer runClock_;
    qint64 lastRunMs_ = -1; // the last complete run; -1 before one
    MessageBoxes* boxes_ = nullptr;
    ExportDialogs* dialogs_ = nullptr;
    QString folder_;
};

} // namespace ui
