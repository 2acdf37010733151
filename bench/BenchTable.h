#pragma once

namespace bench {

// Runs the registered benchmarks like BENCHMARK_MAIN and then prints the model rows of the
// figures table (Markdown, "| figure | value | target |"): ns per step of each walk next to its
// straight-line reference with their ratio, and the whole full runs. With --table only the rows
// are printed.
int runWithTable(int argc, char** argv);

} // namespace bench
