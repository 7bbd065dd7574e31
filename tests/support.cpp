#include "support.h"

#include <gtest/gtest.h>

#include "driver/driver.h"
#include "parser/parser.h"

namespace {
[[noreturn]] void throwQuit(int status) { throw Quit{status}; }
}

void freshState()
{
    resetCompiler(throwQuit);
}

ParseResult parseSource(const std::string& source, DiagnosticsFormat format)
{
    freshState();
    options.format = format;
    diagnosticContext.sourceName = "demo.fms";
    ParseResult r{0, {}, {}};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    try {
        Parser p(source.data(), source.size());
        p.parse();
    } catch (const Quit& q) {
        r.status = q.status;
    }
    r.out = testing::internal::GetCapturedStdout();
    r.err = testing::internal::GetCapturedStderr();
    options.format = DiagnosticsFormat::Classic;
    return r;
}

std::string formWith(const std::string& organization, const std::string& sections,
                     const std::string& location)
{
    return "form demo\nlocation = " + location + "\ncaption = \"Demo\"\norganization = " +
           organization + "\n" + sections + "end\n";
}
