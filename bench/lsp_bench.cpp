// The language server's speed and memory, in process (server time: from a
// message body in to the messages out, JSON included):
//   - after a one-character change to a 150-line form, the diagnostics are
//     published within 2 ms (median);
//   - completion and hover answer within 1 ms (median);
//   - memory (resident set) after 10,000 changes is within 10 % of memory
//     after 100.
// Prints the figures and exits 1 when one is missed.
//   lsp_bench [CHANGES [KAVEL]]     (default 10000)
// With KAVEL (a built kavel), the same changes go to `KAVEL --lsp` over
// pipes as well: the round trip from a change written to its diagnostics
// read, and the server process's resident memory after 100 changes and
// after all (read from /proc).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "lsp/lsp.h"

namespace {

// A form of exactly 150 lines that compiles: three columns of buttons, text
// boxes, a check box, a timer, a scroll bar in the first, and comments.
std::string benchForm()
{
    std::vector<std::string> lines = {"form Bench", "location = middle center", "caption = \"Benchmark form\"",
                                      "organization = columns"};
    int n = 0;
    for (int s = 0; s < 3; ++s) {
        lines.push_back("");
        lines.push_back("section");
        for (int k = 0; k < 4; ++k) {
            ++n;
            const std::string i = std::to_string(n);
            for (const std::string& l : {"commandbutton Button" + i, "caption = \"Button " + i + "\"", std::string("end"),
                                         "textbox Box" + i, std::string("height = 1"), std::string("width = small"),
                                         "label = \"Box " + i + ":\"", std::string("end")})
                lines.push_back(l);
        }
        const std::string i = std::to_string(s);
        for (const std::string& l : {"checkbox Check" + i, std::string("caption = \"Check\""), std::string("height = 1"),
                                     std::string("width = small"), std::string("end"), "timer Clock" + i,
                                     std::string("interval = 100"), std::string("end")})
            lines.push_back(l);
        if (s == 0)
            for (const char* l : {"scrollbar Level", "orientation = vertical", "length = small", "min = 0", "max = 100",
                                  "value = 50", "smallchange = 1", "largechange = 10", "end"})
                lines.push_back(l);
        lines.push_back("' the end of section " + std::to_string(s + 1));
        lines.push_back("end");
    }
    lines.push_back("end");
    while (lines.size() < 150)
        lines.insert(lines.begin() + 4, "' a note on the form");
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

long residentKiB(const std::string& process = "self")
{
    std::ifstream status("/proc/" + process + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// The 0-based line that holds `needle` whole.
int lineOf(const std::string& text, const std::string& needle)
{
    const std::size_t at = text.find("\n" + needle + "\n");
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at) + 1, '\n'));
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double p99(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() * 99 / 100];
}

using Clock = std::chrono::steady_clock;

double timed(lsp::Server& server, const std::string& body, std::size_t& answers)
{
    const auto start = Clock::now();
    const auto out = server.handle(body);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    answers += out.size();
    return ms;
}

std::string changeMessage(int version, int line, bool insert)
{
    const std::string at = R"({"line":)" + std::to_string(line) + R"(,"character":11})";
    const std::string range = insert ? R"({"start":)" + at + R"(,"end":)" + at + "}"
                                     : R"({"start":)" + at + R"(,"end":{"line":)" + std::to_string(line) +
                                           R"(,"character":12}})";
    return R"({"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///bench.fms",)"
           R"("version":)" + std::to_string(version) + R"(},"contentChanges":[{"range":)" + range + R"(,"text":")" +
           (insert ? "x" : "") + "\"}]}}";
}

