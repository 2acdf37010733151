#include "cli/StudyReport.h"

#include "cli/Report.h"

namespace cli {

model::StudySpec studySpec(const StudyOptions& study, const model::Inputs& base) {
    return {study.field, study.from, study.to, study.count, base};
}

std::vector<model::Quantity> studyColumns(const StudyOptions& study) {
    if (study.result)
        return model::familyMembers(model::row(*study.result).family);
    std::vector<model::Quantity> all;
    for (const model::QuantityRow& r : model::quantityRows())
        all.push_back(r.id);
    return all;
}

void writeSkippedPoints(const model::StudySpec& plan, const std::vector<model::StudyPoint>& points,
                        std::ostream& out) {
    for (const model::StudyPoint& p : points)
        if (p.state != model::PointState::computed)
            out << model::row(plan.field).key << '=' << exactNumber(p.requested) << ": "
                << p.message << '\n';
}

} // namespace cli
