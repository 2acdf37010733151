// The page's way into the program: one lesson's session and run, the catalogue's texts and the
// panes' drawing, as the window has them. Everything crosses as JSON text; the page only shows it.
#include "graphs/Axes.h"
#include "model/InputFields.h"
#include "model/NumberFormat.h"
#include "model/PresetTable.h"
#include "model/ProgramTexts.h"
#include "model/Quantities.h"
#include "model/Translation.h"
#include "model/curves/CurveLookup.h"
#include "model/curves/CurvesCsv.h"
#include "model/measure/MeasuredTexts.h"
#include "model/measure/TableImport.h"
#include "model/session/LessonFile.h"
#include "model/session/Run.h"
#include "model/session/Session.h"
#include "ui/run/AnimationSpeed.h"
#include "ui/run/FailureTexts.h"
#include "ui/run/ThrowDrawing.h"
#include "ui/run/UnderlayStack.h"
#include "ui/tools/KeptThrowDrawing.h"
#include "web/FitJson.h"
#include "web/PageComparison.h"
#include "web/PageImport.h"
#include "web/PageMeasurements.h"

#include <emscripten/bind.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <map>
#include <sstream>
#include <string>

namespace {

using Json = nlohmann::json;

// English from the translation file, as Qt's translator looks it up: with the disambiguation
// first, then without it; a text it lacks stays Russian.
std::map<std::string, std::string> english;

// The presets of materials and media (data/presets.tsv, handed over by the page at start).
model::PresetTable presetTable;

std::string translate(const char* russian, const char* disambiguation) {
    if (disambiguation && *disambiguation) {
        const auto it = english.find(std::string(russian) + '\x04' + disambiguation);
        if (it != english.end())
            return it->second;
    }
    const auto it = english.find(russian);
    return it == english.end() ? std::string(russian) : it->second;
}

// A translated text with its %1, %2 … put in, as QString::arg does.
std::string withArgs(const char* russian, std::initializer_list<std::string> args) {
    std::string text = model::translated(russian);
    int n = 0;
    for (const std::string& arg : args) {
        const std::string mark = "%" + std::to_string(++n);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), arg);
    }
    return text;
}

Json message(const std::string& text, const char* title) {
    return {{"problem", text}, {"title", model::translated(title)}};
}

// The files a graph's picture and data are offered as, as the window names them.
const std::array<const char*, 3> graphFileStems{"ballflight-trajectory", "ballflight-vx",
                                                "ballflight-vy"};
const std::array<unsigned, 3> graphCurveGroups{model::trajectoryCurves, model::vxCurves,
                                               model::vyCurves};

