#include <cstdio>

#include "driver/driver.h"
#include "form/form.h"
#include "parser/parser.h"

int main(int argc, char** argv)
{
    Parser p(argc, argv);
    p.parse();
    form.generate();
    std::fputs("Compilation successful.\n\n", stdout);
    return ExitSuccess;
}
