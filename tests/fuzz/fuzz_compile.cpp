// libFuzzer target: the whole compilation (scanner, parser, actions, layout,
// class writer and description) on arbitrary bytes, all in one process, with
// the options chosen from the first byte: the message format (classic, gnu
// or msvc, each formatted in full with its caret line), --strict and the
// framework. Every compilation is a fresh object; nothing carries over.
#include <cstddef>
#include <cstdint>
#include <string>

#include "driver/driver.h"

namespace {

// Formats every diagnostic as the console would, and keeps nothing.
class Formatter : public DiagnosticConsumer {
public:
    explicit Formatter(DiagnosticsFormat format) : format_(format) {}
    void consume(const Diagnostic& d, const SourceBuffer* source) override
    {
        if (format_ == DiagnosticsFormat::Classic)
            written_ += d.classic.size();
        else
            written_ += formatDiagnostic(format_, d, source).size();
    }

private:
    DiagnosticsFormat format_;
    std::size_t written_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    static constexpr DiagnosticsFormat formats[] = {DiagnosticsFormat::Classic, DiagnosticsFormat::Gnu,
                                                    DiagnosticsFormat::Msvc};
    CompileOptions options;
    options.strict = (choice & 4) != 0;
    options.framework = (choice & 8) != 0 ? Framework::NetCoreApp : Framework::NetFramework;
    Formatter formatter(formats[choice % 3]);
    const SourceBuffer source("fuzz.fms", std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    const CompileResult result = compile(source, options, formatter);
    if (result.form)
        (void)describeForm(*result.form, source);
    return 0;
}