std::string colourText(const QColor& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

// A pane as a list of drawing operations for the page's canvas; it keeps those made since the
// page last took them (a clear starts the list again).
class RecordedPane : public graphs::PaneSurface {
public:
    void clear() override {
        ops_ = Json::array({Json::array({"c"})});
        items_ = 0;
    }
    void setScale(double l, double t, double r, double b) override { add({"s", l, t, r, b}); }
    void setPenWidth(int px) override { add({"w", px}); }
    void drawLine(float x1, float y1, float x2, float y2, const QColor& c) override {
        add({"l", x1, y1, x2, y2, colourText(c)});
    }
    void drawLineTo(float x, float y, const QColor& c) override { add({"t", x, y, colourText(c)}); }
    void drawPoint(float x, float y) override { add({"p", x, y}); }
    void drawPoint(float x, float y, const QColor& c) override { add({"p", x, y, colourText(c)}); }
    void moveTo(float x, float y) override { add({"m", x, y}); }
    void printText(const QString& text) override { add({"x", text.toStdString()}); }
    void placeMarker(double x, double y) override { add({"b", x, y}); }
    // What the pane shows since it was last cleared: lines, points, texts and the marker.
    int itemCount() const { return items_; }
    Json take() {
        Json out = std::move(ops_);
        ops_ = Json::array();
        return out;
    }

private:
    void add(Json op) {
        const char kind = op[0].get<std::string>()[0];
        if (kind != 's' && kind != 'w' && kind != 'm')
            ++items_;
        ops_.push_back(std::move(op));
    }
    Json ops_ = Json::array();
    int items_ = 0;
};

class Page {
public:
    Page() {
        underlays_.add(&comparison_);
        underlays_.add(&measured_);
        run_.recompute(session_.inputs(), session_.scaleX(), session_.scaleY());
        drawTrajectory();
        session_.markSaved(); // a fresh lesson has nothing to save
    }

    // The texts of the window that come from the catalogue, in the chosen language.
    std::string texts() const {
        Json fields = Json::array();
        for (const model::FieldRow& f : model::fieldRows())
            fields.push_back({{"key", f.key},
                              {"caption", model::translated(f.caption)},
                              {"overlay", f.overlay ? model::translated(f.overlay) : ""},
                              {"unit", model::translated(f.unitLabel)},
                              {"tooltip", model::translated(f.tooltip)},
                              {"name", model::translated(f.accessibleName)},
                              {"title", model::translated(f.title)}});
        Json results = Json::array();
        for (const model::QuantityRow& q : model::quantityRows())
            results.push_back({{"key", q.key},
                               {"model", static_cast<int>(q.model)},
                               {"stage", static_cast<int>(q.stage)},
                               {"tooltip", model::translated(q.tooltip)},
                               {"title", model::translated(q.title)}});
        Json columns = Json::array();
        for (const model::ColumnRow& c : model::columnRows())
            columns.push_back(
                {{"model", static_cast<int>(c.model)}, {"text", model::translated(c.text)}});
        return Json{{"fields", fields}, {"results", results}, {"columns", columns}}.dump();
    }

    std::string fieldTexts() const { return Json(session_.fieldTexts()).dump(); }

    // A text that arrives whole (typed and committed, pasted): read, checked, repaired and
    // rewritten; the refusals are the message boxes to show, in order. A short recompute follows.
    std::string settle(int field, const std::string& text) {
        const model::FieldSettlement s = session_.settleField(fieldAt(field), text);
        Json refusals = Json::array();
        for (const model::Rejection& r : s.rejections)
            refusals.push_back({{"message", r.message}, {"title", r.title}});
        recompute();
        return Json{{"text", s.text}, {"refusals", refusals}}.dump();
    }

    // Typing in progress: whether the text goes in at once, or what the field allows.
    std::string typing(int field, const std::string& text) {
        const session::Typing t = session_.type(fieldAt(field), text);
        if (t.accepted)
            recompute();
        return Json{{"accepted", t.accepted}, {"allowed", t.allowed}}.dump();
    }

    // The short recompute: a new throw up to the trajectory pane; the flight labels go back to
    // their prefixes and the velocity panes keep what they show.
    // While comparing, a landed throw that this one replaces goes beneath the panes.
    void recompute() {
        run_.abandon();
        shown_ = {true, true, false, false};
        bool kept = false;
        run_.recompute(
            session_.inputs(), session_.scaleX(), session_.scaleY(),
            [this](const model::Throw& landed, const model::Inputs& next) {
                return comparison_.keep(landed, next);
            },
            &kept);
        drawTrajectory();
        if (kept)
            redrawVelocityPanes();
    }

    // ПУСК: the short recompute, then the flight's start dot and its first tick.
    std::string start() {
        recompute();
        Json events = Json::array();
        const model::Throw& t = *run_.current();
        if (t.failed()) // its line is on the pane; ПУСК shows its message too, as the window does
            events.push_back({{"failed", ui::FailureTexts::message(t.outcome()).toStdString()},
                              {"title", ui::FailureTexts::title().toStdString()}});
        else if (run_.startFlight()) {
            ui::drawFlightStart(panes_[0], session_.inputs().h0);
            flying_ = true;
            return tick(1);
        }
        return state(events);
    }

    // One tick of the flight (10 ms at ×1): the pieces drawn, the top, the landing or a failure.
    std::string tick(int groups) {
        Json events = Json::array();
        if (!flying_)
            return state(events);
        for (const session::FlightEvent& e : run_.flight().tick(groups)) {
            using Kind = session::FlightEvent::Kind;
            if (e.kind == Kind::piece) {
                ui::drawFlightPiece(panes_[0], e.point);
            } else if (e.kind == Kind::top) {
                ui::drawTopMarker(panes_[0], e.point);
                shown_[static_cast<std::size_t>(model::Stage::flightTop)] = true;
                events.push_back("top");
            } else if (e.kind == Kind::landed) {
                flying_ = false;
                run_.landed();
                events.push_back("landed");
                break;
            } else {
                flying_ = false;
                fail(e.outcome, events);
                break;
            }
        }
        return state(events);
    }

    // After the landing tone: the landing labels and both velocity panes.
    std::string finishLanding() {
        Json events = Json::array();
        shown_[static_cast<std::size_t>(model::Stage::flightLanding)] = true;
        panes_[1].clear();
        panes_[2].clear();
        const model::Throw& t = *run_.current();
        if (run_.finishLanding())
            ui::drawVelocityPanes(panes_[1], panes_[2], t, '.', &underlays_);
        if (t.failed())
            fail(t.outcome(), events);
        return state(events);
    }

    // The scale bars (0 … 200, 100 at start) and the short recompute they bring.
    void setScaleBars(int x, int y) {
        session_.setScaleBars(x, y);
        recompute();
    }

    bool pause() { return run_.flight().pause(); }
    bool resume() { return run_.flight().resume(); }

    // The labels and the drawing since the last call, without a change.
    std::string current() { return state(Json::array()); }

    // Everything drawn again (after a change of language).
    std::string redraw() {
        drawTrajectory();
        if (run_.flightStarted())
            ui::drawFlightSoFar(panes_[0], *run_.current(),
                                static_cast<std::size_t>(run_.flight().piecesDrawn()));
        if (const model::KeptThrow* earlier = run_.earlierVelocities()) {
            panes_[1].clear();
            panes_[2].clear();
            ui::drawKeptVelocityPanes(panes_[1], panes_[2], *earlier, '.', &underlays_);
        } else {
            redrawVelocityPanes();
        }
        return current();
    }

    void setGraph(int graph) { session_.setGraph(graph); }

    // ---- presets of materials and media ----

    // The presets whose texts the fields show, by their place in the lists; -1 for none.
    std::string matchingPresets() const {
        auto at = [](const model::Preset* p, const std::vector<model::Preset>& list) {
            return p ? static_cast<int>(p - list.data()) : -1;
        };
        const model::Inputs& in = session_.inputs();
        return Json{
            {"material", at(presetTable.matchingMaterial(in.rho), presetTable.materials())},
            {"medium", at(presetTable.matchingMedium(in.rho0, in.eta), presetTable.media())}}
            .dump();
    }
    // A preset's values put into their fields as pastes would be (ρ; or ρo, then η), then the
    // short recompute; the refusals are the boxes to show, in order.
    std::string choosePreset(bool medium, int index) {
        const model::Preset& p = (medium ? presetTable.media() : presetTable.materials())
                                     .at(static_cast<std::size_t>(index));
        Json refusals = Json::array();
        auto put = [&](model::Field f, const std::string& text) {
            for (const model::Rejection& r : session_.settleField(f, text).rejections)
                refusals.push_back({{"message", r.message}, {"title", r.title}});
        };
        if (medium) {
            put(model::Field::rho0, p.densityText());
            put(model::Field::eta, p.viscosityText());
        } else {
            put(model::Field::rho, p.densityText());
        }
        recompute();
        return Json{{"refusals", refusals}}.dump();
    }

    // ---- the readout over a graph ----

    // The box over the graph at a point in its units: the point's coordinates, the measured
    // point nearest it, then for each curve drawn its value at the point's abscissa («—» where
    // there is none), a row for the throw in the models' colours and one for each kept throw in
    // its shade.
    std::string readout(int graph, double x, double y) const {
        static const char* const axes[3][2] = {
            {"Х, м", "Y, м"}, {"t, c", "Vx, м/c"}, {"t, c", "Vy, м/c"}};
        const std::string ink = "#000000";
        auto number = [](std::optional<double> v) {
            return v && std::isfinite(*v) ? model::formatPattern(*v, "0.000") : std::string("—");
        };
        auto cell = [](std::string text, std::string colour) {
            return Json{{"text", std::move(text)}, {"colour", std::move(colour)}};
        };
        const auto g = static_cast<std::size_t>(graph) % 3; // 0 trajectory, 1 Vx, 2 Vy
        const auto plot = static_cast<model::Graph>(graph);
        Json table = Json::array(
            {Json::array({cell(model::translated(axes[g][0]), ink), cell(number(x), ink)}),
             Json::array({cell(model::translated(axes[g][1]), ink), cell(number(y), ink)})});
        struct Row {
            std::string label;
            model::PlotCurves curves;
            bool kept;
        };
        std::vector<Row> rows;
        const model::Throw& t = *run_.current();
        const auto pieces = run_.flightStarted()
                                ? static_cast<std::size_t>(run_.flight().piecesDrawn())
                                : std::size_t{0};
        if (g == 0 && t.trajectoryReady())
            rows.push_back({{}, model::curvesOf(t, plot, pieces), false});
        else if (g != 0 && run_.velocitiesShown())
            rows.push_back({{}, model::curvesOf(t, plot, 0), false});
        else if (g != 0 && run_.earlierVelocities())
            rows.push_back({{}, run_.earlierVelocities()->curvesOn(plot), false});
        for (ui::ThrowUnderlay::ReadoutCurves& k : comparison_.readoutCurves(plot))
            rows.push_back({std::to_string(k.number) + ':', k.curves, true});
        for (const ui::ThrowUnderlay::ReadoutPoint& p : measured_.readoutPoints(plot, x, y)) {
            const std::string colour = colourText(p.colour);
            table.push_back(Json::array({cell(p.label.toStdString(), colour),
                                         cell(number(p.x), colour), cell(number(p.y), colour)}));
        }
        if (rows.empty())
            return table.dump();
        table.push_back(Json::array({cell("", ink), cell(model::translated("вакуум"), ink),
                                     cell("Fc~v", ink), cell("Fc~v^2", ink)}));
        for (Row& r : rows) {
            Json cells = Json::array({cell(r.label, ink)});
            for (std::size_t m = 0; m < model::modelCount; ++m) {
                model::CurveLookup lookup;
                cells.push_back(cell(
                    number(lookup.valueAt(r.curves[m], x)),
                    colourText(r.kept ? ui::keptShade(m)
                                      : graphs::colourOf(static_cast<model::ModelKind>(m + 1)))));
            }
            table.push_back(std::move(cells));
        }
        return table.dump();
    }

    // ---- the comparison of up to five throws ----

    // Comparing on or off (off lets the kept throws go), and the panes drawn again.
    std::string setComparing(bool on) {
        session_.setComparing(on);
        comparison_.follow();
        return redraw();
    }
    std::string clearComparison() {
        session_.clearComparison();
        comparison_.follow();
        return redraw();
    }
    // The legend over the panes and whether there is a comparison to clear.
    std::string legend() const {
        return Json{{"comparing", session_.comparing()},
                    {"entries", comparison_.legend(session_.inputs())}}
            .dump();
    }

    // ---- lessons: the desktop's .ballflight files ----

    // The lesson to download as a file; from then on it counts as saved.
    std::string saveLesson() {
        const std::string text = session::lessonJson(session_.lesson());
        session_.markSaved();
        return Json{{"name", model::translated("урок") + ".ballflight"}, {"text", text}}.dump();
    }

    // The lesson in a chosen file's bytes, put in; or the box that says why it cannot be.
    std::string openLesson(const std::string& bytes, const std::string& fileName) {
        const std::string problem = putIn(bytes);
        if (!problem.empty())
            return message(withArgs("Не удалось открыть урок «%1»: %2.", {fileName, problem}),
                           "Открыть урок")
                .dump();
        session_.markSaved();
        return lessonView().dump();
    }

    // What the browser keeps of the lesson while it differs from the one last saved or opened:
    // the recovery copy's text; nothing when there is no change to keep.
    std::string recoveryCopy() const {
        return session_.modified() ? session::recoveryJson(session_.lesson(), "") : std::string();
    }
    // A copy kept by a closed tab, put back; it stays unsaved until the user saves it.
    std::string recover(const std::string& bytes) {
        const std::string problem = putIn(bytes);
        if (!problem.empty())
            return message(withArgs("Не удалось восстановить урок: %1.", {problem}),
                           "Восстановление урока")
                .dump();
        session_.markUnsaved();
        return lessonView().dump();
    }

    // ---- the shown graph's picture and data ----

    // The name to save the graph's picture under, or why there is nothing to save.
    std::string graphPicture(int graph) const {
        const char* title = "Сохранить график";
        if (panes_.at(static_cast<std::size_t>(graph)).itemCount() == 0)
            return message(model::translated("На графике ещё ничего нет: графики скоростей "
                                             "строятся после нажатия «ПУСК»."),
                           title)
                .dump();
        return Json{
            {"name", std::string(graphFileStems.at(static_cast<std::size_t>(graph))) + ".png"}}
            .dump();
    }
    // The graph's curves as CSV, as the window writes them.
    std::string graphData(int graph) const {
        std::ostringstream rows;
        if (model::writeCurvesCsv(*run_.current(), rows,
                                  graphCurveGroups.at(static_cast<std::size_t>(graph))) == 0)
            return message(model::translated("На графике ещё нет кривых: графики скоростей "
                                             "строятся после нажатия «ПУСК»."),
                           "Сохранить данные")
                .dump();
        return Json{
            {"name", std::string(graphFileStems.at(static_cast<std::size_t>(graph))) + ".csv"},
            {"text", rows.str()}}
            .dump();
    }

    // ---- measured points and their fit ----

    // A measured table's bytes for the import dialog: its preview with the settings the
    // window's dialog would preselect and their count (PageImport), or the box that says why
    // the table cannot be read.
    std::string previewMeasurements(const std::string& bytes, const std::string& fileName) {
        const char* title = "Измерения";
        if (bytes.size() > model::measure::maxTableBytes)
            return message(
                       model::translated("Файл «%1» не прочитан: %2",
                                         {fileName, model::measure::oversizedTableText(fileName)}),
                       title)
                .dump();
        Json preview = import_.open(bytes, fileName);
        if (preview.contains("problem"))
            return message(model::translated("«%1» не прочитан: %2",
                                             {fileName, preview["problem"].get<std::string>()}),
                           title)
                .dump();
        return preview.dump();
    }
    std::string countMeasurements(const std::string& settings, bool guessVertical) {
        return import_.count(Json::parse(settings), guessVertical).dump();
    }
    // The dialog's table read with the settings chosen: its points replace those shown, with
    // the panes drawn again; or the box that says why not.
    std::string openMeasurements(const std::string& settings) {
        std::string problem;
        const std::string fileName = import_.source();
        auto read = import_.take(Json::parse(settings), problem);
        if (!read)
            return message(model::translated("«%1» не прочитан: %2", {fileName, problem}),
                           "Измерения")
                .dump();
        session_.setMeasurements(std::move(*read));
        followPoints();
        return redraw();
    }
    void cancelMeasurements() { import_.close(); }
    std::string removeMeasurements() {
        session_.setMeasurements(std::nullopt);
        followPoints();
        return redraw();
    }

    // The measurements panel's texts as the window shows them, the distances for the inputs
    // shown; {"has": false} without points.
    std::string measurements() {
        const auto& m = session_.measurements();
        if (!m)
            return Json{{"has", false}}.dump();
        if (!distances_ || !sameInputs(distances_->first, session_.inputs()))
            distances_.emplace(session_.inputs(),
                               model::measure::modelDistances(*m, session_.inputs()));
        const model::measure::ModelDistances& d = distances_->second;
        Json lines = Json::array();
        for (int i = 0; i < 3; ++i)
            lines.push_back(model::measure::distanceText(i, d.rms[std::size_t(i)]));
        return Json{{"has", true},
                    {"source", model::measure::sourceText(*m)},
                    {"counts", model::measure::countsText(*m)},
                    {"heading", model::measure::distancesHeading(*m)},
                    {"distances", lines},
                    {"outside", model::measure::outsideFlightText(d, m->points.size())}}
            .dump();
    }

    // What the page's worker fits: the points and the inputs shown, with those free given by
    // their keys (comma-separated, "cd" for the drag coefficient); or why there is nothing to fit.
    std::string fitRequest(const std::string& free) const {
        const auto& m = session_.measurements();
        if (!m)
            return Json{{"problem", ""}}.dump();
        model::measure::FitRequest request;
        request.start = session_.inputs();
        request.free.clear();
        for (const model::FieldRow& f : model::fieldRows())
            if (hasKey(free, f.key))
                request.free.push_back(f.id);
        request.freeCd = hasKey(free, "cd");
        request.motion = m->settings.motion;
        if (request.free.empty() && !request.freeCd)
            return Json{
                {"problem", model::translated("Отметьте хотя бы одну величину для подгонки.")}}
                .dump();
        return Json{{"request", web::fitRequestJson(m->points, request).dump()}}.dump();
    }
    // The worker's outcome, kept with the points shown.
    std::string takeFit(const std::string& result) {
        if (session_.measurements())
            session_.setFit(web::fitResultFrom(Json::parse(result)));
        return fitView();
    }
    // The fit's table as the window's dialog shows it, its status line, which rows may be
    // applied, and the figures in the report tool's terms; {"fit": null} before a fit.
    std::string fitView() const {
        const auto& fit = session_.fit();
        if (!fit)
            return Json{{"fit", nullptr}}.dump();
        const model::measure::FitTable table = model::measure::fitTable(*fit);
        Json converged = Json::array();
        for (const model::measure::ModelFit& m : fit->models)
            converged.push_back(m.converged);
        return Json{{"fit",
                     {{"headers", table.headers},
                      {"rows", table.rows},
                      {"best", table.best ? Json(*table.best) : Json(nullptr)},
                      {"converged", converged},
                      {"status", model::measure::fitStatusText(fit->cancelled, fit->best)},
                      {"figures", web::reportFitJson(*fit)}}}}
            .dump();
    }
    // A model's fitted inputs (0 vacuum, 1 linear, 2 quadratic) written into the fields as
    // pastes, so every check of the fields runs on them, and a fitted Cd to three decimals; then
    // the short recompute. The refusals are the boxes to show, the status why an angle stayed.
    std::string applyFit(int m) {
        Json out{{"refusals", Json::array()}};
        const auto& fit = session_.fit();
        if (!fit || m < 0 || m > 2 || !fit->models[std::size_t(m)].converged)
            return out.dump();
        const model::measure::ModelFit f = fit->models[std::size_t(m)];
        for (const model::Field field : f.fitted) {
            const std::string text =
                model::formatPattern(model::inputOf(f.inputs, field), model::row(field).pattern);
            for (const model::Rejection& r : session_.settleField(field, text).rejections)
                out["refusals"].push_back({{"message", r.message}, {"title", r.title}});
        }
        if (f.cdFitted)
            session_.setCd(std::max(0.01, std::round(f.inputs.cd * 1000) / 1000));
        recompute();
        // A vertical motion's models ran straight down or up, which the angle field refuses.
        if (std::fabs(f.inputs.alphaDeg) == 90)
            out["status"] = model::measure::verticalAngleNotWrittenText(int(f.inputs.alphaDeg));
        return out.dump();
    }

private:
    static bool hasKey(const std::string& list, std::string_view key) {
        for (std::size_t at = 0; at <= list.size();) {
            const std::size_t end = std::min(list.find(',', at), list.size());
            if (std::string_view(list).substr(at, end - at) == key)
                return true;
            at = end + 1;
        }
        return false;
    }
    // New points, or none: drawn from now on, their distances worked out again.
    void followPoints() {
        measured_.follow();
        distances_.reset();
    }
    static bool sameInputs(const model::Inputs& a, const model::Inputs& b) {
        return a.h0 == b.h0 && a.v0 == b.v0 && a.alphaDeg == b.alphaDeg && a.d == b.d &&
               a.rho == b.rho && a.rho0 == b.rho0 && a.eta == b.eta && a.cd == b.cd;
    }

    // A lesson file's bytes read and put into the session (nothing changes when it is refused),
    // then the throw it gives.
    std::string putIn(const std::string& bytes) {
        const session::LessonRead read = session::readLessonJson(bytes);
        if (!read.lesson)
            return read.problem;
        if (std::string problem = session_.open(*read.lesson); !problem.empty())
            return problem;
        flying_ = false;
        run_.forgetShown();
        comparison_.follow();
        followPoints();
        recompute();
        redrawVelocityPanes();
        return {};
    }
    // What the page shows of an opened lesson beside the fields and labels.
    Json lessonView() const {
        return {{"scaleX", session_.scaleBarX()},
                {"scaleY", session_.scaleBarY()},
                {"graph", session_.graph()},
                {"comparing", session_.comparing()}};
    }

    static model::Field fieldAt(int i) { return model::allFields.at(static_cast<std::size_t>(i)); }

    void drawTrajectory() {
        panes_[0].clear();
        const model::Throw& t = *run_.current();
        ui::drawTrajectoryPane(panes_[0], t, '.', &underlays_);
        if (t.failed()) {
            Json ignored = Json::array();
            fail(t.outcome(), ignored);
        }
    }

    // The velocity panes afresh: the kept throws beneath, and the current throw once it landed.
    void redrawVelocityPanes() {
        panes_[1].clear();
        panes_[2].clear();
        run_.dropEarlierVelocities();
        if (run_.velocitiesShown() || !underlays_.empty())
            ui::drawVelocityPanes(panes_[1], panes_[2], *run_.current(), '.', &underlays_,
                                  run_.velocitiesShown());
    }

    void fail(model::FlightOutcome outcome, Json& events) {
        using Step = model::ThrowStep;
        const auto step = run_.current()->failedAt();
        const bool ownSystem = step && (*step == Step::closedForms || *step == Step::linearWalk ||
                                        *step == Step::trajectoryRanges);
        ui::drawFailureLine(panes_[0], ui::FailureTexts::line(outcome), ownSystem,
                            run_.current()->trajectoryRanges());
        events.push_back({{"failed", ui::FailureTexts::message(outcome).toStdString()},
                          {"title", ui::FailureTexts::title().toStdString()}});
    }

    std::string state(Json events) {
        const model::Throw& t = *run_.current();
        Json labels = Json::array();
        for (const model::QuantityRow& q : model::quantityRows())
            labels.push_back(shown_[static_cast<std::size_t>(q.stage)]
                                 ? t.text(q.id)
                                 : model::placeholderText(q.id));
        return Json{{"labels", labels},
                    {"events", events},
                    {"flying", flying_},
                    {"panes", {panes_[0].take(), panes_[1].take(), panes_[2].take()}}}
            .dump();
    }

    session::Session session_;
    web::PageComparison comparison_{session_};
    web::PageMeasurements measured_{session_};
    web::PageImport import_;      // the table of the import dialog while it is open
    ui::UnderlayStack underlays_; // the kept throws, then the measured points
    // The models' distances from the points, and the inputs they were computed at.
    std::optional<std::pair<model::Inputs, model::measure::ModelDistances>> distances_;
    session::Run run_;
    std::array<RecordedPane, 3> panes_;
    std::array<bool, 4> shown_{true, true, false, false}; // by model::Stage
    bool flying_ = false;
};

// English from the page's table (a JSON object), or Russian with an empty text.
void useLanguage(const std::string& table) {
    english.clear();
    if (table.empty()) {
        model::setTranslator(nullptr);
        return;
    }
    const Json parsed = Json::parse(table); // kept: items() only refers to it
    for (const auto& [key, value] : parsed.items())
        english[key] = value.get<std::string>();
    model::setTranslator(translate);
}

// The speeds of the flight as the desktop's menu lists them, with the pace each one takes.
std::string speeds() {
    Json list = Json::array();
    for (const ui::AnimationSpeed& s : ui::animationSpeeds) {
        const ui::Pace pace = ui::paceFor(s.factor);
        list.push_back({{"text", model::translated(s.text)},
                        {"factor", s.factor},
                        {"tickMs", pace.tickMs},
                        {"groups", pace.groupsPerTick}});
    }
    return list.dump();
}

void usePresets(const std::string& table) {
    presetTable = model::PresetTable::parse(table);
}

// The presets' menus: their titles, and each preset's name and source in the chosen language.
std::string presets() {
    auto list = [](const std::vector<model::Preset>& presets) {
        Json out = Json::array();
        for (const model::Preset& p : presets)
            out.push_back({{"name", model::translated(p.name.c_str())},
                           {"source", model::translated(p.source.c_str())}});
        return out;
    };
    return Json{{"materialTitle", model::translated("Материал шара")},
                {"mediumTitle", model::translated("Среда")},
                {"materials", list(presetTable.materials())},
                {"media", list(presetTable.media())}}
        .dump();
}

// The question a page asks when the browser kept a lesson that was never saved.
std::string recoveryQuestion() {
    return Json{
        {"text", model::translated("Восстановить урок, не сохранённый при прошлом завершении?")},
        {"title", model::translated("Восстановление урока")},
        {"yes", model::translated("Да")},
        {"no", model::translated("Нет")}}
        .dump();
}

// The help menu's three boxes as the window's «Помощь» offers them: the item, the box's title
// and its text; the authors' box also shows the portrait.
std::string helpBoxes() {
    auto box = [](const char* key, const char* item, const std::string& title,
                  const std::string& text) {
        return Json{
            {"key", key}, {"item", model::translated(item)}, {"title", title}, {"text", text}};
    };
    return Json::array({box("authors", "Авторы", model::authorsTitle(), model::authorsText()),
                        box("about", "О программе", model::aboutTitle(), model::aboutText()),
                        box("registration", "Регистрация", model::registrationTitle(),
                            model::registrationText())})
        .dump();
}

std::string tr(const std::string& russian) {
    return model::translated(russian.c_str());
}

} // namespace

