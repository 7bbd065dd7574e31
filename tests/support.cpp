#include "support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

// Everything written to a temporary stream, which is then closed.
std::string drain(std::FILE* stream)
{
    std::string text;
    std::fflush(stream);
    std::rewind(stream);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stream)) > 0;)
        text.append(buffer, n);
    std::fclose(stream);
    return text;
}

ParseResult parseSource(const std::string& source, DiagnosticsFormat format, const CompileOptions& options)
{
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (out == nullptr || err == nullptr) {
        ADD_FAILURE() << "no temporary file for the console streams";
        if (out != nullptr) std::fclose(out);
        if (err != nullptr) std::fclose(err);
        return {-1, {}, {}};
    }
    const SourceBuffer buffer("demo.fms", source);
    ParseResult r{0, {}, {}};
    {
        ConsoleConsumer console(format, false, out, err);
        r.status = compile(buffer, options, console).status;
    }
    r.out = drain(out);
    r.err = drain(err);
    return r;
}

CompileResult compileSource(const std::string& source, const CompileOptions& options)
{
    const SourceBuffer buffer("demo.fms", source);
    return compile(buffer, options);
}

std::string formWith(const std::string& organization, const std::string& sections,
                     const std::string& location)
{
    return "form demo\nlocation = " + location + "\ncaption = \"Demo\"\norganization = " +
           organization + "\n" + sections + "end\n";
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
