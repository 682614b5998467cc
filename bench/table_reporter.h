#pragma once
// One table of medians with their minimum and maximum over the repetitions, as the README quotes them.
// The benchmarks may run in several rounds (first those of a process without Qt): the table gathers
// the rows of every round and is printed once, by print().

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace cf::bench {

class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override {}
    void print() const;

private:
    struct Row {
        std::string name;
        double median = 0, min = 0, max = 0;
        benchmark::TimeUnit unit = benchmark::kNanosecond;
        std::string note;  // counters, or why it could not run
    };
    Row& row(const std::string& name);
    std::vector<Row> rows_;
    bool context_told_ = false;
};

// Adds the minimum and the maximum to the statistics of a benchmark's repetitions.
benchmark::internal::Benchmark* with_spread(benchmark::internal::Benchmark* b);

}  // namespace cf::bench
