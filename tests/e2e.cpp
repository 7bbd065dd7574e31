// End-to-end tests: each case file under tests/cases is one run of the built
// compiler in a fresh temporary folder. A case gives the arguments, standard
// input and the files to lay down, and the expected standard output,
// standard error, exit status and files; after the run the folder must hold
// exactly the files laid down (unchanged unless expected otherwise) and the
// expected ones, byte for byte.
//
// Case format: a few header lines, then sections that start with "--- ":
//   args: WORD...           the command-line words (none when empty or absent)
//   status: N               the exit status
//   fsize: N                a file-size limit in bytes for the run (SIGXFSZ ignored)
//   platform: NAME REASON   the case holds on one system only (linux,
//                           windows): skipped, with the reason, elsewhere
//   --- file NAME           a file laid down before the run
//   --- dir NAME            a folder laid down before the run
//   --- link NAME TARGET    a symbolic link laid down before the run
//   --- stdin / --- stdout / --- stderr
//   --- expect NAME         a file the run must leave with this content
// A section marker may end in "noeol" (no line end after its last line) or
// "escaped" (\t, \n, \r, \0, \\ and \xHH are decoded); a file section also
// in "readonly" (laid down without write permission, which it must still
// lack after the run, replaced or not). In stdout, a line "@banner"
// stands for the console banner; in any section "@include NAME" stands for
// the fixture file tests/cases/fixtures/NAME, and "@repeat N TEXT" for N
// numbered copies of a line.
//
// Extraction: "e2e_tests --extract CASE DIR" (CASE a case's name, or "all")
// lays down each case's files, folders and links in DIR/CASE as a run finds
// them, and writes its arguments to DIR/CASE.args, one a line, and its
// standard input, when it has one, to DIR/CASE.stdin; nothing is run. The
// tools that need the sources of the cases (tools/fuzz, tools/compare-builds,
// the corpus of the Visual Basic checks) take them from here.
//
// Environment: KAVEL_BINARY names another build of the compiler, and
// KAVEL_WRAPPER a program to run it under (valgrind, wine). KAVEL_PLATFORM
// names the system the compiler is built for (linux, the default, or windows). With
// KAVEL_LINE_ENDS=crlf the compiler's text ends its lines as on Windows: each
// LF of the expected standard output, standard error and of every file the
// run writes is expected as CR LF.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& data)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << data;
}

std::string decode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        char e = text[++i];
        if (e == 't') out += '\t';
        else if (e == 'n') out += '\n';
        else if (e == 'r') out += '\r';
        else if (e == '0') out += '\0';
        else if (e == 'x') { out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)); i += 2; }
        else out += e;
    }
    return out;
}

// "@repeat N TEXT": N copies of TEXT and a line end, with \n in TEXT a line
// end and {i} the copy's number from 1.
std::string repeat(const std::string& request)
{
    std::size_t blank = request.find(' ');
    int count = std::stoi(request.substr(0, blank));
    std::string text = decode(request.substr(blank + 1));
    std::string out;
    for (int i = 1; i <= count; ++i) {
        std::string copy = text;
        for (std::size_t at; (at = copy.find("{i}")) != std::string::npos;)
            copy.replace(at, 3, std::to_string(i));
        out += copy + "\n";
    }
    return out;
}

struct Case {
    std::string name;
    std::vector<std::string> args;
    int status = 0;
    long fsize = -1;
    std::vector<std::pair<std::string, std::string>> files;
    std::set<std::string> readOnly;
    std::string onlyOn, onlyWhy;   // the one system the case holds on, and why
    std::vector<std::string> dirs;
    std::vector<std::pair<std::string, std::string>> links;
    std::string stdinText, stdoutText, stderrText;
    std::map<std::string, std::string> expected;
};

// A fixture file, with its own "@include" lines expanded.
std::string fixture(const std::string& name)
{
    std::string text = readFile(fs::path(KAVEL_CASES_DIR) / "fixtures" / name);
    if (name == "banner") return text;
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("@include ", 0) == 0) out += fixture(line.substr(9));
        else out += line + "\n";
    }
    return out;
}

