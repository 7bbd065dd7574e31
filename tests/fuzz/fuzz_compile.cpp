// libFuzzer target: the real scanner, parser, actions, layout and class
// writer on arbitrary bytes, all in one process. The compiler ends the run on
// every error; here the error exit unwinds instead, and the global state is
// set back to its start before each input.
#include <cstddef>
#include <cstdint>

#include "driver/driver.h"
#include "form/form.h"
#include "parser/parser.h"

namespace {

struct Unwind {
    int status;
};

[[noreturn]] void unwind(int status) { throw Unwind{status}; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    resetCompiler(unwind);
    try {
        Parser p(reinterpret_cast<const char*>(data), size);
        p.parse();
        form.writeClass();
    } catch (const Unwind&) {
    }
    return 0;
}
