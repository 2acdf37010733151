#include "cli/Report.h"

#include "model/QuadraticDragStepper.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace cli {

namespace {

std::string number(double v) {
    if (!std::isfinite(v))
        return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string quoted(std::string_view s) {
    std::string q = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            q += buf;
        } else {
            q += c;
        }
    }
    return q + "\"";
}

const char* outcomeText(model::FlightOutcome o) {
    return o == model::FlightOutcome::tooLong
               ? "the flight needs more than 10000000 steps"
               : "a value is infinite or not a number (the inputs are too large)";
}

std::string labelText(const std::vector<model::LabelText>& labels, std::string_view name) {
    for (const auto& l : labels)
        if (l.label == name)
            return l.text;
    return {};
}

} // namespace

Report buildReport(const model::Inputs& in, bool withCurves) {
    Report r;
    r.inputs = in;
    constexpr int nSteps = 1000, pauseEvery = 10;
    r.closed = model::parametr(in);
    auto fail = [&r](model::FlightOutcome o, const char* model) {
        r.outcome = o;
        r.failure = std::string(model) + " flight not finished: " + outcomeText(o);
        return r;
    };

    r.linear = model::raschet1(in, r.closed, nSteps);
    if (r.linear.outcome != model::FlightOutcome::finished)
        return fail(r.linear.outcome, "linear-drag");
    r.trajectory = model::minmax(r.closed, r.linear.Xmax1, 1, 1.0f);

    r.quadratic = model::flyQuadraticDrag(in, r.closed, nSteps, pauseEvery);
    if (r.quadratic.outcome != model::FlightOutcome::finished)
        return fail(r.quadratic.outcome, "quadratic-drag");
    r.velocity = model::minmax_2(in, r.closed, r.linear.Tmax1, r.quadratic.Tmax2, 1, 1);

    r.curves =
        model::raschet3(in, r.closed, r.linear.Tmax1, r.quadratic.Tmax2, r.quadratic.dt, nSteps);
    if (r.curves.outcome != model::FlightOutcome::finished)
        return fail(r.curves.outcome, "quadratic-drag velocity");

    if (const std::string names = notFiniteResults(r); !names.empty()) {
        r.outcome = model::FlightOutcome::notFinite;
        r.failure = "a value overflows: " + names;
        return r;
    }

    if (withCurves) {
        r.vacuumPath = model::raschet0(in, r.closed, r.trajectory.trajOriginX,
                                       r.trajectory.trajRangeX, nSteps);
        model::linearDragPoints(in, r.closed, nSteps, r.linearPath);
        model::QuadraticDragStepper s(in, r.closed, nSteps);
        r.quadraticPath.reserve(static_cast<std::size_t>(r.quadratic.steps));
        while (!s.done()) {
            s.step();
            r.quadraticPath.push_back({static_cast<float>(s.x()), static_cast<float>(s.y())});
        }
    }
    return r;
}

std::vector<ReportedResult> reportedResults(const Report& r) {
    const auto& c = r.closed;
    const auto& q = r.quadratic;
    const auto& lin = r.linear;
    auto closed = [&c](const char* name, double v, const char* label) {
        return ReportedResult{name, v, labelText(c.labels, label)};
    };
    return {
        closed("a_max", c.a_max, "Label20"),
        closed("Tp", c.Tp, "Label16"),
        closed("Xp", c.Xp, "Label33"),
        closed("Ymax", c.Ymax, "Label19"),
        closed("Tmax", c.Tmax, "Label17"),
        closed("Xmax", c.Xmax, "Label18"),
        closed("VxEnd", c.VxEnd, "Label37"),
        closed("VyEnd", c.VyEnd, "Label38"),
        closed("m", c.m, "Label43"),
        closed("tau", c.tau, "Label22"),
        closed("Vp1", c.Vp1, "Label23"),
        closed("Tp1", c.Tp1, "Label24"),
        closed("Xp1", c.Xp1, "Label34"),
        closed("Ymax1", c.Ymax1, "Label25"),
        closed("Vp2", c.Vp2, "Label44"),
        closed("R2", c.R2, "Label45"),
        {"Tmax1", lin.Tmax1, labelText(lin.labels, "Label26")},
        {"Xmax1", lin.Xmax1, labelText(lin.labels, "Label27")},
        {"VxEnd1", lin.VxEnd1, labelText(lin.labels, "Label39")},
        {"VyEnd1", lin.VyEnd1, labelText(lin.labels, "Label40")},
        {"Tp2", q.Tp2, labelText(q.labels, "Label29")},
        {"Xp2", q.Xp2, labelText(q.labels, "Label35")},
        {"Ymax2", q.Ymax2, labelText(q.labels, "Label30")},
        {"Tmax2", q.Tmax2, labelText(q.labels, "Label31")},
        {"Xmax2", q.Xmax2, labelText(q.labels, "Label32")},
        {"VxEnd2", q.VxEnd2, labelText(q.labels, "Label41")},
        {"VyEnd2", q.VyEnd2, labelText(q.labels, "Label42")},
    };
}

