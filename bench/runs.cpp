// Whole runs of the compiler against the floor: a process that only copies
// the source (cp) or counts its lines (wc -l). Each repetition runs every
// pair back to back, so both sides see the same machine; the medians and
// their ratio are printed, with the peak memory of the compiler's runs.
//   runs KAVEL REPS NAME:FLOOR:SOURCE...      FLOOR is cp or wc
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double seconds;
    long peakKb;
};

// Runs a command in a folder with its output thrown away.
Sample run(const std::string& dir, const std::vector<std::string>& words)
{
    timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(127);
        int null = open("/dev/null", O_WRONLY);
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
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && words[0] != "wc")) {
        std::fprintf(stderr, "runs: %s failed in %s\n", words[0].c_str(), dir.c_str());
        std::exit(1);
    }
    return {double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9, usage.ru_maxrss};
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

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: runs KAVEL REPS NAME:FLOOR:SOURCE...\n");
        return 2;
    }
    std::string kavel = argv[1];
    int reps = std::atoi(argv[2]);
    struct Pair {
        std::string name, floor, dir, file;
        std::vector<double> kavel, floorTimes;
        long peakKb = 0;
    };
    std::vector<Pair> pairs;
    for (int i = 3; i < argc; ++i) {
        std::string pairText = argv[i];
        std::size_t a = pairText.find(':'), b = pairText.find(':', a + 1);
        std::string source = pairText.substr(b + 1);
        std::size_t slash = source.rfind('/');
        pairs.push_back({pairText.substr(0, a), pairText.substr(a + 1, b - a - 1),
                         slash == std::string::npos ? "." : source.substr(0, slash),
                         slash == std::string::npos ? source : source.substr(slash + 1), {}, {}, 0});
    }
    for (int r = 0; r < reps; ++r) {
        for (Pair& p : pairs) {
            // Alternate which side goes first.
            for (int side = 0; side < 2; ++side) {
                bool kavelTurn = (side == 0) == (r % 2 == 0);
                if (kavelTurn) {
                    Sample s = run(p.dir, {kavel, p.file});
                    p.kavel.push_back(s.seconds);
                    p.peakKb = std::max(p.peakKb, s.peakKb);
                } else if (p.floor == "cp") {
                    p.floorTimes.push_back(run(p.dir, {"cp", p.file, p.file + ".copy"}).seconds);
                } else {
                    p.floorTimes.push_back(run(p.dir, {"wc", "-l", p.file}).seconds);
                }
            }
        }
    }
    std::printf("%-10s %-6s %12s %12s %7s %10s\n", "input", "floor", "kavel", "floor", "ratio", "peak RSS");
    for (const Pair& p : pairs) {
        double k = median(p.kavel), f = median(p.floorTimes);
        std::printf("%-10s %-6s %12s %12s %7.2f %7ld KB\n", p.name.c_str(), p.floor == "cp" ? "cp" : "wc -l",
                    human(k).c_str(), human(f).c_str(), k / f, p.peakKb);
    }
    return 0;
}
