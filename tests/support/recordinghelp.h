#pragma once

#include "data/helprouter.h"

#include <QStringList>

// A help router for tests: records every topic asked for.
class RecordingHelp final : public HelpRouter
{
public:
    void showTopic(const QString &topic) override { topics << topic; }
    QStringList topics;
};