// The same changes to a kavel --lsp process; false when it misbehaves.
bool processMode(const char* kavel, int changes, const std::string& form, int captionLine)
{
    int toServer[2], fromServer[2];
    if (pipe(toServer) != 0 || pipe(fromServer) != 0)
        return false;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(toServer[0], 0);
        dup2(fromServer[1], 1);
        close(toServer[1]);
        close(fromServer[0]);
        execl(kavel, kavel, "--lsp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toServer[0]);
    close(fromServer[1]);
    std::atomic<long> published{0};
    std::thread reader([&] {
        lsp::MessageReader messages;
        std::string body;
        char chunk[65536];
        for (;;) {
            const ssize_t got = read(fromServer[0], chunk, sizeof chunk);
            if (got <= 0)
                return;
            messages.feed(std::string_view(chunk, static_cast<std::size_t>(got)));
            while (messages.next(body) == lsp::MessageReader::Status::Message)
                if (body.find("publishDiagnostics") != std::string::npos)
                    ++published;
        }
    });
    auto send = [&](const std::string& body) {
        const std::string message = lsp::frame(body);
        return write(toServer[1], message.data(), message.size()) == static_cast<ssize_t>(message.size());
    };
    auto waitFor = [&](long count) {
        while (published.load() < count)
            std::this_thread::sleep_for(std::chrono::microseconds(20));
    };
    send(R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{"capabilities":{}}})");
    send(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
         R"({"uri":"file:///bench.fms","version":1,"text":)" + quoted(form) + "}}}");
    waitFor(1);
    std::vector<double> roundTrip(static_cast<std::size_t>(changes), 0.0);
    const std::string process = std::to_string(pid);
    long after100 = 0;
    for (int i = 0; i < changes; ++i) {
        const auto start = Clock::now();
        send(changeMessage(i + 2, captionLine, i % 2 == 0));
        waitFor(i + 2);
        roundTrip[static_cast<std::size_t>(i)] = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (i + 1 == 100)
            after100 = residentKiB(process);
    }
    const long afterAll = residentKiB(process);
    send(R"({"jsonrpc":"2.0","id":1,"method":"shutdown"})");
    send(R"({"jsonrpc":"2.0","method":"exit"})");
    close(toServer[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    reader.join();
    close(fromServer[0]);
    const double growth = 100.0 * static_cast<double>(afterAll - after100) / static_cast<double>(after100);
    std::printf("lsp_bench: %s --lsp over pipes: change -> diagnostics read: median %.3f ms, 99th percentile %.3f ms\n",
                kavel, median(roundTrip), p99(roundTrip));
    std::printf("lsp_bench: %s --lsp resident memory after 100 changes %ld KiB, after %d: %ld KiB (%+.1f %%); exit status %d\n",
                kavel, after100, changes, afterAll, growth, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    return growth <= 10.0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int changes = argc > 1 ? std::atoi(argv[1]) : 10000;
    const std::string form = benchForm();
    lsp::Server server;
    std::size_t answers = 0;
    server.handle(R"({"jsonrpc":"2.0","id":0,"method":"initialize","params":{"capabilities":{}}})");
    const auto opened = server.handle(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{"textDocument":)"
                                      R"({"uri":"file:///bench.fms","version":1,"text":)" +
                                      quoted(form) + "}}}");
    if (opened.size() != 1 || opened[0].find("\"diagnostics\":[]") == std::string::npos) {
        std::fprintf(stderr, "lsp_bench: the bench form does not compile: %s\n", opened.empty() ? "" : opened[0].c_str());
        return 2;
    }

    // One character typed into the first button's caption, then taken out
    // again: the form compiles after every change.
    const std::string captionLine = std::to_string(lineOf(form, "caption = \"Button 1\""));
    const std::string buttonLine = std::to_string(lineOf(form, "commandbutton Button1"));
    auto change = [&](int version, bool insert) { return changeMessage(version, std::stoi(captionLine), insert); };
    // A change that breaks the form and one that mends it: the refusal path.
    auto breakChange = [&](int version, bool breakIt) {
        const std::string range = R"({"start":{"line":)" + buttonLine + R"(,"character":0},"end":{"line":)" + buttonLine +
                                  R"(,"character":1}})";
        return R"({"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///bench.fms",)"
               R"("version":)" + std::to_string(version) + R"(},"contentChanges":[{"range":)" + range +
               R"(,"text":")" + (breakIt ? "x" : "c") + "\"}]}}";
    };
    int version = 1;
    std::vector<double> changeMs, brokenMs, completionMs, hoverMs;
    // The timings' room is taken before the first change, so that the
    // memory measured is the server's.
    changeMs.assign(static_cast<std::size_t>(changes), 0.0);
    long after100 = 0;
    for (int i = 0; i < changes; ++i) {
        changeMs[static_cast<std::size_t>(i)] = timed(server, change(++version, i % 2 == 0), answers);
        if (i + 1 == 100)
            after100 = residentKiB();
    }
    const long afterAll = residentKiB();
    for (int i = 0; i < 1000; ++i)
        brokenMs.push_back(timed(server, breakChange(++version, i % 2 == 0), answers));
    // The refusal is published: the changes reach the compiler.
    const auto broken = server.handle(breakChange(++version, true));
    const bool refused = !broken.empty() && broken[0].find("KV0201") != std::string::npos;
    server.handle(breakChange(++version, false));
    const std::string completion =
        R"({"jsonrpc":"2.0","id":7,"method":"textDocument/completion","params":{"textDocument":{"uri":"file:///bench.fms"},)"
        R"("position":{"line":)" + std::to_string(lineOf(form, "caption = \"Button 9\"")) + R"(,"character":0}}})";
    const std::string hover =
        R"({"jsonrpc":"2.0","id":8,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///bench.fms"},)"
        R"("position":{"line":)" + std::to_string(lineOf(form, "commandbutton Button9")) + R"(,"character":16}}})";
    for (int i = 0; i < 1000; ++i) {
        completionMs.push_back(timed(server, completion, answers));
        hoverMs.push_back(timed(server, hover, answers));
    }
    const auto lastCompletion = server.handle(completion);
    const auto lastHover = server.handle(hover);

    const double growth = after100 > 0 ? 100.0 * static_cast<double>(afterAll - after100) / static_cast<double>(after100) : 0;
    std::printf("lsp_bench: a %d-line form (%zu bytes)\n", static_cast<int>(std::count(form.begin(), form.end(), '\n')),
                form.size());
    std::printf("lsp_bench: change -> diagnostics published: median %.3f ms, 99th percentile %.3f ms (%d changes)\n",
                median(changeMs), p99(changeMs), changes);
    std::printf("lsp_bench: change breaking or mending it:    median %.3f ms, 99th percentile %.3f ms\n",
                median(brokenMs), p99(brokenMs));
    std::printf("lsp_bench: completion: median %.3f ms, 99th percentile %.3f ms%s\n", median(completionMs),
                p99(completionMs),
                lastCompletion.empty() || lastCompletion[0].find("\"label\":\"caption\"") == std::string::npos
                    ? " (NOT caption)" : "");
    std::printf("lsp_bench: hover:      median %.3f ms, 99th percentile %.3f ms%s\n", median(hoverMs), p99(hoverMs),
                lastHover.empty() || lastHover[0].find("\"contents\"") == std::string::npos ? " (NO HOVER)" : "");
    std::printf("lsp_bench: resident memory after 100 changes %ld KiB, after %d: %ld KiB (%+.1f %%)\n", after100, changes,
                afterAll, growth);
    if (!refused)
        std::printf("lsp_bench: the breaking change was NOT refused\n");
    bool ok = refused && median(changeMs) <= 2.0 && median(completionMs) <= 1.0 && median(hoverMs) <= 1.0 && growth <= 10.0 &&
              !lastHover.empty() && lastHover[0].find("\"contents\"") != std::string::npos;
    if (argc > 2)
        ok = processMode(argv[2], changes, form, std::stoi(captionLine)) && ok;
    std::printf("lsp_bench: %s (%zu messages out)\n", ok ? "within the limits" : "OUTSIDE THE LIMITS", answers);
    return ok ? 0 : 1;
}
