#include <cstdio>

#include "driver/driver.h"
#include "form/form.h"
#include "parser/parser.h"

int main(int argc, char** argv)
{
    options = parseOptions(argc, argv);
    if (!options.quiet && !options.help && !options.version)
        writeBanner();
    if (!options.error.empty())
        refuseCommandLine(options);
    if (options.help) {
        writeHelp();
        return ExitSuccess;
    }
    if (options.version) {
        writeVersion();
        return ExitSuccess;
    }
    Parser p(argc, argv);
    p.parse();
    form.generate();
    if (!options.quiet)
        std::fputs("Compilation successful.\n\n", stdout);
    return ExitSuccess;
}
