#include "model/study/StudyMarks.h"

#include "model/NumberFormat.h"
#include "model/Translation.h"
#include "model/exact/ExactResults.h"
#include "model/physics/ClosedForm.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <functional>

namespace model {

namespace {

// The largest of f on [a, b] to within tol, found by golden-section search.
double goldenSectionMaximum(const std::function<double(double)>& f, double a, double b,
                            double tol) {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 200 && std::fabs(b - a) > tol; ++i) {
        if (fc >= fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - r * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + r * (b - a);
            fd = f(d);
        }
    }
    return (a + b) / 2;
}

int decimalsOf(std::string_view pattern) {
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

std::string withDecimals(double v, int decimals) {
    std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return formatPattern(v, pattern, '.');
}

std::string trimmed(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

// The mark of one extreme of one curve; sign is +1 for the greatest, −1 for the least.
std::optional<StudyMark> extremeOf(const StudySpec& plan, const std::vector<StudyPoint>& points,
                                   Quantity q, Extreme extreme, const std::atomic<bool>* stop) {
    const double sign = extreme == Extreme::greatest ? 1 : -1;
    std::optional<std::size_t> best, first, last;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].state != PointState::computed)
            continue;
        if (!first)
            first = i;
        last = i;
        if (!best || sign * points[i].value(q) > sign * points[*best].value(q))
            best = i;
    }
    if (!best)
        return std::nullopt;
    if (extreme == Extreme::least && (best == first || best == last))
        return std::nullopt;

    const StudyPoint& p = points[*best];
    StudyMark m{q, extreme, p.input, p.value(q), false, std::fabs(studySpacing(plan)) / 2, {}};
    // Every result is smooth in the inputs, the closed forms by their formulas and the results of
    // the walks by their exact values: the mark is refined between the neighbouring points.
    auto neighbour = [&](std::ptrdiff_t step) {
        const std::ptrdiff_t j = static_cast<std::ptrdiff_t>(*best) + step;
        if (j < 0 || j >= static_cast<std::ptrdiff_t>(points.size()) ||
            points[static_cast<std::size_t>(j)].state != PointState::computed)
            return p.input;
        return points[static_cast<std::size_t>(j)].input;
    };
    auto f = [&](double x) {
        if (stop && stop->load())
            return -HUGE_VAL;
        Inputs in = plan.base;
        inputOf(in, plan.field) = x;
        const std::optional<double> value =
            row(q).stage == Stage::closedForms ? closedFormValue(q, in) : exact::exactValue(q, in);
        const double v = sign * value.value_or(NAN);
        return std::isfinite(v) ? v : -INFINITY;
    };
    const double atPoint = f(p.input);
    if (std::isfinite(atPoint)) {
        const double tol = std::min(0.01, std::fabs(studySpacing(plan)) / 100);
        // The search ends within tol of an end of its bracket; a curve that rises to that end
        // takes the end itself.
        m.input = p.input;
        double best = atPoint;
        for (const double x : {goldenSectionMaximum(f, neighbour(-1), neighbour(1), tol),
                               neighbour(-1), neighbour(1)})
            if (const double v = f(x); v > best) {
                best = v;
                m.input = x;
            }
        m.value = sign * best;
        m.refined = true;
        m.precision = 0;
    }
    m.text = markText(plan, m);
    return m;
}

} // namespace

std::string markText(const StudySpec& plan, const StudyMark& m) {
    const FieldRow& f = row(plan.field);
    const QuantityRow& q = row(m.quantity);
    const FamilyRow& family = row(q.family);
    std::string text = translated(m.extreme == Extreme::greatest ? family.greatest : family.least);
    if (q.model != ModelKind::common) {
        std::string column = translated(row(q.model).text); // "__ в вакууме" without "__ "
        if (column.starts_with("__ "))
            column.erase(0, 3);
        text += " " + column;
    }
    const std::string symbol(f.accessibleName, std::string_view(f.accessibleName).find(','));
    int decimals = decimalsOf(f.pattern);
    std::string at;
    if (m.refined) {
        at = withDecimals(m.input, std::max(decimals, 2));
    } else {
        // Enough decimals to show the precision at all.
        while (decimals < 12 &&
               withDecimals(m.precision, decimals).find_first_not_of("0.") == std::string::npos)
            ++decimals;
        at = withDecimals(m.input, decimals) + " ± " + withDecimals(m.precision, decimals);
    }
    std::string prefix(q.prefix);
    prefix.erase(prefix.find_last_not_of("= ") + 1);
    return text + ": " + symbol + " = " + at + " " + translated(f.unit) + ", " + prefix + " = " +
           trimmed(formatByRule(m.value, q.rule)) + translated(q.unit);
}

std::optional<double> closedFormValue(Quantity q, const Inputs& in) {
    if (row(q).stage != Stage::closedForms)
        return std::nullopt;
    return closedFormValue(closedForms(in), q);
}

std::vector<StudyMark> studyMarks(const StudySpec& plan, const std::vector<StudyPoint>& points,
                                  ResultFamily family, const std::atomic<bool>* stop) {
    std::vector<StudyMark> marks;
    for (const Quantity q : familyMembers(family)) {
        std::optional<double> seen;
        bool flat = true;
        for (const StudyPoint& p : points)
            if (p.state == PointState::computed) {
                flat = flat && (!seen || p.value(q) == *seen);
                seen = p.value(q);
            }
        if (flat)
            continue;
        for (const Extreme e : {Extreme::greatest, Extreme::least})
            if (auto mark = extremeOf(plan, points, q, e, stop))
                marks.push_back(std::move(*mark));
    }
    return marks;
}

} // namespace model
