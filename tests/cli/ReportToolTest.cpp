#include "cli/Report.h"
#include "cli/ReportOptions.h"
#include "cli/StudyReport.h"
#include "model/physics/ClosedForm.h"
#include "model/physics/Constants.h"
#include "model/study/StudyCsv.h"
#include "tests/support/IndependentFlight.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the installed-to-be executable: its exit status and stdout (stderr is discarded unless
// redirect says otherwise).
std::pair<int, std::string> runTool(const std::string& args, const std::string& before = {},
                                    const std::string& redirect = "2>/dev/null") {
    const std::string cmd = before + BALLFLIGHT_REPORT_EXE + " " + args + " " + redirect;
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    const int st = pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}

cli::ParsedOptions parse(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> args;
    for (std::string a; in >> a;)
        args.push_back(a);
    return cli::parseOptions(args);
}

} // namespace

// Numbers with every digit, each with its label text; the texts, steps and ranges of every kind
// of throw are compared with the window's in WindowAgreesWithReportTest.
TEST(ReportTool, OutputAndExitCodes) {
    const auto [code, json] = runTool("");
    ASSERT_EQ(code, 0);
    EXPECT_NE(json.find(R"("Tp": {"value": 0.15284287736351887, "text": "Tp= 0.153 c"})"),
              std::string::npos);
    EXPECT_NE(json.find(R"("steps": {"linear": 1106, "quadratic": 1109, "velocity": 1109}, )"
                        R"("reynolds": {"start": 1192842.9423459244, "end1": )"),
              std::string::npos);
    EXPECT_EQ(json.find("precise"), std::string::npos);

    // Russian is the default language, its refusals included; another code is a bad option.
    EXPECT_EQ(runTool("--lang ru"), std::pair(0, json));
    EXPECT_EQ(runTool("--lang ru --h0 0", "", "2>&1"), runTool("--h0 0", "", "2>&1"));
    EXPECT_EQ(runTool("--lang xx").first, 2);
    EXPECT_EQ(parse("--h0 0 --lang en").language, cli::ReportLanguage::english);

    // The exact values: the quadratic-drag flight's, then the linear walk's, each a number.
    const std::string precise = runTool("--precise").second;
    std::string shape = R"("precise": \{)";
    for (const char* key : {"Tp2", "Xp2", "Ymax2", "Tmax2", "Xmax2", "VxEnd2", "VyEnd2", "Tmax1",
                            "Xmax1", "VxEnd1", "VyEnd1"})
        shape += std::string(shape.back() == '{' ? "" : ", ") + '"' + key + R"(": -?[0-9.e+-]+)";
    EXPECT_TRUE(std::regex_search(precise, std::regex(shape + R"(\}\}\s*$)"))) << precise;

    // --cd, the quadratic drag's coefficient: 0.5 is the default; the exact landing with 0.35
    // is that of an independent integration; a coefficient that is no positive number is refused
    // with the check's message.
    EXPECT_EQ(runTool("--cd 0.5"), std::pair(0, json));
    const std::string withCd = runTool("--cd 0,35 --precise").second;
    std::smatch range;
    ASSERT_TRUE(std::regex_search(withCd, range, std::regex(R"("Xmax2": (-?[0-9.e+-]+))")));
    model::Inputs lighterDrag;
    lighterDrag.cd = 0.35;
    EXPECT_NEAR(std::stod(range[1]), testing_flight::IndependentFlight(lighterDrag).range(), 1e-7);
    EXPECT_NE(withCd.find(R"(, "cd": 0.34999999999999998}, )"), std::string::npos);
    for (const char* bad : {"--cd 0", "--cd -0.2", "--cd x"})
        EXPECT_EQ(runTool(bad, "", "2>&1"),
                  std::pair(2, std::string("ballflight-report: --cd: Это коэффициент "
                                           "сопротивления! Cd>0\n")))
            << bad;

    // A refused value, a bad study and a flight that never lands print nothing and say so in
    // the exit code.
    for (const auto& [args, status] : {std::pair{"--rho 900 --rho0 1000", 2},
                                       {"--d 0.001 --rho 1100 --rho0 1000 --eta 1", 3},
                                       {"--d 1e13", 3},
                                       {"--vary eta --from 0 --to 0.002 --count 1", 2},
                                       {"--precise --vary v0 --from 1 --to 2", 2}})
        EXPECT_EQ(runTool(args), std::pair(status, std::string())) << args;

    // An output that cannot be written, the standard output included: status 1 and nothing
    // left behind, not even a part of it (the shell's own file stays empty).
    namespace fs = std::filesystem;
    std::string folder = testing::TempDir() + "/report-writes-XXXXXX"; // of its own
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    const std::string limit = "ulimit -f 1; ", study = "--vary angle --from 0 --to 89.5 ";
    // The long throw's curves are written a megabyte at a time: the limit stops a later piece.
    const std::string longThrow = " --h0 20 --d 0.05 --rho 1200 --eta 1.5 --angle 45 --v0 10";
    for (const auto& [args, before] :
         {std::pair{"--curves " + folder + "/curves.csv", limit},
          {"--curves " + folder + "/long.csv" + longThrow, "ulimit -f 4096; "},
          {"--curves /dev/full", ""},
          {"> /dev/full", ""},
          {">&-", ""},
          {"> " + folder + "/out.json", limit},
          {study + "> " + folder + "/out.csv", limit}})
        EXPECT_EQ(runTool(args, before), std::pair(1, std::string())) << before << args;
    for (const auto& file : fs::directory_iterator(folder))
        EXPECT_EQ(file.file_size(), 0u) << file.path();
    EXPECT_EQ(runTool("", "", "2>&1 >/dev/full").second,
              "ballflight-report: cannot write the standard output: No space left on device\n");

    // A device or a link to one is written straight, never replaced by a file; a name of 255
    // bytes is written although a longer temporary one would not fit beside it.
    const std::string link = folder + "/stdout.csv",
                      longName = folder + '/' + std::string(255, 'n');
    fs::create_symlink("/proc/self/fd/1", link);
    const auto both = runTool("--curves " + link);
    EXPECT_EQ(both.first, 0);
    EXPECT_EQ(both.second.substr(0, 28), "curve,x,y\ntrajectory_vacuum,");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(runTool("--curves " + longName).first, 0);
    EXPECT_GT(fs::file_size(longName), 10000u);
    fs::remove_all(folder);

    // 900 alone is below the default medium's 1000, but not below the medium given with it; a
    // decimal comma reads as the point.
    const auto p = parse("--rho 900 --rho0 800 --v0 2,5 --d 0,05");
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->inputs.rho, 900);
    EXPECT_EQ(p.options->inputs.rho0, 800);
    EXPECT_EQ(p.options->inputs.v0, 2.5);
    EXPECT_EQ(p.options->inputs.d, 0.05);
}

