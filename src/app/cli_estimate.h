#pragma once

#include <QStringList>

struct CliContext;

// pelnix-cli estimate FILE… [--json]: exit status 0 when every file was estimated, 1 otherwise.
int runEstimate(const QStringList &arguments, CliContext &context);
