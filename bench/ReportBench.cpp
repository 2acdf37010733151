// report_bench: the report tool's whole run on one throw, in process, next to the straight-line
// loops of the same walks (ReferenceWalks.h), and the cost of each part of the run. Five rounds,
// each timing the reference, the whole run and every part one after the other, so that all see
// the same load of the shared machine; the medians of the rounds are printed as rows of the
// figures table (Markdown). Processor time of this thread.
//
//   report_bench [--curves] [--tool PATH] [REPORT OPTIONS]
// Without options the throw is the viscous example from 1500 m (about half a million steps).
// --curves also times the run that writes every curve to a file (into the system's temporary
// folder); the whole run is then that run. Each round also runs the tool as a process of its
// own, start to exit: the tool built beside this program, or the one at PATH (an earlier build,
// to compare with).
#include "ReferenceWalks.h"

#include "cli/Output.h"
#include "cli/Report.h"
#include "cli/ReportOptions.h"
#include "model/Throw.h"
#include "model/exact/ExactFlight.h"
#include "model/exact/Reynolds.h"
#include "model/physics/ClosedForm.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int rounds = 5;

double threadSeconds() {
    timespec ts{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

double secondsOf(const std::function<void()>& work) {
    const double start = threadSeconds();
    work();
    return threadSeconds() - start;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The three walks of the throw as straight-line loops: linear drag, RK4, the velocity curves,
// these kept in lists when the run keeps its curves.
struct Reference {
    bench::WalkParameters p;
    double Tmax, Tmax1, Tmax2;
    int nSteps;
    bool keep;

    double linear() const {
        double x = 0;
        return secondsOf([&] { bench::referenceLinearWalk(p, x); });
    }
    double rk4() const {
        double x = 0;
        return secondsOf([&] { bench::referenceRk4(p, x); });
    }
    double velocities() const {
        bench::VelocityLists lists;
        double sum = 0;
        return secondsOf([&] {
            if (keep)
                bench::referenceVelocityWalk(p, Tmax, Tmax1, Tmax2, nSteps, lists);
            else
                bench::referenceVelocityPasses(p, Tmax, Tmax1, Tmax2, nSteps, sum);
        });
    }
    double seconds() const { return linear() + rk4() + velocities(); }
};

Reference referenceOf(const model::Throw& t) {
    const model::Inputs& in = t.inputs();
    const model::ClosedForm& cf = t.closed();
    const int n = t.settings().nSteps;
    return {{in.h0, in.v0 * std::cos(cf.alpha), in.v0 * std::sin(cf.alpha), cf.tau, cf.Vp1, cf.R2,
             cf.Tmax / n},
            cf.Tmax,
            t.linear().Tmax1,
            t.flight().Tmax2(),
            n,
            t.settings().curves};
}

// The tool itself as a process, from its start to its exit, its output to /dev/null: the
// processor time of the child (user and system).
double processSeconds(const std::string& tool, const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(tool.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = ::posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (failed != 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "report_bench: the report tool did not run\n");
        return NAN;
    }
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The tool's output goes where a run's output to a file would go, without the disk: /dev/null.
class NullOutput {
public:
    NullOutput() : fd_(::open("/dev/null", O_WRONLY)), saved_(::dup(STDOUT_FILENO)) {
        ::dup2(fd_, STDOUT_FILENO);
    }
    ~NullOutput() {
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
        ::close(fd_);
    }

private:
    int fd_, saved_;
};

// One part of the run: its setup untimed, its own work timed (seconds).
struct Part {
    std::string name;
    std::function<double()> seconds;
    std::vector<double> rounds;
};

} // namespace

int main(int argc, char** argv) {
    // Every large block comes fresh from the system and goes back when freed, as in the tool's
    // own process, which runs once: otherwise later rounds would reuse the pages the first one
    // faulted in, and keeping large curves would look cheaper than it is.
    ::mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    ::mallopt(M_TRIM_THRESHOLD, 128 * 1024);
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string tool = BALLFLIGHT_REPORT_EXE;
    if (const auto at = std::find(args.begin(), args.end(), "--tool"); at + 1 < args.end()) {
        tool = *(at + 1);
        args.erase(at, at + 2);
    }
    const bool curves = std::find(args.begin(), args.end(), "--curves") != args.end();
    args.erase(std::remove(args.begin(), args.end(), "--curves"), args.end());
    if (args.empty())
        args = {"--h0", "1500",  "--v0", "10",     "--angle", "45",    "--d",
                "0.05", "--rho", "1200", "--rho0", "1000",    "--eta", "1.5"};
    const std::string curvesFile = (std::filesystem::temp_directory_path() /
                                    ("report_bench_" + std::to_string(::getpid()) + ".csv"))
                                       .string();
    if (curves) {
        args.push_back("--curves");
        args.push_back(curvesFile);
    }
    const auto parsed = cli::parseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "report_bench: %s\n", parsed.error.c_str());
        return 2;
    }
    const cli::ReportOptions opts = *parsed.options;
    const model::Inputs& in = opts.inputs;
    const bool everyStep = !opts.curvesFile.empty();
    const model::Throw whole = cli::computeThrow(in, everyStep);
    if (const std::string failure = cli::failureText(whole); !failure.empty()) {
        std::fprintf(stderr, "report_bench: %s\n", failure.c_str());
        return 3;
    }
    const Reference reference = referenceOf(whole);
    const model::ThrowSettings settings = whole.settings();

    // The run as the tool makes it: options, throw, checks, curves file, report, output.
    auto run = [&] {
        const auto o = cli::parseOptions(args);
        const model::Throw t = cli::computeThrow(o.options->inputs, everyStep);
        if (!cli::failureText(t).empty())
            std::fprintf(stderr, "report_bench: the throw failed\n");
        if (everyStep)
            cli::writeCurves(t, o.options->curvesFile);
        cli::writeStandardOutput(cli::reportJson(t, o.options->precise) + '\n');
    };
    std::vector<Part> parts;
    auto part = [&parts](std::string name, std::function<double()> seconds) {
        parts.push_back({std::move(name), std::move(seconds), {}});
    };
    // The reference's walks one by one.
    part("reference: linear-drag walk", [&] { return reference.linear(); });
    part("reference: RK4", [&] { return reference.rk4(); });
    part(reference.keep ? "reference: velocity curves, kept" : "reference: velocity curves",
         [&] { return reference.velocities(); });
    // The run's parts, each as the run computes it.
    part("closed forms", [&] { return secondsOf([&] { model::closedForms(in); }); });
    part("throw made: closed forms, linear-drag walk, ranges, vacuum path",
         [&] { return secondsOf([&] { const model::Throw t(in, settings); }); });
    part("RK4 flight", [&] {
        model::Throw t(in, settings);
        return secondsOf([&] {
            while (!t.flightDone())
                t.flyGroup();
        });
    });
    part("velocities", [&] {
        model::Throw t(in, settings);
        while (!t.flightDone())
            t.flyGroup();
        return secondsOf([&] { t.computeVelocities(); });
    });
    part(opts.precise ? "exact flights (both drag models' tops and landings)"
                      : "exact flights (both drag models' landings)",
         [&] { return secondsOf([&] { cli::exactFigures(in, opts.precise); }); });
    const auto linearEnds = model::exact::flightEnds(in, model::ModelKind::linear);
    const auto quadraticEnds = model::exact::flightEnds(in, model::ModelKind::quadratic);
    part("Reynolds numbers from the landings", [&] {
        return secondsOf(
            [&] { model::exact::reynoldsNumbers(in, linearEnds.landing, quadraticEnds.landing); });
    });
    if (everyStep)
        part("curves file",
             [&] { return secondsOf([&] { cli::writeCurves(whole, curvesFile); }); });
    const cli::ExactFigures figures = cli::exactFigures(in, opts.precise);
    part("output: the report composed and written", [&] {
        return secondsOf([&] { cli::writeStandardOutput(cli::reportJson(whole, figures) + '\n'); });
    });
    part("the throw let go", [&] {
        auto t = std::make_unique<model::Throw>(cli::computeThrow(in, everyStep));
        return secondsOf([&] { t.reset(); });
    });

    std::vector<double> referenceRounds, runRounds, ratios, processRounds, processRatios;
    {
        const NullOutput null;
        run(); // the first round fills the caches and the allocator
        for (int r = 0; r < rounds; ++r) {
            referenceRounds.push_back(reference.seconds());
            runRounds.push_back(secondsOf(run));
            ratios.push_back(runRounds.back() / referenceRounds.back());
            processRounds.push_back(processSeconds(tool, args));
            processRatios.push_back(processRounds.back() / referenceRounds.back());
            for (Part& p : parts)
                p.rounds.push_back(p.seconds());
        }
    }
    std::filesystem::remove(curvesFile);

    std::string command;
    for (const std::string& a : args)
        if (a != curvesFile)
            command += (command.empty() ? "" : " ") + a;
    const char* target = everyStep ? "—" : "≤ 1.5× reference";
    std::printf("| Report tool's whole run in process, `%s` (%lld linear points, %lld RK4 steps, "
                "%lld Euler passes; median of %d side by side) | %.1f ms; reference %.1f ms, "
                "ratio %.2f× (rounds %.2f–%.2f) | %s |\n",
                command.c_str(), static_cast<long long>(whole.linear().points),
                static_cast<long long>(whole.flight().stepCount()),
                static_cast<long long>(whole.velocityCurves().passes), rounds,
                median(runRounds) * 1e3, median(referenceRounds) * 1e3, median(ratios),
                *std::min_element(ratios.begin(), ratios.end()),
                *std::max_element(ratios.begin(), ratios.end()), target);
    std::printf(
        "| … the same as a process of its own%s, start to exit (processor time of the child) "
        "| %.1f ms; ratio %.2f× (rounds %.2f–%.2f) | — |\n",
        tool == BALLFLIGHT_REPORT_EXE ? "" : (" (" + tool + ")").c_str(),
        median(processRounds) * 1e3, median(processRatios),
        *std::min_element(processRatios.begin(), processRatios.end()),
        *std::max_element(processRatios.begin(), processRatios.end()));
    for (const Part& p : parts)
        std::printf("| … %s | %.3f ms | — |\n", p.name.c_str(), median(p.rounds) * 1e3);
    return 0;
}
