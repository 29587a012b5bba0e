// The translator against a C compiler's syntax check: generates modules of
// growing size, runs the built xlatr on each as a separate process, then the
// C compiler with -std=c89 -fsyntax-only on the C that xlatr wrote, and
// prints a Markdown table of medians. Also times one huge expression.
//
//   xlatr_bench [--sizes 1,10,100] [--runs N] [--seed N] [--cc CC] [--xlatr PATH]
//               [--expression-mb N] [--keep DIR]
//   xlatr_bench --check SCALE        translate and compile one module; fail on any message
//   xlatr_bench --generate SCALE DIR write one module and its data files into DIR
#include "module_generator.h"
#include "process.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace fs = std::filesystem;

namespace xlatr::bench {
namespace {

constexpr double mebibyte = 1024.0 * 1024.0;

struct Options {
    std::vector<double> sizes{1, 10, 100};
    int runs = 5;
    std::uint64_t seed = 1;
    std::string cc = "gcc";
    std::string xlatr = XLATR_EXECUTABLE;
    std::size_t expression_mb = 10;
    std::optional<fs::path> keep;
};

struct Measure {
    double seconds = 0;     // median wall time
    double cpu_seconds = 0; // median user and system time
    long peak_kib = 0;      // largest peak of the counted runs
    int exit_status = 0;
    int runs = 0;
};

void write_file(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A directory holding what a user keeps beside a module: xlatr.dat naming
// the current directory for every output, the include map and the shipped
// table of built-ins.
void prepare_directory(const fs::path& dir) {
    fs::create_directories(dir / include_directory);
    write_file(dir / "xlatr.dat", "\"\"\n\"\"\n");
    write_file(dir / "xlatr.inc", include_map_text);
    fs::copy_file(fs::path(XLATR_DATA_DIR) / "xlatr.bf", dir / "xlatr.bf",
                  fs::copy_options::overwrite_existing);
}

void write_module(const fs::path& dir, const GeneratedModule& module) {
    prepare_directory(dir);
    write_file(dir / module_file_name, module.source);
    write_file(dir / include_directory / include_file_name, module.include_text);
}

// A command whose unmeasured run took longer than this is measured at most
// `slow_runs` times, so that the largest size stays within minutes.
constexpr double slow_seconds = 20;
constexpr int slow_runs = 3;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Collects the counted runs of one command.
struct Runs {
    std::vector<double> seconds;
    std::vector<double> cpu_seconds;
    Measure measure;

    void add(const ProcessResult& result) {
        seconds.push_back(result.seconds);
        cpu_seconds.push_back(result.cpu_seconds);
        measure.peak_kib = std::max(measure.peak_kib, result.peak_kib);
        measure.runs = static_cast<int>(seconds.size());
    }
    Measure done() {
        measure.seconds = median(seconds);
        measure.cpu_seconds = median(cpu_seconds);
        return measure;
    }
};

ProcessResult run_in(const std::vector<std::string>& command, const fs::path& dir) {
    // The log grows by a message each run; each run starts without one.
    fs::remove(dir / "xlatr.log");
    return run_measured(command, dir, dir / "run.out", dir / "run.err");
}

int counted_runs(double warmup_seconds, int runs) {
    return warmup_seconds > slow_seconds ? std::min(runs, slow_runs) : runs;
}

// Runs the command once unmeasured, so that caches are warm, then `runs`
// times measured.
Measure measure(const std::vector<std::string>& command, const fs::path& dir, int runs) {
    const ProcessResult warmup = run_in(command, dir);
    Runs counted;
    counted.measure.exit_status = warmup.exit_status;
    for (int run = counted_runs(warmup.seconds, runs); run > 0; --run)
        counted.add(run_in(command, dir));
    return counted.done();
}

struct PairedMeasure {
    Measure first;
    Measure second;
    double ratio = 0;     // median of first / second, run by run, in wall time
    double cpu_ratio = 0; // the same in user and system time
};

// Runs the two commands in turn, so that a drift of the machine's speed
// moves both alike, and takes their ratio pair by pair.
PairedMeasure measure_paired(const std::vector<std::string>& first, const std::vector<std::string>& second,
                             const fs::path& dir, int runs) {
    const ProcessResult warmup_first = run_in(first, dir);
    const ProcessResult warmup_second = run_in(second, dir);
    Runs a;
    Runs b;
    std::vector<double> ratios;
    std::vector<double> cpu_ratios;
    for (int run = counted_runs(warmup_first.seconds + warmup_second.seconds, runs); run > 0; --run) {
        a.add(run_in(first, dir));
        b.add(run_in(second, dir));
        ratios.push_back(a.seconds.back() / b.seconds.back());
        cpu_ratios.push_back(a.cpu_seconds.back() / b.cpu_seconds.back());
    }
    return PairedMeasure{a.done(), b.done(), median(ratios), median(cpu_ratios)};
}

// A clean translation prints only its closing summary.
bool is_clean_summary(const std::string& text) {
    std::istringstream in(text);
    std::string name, empty, rule, count;
    std::string rest;
    if (!std::getline(in, name) || !std::getline(in, empty) || !std::getline(in, rule) ||
        !std::getline(in, count))
        return false;
    const std::string tail = " lines were successfully translated";
    if (name != std::string(module_file_name) + ":" || !empty.empty() ||
        rule.find_first_not_of('-') != std::string::npos || !count.ends_with(tail))
        return false;
    while (std::getline(in, rest))
        if (!rest.empty()) return false;
    return true;
}

std::vector<std::string> translate_command(const Options& options, const std::string& source) {
    return {options.xlatr, source};
}

std::vector<std::string> compile_command(const Options& options) {
    return {options.cc, "-std=c89", "-fsyntax-only", module_c_file_name};
}

// Fails unless xlatr translated the module without a message and the C
// compiler accepted its C without a diagnostic.
void check_module(const Options& options, const fs::path& dir) {
    const ProcessResult translation =
        run_measured(translate_command(options, module_file_name), dir, dir / "run.out", dir / "run.err");
    const std::string messages = read_file(dir / "run.err");
    if (translation.exit_status != 0 || !is_clean_summary(messages))
        throw std::runtime_error("xlatr did not translate " + (dir / module_file_name).string() +
                                 " cleanly (status " + std::to_string(translation.exit_status) + "):\n" +
                                 messages.substr(0, 4000));
    const ProcessResult compilation =
        run_measured(compile_command(options), dir, dir / "cc.out", dir / "cc.err");
    const std::string diagnostics = read_file(dir / "cc.err");
    if (compilation.exit_status != 0 || !diagnostics.empty())
        throw std::runtime_error(options.cc + " -std=c89 -fsyntax-only did not accept " +
                                 (dir / module_c_file_name).string() + ":\n" + diagnostics.substr(0, 4000));
}

std::uintmax_t output_bytes(const fs::path& dir) {
    std::uintmax_t bytes = 0;
    for (const char* name : {module_c_file_name, include_file_name, "builtin.h"})
        if (fs::exists(dir / name)) bytes += fs::file_size(dir / name);
    return bytes;
}

std::string format_size(double scale) {
    std::ostringstream text;
    text << scale << "x";
    return text.str();
}

std::string fixed(double value, int decimals) {
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(decimals);
    text << value;
    return text.str();
}

struct SizeRow {
    double scale;
    long lines;
    double in_mb;
    double out_mb;
    PairedMeasure paired; // xlatr against cc
};

double mb(long kib) {
    return static_cast<double>(kib) / 1024.0;
}

// The memory the translator may take: twice what it reads and writes, and
// 16 MB for itself.
double memory_bound(double in_mb, double out_mb) {
    return 2 * (in_mb + out_mb) + 16;
}

void print_size_table(const Options& options, const std::vector<SizeRow>& rows) {
    std::cout
        << "\nxlatr against `" << options.cc
        << " -std=c89 -fsyntax-only` on its output. The two run in turn after one unmeasured run each; "
           "times are medians of the counted runs, ratios medians pair by pair, wall time (wall) and user "
           "plus system time (cpu); the size columns are against the first size's CPU time; the peak is the "
           "largest of the runs; the bound is 2 (in + out) + 16 MB; MB are 2^20 bytes.\n\n"
        << "| size | lines | in MB | out MB | runs | xlatr wall s | xlatr cpu s | cpu vs first | lines/s "
           "| MB/s in | MB/s out | xlatr peak MB | bound MB | cc wall s | cc cpu s | cc peak MB "
           "| xlatr/cc wall | xlatr/cc cpu |\n"
        << "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    const Measure& first = rows.front().paired.first;
    for (const SizeRow& row : rows) {
        const Measure& xlatr = row.paired.first;
        const Measure& cc = row.paired.second;
        const double seconds = xlatr.seconds;
        std::cout << "| " << format_size(row.scale) << " | " << row.lines << " | " << fixed(row.in_mb, 2)
                  << " | " << fixed(row.out_mb, 2) << " | " << xlatr.runs << " | " << fixed(seconds, 3)
                  << " | " << fixed(xlatr.cpu_seconds, 3) << " | "
                  << fixed(xlatr.cpu_seconds / first.cpu_seconds, 1) << "x for "
                  << format_size(row.scale / rows.front().scale) << " | "
                  << fixed(static_cast<double>(row.lines) / seconds, 0) << " | "
                  << fixed(row.in_mb / seconds, 2) << " | " << fixed(row.out_mb / seconds, 2) << " | "
                  << fixed(mb(xlatr.peak_kib), 1) << " | " << fixed(memory_bound(row.in_mb, row.out_mb), 1)
                  << " | " << fixed(cc.seconds, 3) << " | " << fixed(cc.cpu_seconds, 3) << " | "
                  << fixed(mb(cc.peak_kib), 1) << " | " << fixed(row.paired.ratio, 2) << " | "
                  << fixed(row.paired.cpu_ratio, 2) << " |\n";
    }
}

SizeRow bench_size(const Options& options, const fs::path& root, double scale) {
    const fs::path dir = root / ("size-" + format_size(scale));
    SizeRow row{};
    row.scale = scale;
    {
        // Released before anything is measured: a child's peak counts the
        // memory of this process that it was forked from.
        const GeneratedModule module = generate_module(scale, options.seed);
        write_module(dir, module);
        row.lines = module.source_lines + module.include_lines;
        row.in_mb = static_cast<double>(module.source.size() + module.include_text.size()) / mebibyte;
        std::cerr << "size " << format_size(scale) << ": " << row.lines << " lines, " << module.units
                  << " units\n";
    }
    check_module(options, dir);
    const PairedMeasure paired = measure_paired(translate_command(options, module_file_name),
                                                compile_command(options), dir, options.runs);
    row.paired = paired;
    row.out_mb = static_cast<double>(output_bytes(dir)) / mebibyte;
    return row;
}

void bench_expression(const Options& options, const fs::path& root) {
    const std::size_t bytes = options.expression_mb * 1024 * 1024;
    std::cout
        << "\nOne assignment `X = 1 + X + X ...` of " << options.expression_mb << " MB:\n\n"
        << "| layout | in MB | out MB | status | runs | xlatr s | xlatr peak MB | bound MB | message |\n"
        << "|---|---|---|---|---|---|---|---|---|\n";
    struct Layout {
        const char* name;
        std::size_t line_length;
    };
    for (const Layout layout : {Layout{"one line", 0}, Layout{"lines of 60000 characters", 60000}}) {
        const fs::path dir = root / ("expression-" + std::to_string(layout.line_length));
        prepare_directory(dir);
        const double in_mb = [&] {
            const std::string source = generate_long_expression(bytes, layout.line_length);
            write_file(dir / "expr.plm", source);
            return static_cast<double>(source.size()) / mebibyte;
        }();
        const Measure result = measure(translate_command(options, "expr.plm"), dir, options.runs);
        std::string message;
        std::istringstream err(read_file(dir / "run.err"));
        for (std::string line; std::getline(err, line);)
            if (line.find('!') != std::string::npos) {
                message = line;
                break;
            }
        std::uintmax_t out = fs::exists(dir / "expr.c") ? fs::file_size(dir / "expr.c") : 0;
        const double out_mb = static_cast<double>(out) / mebibyte;
        std::cout << "| " << layout.name << " | " << fixed(in_mb, 2) << " | " << fixed(out_mb, 2) << " | "
                  << result.exit_status << " | " << result.runs << " | " << fixed(result.seconds, 3) << " | "
                  << fixed(mb(result.peak_kib), 1) << " | " << fixed(memory_bound(in_mb, out_mb), 1) << " | "
                  << (message.empty() ? "none" : "`" + message + "`") << " |\n";
    }
}

[[noreturn]] void usage() {
    std::cerr << "usage: xlatr_bench [--sizes 1,10,100] [--runs N] [--seed N] [--cc CC] [--xlatr PATH]\n"
                 "                   [--expression-mb N] [--keep DIR]\n"
                 "       xlatr_bench --check SCALE\n"
                 "       xlatr_bench --generate SCALE DIR\n";
    std::exit(2);
}

std::vector<double> parse_sizes(const std::string& text) {
    std::vector<double> sizes;
    std::istringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        sizes.push_back(std::stod(item));
    if (sizes.empty()) usage();
    return sizes;
}

fs::path make_scratch_directory(const Options& options) {
    if (options.keep) {
        fs::create_directories(*options.keep);
        return fs::absolute(*options.keep);
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/xlatr-bench.XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch directory");
    return pattern;
}

int run(int argc, char** argv) {
    Options options;
    std::optional<double> check_scale;
    std::optional<std::pair<double, fs::path>> generate;
    std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size()) usage();
        const std::string& value = args[++i];
        if (arg == "--check")
            check_scale = std::stod(value);
        else if (arg == "--generate" && i + 1 < args.size())
            generate.emplace(std::stod(value), args[++i]);
        else if (arg == "--sizes")
            options.sizes = parse_sizes(value);
        else if (arg == "--runs")
            options.runs = std::max(1, std::stoi(value));
        else if (arg == "--seed")
            options.seed = std::stoull(value);
        else if (arg == "--cc")
            options.cc = value;
        else if (arg == "--xlatr")
            options.xlatr = fs::absolute(value).string();
        else if (arg == "--expression-mb")
            options.expression_mb = std::stoul(value);
        else if (arg == "--keep")
            options.keep = value;
        else
            usage();
    }
    if (generate) {
        const GeneratedModule module = generate_module(generate->first, options.seed);
        write_module(generate->second, module);
        std::cout << module.source_lines + module.include_lines << " lines written to "
                  << generate->second.string() << "\n";
        return 0;
    }
    const fs::path root = make_scratch_directory(options);
    if (check_scale) {
        write_module(root, generate_module(*check_scale, options.seed));
        check_module(options, root);
        std::cout << "the generated module translates without a message and " << options.cc
                  << " -std=c89 -fsyntax-only accepts its C\n";
    } else {
        std::vector<SizeRow> rows;
        for (double scale : options.sizes)
            rows.push_back(bench_size(options, root, scale));
        print_size_table(options, rows);
        if (options.expression_mb > 0) bench_expression(options, root);
    }
    if (!options.keep) fs::remove_all(root);
    return 0;
}

} // namespace
} // namespace xlatr::bench

int main(int argc, char** argv) {
    try {
        if (argc > 1 && std::string_view(argv[1]) == xlatr::bench::launcher_option)
            return xlatr::bench::run_launcher(std::vector<std::string>(argv + 2, argv + argc));
        return xlatr::bench::run(argc, argv);
    } catch (const std::exception& failure) {
        std::cerr << "xlatr_bench: " << failure.what() << "\n";
        return 1;
    }
}