TEST(StudyReport, OptionsAreReadOrRefusedAndTheCsvKeepsARowForEveryPoint) {
    const auto p = parse("--vary eta --from 0 --to 1.5 --count 4 --result Tmax2 --rho 1200");
    ASSERT_TRUE(p.options) << p.error;
    const cli::StudyOptions& s = *p.options->study;
    EXPECT_EQ(s.field, model::Field::eta);
    EXPECT_EQ(s.to, 1.5);
    EXPECT_EQ(s.count, 4);
    EXPECT_EQ(cli::studyColumns(s),
              (std::vector{model::Quantity::Tmax, model::Quantity::Tmax1, model::Quantity::Tmax2}));
    EXPECT_EQ(cli::studySpec(s, p.options->inputs).base.rho, 1200);
    const auto all = parse("--vary h0 --from 1 --to 2").options->study; // 180 points, 27 columns
    EXPECT_EQ(all->count, 180);
    EXPECT_EQ(cli::studyColumns(*all).size(), 27u);
    EXPECT_EQ(cli::studyColumns(*parse("--vary v0 --from 1 --to 2 --result Re2").options->study),
              (std::vector{model::Quantity::Re, model::Quantity::Re1, model::Quantity::Re2}));

    for (const char* bad :
         {"--vary speed --from 0 --to 1", "--from 0 --to 1", "--vary angle --from 0",
          "--vary angle --from zero --to 1", "--vary angle --from 0 --to 1 --count 1",
          "--vary angle --from 0 --to 1 --count 2.5", "--vary angle --from 1 --to 1",
          "--vary angle --from 0 --to 1 --result Xmax3", "--vary angle --from 0 --to 1e400",
          "--vary angle --from 0 --to 1 --curves a.csv", "--vary angle --from 0 --to"}) {
        const auto refused = parse(bad);
        EXPECT_FALSE(refused.options) << bad;
        EXPECT_TRUE(refused.usageError) << bad;
        EXPECT_FALSE(refused.error.empty()) << bad;
    }

    // One row per point; a point without results keeps its row with the value asked for, and
    // is named with its message on stderr.
    const model::StudySpec plan{model::Field::eta, 0, 0.002, 3, {}};
    const std::atomic<bool> stop{false};
    const auto points = model::runStudy(plan, 2, stop);
    ASSERT_TRUE(points);
    std::ostringstream csv, skipped;
    model::writeStudyCsv(
        plan, *points, cli::studyColumns({model::Field::eta, 0, 0.002, 3, model::Quantity::Xmax1}),
        csv);
    cli::writeSkippedPoints(plan, *points, skipped);
    std::string expected = "eta,Xmax,Xmax1,Xmax2\n0,,,\n0.001";
    for (const auto q : {model::Quantity::Xmax, model::Quantity::Xmax1, model::Quantity::Xmax2})
        expected += "," + cli::exactNumber((*points)[1].value(q));
    EXPECT_EQ(csv.str().substr(0, expected.size()), expected);
    EXPECT_EQ(skipped.str(), "eta=0: Для вакуума всё и так известно!\n");

    // The tool itself: CSV on stdout with status 0 (a bad study: OutputAndExitCodes).
    EXPECT_EQ(runTool("--vary eta --from 0 --to 0.002 --count 3 --result Xmax"),
              std::pair(0, csv.str()));
}

