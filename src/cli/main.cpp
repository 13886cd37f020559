#include <iostream>

#include "cli/cli_command.h"

int main(int argc, char** argv)
{
    return dds::cli::RunCli({argv + 1, argv + argc}, std::cout, std::cerr);
}
