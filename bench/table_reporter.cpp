#include "bench/table_reporter.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace cf::bench {

namespace {

const char* unit_name(benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return "ns";
        case benchmark::kMicrosecond: return "µs";
        case benchmark::kMillisecond: return "ms";
        case benchmark::kSecond: return "s";
    }
    return "";
}

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, v >= 100 ? "%.0f" : v >= 10 ? "%.1f" : "%.2f", v);
    return buf;
}

// Pads to a width in characters, not bytes: names carry accents.
std::string padded(const std::string& s, std::size_t width, bool right = false) {
    std::size_t chars = 0;
    for (unsigned char c : s) chars += (c & 0xC0) != 0x80;
    const std::string fill(width > chars ? width - chars : 0, ' ');
    return right ? fill + s : s + fill;
}

}  // namespace

benchmark::internal::Benchmark* with_spread(benchmark::internal::Benchmark* b) {
    return b
        ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

bool TableReporter::ReportContext(const Context& context) {
    if (context_told_) return true;
    context_told_ = true;
    std::cout << "Machine: " << context.cpu_info.num_cpus << " CPUs at "
              << number(context.cpu_info.cycles_per_second / 1e6) << " MHz; each figure is the median of the "
              << "repetitions, with their minimum and maximum.\n\n";
    return true;
}

TableReporter::Row& TableReporter::row(const std::string& name) {
    for (auto& r : rows_)
        if (r.name == name) return r;
    rows_.push_back(Row{name, 0, 0, 0, benchmark::kNanosecond, {}});
    return rows_.back();
}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        Row& r = row(run.run_name.function_name);
        if (run.error_occurred) {
            r.note = "could not run: " + run.error_message;
            continue;
        }
        r.unit = run.time_unit;
        const double t = run.GetAdjustedRealTime();
        const bool single = run.run_type == Run::RT_Iteration;
        if (single || run.aggregate_name == "median") r.median = t;
        if (single || run.aggregate_name == "min") r.min = t;
        if (single || run.aggregate_name == "max") r.max = t;
        if (single || run.aggregate_name == "median") {
            std::string note;
            for (const auto& [counter, value] : run.counters) note += counter + " " + number(value) + " ";
            if (!note.empty()) r.note = note;
        }
    }
}

void TableReporter::print() const {
    std::size_t width = 9;
    for (const auto& r : rows_) width = std::max(width, padded(r.name, 0).size());
    std::cout << "| " << padded("benchmark", width) << " | " << padded("median", 10, true) << " | "
              << padded("min", 10, true) << " | " << padded("max", 10, true) << " | note |\n";
    std::cout << "|" << std::string(width + 2, '-') << "|-----------:|-----------:|-----------:|------|\n";
    for (const auto& r : rows_) {
        const std::string u = std::string(" ") + unit_name(r.unit);
        std::cout << "| " << padded(r.name, width) << " | " << padded(number(r.median) + u, 10, true) << " | "
                  << padded(number(r.min) + u, 10, true) << " | " << padded(number(r.max) + u, 10, true) << " | "
                  << r.note << " |\n";
    }
}

}  // namespace cf::bench
