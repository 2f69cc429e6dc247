#pragma once

#include <QStringList>

struct CliContext;

// pelnix-cli report FILE… -o OUT [--format F] [--graph-type N] [--dpi N]: writes the energy report
// of every file; exit status 0 when every report was written, 1 otherwise.
int runReport(const QStringList &arguments, CliContext &context);
