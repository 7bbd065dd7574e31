// Compilations side by side: every source of the end-to-end cases and 2,000
// random forms compiled in this one process, on two threads at once, each
// with its own share of the sources, and every result compared with what
// `kavel -q` makes of the same source: its exit status, the bytes of the
// class it writes, and its messages on standard output and standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "driver/driver.h"
#include "support.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Source {
    std::string origin;      // the case and the section, or the random form's file
    std::string extension;   // ".fms" or ".txt"
    std::string text;
};

// ---------------------------------------------------------------------------
// The command line.

// The environment of the programs run: this process's, but that in a
// sanitizer build the command line's leak check at exit is left out (it
// doubles the time of a run; the end-to-end cases check the command line's
// leaks, and this process's leak check covers the compilations compared).
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> env;
    std::string asan = "ASAN_OPTIONS=detect_leaks=0";
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("ASAN_OPTIONS=", 0) == 0)
            asan = entry + ":detect_leaks=0";
        else
            env.push_back(entry);
    }
    env.push_back(asan);
    return env;
}

// Runs a program with its standard output and error going to files (empty
// names: thrown away); its exit status, or -1.
int run(const std::vector<std::string>& words, const std::string& out = {}, const std::string& err = {})
{
    std::vector<char*> argv;
    std::vector<std::string> copy = words;
    for (std::string& w : copy) argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.empty() ? "/dev/null" : out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.empty() ? "/dev/null" : err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    static const std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string extensionOf(const std::string& name)
{
    const std::string ext = fs::path(name).extension().string();
    return ext == ".fms" || ext == ".txt" ? ext : std::string();
}

// The sources of the cases, as the end-to-end runner lays them down (it is
// the one reader of the case format): every file it writes for a case whose
// name ends in .fms or .txt.
std::vector<Source> caseSources(const fs::path& into)
{
    std::vector<Source> sources;
    if (run({KAVEL_E2E_TESTS, "--extract", "all", into.string()}) != 0)
        return sources;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(into))
        if (entry.is_regular_file() && !extensionOf(entry.path().filename().string()).empty())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        sources.push_back({fs::relative(file, into).string(), extensionOf(file.filename().string()),
                           readBytes(file.string())});
    return sources;
}

struct Outcome {
    int status = -1;
    std::string vb;
    bool wroteVb = false;
    std::string out, err;
};


class SideBySide : public testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("kavel-threads-" + std::to_string(getpid()));
    void SetUp() override
    {
        fs::remove_all(dir);
        fs::create_directories(dir / "random");
        fs::create_directories(dir / "run");
    }
    void TearDown() override
    {
        if (!HasFailure()) fs::remove_all(dir);
    }

    // What `kavel -q` makes of the source, written as the file runN.EXT.
    Outcome command(const Source& source, std::size_t n)
    {
        const fs::path base = dir / "run" / ("run" + std::to_string(n));
        const fs::path path = base.string() + source.extension;
        std::ofstream(path, std::ios::binary) << source.text;
        const std::string out = base.string() + ".out", err = base.string() + ".err";
        Outcome o;
        o.status = run({KAVEL_BINARY, "-q", path.string()}, out, err);
        const fs::path vb = base.string() + ".vb";
        o.wroteVb = fs::exists(vb);
        if (o.wroteVb) o.vb = readBytes(vb.string());
        o.out = readBytes(out);
        o.err = readBytes(err);
        for (const fs::path& p : {path, vb, fs::path(out), fs::path(err)}) fs::remove(p);
        return o;
    }
};

