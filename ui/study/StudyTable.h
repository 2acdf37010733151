#pragma once

#include "ui/study/StudyJob.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace ui {

// The points of a study as a table: the input, the results of one family (one column per
// model, headed like «Xmax2, м» in the model's colour) and a note. A value is written with its
// label's decimals, the same in every row; Qt::UserRole holds the exact double. A refused point
// shows the value asked for, empty results and the field's message; a point that could not finish
// shows «—» and why.
class StudyTable : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setStudy(std::shared_ptr<const StudyOutcome> study, model::ResultFamily family);
    void setFamily(model::ResultFamily family);
    // The headers are named again (after a change of language).
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const StudyOutcome> study_;
    std::vector<model::Quantity> members_;
};

} // namespace ui