TEST(ReportTool, MeasuredDataAndFit) {
    const std::string example = std::string(BALLFLIGHT_EXAMPLES) + "/tennis-ball.tsv";
    const std::string ball = " --h0 1.2 --v0 8 --angle 35 --d 0.067 --rho 370 --rho0 1.2 --eta "
                             "0.0000182";
    const auto [code, json] = runTool("--data " + example + " --fit v0,angle" + ball);
    ASSERT_EQ(code, 0);
    EXPECT_NE(json.find(R"(, "data": {"points": 40, "skipped": 0, "rms": {"vacuum": )"),
              std::string::npos);
    for (const char* member :
         {R"("fit": {"vacuum": {"inputs": {"v0": )", R"(, "errors": {"v0": )",
          R"(, "converged": true}, "linear": {)", R"(, "best": "quadratic"}})"})
        EXPECT_NE(json.find(member), std::string::npos) << member;

    // Unreadable data or wrong data options: status 2; no model to fit: 3.
    const std::string two = testing::TempDir() + "/two-points.csv";
    std::FILE* f = std::fopen(two.c_str(), "w");
    std::fputs("t,x,y\n0,0,1\n0.1,0.5,1.2\n", f);
    std::fclose(f);
    for (const auto& [args, status] : {std::pair<std::string, int>{"--data /nonexistent.csv", 2},
                                       {"--data " + example + " --fit speed", 2},
                                       {"--data " + example + " --columns 1,2", 2},
                                       {"--data " + example + " --units km", 2},
                                       {"--data " + example + " --vary h0 --from 1 --to 2", 2},
                                       {"--units cm,s", 2},
                                       {"--print-points", 2},
                                       {"--data " + two + " --print-points --fit v0", 2},
                                       {"--data " + two + " --fit d,rho,rho0,eta", 3},
                                       // A trial of the ball's size and density whose flight
                                       // has no landing time once crashed the fit.
                                       {"--data " + example + " --fit v0,angle,d,rho" + ball, 0}})
        EXPECT_EQ(runTool(args).first, status) << args;

    // The points as read, in s and m, without the placement at the launch: a plain table.
    EXPECT_EQ(runTool("--data " + two + " --print-points --units cm,ms"),
              std::pair(0, std::string("t,x,y\n0,0,0.01\n1e-04,0.005,0.012\n")));
}

