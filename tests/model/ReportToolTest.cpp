#include "cli/Report.h"
#include "cli/ReportOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the installed-to-be executable; stderr is discarded.
ToolRun runTool(const std::string& args) {
    const std::string cmd = std::string(BALLFLIGHT_REPORT_EXE) + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    const int st = pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

} // namespace

TEST(ReportTool, DefaultThrowJson) {
    const ToolRun r = runTool("");
    ASSERT_EQ(r.status, 0);
    EXPECT_TRUE(contains(r.out, R"("Tp": {"value": 0.15284287736351887, "text": "Tp= 0.153 c"})"));
    EXPECT_TRUE(contains(r.out, R"("text": "Xmax1=  1.455 м")"));
    EXPECT_TRUE(contains(r.out, R"("text": "Vy2(y=0)= -3.113 м/c")"));
    EXPECT_TRUE(contains(r.out, R"("vy": [0, 2, 1, -4])"));
    EXPECT_TRUE(contains(r.out, R"("trajectory": [0, 1, 2, 0], "vx": [0, 3, 1, 0])"));
    EXPECT_TRUE(
        contains(r.out, R"("steps": {"linear": 1106, "quadratic": 1109, "velocity": 1109}})"));
    // 27 quantities, each with its label text.
    std::size_t texts = 0;
    for (std::size_t at = 0; (at = r.out.find("\"text\": ", at)) != std::string::npos; ++at)
        ++texts;
    EXPECT_EQ(texts, 27u);
    // Numbers read back to the same double.
    const auto at = r.out.find("\"Tmax1\": {\"value\": ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::stod(r.out.substr(at + 19)), cli::buildReport({}, false).linear.Tmax1);
}

TEST(ReportTool, ExitCodes) {
    const ToolRun refused = runTool("--rho 900 --rho0 1000");
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(runTool("--h0 0").status, 2);
    EXPECT_EQ(runTool("--bogus 1").status, 2);
    EXPECT_EQ(runTool("--eta").status, 2);
    const ToolRun tooLong = runTool("--d 0.001 --rho 1100 --rho0 1000 --eta 1");
    EXPECT_EQ(tooLong.status, 3);
    EXPECT_TRUE(tooLong.out.empty());
    EXPECT_EQ(runTool("--v0 1e200").status, 3);
}

TEST(ReportTool, OptionsGoThroughTheFieldHandling) {
    // Both densities come from the command line before either is checked: a ball of 900 in a
    // medium of 800 passes, though 900 alone is below the default medium's 1000.
    auto p = cli::parseOptions({"--rho", "900", "--rho0", "800"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->inputs.rho, 900);
    EXPECT_EQ(p.options->inputs.rho0, 800);
    // Rounded to the field's pattern, as the field would show it.
    p = cli::parseOptions({"--h0", "1.23456", "--angle", " 45.678 "});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->inputs.h0, 1.235);
    EXPECT_EQ(p.options->inputs.alphaDeg, 45.68);
    // A refused value is an error with the field's own message, not a usage error.
    p = cli::parseOptions({"--rho", "1000", "--rho0", "1200"});
    EXPECT_FALSE(p.options);
    EXPECT_FALSE(p.usageError);
    EXPECT_EQ(p.error.rfind("--rho: ", 0), 0u);
}

TEST(ReportTool, CurvesCsv) {
    const auto r = cli::buildReport({}, true);
    std::ostringstream csv;
    cli::writeCurvesCsv(r, csv);
    const std::string s = csv.str();
    EXPECT_EQ(s.rfind("curve,x,y\ntrajectory_vacuum,0,0.5\n", 0), 0u);
    auto rows = [&s](const std::string& name) {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = s.find("\n" + name + ",", at)) != std::string::npos; ++at)
            ++n;
        return n;
    };
    EXPECT_EQ(rows("trajectory_vacuum"), 661u);
    EXPECT_EQ(rows("trajectory_linear"), 1107u);
    EXPECT_EQ(rows("trajectory_quadratic"), 1110u);
    EXPECT_EQ(rows("vx_vacuum"), 2u);
    EXPECT_EQ(rows("vy_quadratic"), 1110u);
}
