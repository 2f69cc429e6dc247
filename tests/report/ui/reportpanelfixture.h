#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/projectrecord.h"
#include "engine/fieldtexts.h"
#include "engine/payback.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"

// The program state of a default fan project after the analysis window's refresh.
class ReportStateTest : public ::testing::Test
{
protected:
    ReportStateTest() : m_store(m_dir.filePath(QStringLiteral("setup.ini"))), m_state(m_messages, m_store)
    {
        InitGlobals(m_state, QLocale::c());
        m_state.parameters.DefineParameters(m_messages);
        ResetEfficiencyDefaults(m_state.options, m_state.setupFields);
        m_state.record.applicationKind = 1;
        m_state.options.flags[0] = true;
        m_state.setupFields.preparer = QStringLiteral("Jane Doe");
        m_state.setupFields.company = QStringLiteral("Vendram Drives Inc.");
        m_state.results.dutyTexts = DutyTextsFromParameters(m_state.parameters);
        SystemDataTexts fields = SystemDataFromParameters(m_state.parameters);
        fields.fields[8] = QStringLiteral("12000");
        EXPECT_FALSE(CalculateEstimation(1, fields, m_state.options, m_state.results).has_value());
        ShowEstimation(1, m_state.results, m_state.options, QLatin1Char(','), m_state.page);
        m_texts.setText(ProjectText::ProjectName, QStringLiteral("Cooling Tower Fan"));
        m_texts.setText(ProjectText::Company, QStringLiteral("ACME Corp."));
        m_texts.setText(ProjectText::Email, QStringLiteral("smith@acme.example"));
    }

    QString tempFile(const QString &name) const { return m_state.paths.tempPath() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
    SettingsStore m_store;
    AppState m_state;
    PlainProjectTexts m_texts;
};