Case loadCase(const fs::path& path)
{
    Case c;
    c.name = path.stem().string();
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::string* target = nullptr;
    std::string body;
    std::string kind, arg;
    bool noeol = false, escaped = false;
    auto flush = [&] {
        if (target == nullptr) return;
        if (noeol && !body.empty() && body.back() == '\n') body.pop_back();
        *target = escaped ? decode(body) : body;
    };
    while (std::getline(in, line)) {
        if (line.rfind("--- ", 0) == 0) {
            flush();
            std::istringstream words(line.substr(4));
            words >> kind >> arg;
            if (kind == "link") {
                std::string linkTarget;
                words >> linkTarget;
                c.links.emplace_back(arg, linkTarget);
                flush();
                target = nullptr;
                continue;
            }
            // The words after the name (after the kind, for the streams).
            std::set<std::string> options;
            if (kind == "stdin" || kind == "stdout" || kind == "stderr") {
                options.insert(arg);
                arg.clear();
            }
            for (std::string option; words >> option;) options.insert(option);
            noeol = options.count("noeol") > 0;
            escaped = options.count("escaped") > 0;
            body.clear();
            if (kind == "file" && options.count("readonly") > 0)
                c.readOnly.insert(arg);
            if (kind == "file") { c.files.emplace_back(arg, ""); target = &c.files.back().second; }
            else if (kind == "dir") { c.dirs.push_back(arg); target = nullptr; }
            else if (kind == "stdin") target = &c.stdinText;
            else if (kind == "stdout") target = &c.stdoutText;
            else if (kind == "stderr") target = &c.stderrText;
            else if (kind == "expect") target = &c.expected[arg];
            else ADD_FAILURE() << path << ": unknown section " << kind;
            continue;
        }
        if (target == nullptr) {
            if (line.rfind("args:", 0) == 0) {
                std::istringstream words(line.substr(5));
                for (std::string w; words >> w;) c.args.push_back(w);
            } else if (line.rfind("status:", 0) == 0) {
                c.status = std::stoi(line.substr(7));
            } else if (line.rfind("fsize:", 0) == 0) {
                c.fsize = std::stol(line.substr(6));
            } else if (line.rfind("platform:", 0) == 0) {
                std::istringstream words(line.substr(9));
                words >> c.onlyOn >> std::ws;
                std::getline(words, c.onlyWhy);
            }
            continue;
        }
        if (line == "@banner") body += fixture("banner");
        else if (line.rfind("@include ", 0) == 0) body += fixture(line.substr(9));
        else if (line.rfind("@repeat ", 0) == 0) body += repeat(line.substr(8));
        else body += line + "\n";
    }
    flush();
    return c;
}

struct Outcome {
    std::string out, err;
    int status = -1;
};

