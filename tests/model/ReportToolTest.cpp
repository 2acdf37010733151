#include "cli/Report.h"
#include "cli/ReportOptions.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the installed-to-be executable; stderr is discarded.
ToolRun runTool(const std::string& args, const std::string& before = {}) {
    const std::string cmd = before + BALLFLIGHT_REPORT_EXE + " " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p))
        out.append(buf, n);
    const int st = pclose(p);
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, out};
}

} // namespace

TEST(ReportTool, OutputAndExitCodes) {
    const ToolRun r = runTool("");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(R"("Tp": {"value": 0.15284287736351887, "text": "Tp= 0.153 c"})"),
              std::string::npos);
    EXPECT_NE(r.out.find(R"("steps": {"linear": 1106, "quadratic": 1109, "velocity": 1109}})"),
              std::string::npos);
    // 27 quantities, each with its label text, and numbers that read back to the same double.
    std::size_t texts = 0;
    for (std::size_t at = 0; (at = r.out.find("\"text\": ", at)) != std::string::npos; ++at)
        ++texts;
    EXPECT_EQ(texts, 27u);
    const auto at = r.out.find("\"Tmax1\": {\"value\": ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(std::stod(r.out.substr(at + 19)), cli::computeThrow({}).linear().Tmax1);

    // A refused value and a flight that never lands print nothing and say so in the exit code.
    const ToolRun refused = runTool("--rho 900 --rho0 1000");
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.empty());
    const ToolRun tooLong = runTool("--d 0.001 --rho 1100 --rho0 1000 --eta 1");
    EXPECT_EQ(tooLong.status, 3);
    EXPECT_TRUE(tooLong.out.empty());
    EXPECT_EQ(runTool("--d 1e13").status, 3);

    // A CSV that the disk cannot take (a file size limit stands in for a full disk): status 1
    // and nothing left behind, not even a part of it.
    const std::string folder = testing::TempDir() + "/csv-limit";
    std::filesystem::create_directories(folder);
    const ToolRun full = runTool("--curves " + folder + "/curves.csv", "ulimit -f 1; ");
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(ReportTool, BothDensitiesAreReadBeforeEitherIsChecked) {
    // 900 alone is below the default medium's 1000, but not below the medium given with it.
    const auto p = cli::parseOptions({"--rho", "900", "--rho0", "800"});
    ASSERT_TRUE(p.options) << p.error;
    EXPECT_EQ(p.options->inputs.rho, 900);
    EXPECT_EQ(p.options->inputs.rho0, 800);
}