// A bead's fall in a tube (a time and one position that grows downwards) and a path without
// times: found by themselves, named by --columns, printed as read, fitted.
TEST(ReportTool, VerticalMotionAndPathWithoutTimes) {
    const auto write = [](const std::string& name, const std::string& text) {
        const std::string path = testing::TempDir() + "/" + name;
        std::FILE* f = std::fopen(path.c_str(), "w");
        std::fputs(text.c_str(), f);
        std::fclose(f);
        return path;
    };
    // At the terminal speed of a 3 mm steel bead in glycerine of 1.2 Pa·s, 26.73 mm/s.
    std::string table = "Bead in glycerine\nTime(sec)\tPosition(mm)\n";
    for (int i = 0; i < 40; ++i)
        table += std::to_string(0.1 * i) + "\t" + std::to_string(12 + 2.6732 * i) + "\n";
    const std::string fall = write("fall.tsv", table);
    const auto [printed, csv] = runTool("--data " + fall + " --print-points");
    EXPECT_EQ(printed, 0);
    EXPECT_EQ(csv.substr(0, 26), "t,y\n0,0.012\n0.1,0.0146732\n");
    const auto [code, json] = runTool("--data " + fall +
                                      " --fit eta,h0 --d 0.003 --rho 7800 --rho0 1260 --eta 0.1 "
                                      "--v0 0.001");
    ASSERT_EQ(code, 0) << json;
    EXPECT_NE(json.find(R"("vertical": {"axis": "down", "angle": -90})"), std::string::npos);
    std::smatch eta;
    ASSERT_TRUE(std::regex_search(
        json, eta, std::regex(R"("linear": \{"inputs": \{"h0": [-0-9.e]+, "eta": ([-0-9.e]+))")));
    EXPECT_NEAR(std::stod(eta[1]) / 1.2, 1, 0.01);

    // The same column named among three, the way given; a path named by its x and y.
    const std::string three = write("three.csv", "t,x,y\n0,0,1\n0.1,0.5,1.2\n0.2,1,1.3\n");
    EXPECT_EQ(runTool("--data " + three + " --columns t=1,y=3 --axis up --print-points"),
              std::pair(0, std::string("t,y\n0,1\n0.1,1.2\n0.2,1.3\n")));
    EXPECT_EQ(runTool("--data " + three + " --columns x=2,y=3 --print-points"),
              std::pair(0, std::string("x,y\n0,1\n0.5,1.2\n1,1.3\n")));
    for (const std::string args : {" --axis sideways", " --axis down", " --columns t=1,t=2",
                                   " --columns x=1,x=2", " --columns y=3"})
        EXPECT_EQ(runTool("--data " + three + args).first, 2) << args;
}

TEST(ReportThrow, BigTinyAndOverflowingBalls) {
    // Balls of 5 and 20 m: tau is days long against a flight of half a second. The top and the
    // linear-drag walk are those of the default ball, and the walk has no reversals.
    for (double d : {5.0, 20.0}) {
        SCOPED_TRACE(d);
        const model::Throw r = cli::computeThrow(model::Inputs{.d = d}, true);
        ASSERT_EQ(cli::failureText(r), "");
        EXPECT_EQ(r.text(model::Quantity::Ymax1), "Ymax1= 0.631 м");
        EXPECT_EQ(r.linear().points, 1106);
        EXPECT_EQ(r.text(model::Quantity::Tmax1), "Tmax1= 0.560 c");
        const auto& path = r.linearPath();
        std::size_t turns = 0;
        for (std::size_t i = 2; i < path.size(); ++i)
            turns += (path[i].y - path[i - 1].y) * (path[i - 1].y - path[i - 2].y) < 0;
        EXPECT_EQ(turns, 1u);
    }

    // A tiny ball in a very thick medium falls at Stokes' speed g·d²·(rho − rho0)/(18·eta).
    const model::Inputs tiny{0.5, 3, 30, 0.0001, 7800, 1261, 1000};
    const double stokes = model::g * 1e-8 * (7800 - 1261) / (18 * 1000);
    EXPECT_NEAR(model::closedForms(tiny).Vp2 / stokes, 1, 1e-6);

    // Values beyond the double or single range show a dash and fail the run, naming them.
    EXPECT_EQ(model::Throw(model::Inputs{.v0 = 1e39}).text(model::Quantity::VyEnd), "Vy(y=0)= —");
    const model::Throw heavy = cli::computeThrow(model::Inputs{.d = 1e13});
    EXPECT_EQ(heavy.text(model::Quantity::m), "m= —");
    EXPECT_EQ(heavy.outcome(), model::FlightOutcome::notFinite);
    EXPECT_EQ(heavy.failedAt(), model::ThrowStep::closedForms);
    EXPECT_EQ(cli::failureText(heavy), "a value overflows: m");
}
