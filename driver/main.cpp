// The one place that ends the process: main, with the status of the command.
#include <cstdio>

#include "driver/driver.h"

int main(int argc, char** argv)
{
    const int status = runCommand(argc, argv);
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}