Outcome run(const Case& c, const fs::path& dir)
{
    fs::path inPath = dir.parent_path() / (dir.filename().string() + ".stdin");
    fs::path outPath = dir.parent_path() / (dir.filename().string() + ".stdout");
    fs::path errPath = dir.parent_path() / (dir.filename().string() + ".stderr");
    writeFile(inPath, c.stdinText);
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(127);
        if (!freopen(inPath.c_str(), "rb", stdin) || !freopen(outPath.c_str(), "wb", stdout) ||
            !freopen(errPath.c_str(), "wb", stderr))
            _exit(127);
        if (c.fsize >= 0) {
            signal(SIGXFSZ, SIG_IGN);
            rlimit limit{static_cast<rlim_t>(c.fsize), static_cast<rlim_t>(c.fsize)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        // KAVEL_WRAPPER, when set, runs the compiler under another program
        // (valgrind): its words come first.
        std::vector<std::string> words;
        if (const char* wrapper = std::getenv("KAVEL_WRAPPER")) {
            std::istringstream w(wrapper);
            for (std::string word; w >> word;) words.push_back(word);
        }
        // KAVEL_BINARY, when set, names another build of the compiler.
        const char* binary = std::getenv("KAVEL_BINARY");
        words.push_back(binary ? binary : KAVEL_BINARY);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        std::vector<std::string> args = c.args;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    Outcome o;
    o.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    o.out = readFile(outPath);
    o.err = readFile(errPath);
    fs::remove(inPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return o;
}

std::vector<fs::path> caseFiles()
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(KAVEL_CASES_DIR))
        if (entry.path().extension() == ".case") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// The case's folder as a run finds it: its folders, links and files, the
// read-only ones without write permission.
void layDown(const Case& c, const fs::path& dir)
{
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const auto& d : c.dirs) fs::create_directories(dir / d);
    for (const auto& [name, linkTarget] : c.links) fs::create_symlink(linkTarget, dir / name);
    for (const auto& [name, data] : c.files) writeFile(dir / name, data);
    for (const auto& name : c.readOnly)
        fs::permissions(dir / name, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
}

class EndToEnd : public testing::TestWithParam<fs::path> {};

// The text as the compiler writes it where lines end in CR LF.
std::string withCrlf(const std::string& text)
{
    std::string out;
    for (char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

bool writable(const fs::path& path)
{
    return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

TEST_P(EndToEnd, Run)
{
    Case c = loadCase(GetParam());
    const char* platform = std::getenv("KAVEL_PLATFORM");
    if (!c.onlyOn.empty() && c.onlyOn != (platform != nullptr ? platform : "linux"))
        GTEST_SKIP() << "holds on " << c.onlyOn << " only: " << c.onlyWhy;
    const char* lineEnds = std::getenv("KAVEL_LINE_ENDS");
    if (lineEnds != nullptr && std::string(lineEnds) == "crlf") {
        c.stdoutText = withCrlf(c.stdoutText);
        c.stderrText = withCrlf(c.stderrText);
        // What the run writes, not the files laid down and left as they were.
        for (auto& [name, data] : c.expected) {
            auto laid = std::find_if(c.files.begin(), c.files.end(), [&](const auto& f) { return f.first == name; });
            if (laid == c.files.end() || laid->second != data) data = withCrlf(data);
        }
    }
    fs::path dir = fs::temp_directory_path() / ("kavel-e2e-" + std::to_string(getpid()) + "-" + c.name);
    layDown(c, dir);

    Outcome o = run(c, dir);
    EXPECT_EQ(o.out, c.stdoutText) << "standard output";
    EXPECT_EQ(o.err, c.stderrText) << "standard error";
    EXPECT_EQ(o.status, c.status) << "exit status";

    // The folder afterwards: the files laid down, unchanged unless expected
    // otherwise, and the expected files; nothing else.
    std::map<std::string, std::string> want;
    for (const auto& [name, data] : c.files) want[name] = data;
    for (const auto& [name, data] : c.expected) want[name] = data;
    std::set<std::string> dirs(c.dirs.begin(), c.dirs.end());
    std::set<std::string> links;
    for (const auto& link : c.links) links.insert(link.first);
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        std::string name = entry.path().lexically_relative(dir).string();
        if (links.count(name)) continue;
        if (entry.is_directory()) {
            EXPECT_TRUE(dirs.count(name)) << "unexpected folder " << name;
            continue;
        }
        auto it = want.find(name);
        if (it == want.end()) {
            ADD_FAILURE() << "unexpected file " << name << ":\n" << readFile(entry.path());
            continue;
        }
        EXPECT_EQ(readFile(entry.path()), it->second) << "file " << name;
        want.erase(it);
    }
    for (const auto& [name, data] : want) ADD_FAILURE() << "missing file " << name;
    for (const auto& name : c.readOnly) {
        if (fs::exists(dir / name)) {
            EXPECT_FALSE(writable(dir / name)) << "file " << name << " is no longer read-only";
        }
    }

    if (!HasFailure()) fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, testing::ValuesIn(caseFiles()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             std::string n = info.param.stem().string();
                             for (char& ch : n) if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

// "--extract CASE DIR": see the top of this file.
int extract(const std::string& which, const fs::path& out)
{
    int found = 0;
    for (const fs::path& path : caseFiles()) {
        if (which != "all" && path.stem().string() != which) continue;
        Case c = loadCase(path);
        layDown(c, out / c.name);
        std::string args;
        for (const std::string& a : c.args) args += a + "\n";
        writeFile(out / (c.name + ".args"), args);
        fs::remove(out / (c.name + ".stdin"));
        if (!c.stdinText.empty()) writeFile(out / (c.name + ".stdin"), c.stdinText);
        ++found;
    }
    if (found == 0) {
        std::fprintf(stderr, "e2e_tests: no case %s in %s\n", which.c_str(), KAVEL_CASES_DIR);
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--extract") {
        if (argc != 4) {
            std::fprintf(stderr, "usage: e2e_tests --extract CASE|all DIR\n");
            return 2;
        }
        try {
            return extract(argv[2], argv[3]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "e2e_tests: %s\n", e.what());
            return 2;
        }
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
