#include "cli/Report.h"

#include "model/exact/ExactResults.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace cli {

std::string exactNumber(double v) {
    if (!std::isfinite(v))
        return "null";
    char buf[40];
    // Unlike printf, to_chars writes "." in any locale.
    const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17).ptr;
    return std::string(buf, end);
}

namespace {

std::string number(double v) {
    return exactNumber(v);
}

} // namespace

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

namespace {

const char* modelName(model::ThrowStep step) {
    switch (step) {
    case model::ThrowStep::closedForms:
        return "closed-form";
    case model::ThrowStep::linearWalk:
    case model::ThrowStep::trajectoryRanges:
    case model::ThrowStep::vacuumPath:
    case model::ThrowStep::linearPath:
        return "linear-drag";
    case model::ThrowStep::flight:
        return "quadratic-drag";
    case model::ThrowStep::velocityRanges:
    case model::ThrowStep::velocityCurves:
        return "quadratic-drag velocity";
    }
    return "";
}

std::string edges(double left, double top, double right, double bottom) {
    return "[" + number(left) + ", " + number(top) + ", " + number(right) + ", " + number(bottom) +
           "]";
}

} // namespace

model::Throw computeThrow(const model::Inputs& in, bool everyStep) {
    model::ThrowSettings settings;
    if (everyStep) {
        settings.pauseEvery = 1;
    } else {
        // Only the results and the step counts are printed; the curves are checked as the
        // window draws them, not kept.
        settings.curves = false;
        settings.checkCurves = true;
    }
    model::Throw t(in, settings);
    t.runToEnd();
    return t;
}

std::string failureText(const model::Throw& t) {
    std::string names;
    for (const model::Quantity q : t.notFinite())
        names += (names.empty() ? "" : ", ") + std::string(model::row(q).key);
    if (!names.empty())
        return "a value overflows: " + names;
    if (!t.failed())
        return {};
    const char* why = t.outcome() == model::FlightOutcome::tooLong
                          ? "the flight needs more than 10000000 steps"
                          : "a value is infinite or not a number (the inputs are too large)";
    return std::string(modelName(*t.failedAt())) + " flight not finished: " + why;
}

ExactFigures exactFigures(const model::Inputs& in, bool precise) {
    const auto linear = model::exact::flightEnds(in, model::ModelKind::linear);
    const auto quadratic = model::exact::flightEnds(in, model::ModelKind::quadratic);
    ExactFigures f;
    f.reynolds = model::exact::reynoldsNumbers(in, linear.landing, quadratic.landing);
    if (precise) {
        // The quadratic-drag flight's values first, then the linear walk's.
        auto values = model::exact::exactValues(linear, quadratic);
        std::stable_partition(values.begin(), values.end(), [](const auto& v) {
            return model::row(v.first).model == model::ModelKind::quadratic;
        });
        f.precise = std::move(values);
    }
    return f;
}

std::string reportJson(const model::Throw& t, bool precise) {
    return reportJson(t, exactFigures(t.inputs(), precise));
}

std::string reportJson(const model::Throw& t, const ExactFigures& exact) {
    std::string j = "{\"inputs\": {";
    for (const model::FieldRow& f : model::fieldRows())
        j += (f.id == model::Field::h0 ? "" : ", ") + quoted(f.key) + ": " +
             number(model::inputOf(t.inputs(), f.id));
    // Named only when it is not the usual one, so that those reports stay as they were.
    if (t.inputs().cd != model::dragCoefficient)
        j += ", \"cd\": " + number(t.inputs().cd);
    j += "}, \"results\": {";
    for (const model::QuantityRow& q : model::quantityRows())
        j += (q.id == model::Quantity::a_max ? "" : ", ") + quoted(q.key) +
             ": {\"value\": " + number(t.value(q.id).value_or(NAN)) +
             ", \"text\": " + quoted(t.text(q.id)) + "}";
    const auto& r = t.trajectoryRanges();
    const auto& v = t.velocityRanges();
    j += "}, \"ranges\": {\"trajectory\": " + edges(r.left, r.top, r.right, r.bottom) +
         ", \"vx\": " + edges(v.left, v.vxTop, v.right, v.vxBottom) +
         ", \"vy\": " + edges(v.left, v.vyTop, v.right, v.vyBottom) + "}";
    j += ", \"steps\": {\"linear\": " + std::to_string(t.linear().points) +
         ", \"quadratic\": " + std::to_string(t.flight().stepCount()) +
         ", \"velocity\": " + std::to_string(t.velocityCurves().passes) + "}";
    const model::exact::ReynoldsNumbers& re = exact.reynolds;
    j += ", \"reynolds\": {\"start\": " + number(re.start) + ", \"end1\": " + number(re.end1) +
         ", \"end2\": " + number(re.end2) + "}";
    if (exact.precise) {
        const auto& values = *exact.precise;
        j += ", \"precise\": {";
        for (std::size_t i = 0; i < values.size(); ++i)
            j += (i ? ", " : "") + quoted(model::row(values[i].first).key) + ": " +
                 number(values[i].second);
        j += "}";
    }
    return j + "}";
}

} // namespace cli
