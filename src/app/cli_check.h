#pragma once

#include <QStringList>

struct CliContext;

// pelnix-cli check FILE…: exit status 0 when every file opened, 1 otherwise.
int runCheck(const QStringList &arguments, CliContext &context);
