#include "ui/study/StudyTable.h"

#include "model/NumberFormat.h"
#include "ui/platform/Language.h"
#include "ui/study/StudyPlot.h"

namespace ui {

namespace {

// A column reads best with the same decimals in every row: the label's three decimals, written
// out («0.979», «2.080», «1.000», where the label shortens them), or its scientific form.
QString valueText(double v, model::NumberRule rule) {
    if (rule == model::NumberRule::scientific)
        return QString::fromStdString(model::formatScientific(v)).trimmed();
    return QString::fromStdString(model::formatPattern(v, "0.000")).trimmed();
}

} // namespace

void StudyTable::setStudy(std::shared_ptr<const StudyOutcome> study, model::ResultFamily family) {
    beginResetModel();
    study_ = std::move(study);
    members_ = model::familyMembers(family);
    endResetModel();
}

void StudyTable::setFamily(model::ResultFamily family) {
    setStudy(study_, family);
}

void StudyTable::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int StudyTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !study_ ? 0 : static_cast<int>(study_->points.size());
}

int StudyTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(members_.size()) + 2;
}

QVariant StudyTable::data(const QModelIndex& index, int role) const {
    if (!study_ || !index.isValid())
        return {};
    const model::StudyPoint& p = study_->points[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const bool computed = p.state == model::PointState::computed;
    const bool note = column == columnCount() - 1;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(note ? Qt::AlignLeft | Qt::AlignVCenter
                                        : Qt::AlignRight | Qt::AlignVCenter);
    if (column == 0) {
        const double input =
            computed || p.state == model::PointState::unfinished ? p.input : p.requested;
        if (role == Qt::UserRole)
            return input;
        if (role == Qt::DisplayRole)
            return QString::fromStdString(
                model::formatFixed(input, model::row(study_->plan.field).pattern));
        return {};
    }
    if (note)
        return role == Qt::DisplayRole ? QString::fromStdString(p.message) : QVariant();
    const model::Quantity q = members_[static_cast<std::size_t>(column - 1)];
    switch (role) {
    case Qt::UserRole:
        return computed ? QVariant(p.value(q)) : QVariant();
    case Qt::DisplayRole:
        if (computed)
            return valueText(p.value(q), model::row(q).rule);
        return p.state == model::PointState::unfinished ? QStringLiteral("—") : QString();
    case Qt::ForegroundRole:
        return graphs::colourOf(model::row(q).model);
    default:
        return {};
    }
}

QVariant StudyTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section == 0) {
        if (role != Qt::DisplayRole || !study_)
            return {};
        return modelText(model::row(study_->plan.field).accessibleName);
    }
    if (section == columnCount() - 1)
        return role == Qt::DisplayRole ? Texts::tr("Примечание") : QVariant();
    const model::QuantityRow& r = model::row(members_[static_cast<std::size_t>(section - 1)]);
    if (role == Qt::ForegroundRole)
        return graphs::colourOf(r.model);
    if (role == Qt::DisplayRole) {
        QString name = QString::fromUtf8(r.prefix);
        name.chop(2); // "= "
        const QString unit = modelText(r.unit).trimmed();
        return unit.isEmpty() ? name : name + QStringLiteral(", ") + unit;
    }
    return {};
}

} // namespace ui