EMSCRIPTEN_BINDINGS(ballflight) {
    emscripten::function("useLanguage", &useLanguage);
    emscripten::function("tr", &tr);
    emscripten::function("speeds", &speeds);
    emscripten::function("recoveryQuestion", &recoveryQuestion);
    emscripten::function("helpBoxes", &helpBoxes);
    emscripten::function("usePresets", &usePresets);
    emscripten::function("presets", &presets);
    emscripten::class_<Page>("Page")
        .constructor<>()
        .function("texts", &Page::texts)
        .function("fieldTexts", &Page::fieldTexts)
        .function("settle", &Page::settle)
        .function("typing", &Page::typing)
        .function("recompute", &Page::recompute)
        .function("start", &Page::start)
        .function("tick", &Page::tick)
        .function("finishLanding", &Page::finishLanding)
        .function("setScaleBars", &Page::setScaleBars)
        .function("pause", &Page::pause)
        .function("resume", &Page::resume)
        .function("current", &Page::current)
        .function("redraw", &Page::redraw)
        .function("setGraph", &Page::setGraph)
        .function("setComparing", &Page::setComparing)
        .function("clearComparison", &Page::clearComparison)
        .function("legend", &Page::legend)
        .function("readout", &Page::readout)
        .function("matchingPresets", &Page::matchingPresets)
        .function("choosePreset", &Page::choosePreset)
        .function("saveLesson", &Page::saveLesson)
        .function("openLesson", &Page::openLesson)
        .function("recoveryCopy", &Page::recoveryCopy)
        .function("recover", &Page::recover)
        .function("graphPicture", &Page::graphPicture)
        .function("graphData", &Page::graphData)
        .function("previewMeasurements", &Page::previewMeasurements)
        .function("countMeasurements", &Page::countMeasurements)
        .function("openMeasurements", &Page::openMeasurements)
        .function("cancelMeasurements", &Page::cancelMeasurements)
        .function("removeMeasurements", &Page::removeMeasurements)
        .function("measurements", &Page::measurements)
        .function("fitRequest", &Page::fitRequest)
        .function("takeFit", &Page::takeFit)
        .function("fitView", &Page::fitView)
        .function("applyFit", &Page::applyFit);
}
