// The one place that ends the process: main, with the status of the command,
// of the language server (--lsp) or of the formatter (--format).
#include <cstdio>

#include "driver/driver.h"
#include "lsp/lsp.h"

int main(int argc, char** argv)
{
    int status;
    const Options o = parseOptions(argc, argv);
    if (!o.refused && !o.help && !o.version && o.lsp)
        status = lsp::serve();
    else if (!o.refused && !o.help && !o.version && o.formatSource)
        status = lsp::formatCommand(o);
    else
        status = runCommand(argc, argv);
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}
