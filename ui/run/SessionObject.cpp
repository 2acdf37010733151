#include "ui/run/SessionObject.h"

#include <QUndoCommand>

namespace ui {

namespace {

// A step already made when it is recorded: the first redo, which QUndoStack::push asks for,
// finds it done.
class Step : public QUndoCommand {
public:
    Step(std::function<void()> undo, std::function<void()> redo, QUndoCommand* parent)
        : QUndoCommand(parent), undo_(std::move(undo)), redo_(std::move(redo)) {}

    void undo() override { undo_(); }
    void redo() override {
        if (!done_)
            redo_();
        done_ = false;
    }

private:
    std::function<void()> undo_, redo_;
    bool done_ = true;
};

} // namespace

SessionObject::SessionObject(QObject* parent) : QObject(parent) {
    history_.setUndoLimit(200);
    session_.listen([this](session::Change change) {
        using C = session::Change;
        switch (change) {
        case C::inputs:
            emit inputsChanged();
            break;
        case C::scale:
            emit scaleChanged();
            break;
        case C::graph:
            emit graphChanged();
            break;
        case C::speed:
            emit speedChanged();
            return;
        case C::comparison:
            emit comparisonChanged();
            break;
        case C::measurements:
            emit measurementsChanged();
            break;
        case C::fit:
            emit fitChanged();
            return;
        case C::studies:
            emit studiesChanged();
            break;
        case C::lesson:
            emit lessonReplaced();
            break;
        case C::saved:
            emit savedChanged();
            return;
        }
        emit lessonChanged();
    });
}

SessionObject::~SessionObject() = default;

void SessionObject::record(std::function<void()> undo, std::function<void()> redo) {
    if (grouping_ > 0) {
        if (!group_)
            group_ = std::make_unique<QUndoCommand>();
        new Step(std::move(undo), std::move(redo), group_.get());
        return;
    }
    history_.push(new Step(std::move(undo), std::move(redo), nullptr));
}

void SessionObject::beginEdits() {
    ++grouping_;
}

void SessionObject::endEdits() {
    if (grouping_ == 0 || --grouping_ > 0)
        return;
    if (group_ && group_->childCount() > 0)
        history_.push(group_.release());
    group_.reset();
}

void SessionObject::editField(model::Field f, const session::FieldState& before,
                              const session::FieldState& after) {
    session_.setField(f, after);
    if (before == after)
        return;
    record([this, f, before] { session_.setField(f, before); },
           [this, f, after] { session_.setField(f, after); });
}

void SessionObject::editCd(double cd) {
    const double before = session_.inputs().cd;
    if (cd == before)
        return;
    session_.setCd(cd);
    record([this, before] { session_.setCd(before); }, [this, cd] { session_.setCd(cd); });
}

void SessionObject::moveScaleBars(int x, int y) {
    const int bx = session_.scaleBarX(), by = session_.scaleBarY();
    if (x == bx && y == by)
        return;
    session_.setScaleBars(x, y);
    record([this, bx, by] { session_.setScaleBars(bx, by); },
           [this, x, y] { session_.setScaleBars(x, y); });
}

void SessionObject::recordGraphChoice(int before, int after) {
    session_.setGraph(after);
    if (before == after)
        return;
    record([this, before] { session_.setGraph(before); },
           [this, after] { session_.setGraph(after); });
}

void SessionObject::clearComparison() {
    const session::ComparisonState before = session_.comparison();
    session_.clearComparison();
    if (before.kept.empty())
        return;
    const session::ComparisonState after = session_.comparison();
    record([this, before] { session_.setComparison(before); },
           [this, after] { session_.setComparison(after); });
}

void SessionObject::setComparing(bool on) {
    const session::ComparisonState before = session_.comparison();
    session_.setComparing(on);
    if (before.kept.empty() || session_.comparison().kept.size() == before.kept.size())
        return;
    const session::ComparisonState after = session_.comparison();
    record([this, before] { session_.setComparison(before); },
           [this, after] { session_.setComparison(after); });
}

void SessionObject::removeMeasurements() {
    if (!session_.measurements())
        return;
    const session::MeasuredState before = session_.measured();
    session_.setMeasurements(std::nullopt);
    record([this, before] { session_.setMeasured(before); },
           [this] { session_.setMeasurements(std::nullopt); });
}

QString SessionObject::openLesson(const session::Lesson& lesson) {
    const std::string problem = session_.open(lesson);
    if (!problem.empty())
        return QString::fromStdString(problem);
    // Computing the new throw brought the trajectory graph to the front; the lesson's own comes
    // back after it.
    session_.setGraph(lesson.graph);
    history_.clear();
    return {};
}

} // namespace ui
