#include "model/measure/MeasuredTexts.h"

#include "model/TextMarks.h"
#include "model/Translation.h"
#include "model/exact/Reynolds.h"
#include "model/exact/ReynoldsText.h"
#include "model/measure/VerticalMotion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace model::measure {

namespace {

constexpr const char* modelNames[3] = {QT_TRANSLATE_NOOP("Texts", "вакуум"), "Fc~v", "Fc~v^2"};

// A number with `digits` significant digits, as printf's %g writes it; a dash when not finite.
std::string number(double v, int digits = 5) {
    if (!std::isfinite(v))
        return "—";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.*g", digits, v);
    return buf;
}

std::string fixed(double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// Points first to last by their numbers in time order: «3» or «118–120».
std::string numbers(std::size_t first, std::size_t last) {
    return first == last ? std::to_string(first)
                         : std::to_string(first) + "–" + std::to_string(last);
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const std::string& p : parts)
        out += (out.empty() ? "" : separator) + p;
    return out;
}

// The value and its standard error in the input's unit, «10.02 ± 0.03 м/с».
std::string withError(double value, double error, const FieldRow& f) {
    const std::string unit = translated(f.unit);
    if (!std::isfinite(error))
        return number(value) + ' ' + unit;
    return number(value, 6) + " ± " + number(error, 2) + ' ' + unit;
}

// The fitted ball's Re at the launch and at the landing, with the regime (once when both
// agree): «38000 → 23000 — сопротивление ~v²».
std::string reynoldsText(const Inputs& in, ModelKind kind) {
    const exact::ReynoldsNumbers re = exact::reynoldsNumbers(in);
    const double landing = kind == ModelKind::linear ? re.end1 : re.end2;
    const auto regime = [](double r) { return exact::regimeText(exact::flowRegime(r)); };
    const std::string start = exact::reynoldsNumberText(re.start);
    if (!std::isfinite(landing)) // a ball that does not come down
        return start + " — " + regime(re.start);
    const std::string end = exact::reynoldsNumberText(landing);
    if (regime(re.start) == regime(landing))
        return start + " → " + end + " — " + regime(re.start);
    return start + " → " + end + " — " + regime(re.start) + " → " + regime(landing);
}

// The correlations of each pair of fitted inputs, «Vo–α −0.93; Vo–Cd 0.71»: near ±1 the points
// fix a combination of the two, not each of them.
std::string correlationText(const ModelFit& fit) {
    std::vector<std::string> names;
    for (const Field f : fit.fitted) {
        const std::string name = translated(row(f).accessibleName);
        names.push_back(name.substr(0, name.find(", ")));
    }
    if (fit.cdFitted)
        names.push_back("Cd");
    const std::size_t q = names.size();
    if (q < 2 || fit.correlation.size() != q * q)
        return "—";
    std::vector<std::string> pairs;
    for (std::size_t i = 0; i < q; ++i)
        for (std::size_t j = i + 1; j < q; ++j) {
            const double r = fit.correlation[i * q + j];
            std::string value = std::isfinite(r) ? fixed(r, 2) : "—";
            if (value.starts_with('-'))
                value.replace(0, 1, "−");
            pairs.push_back(names[i] + "–" + names[j] + ' ' + value);
        }
    return joined(pairs, "; ");
}

} // namespace

ModelDistances modelDistances(const Measurements& m, const Inputs& inputs) {
    const Residuals r = residuals(m, inputs);
    ModelDistances d{{r.vacuum, r.linear, r.quadratic}, {}};
    // As the points are compared: a vertical motion straight down or up, a path across (its
    // points have no times, so none lies outside a flight).
    const Inputs at = inputsFor(m, inputs);
    const ModelKind kinds[3] = {ModelKind::vacuum, ModelKind::linear, ModelKind::quadratic};
    if (!m.withoutTimes())
        for (int i = 0; i < 3; ++i)
            d.outside[i] = outsideFlight(m.points, at, kinds[i]);
    return d;
}

std::string modelName(int model) {
    return translated(modelNames[std::clamp(model, 0, 2)]);
}

std::string sourceText(const Measurements& m) {
    return translated(QT_TRANSLATE_NOOP("Texts", "Источник: %1"),
                      {std::filesystem::path(m.source).filename().string()});
}

std::string countsText(const Measurements& m) {
    return translated(QT_TRANSLATE_NOOP("Texts", "Точек: %1, пропущено строк: %2"),
                      {std::to_string(m.points.size()), std::to_string(m.skipped)});
}

std::string distancesHeading(const Measurements& m) {
    // Points without times are compared with the models' paths, not with their positions.
    return m.withoutTimes()
               ? translated(QT_TRANSLATE_NOOP(
                     "Texts", "Среднеквадратичное расстояние от точек до траекторий моделей:"))
               : translated(
                     QT_TRANSLATE_NOOP("Texts", "Среднеквадратичное отклонение моделей от точек:"));
}