TEST_F(SideBySide, TwoThreadsCompileAsTheCommandLineDoes)
{
    const auto started = std::chrono::steady_clock::now();
    std::vector<Source> sources = caseSources(dir / "cases");
    const std::size_t fromCases = sources.size();
    ASSERT_GT(fromCases, 100u) << "the case sources were not found";

    // 2,000 random forms, always the same ones.
    ASSERT_EQ(run({KAVEL_FORMGEN, "19", "2000", (dir / "random").string()}), 0) << KAVEL_FORMGEN;
    for (int i = 1; i <= 2000; ++i) {
        const std::string name = "g19_" + std::to_string(i) + ".fms";
        const std::string text = readBytes((dir / "random" / name).string());
        ASSERT_FALSE(text.empty()) << name;
        sources.push_back({name, ".fms", text});
    }

    // Both threads at once, each on its own copies of every other source.
    struct Compiled {
        int status = -1;
        std::string vb;
        bool hasForm = false;
        std::string out, err;
    };
    std::vector<Compiled> results(sources.size());
    std::vector<std::vector<std::pair<std::size_t, std::string>>> shares(2);
    for (std::size_t i = 0; i < sources.size(); ++i) shares[i % 2].emplace_back(i, sources[i].text);
    std::vector<std::vector<Compiled>> done(2);
    auto work = [&](int share) {
        std::vector<Compiled>& out = done[static_cast<std::size_t>(share)];
        for (const auto& [index, text] : shares[static_cast<std::size_t>(share)]) {
            const SourceBuffer buffer("run" + std::to_string(index) + ".fms", text);
            std::FILE* console[2] = {std::tmpfile(), std::tmpfile()};
            if (console[0] == nullptr || console[1] == nullptr) {
                out.push_back({});   // a status of -1: reported as a difference
                for (std::FILE* f : console)
                    if (f != nullptr) std::fclose(f);
                continue;
            }
            ConsoleConsumer messages(DiagnosticsFormat::Classic, true, console[0], console[1]);
            CompileResult r = compile(buffer, {}, messages);
            out.push_back({r.status, std::move(r.vb), r.form != nullptr, drain(console[0]), drain(console[1])});
        }
    };
    const auto compiling = std::chrono::steady_clock::now();
    std::thread first(work, 0), second(work, 1);
    first.join();
    second.join();
    const auto compiled = std::chrono::steady_clock::now();
    for (int share = 0; share < 2; ++share)
        for (std::size_t k = 0; k < done[share].size(); ++k)
            results[shares[share][k].first] = std::move(done[share][k]);

    // The command line on the same sources, two runs at a time.
    std::vector<Outcome> outcomes(sources.size());
    auto runShare = [&](std::size_t share) {
        for (std::size_t i = share; i < sources.size(); i += 2) outcomes[i] = command(sources[i], i);
    };
    std::thread firstRuns(runShare, 0), secondRuns(runShare, 1);
    firstRuns.join();
    secondRuns.join();
    int refused = 0, differing = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const Outcome& o = outcomes[i];
        const Compiled& c = results[i];
        refused += c.status != 0;
        const bool same = o.status == c.status && o.wroteVb == (c.status == 0) && o.vb == c.vb &&
                          c.hasForm == (c.status == 0) && o.out == c.out && o.err == c.err;
        if (!same && ++differing <= 10)
            ADD_FAILURE() << sources[i].origin << ": command line status " << o.status
                          << (o.wroteVb ? " with a .vb" : " without a .vb") << ", compilation status " << c.status
                          << (o.vb == c.vb ? ", the same class text" : ", another class text")
                          << "\ncommand line output:\n" << o.out << "compilation output:\n" << c.out
                          << "command line errors:\n" << o.err << "compilation errors:\n" << c.err;
    }
    EXPECT_EQ(differing, 0);
    // Both kinds of outcome were compared.
    EXPECT_GT(refused, 0);
    EXPECT_GT(static_cast<int>(sources.size()) - refused, static_cast<int>(sources.size()) / 2);
    const auto ended = std::chrono::steady_clock::now();
    using ms = std::chrono::milliseconds;
    std::printf("%zu sources (%zu from the cases, %d refused); two threads %lld ms, all %lld ms\n", sources.size(),
                fromCases, refused, static_cast<long long>(std::chrono::duration_cast<ms>(compiled - compiling).count()),
                static_cast<long long>(std::chrono::duration_cast<ms>(ended - started).count()));
}

}  // namespace
