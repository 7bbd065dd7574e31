// The writers of the description and the picture against a whole compilation,
// in one process, without files: per source, the median time of compile()
// (scanner, parser, layout, warnings and the class text), of describeForm and
// of drawForm on its form, and the ratio of compile + both writers to
// compile alone.
//   emit_bench SOURCE... [--reps N]      (default 2001)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    int reps = 2001;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            reps = std::atoi(argv[++i]);
        else
            sources.push_back(argv[i]);
    }
    std::printf("%-12s %12s %12s %12s %8s\n", "source", "compile us", "json us", "svg us", "ratio");
    std::size_t sink = 0;
    for (const std::string& path : sources) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const SourceBuffer source(path, text.str());
        std::vector<double> compileTimes, jsonTimes, svgTimes;
        for (int r = 0; r < reps; ++r) {
            const auto t0 = Clock::now();
            const CompileResult result = compile(source);
            const auto t1 = Clock::now();
            if (!result.form) {
                std::fprintf(stderr, "emit_bench: %s does not compile\n", path.c_str());
                return 1;
            }
            const std::string json = describeForm(*result.form, source);
            const auto t2 = Clock::now();
            const std::string svg = drawForm(*result.form, source, result.diagnostics);
            const auto t3 = Clock::now();
            sink += json.size() + svg.size() + result.vb.size();
            compileTimes.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            jsonTimes.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
            svgTimes.push_back(std::chrono::duration<double, std::micro>(t3 - t2).count());
        }
        const double c = median(compileTimes), j = median(jsonTimes), s = median(svgTimes);
        const std::size_t slash = path.find_last_of('/');
        std::printf("%-12s %12.1f %12.1f %12.1f %8.2f\n", path.substr(slash == std::string::npos ? 0 : slash + 1).c_str(),
                    c, j, s, (c + j + s) / c);
    }
    return sink == 0;
}
