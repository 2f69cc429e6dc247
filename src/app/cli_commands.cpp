#include "cli_command.h"

#include "cli_check.h"
#include "cli_estimate.h"
#include "cli_report.h"

namespace {

// New subcommands are one line here and one file of their own (cli_<name>.cpp).
constexpr CliCommand Commands[] = {
    {"check", "FILE… [--answer ok|cancel]",
     "open project files as Open Project does; print messages, application, parameters and texts", runCheck},
    {"estimate", "FILE… [--json] [--answer ok|cancel]",
     "open project files and print the estimation page and the calculation overviews", runEstimate},
    {"report", "FILE… -o OUT [--format pdf|rtf|html|gif|bmp|jpg|tif] [--graph-type 1..6] [--dpi N] [--answer ok|cancel]",
     "write the energy report of project files (with several files OUT is a folder)", runReport},
};

} // namespace

std::span<const CliCommand> cliCommands() { return Commands; }
