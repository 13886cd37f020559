// Checks every #include under src/ and tests/ against the rules in the folders' READMEs; prints each
// one that breaks them and fails when there is any.
#include <iostream>

#include "include_rules.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: check_includes PROJECT_ROOT QT_INCLUDE_DIR\n";
        return 2;
    }
    const auto violations = includes::CheckTree({argv[1], argv[2]});
    for (const includes::Violation& v : violations)
        std::cerr << v.file.generic_string() << ':' << v.line << ": " << v.message << '\n';
    return violations.empty() ? 0 : 1;
}
