// Whole runs of the compiler, of a reference build of an earlier commit, and
// of the floor: a process that only copies the source (cp) or counts its
// lines (wc -l). Each repetition runs every command of an input back to back,
// in an order that turns from one repetition to the next, so all of them see
// the same machine; one untimed round warms the page cache first. Per input:
// the median and the minimum of each, its bytes per second at the median, the
// peak memory of the compilers, and the current build's ratios to the others.
//   runs [--ref REF] [--quiet] [--ref-quiet] [--cpu] [--max-ratio R] KAVEL REPS NAME:FLOOR:SOURCE...
// FLOOR is cp, wc or none. --quiet and --ref-quiet pass -q to KAVEL or to
// REF. --cpu times the processor time a run used (user and system) instead of
// the time on the clock, which a busy machine stretches by the time spent
// waiting for a processor. With --max-ratio, the exit status is 3 when
// KAVEL's median over REF's exceeds R on any input.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double seconds;     // on the clock
    double cpuSeconds;  // user and system time of the process
    long peakKb;
};

// Runs a command in a folder with its output thrown away.
Sample run(const std::string& dir, const std::vector<std::string>& words, bool mayFail)
{
    timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid < 0) {
        std::perror("runs: fork");
        std::exit(1);
    }
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(127);
        int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> argv;
        for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status;
    rusage usage;
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && !mayFail)) {
        std::fprintf(stderr, "runs: %s failed in %s (%s %d)\n", words[0].c_str(), dir.c_str(),
                     WIFEXITED(status) ? "exit status" : "signal",
                     WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status));
        std::exit(1);
    }
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return {double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9,
            seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::string human(double seconds)
{
    char text[32];
    if (seconds < 1e-3) std::snprintf(text, sizeof text, "%.0f us", seconds * 1e6);
    else if (seconds < 1) std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

std::string rate(double bytes, double seconds)
{
    char text[32];
    if (seconds <= 0) return "-";
    double perSecond = bytes / seconds;
    if (perSecond >= 1e9) std::snprintf(text, sizeof text, "%.2f GB/s", perSecond / 1e9);
    else if (perSecond >= 1e6) std::snprintf(text, sizeof text, "%.1f MB/s", perSecond / 1e6);
    else std::snprintf(text, sizeof text, "%.0f kB/s", perSecond / 1e3);
    return text;
}

// One command timed on an input.
struct Side {
    std::string label;
    std::vector<std::string> words;
    bool mayFail = false;
    bool compiler = false;
    std::vector<double> times;
    long peakKb = 0;
};

struct Input {
    std::string name, dir;
    long long bytes = 0;
    std::vector<Side> sides;  // the current build first, then the reference, then the floor
};

[[noreturn]] void usage()
{
    std::fprintf(stderr,
                 "usage: runs [--ref REF] [--quiet] [--ref-quiet] [--cpu] [--max-ratio R] KAVEL REPS NAME:FLOOR:SOURCE...\n"
                 "  FLOOR: cp, wc or none\n");
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string ref;
    bool quiet = false, refQuiet = false, cpu = false;
    double maxRatio = 0;
    int i = 1;
    for (; i < argc && std::strncmp(argv[i], "--", 2) == 0; ++i) {
        std::string option = argv[i];
        if (option == "--ref" && i + 1 < argc) ref = argv[++i];
        else if (option == "--quiet") quiet = true;
        else if (option == "--ref-quiet") refQuiet = true;
        else if (option == "--cpu") cpu = true;
        else if (option == "--max-ratio" && i + 1 < argc) maxRatio = std::atof(argv[++i]);
        else usage();
    }
    if (argc - i < 3) usage();
    if (maxRatio > 0 && ref.empty()) {
        std::fprintf(stderr, "runs: --max-ratio needs --ref\n");
        return 2;
    }
    std::string kavel = argv[i];
    int reps = std::atoi(argv[i + 1]);
    if (reps < 1) usage();

    std::vector<Input> inputs;
    for (int a = i + 2; a < argc; ++a) {
        std::string text = argv[a];
        std::size_t c1 = text.find(':'), c2 = c1 == std::string::npos ? c1 : text.find(':', c1 + 1);
        if (c2 == std::string::npos) usage();
        std::string floor = text.substr(c1 + 1, c2 - c1 - 1), source = text.substr(c2 + 1);
        std::size_t slash = source.rfind('/');
        std::string dir = slash == std::string::npos ? "." : source.substr(0, slash);
        std::string file = slash == std::string::npos ? source : source.substr(slash + 1);
        struct stat st;
        if (stat(source.c_str(), &st) != 0) {
            std::fprintf(stderr, "runs: no source %s\n", source.c_str());
            return 1;
        }
        Input in{text.substr(0, c1), dir, static_cast<long long>(st.st_size), {}};
        auto compiler = [&](const std::string& label, const std::string& binary, bool q) {
            Side s;
            s.label = label;
            s.words = {binary};
            if (q) s.words.push_back("-q");
            s.words.push_back(file);
            s.compiler = true;
            return s;
        };
        in.sides.push_back(compiler("kavel", kavel, quiet));
        if (!ref.empty()) in.sides.push_back(compiler("reference", ref, refQuiet));
        Side f;
        if (floor == "cp") {
            f.label = "cp";
            f.words = {"cp", file, file + ".copy"};
        } else if (floor == "wc") {
            f.label = "wc -l";
            f.words = {"wc", "-l", file};
            f.mayFail = true;
        } else if (floor != "none") {
            usage();
        }
        if (!f.label.empty()) in.sides.push_back(f);
        inputs.push_back(in);
    }

    for (Input& in : inputs)
        for (Side& s : in.sides) run(in.dir, s.words, s.mayFail);
    for (int r = 0; r < reps; ++r) {
        for (Input& in : inputs) {
            std::size_t n = in.sides.size();
            for (std::size_t k = 0; k < n; ++k) {
                Side& s = in.sides[(k + r) % n];
                Sample sample = run(in.dir, s.words, s.mayFail);
                s.times.push_back(cpu ? sample.cpuSeconds : sample.seconds);
                s.peakKb = std::max(s.peakKb, sample.peakKb);
            }
        }
    }

    std::printf("%d runs of each, interleaved; %s\n", reps,
                cpu ? "processor time (user and system)" : "time on the clock");
    std::printf("%-10s %-10s %11s %11s %12s %12s\n", "input", "command", "median", "min", "rate", "peak RSS");
    bool tooSlow = false;
    for (const Input& in : inputs) {
        char size[32];
        if (in.bytes >= 1000000) std::snprintf(size, sizeof size, "%.1f MB", double(in.bytes) / 1e6);
        else std::snprintf(size, sizeof size, "%lld B", in.bytes);
        std::printf("%s (%s)\n", in.name.c_str(), size);
        for (const Side& s : in.sides) {
            double m = median(s.times), lo = *std::min_element(s.times.begin(), s.times.end());
            char peak[32] = "";
            if (s.compiler) std::snprintf(peak, sizeof peak, "%ld KB", s.peakKb);
            std::printf("%-10s %-10s %11s %11s %12s %12s\n", "", s.label.c_str(), human(m).c_str(),
                        human(lo).c_str(), rate(double(in.bytes), m).c_str(), peak);
        }
        const std::vector<double>& mine = in.sides[0].times;
        double mainMedian = median(mine), mainMin = *std::min_element(mine.begin(), mine.end());
        for (std::size_t k = 1; k < in.sides.size(); ++k) {
            const std::vector<double>& theirs = in.sides[k].times;
            double ratio = mainMedian / median(theirs);
            std::printf("%-10s kavel/%-10s %.2f (of the minimums %.2f)\n", "", in.sides[k].label.c_str(), ratio,
                        mainMin / *std::min_element(theirs.begin(), theirs.end()));
            if (maxRatio > 0 && k == 1 && ratio > maxRatio) tooSlow = true;
        }
    }
    std::fflush(stdout);
    if (tooSlow) {
        std::printf("runs: the current build is more than %.2f times slower than the reference\n", maxRatio);
        return 3;
    }
    return 0;
}
