#include "cli/StudyReport.h"
#include "cli/Report.h"
#include "cli/ReportOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <sys/wait.h>

namespace {

cli::ParsedOptions parse(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> args;
    for (std::string a; in >> a;)
        args.push_back(a);
    return cli::parseOptions(args);
}

} // namespace

TEST(StudyReport, OptionsAreReadOrRefusedAsUsageErrors) {
    const auto p = parse("--vary eta --from 0 --to 1.5 --count 4 --result Tmax2 --rho 1200");
    ASSERT_TRUE(p.options) << p.error;
    const cli::StudyOptions& s = *p.options->study;
    EXPECT_EQ(s.field, model::Field::eta);
    EXPECT_EQ(s.to, 1.5);
    EXPECT_EQ(s.count, 4);
    EXPECT_EQ(cli::studyColumns(s),
              (std::vector{model::Quantity::Tmax, model::Quantity::Tmax1, model::Quantity::Tmax2}));
    EXPECT_EQ(cli::studySpec(s, p.options->inputs).base.rho, 1200);
    EXPECT_EQ(parse("--vary h0 --from 1 --to 2").options->study->count, 180);
    EXPECT_EQ(cli::studyColumns(*parse("--vary h0 --from 1 --to 2").options->study).size(), 27u);

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
}

// One row per point; a point without results keeps its row with the value asked for, and is
// named with its message on stderr.
TEST(StudyReport, CsvKeepsARowForEveryPoint) {
    const model::StudySpec spec{model::Field::eta, 0, 0.002, 3, {}};
    const std::atomic<bool> stop{false};
    const auto points = model::runStudy(spec, 2, stop);
    ASSERT_TRUE(points);
    std::ostringstream csv, skipped;
    cli::writeStudyCsv(spec, *points,
                       cli::studyColumns({model::Field::eta, 0, 0.002, 3, model::Quantity::Xmax1}),
                       csv);
    cli::writeSkippedPoints(spec, *points, skipped);
    const std::string expected = "eta,Xmax,Xmax1,Xmax2\n0,,,\n0.001," +
                                 cli::exactNumber((*points)[1].value(model::Quantity::Xmax)) + "," +
                                 cli::exactNumber((*points)[1].value(model::Quantity::Xmax1)) +
                                 "," + cli::exactNumber((*points)[1].value(model::Quantity::Xmax2));
    EXPECT_EQ(csv.str().substr(0, expected.size()), expected);
    EXPECT_EQ(skipped.str(), "eta=0: Для вакуума всё и так известно!\n");

    // The tool itself: CSV on stdout with status 0; a bad study prints nothing, status 2.
    auto status = [](const std::string& args, std::string& out) {
        FILE* p =
            popen((std::string(BALLFLIGHT_REPORT_EXE) + " " + args + " 2>/dev/null").c_str(), "r");
        char buf[4096];
        out.clear();
        while (std::size_t n = fread(buf, 1, sizeof buf, p))
            out.append(buf, n);
        const int st = pclose(p);
        return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    };
    std::string out;
    EXPECT_EQ(status("--vary eta --from 0 --to 0.002 --count 3 --result Xmax", out), 0);
    EXPECT_EQ(out, csv.str());
    EXPECT_EQ(status("--vary eta --from 0 --to 0.002 --count 1", out), 2);
    EXPECT_TRUE(out.empty());
}