std::string notFiniteResults(const Report& r) {
    std::string names;
    for (const ReportedResult& q : reportedResults(r))
        if (!std::isfinite(q.value))
            names += (names.empty() ? "" : ", ") + q.name;
    return names;
}

std::string reportJson(const Report& r) {
    const std::vector<ReportedResult> results = reportedResults(r);
    const auto& lin = r.linear;
    const auto& q = r.quadratic;

    const auto& in = r.inputs;
    std::string j = "{\"inputs\": {\"h0\": " + number(in.h0) + ", \"v0\": " + number(in.v0) +
                    ", \"angle\": " + number(in.alphaDeg) + ", \"d\": " + number(in.d) +
                    ", \"rho\": " + number(in.rho) + ", \"rho0\": " + number(in.rho0) +
                    ", \"eta\": " + number(in.eta) + "}, \"results\": {";
    for (std::size_t i = 0; i < results.size(); ++i) {
        j += (i ? ", " : "") + quoted(results[i].name) +
             ": {\"value\": " + number(results[i].value) +
             ", \"text\": " + quoted(results[i].text) + "}";
    }
    auto edges = [](double left, double top, double right, double bottom) {
        std::string e = "[";
        for (const double x : {left, top, right})
            e += number(x) + ", ";
        return e + number(bottom) + "]";
    };
    const auto& t = r.trajectory;
    const auto& v = r.velocity;
    j += "}, \"ranges\": {\"trajectory\": " + edges(t.left, t.top, t.right, t.bottom) +
         ", \"vx\": " + edges(v.left, v.vxTop, v.right, v.vxBottom) +
         ", \"vy\": " + edges(v.left, v.vyTop, v.right, v.vyBottom) + "}";
    j += ", \"steps\": {\"linear\": " + std::to_string(lin.points) +
         ", \"quadratic\": " + std::to_string(q.steps) +
         ", \"velocity\": " + std::to_string(r.curves.passes) + "}}";
    return j;
}

void writeCurvesCsv(const Report& r, std::ostream& out) {
    const model::PanePoint start{0, static_cast<float>(r.inputs.h0)};
    auto curve = [&out](const char* name, const std::vector<model::PanePoint>& pts,
                        const model::PanePoint* first) {
        char buf[80];
        if (first) {
            std::snprintf(buf, sizeof buf, "%s,%.9g,%.9g\n", name, first->x, first->y);
            out << buf;
        }
        for (const auto& p : pts) {
            std::snprintf(buf, sizeof buf, "%s,%.9g,%.9g\n", name, p.x, p.y);
            out << buf;
        }
    };
    out << "curve,x,y\n";
    curve("trajectory_vacuum", r.vacuumPath.points, &start);
    curve("trajectory_linear", r.linearPath, &start);
    curve("trajectory_quadratic", r.quadraticPath, &start);
    const auto& c = r.curves;
    curve("vx_vacuum", c.vacuumVx, nullptr);
    curve("vx_linear", c.linearVx, nullptr);
    curve("vx_quadratic", c.quadraticVx, nullptr);
    curve("vy_vacuum", c.vacuumVy, nullptr);
    curve("vy_linear", c.linearVy, nullptr);
    curve("vy_quadratic", c.quadraticVy, nullptr);
}

} // namespace cli
