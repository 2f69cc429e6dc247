#pragma once

#include <gtest/gtest.h>

#include "data/parameters.h"
#include "engine/estimation.h"
#include "engine/fieldtexts.h"
#include "setup/options.h"
#include "support/scriptedmessages.h"

// The default project: parameter defaults shown in the fields, built-in efficiency tables.
struct WorkedExample
{
    ScriptedMessages messages;
    ParameterTable params;
    ProgramOptions options;
    SetupFields setupFields;
    SystemDataTexts fields;
    EstimationResults results;

    WorkedExample()
    {
        params.DefineParameters(messages);
        ResetEfficiencyDefaults(options, setupFields);
        fields = SystemDataFromParameters(params);
        results.dutyTexts = DutyTextsFromParameters(params);
    }

    void setField(int number, const QString &text) { fields.fields[number - 1] = text; }

    // Runs the estimation and fails the test when it is refused.
    void run(int kind)
    {
        const auto refused = CalculateEstimation(kind, fields, options, results);
        if (refused)
            ADD_FAILURE() << "estimation refused: " << refused->message.toStdString();
    }
};
