#include "print/report_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    if (rc::print::IsHeadlessInvocation(args))
        return rc::print::RunReportCommand(args, std::cout, std::cerr);
    std::cerr << "rcedit: the editor window is not available in this build; use --report (see --help)\n";
    return 2;
}
