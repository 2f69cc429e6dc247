#pragma once

#include <QDir>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "data/parameters.h"
#include "data/projectrecord.h"
#include "engine/estimation.h"
#include "engine/workedexample.h"
#include "engine/fieldtexts.h"
#include "engine/payback.h"
#include "report/energygraphs.h"
#include "report/graphpicture.h"
#include "report/reportfilling.h"
#include "setup/options.h"
#include "support/scriptedmessages.h"

// A default project (24 h, 7 days, 52 weeks, 10 cents, 150 HP, 95 %, drive cost 12,000) run through
// the estimation and the estimation page, ready to be turned into report sources.
struct ReportProject : WorkedExample
{
    EstimationPage page;
    PlainProjectTexts texts;
    QTemporaryDir dir;

    explicit ReportProject(int kind = 1)
    {
        setField(9, QStringLiteral("12000"));
        options.flags = {true, true, false, false, false, false, false};
        setupFields.company = QStringLiteral("Vendram Drives Inc.\r1200 Industrial Parkway\rSpringfield, IL 62701");
        setupFields.preparer = QStringLiteral("Jane Doe\rApplication Engineer\rjane.doe@example.com");
        texts.setText(ProjectText::ProjectName, QStringLiteral("AHU-3 Supply Fan"));
        texts.setText(ProjectText::Company, QStringLiteral("ACME Corp."));
        texts.setText(ProjectText::Name, QStringLiteral("Smith"));
        texts.setText(ProjectText::Title, QStringLiteral("Mr."));
        texts.setText(ProjectText::Address, QStringLiteral("12 Main Street"));
        texts.setText(ProjectText::CityStateZip, QStringLiteral("Dayton, OH 45402"));
        texts.setText(ProjectText::Country, QStringLiteral("USA"));
        texts.setText(ProjectText::Telephone, QStringLiteral("937-555-0100"));
        texts.setText(ProjectText::Email, QStringLiteral("smith@acme.example"));
        run(kind);
    }

    void run(int kind)
    {
        this->kind = kind;
        WorkedExample::run(kind);
        ShowEstimation(kind, results, options, QLatin1Char(','), page);
    }

    // The three graph pictures drawn in `graphType` into the project's folder.
    void writeGraphPictures(int graphType = 5, QSize size = QSize(900, 300))
    {
        EnergyGraphSet graphs;
        for (int g = 0; g < 3; ++g) {
            graphs.draw(static_cast<EnergyGraph>(g), kind, results, options);
            ASSERT_TRUE(saveChartPicture(GraphPicturePath(dir.path(), g + 1), graphs.chart(graphType), size));
        }
    }

    ReportSources sources() const
    {
        ReportSources s;
        s.applicationKind = kind;
        s.inputs = results.inputs;
        s.dutyFan = results.dutyFan;
        s.dutyPump = results.dutyPump;
        s.page = page;
        s.showCustomer = options.flag(1);
        s.useCustomLogo = options.flag(3);
        s.letterhead = options.flag(7);
        s.logoFileName = options.logoFileName;
        s.preparerText = setupFields.preparer;
        s.companyText = setupFields.company;
        for (int i = 0; i < ProjectTextCount; ++i)
            s.projectTexts[static_cast<std::size_t>(i)] = texts.text(static_cast<ProjectText>(i));
        for (int g = 1; g <= 3; ++g)
            s.graphPictures[static_cast<std::size_t>(g - 1)] = GraphPicturePath(dir.path(), g);
        return s;
    }

    int kind = 1;
};
