#include "model/study/StudyCsv.h"

#include <cmath>
#include <cstdio>

namespace model {

namespace {

// Reads back to the same double.
void writeExact(std::ostream& out, double v) {
    if (!std::isfinite(v)) {
        out << "null";
        return;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    out << buf;
}

} // namespace

void writeStudyCsv(const StudySpec& plan, const std::vector<StudyPoint>& points,
                   const std::vector<Quantity>& columns, std::ostream& out) {
    out << row(plan.field).key;
    for (const Quantity q : columns)
        out << ',' << row(q).key;
    out << '\n';
    for (const StudyPoint& p : points) {
        const bool computed = p.state == PointState::computed;
        writeExact(out, computed ? p.input : p.requested);
        for (const Quantity q : columns) {
            out << ',';
            if (computed)
                writeExact(out, p.value(q));
        }
        out << '\n';
    }
}

} // namespace model