std::string distanceText(int model, double rms) {
    return std::isfinite(rms) ? translated(QT_TRANSLATE_NOOP("Texts", "%1: %2 м"),
                                           {modelName(model), fixed(rms, 4)})
                              : modelName(model) + ": —";
}

std::string outsideFlightText(const ModelDistances& d, std::size_t n) {
    // The points are in time order: those before the launch come first, those after the
    // landing last.
    std::vector<std::string> lines;
    for (int i = 0; i < 3; ++i) {
        const OutsideFlight& o = d.outside[std::size_t(i)];
        std::vector<std::string> parts;
        if (o.beforeLaunch > 0)
            parts.push_back(
                translated(QT_TRANSLATE_NOOP("Texts", "до броска: %1 (№ %2)"),
                           {std::to_string(o.beforeLaunch), numbers(1, o.beforeLaunch)}));
        if (o.afterLanding > 0 && o.afterLanding <= n)
            parts.push_back(
                translated(QT_TRANSLATE_NOOP("Texts", "после приземления: %1 (№ %2)"),
                           {std::to_string(o.afterLanding), numbers(n - o.afterLanding + 1, n)}));
        if (!parts.empty())
            lines.push_back(modelName(i) + " — " + joined(parts, ", "));
    }
    if (lines.empty())
        return {};
    lines.insert(lines.begin(), translated(QT_TRANSLATE_NOOP(
                                    "Texts", "Точки вне полёта модели (сравниваются с точкой "
                                             "броска или приземления):")));
    return joined(lines, "\n");
}

FitTable fitTable(const FitResult& result) {
    FitTable t;
    // The free inputs of the fit: every model fitted those of them it depends on.
    std::vector<Field> fields;
    for (const Field f : allFields)
        if (std::any_of(result.models.begin(), result.models.end(), [f](const ModelFit& m) {
                return std::find(m.fitted.begin(), m.fitted.end(), f) != m.fitted.end();
            }))
            fields.push_back(f);
    const bool cd = std::any_of(result.models.begin(), result.models.end(),
                                [](const ModelFit& m) { return m.cdFitted; });
    t.headers.push_back(translated(QT_TRANSLATE_NOOP("Texts", "Модель")));
    for (const Field f : fields)
        t.headers.push_back(translated(row(f).accessibleName));
    if (cd)
        t.headers.push_back("Cd");
    for (const char* h :
         {QT_TRANSLATE_NOOP("Texts", "Корреляции"), QT_TRANSLATE_NOOP("Texts", "СКО, м"),
          QT_TRANSLATE_NOOP("Texts", "Итераций"),
          QT_TRANSLATE_NOOP("Texts", "Re при броске → при падении")})
        t.headers.push_back(translated(h));
    if (result.best)
        t.best = int(*result.best) - 1;
    const std::string dash = "—", noEffect = translated(QT_TRANSLATE_NOOP("Texts", "не влияет"));
    for (int m = 0; m < 3; ++m) {
        const ModelFit& fit = result.models[std::size_t(m)];
        std::vector<std::string>& cells = t.rows[std::size_t(m)];
        cells.push_back(modelName(m) +
                        (t.best == m ? translated(QT_TRANSLATE_NOOP("Texts", " ★ лучшая")) : ""));
        for (const Field f : fields) {
            const bool used =
                std::find(fit.fitted.begin(), fit.fitted.end(), f) != fit.fitted.end();
            cells.push_back(
                !fit.converged ? dash
                : used ? withError(inputOf(fit.inputs, f), fit.errors[std::size_t(f)], row(f))
                       : noEffect);
        }
        if (cd)
            cells.push_back(!fit.converged ? dash
                            : fit.cdFitted
                                ? number(fit.inputs.cd, 6) + " ± " + number(fit.cdError, 2)
                                : noEffect);
        if (!fit.converged) {
            cells.push_back(
                translated(QT_TRANSLATE_NOOP("Texts", "не сошлась: %1"), {fit.problem}));
            continue;
        }
        cells.push_back(correlationText(fit));
        cells.push_back(number(fit.rms));
        cells.push_back(std::to_string(fit.iterations));
        // The vacuum has no medium to speak of.
        cells.push_back(m == 0 ? dash : reynoldsText(fit.inputs, fit.model));
    }
    return t;
}

std::string fitStatusText(bool cancelled, std::optional<ModelKind> best) {
    if (cancelled)
        return translated(
            QT_TRANSLATE_NOOP("Texts", "Подгонка отменена; входные данные не изменились."));
    if (!best)
        return translated(QT_TRANSLATE_NOOP(
            "Texts", "Ни одна модель не подогнана; входные данные не изменились."));
    return translated(QT_TRANSLATE_NOOP("Texts", "Готово. Лучшая модель: %1."),
                      {modelName(int(*best) - 1)});
}

std::string verticalAngleNotWrittenText(int angle) {
    return translated(QT_TRANSLATE_NOOP("Texts", "Угол %1° не записан: поле угла принимает -90 < "
                                                 "α < 90, а модели вертикального движения "
                                                 "считались при α = %1°."),
                      {std::to_string(angle)});
}

} // namespace model::measure
