// The energy report's filling, checked on the objects of a prepared report.
#include "report/reportfilling.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "data/programidentity.h"
#include "report/reportlayer.h"
#include "reportfixture.h"

namespace {

const ReportObject &object(const PreparedReport &report, const char *name)
{
    const ReportObject *found = report.find(QLatin1String(name));
    if (!found)
        throw std::runtime_error(std::string("no report object ") + name);
    return *found;
}

QString text(const PreparedReport &report, const char *name) { return object(report, name).text; }
bool shown(const PreparedReport &report, const char *name) { return object(report, name).visible; }

TEST(ReportFilling, FanProjectPrintsInputsDutyCycleAndEstimationPage)
{
    ReportProject project(1);
    project.writeGraphPictures();
    const PreparedReport report = PrepareEnergyReport(project.sources());
    ASSERT_EQ(report.pageCount(), 2);

    EXPECT_EQ(text(report, "APPLICATION_TYPE"), QStringLiteral("Fan Application"));
    EXPECT_EQ(text(report, "PROJECT_NO_FIELD"), QStringLiteral("AHU-3 Supply Fan"));
    // The report multiplies the hours out itself, without the 8760-hour rule of the estimation.
    EXPECT_EQ(text(report, "HOURS_OF_OPERATION"), QStringLiteral("8,736 Hours"));
    EXPECT_EQ(text(report, "KWHR_FIELD"), QStringLiteral("10.00 ct."));
    EXPECT_EQ(text(report, "MTRHP_FIELD"), QStringLiteral("150.0 HP"));
    EXPECT_EQ(text(report, "MTREFF_FIELD"), QStringLiteral("95.0 %"));
    EXPECT_EQ(text(report, "VFDEFF_FIELD"), QStringLiteral("97.0 %"));
    EXPECT_EQ(text(report, "INCENTIVE_FIELD"), QStringLiteral("0.0 $/HP"));
    EXPECT_EQ(text(report, "VFDCOST_FIELD"), QStringLiteral("$12,000"));

    const char *hours[] = {"87.4", "174.7", "786.2", "1,485.1", "2,096.6", "1,485.1", "1,135.7", "961.0", "524.2", "0.0"};
    const char *percents[] = {"1", "2", "9", "17", "24", "17", "13", "11", "6", "0"};
    const char *steps[] = {"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(report.find(QStringLiteral("TIMEH_") + QLatin1String(steps[i]))->text,
                  QLatin1String(hours[i]) + QStringLiteral(" Hrs")) << steps[i];
        EXPECT_EQ(report.find(QStringLiteral("TIMEP_") + QLatin1String(steps[i]))->text,
                  QLatin1String(percents[i]) + QStringLiteral(" %")) << steps[i];
    }

    EXPECT_EQ(text(report, "COMPARE_SYSTEM_01"), QStringLiteral("No Speed Control"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_01C"), QStringLiteral("$103,184"));
    EXPECT_EQ(text(report, "Memo15"), QStringLiteral("Variable Frequency Drive"));
    EXPECT_EQ(text(report, "VFD_ENERGY_COST"), QStringLiteral("$22,758"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02"), QStringLiteral("Outlet Damper Control"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02C"), QStringLiteral("$75,057"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_03"), QStringLiteral("Inlet Vane Control"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_03C"), QStringLiteral("$56,204"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_04C"), QString());
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_01CS"), QStringLiteral("$80,425"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02S"), QStringLiteral("Outlet Damper Control"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02CS"), QStringLiteral("$52,299"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_03CS"), QStringLiteral("$33,446"));
    EXPECT_EQ(text(report, "PAYBACK_SYSTEM_01"), QStringLiteral("No Control"));
    EXPECT_EQ(text(report, "SYSTEM_01_PAYBACK"), QStringLiteral("   0.149 Years"));
    EXPECT_EQ(text(report, "PAYBACK_SYSTEM_03"), QStringLiteral("Inlet Vane"));
    EXPECT_EQ(text(report, "SYSTEM_03_PAYBACK"), QStringLiteral("   0.359 Years"));
    for (const char *name : {"COMPARE_SYSTEM_03", "COMPARE_SYSTEM_03S", "COMPARE_SYSTEM_03C", "COMPARE_SYSTEM_03CS"})
        EXPECT_TRUE(shown(report, name)) << name;

    EXPECT_EQ(text(report, "PRINT_TITLE_FIELD"), ProgramIdentity::ProgramTitle);
    EXPECT_EQ(text(report, "PRINT_TITLE_FIELD2"), ProgramIdentity::ProgramTitle);
    EXPECT_EQ(text(report, "Memo29"), QStringLiteral("1"));
    EXPECT_EQ(text(report, "Memo32"), QStringLiteral("2"));
    EXPECT_EQ(text(report, "COMPANY_INFO_FIELD"), project.setupFields.company);
    EXPECT_EQ(text(report, "PREPBY_INFO_FIELD"), project.setupFields.preparer);
    for (const char *name : {"ENERGY_PICTURE1", "ENERGY_PICTURE2", "ENERGY_PICTURE3"}) {
        EXPECT_TRUE(shown(report, name)) << name;
        EXPECT_TRUE(object(report, name).picture.isSvg()) << name;
    }
    // Fixed texts stay as designed.
    EXPECT_EQ(text(report, "Memo3"), QStringLiteral("Total Annual Hours of Operation: "));
    EXPECT_EQ(text(report, "Memo7"), QStringLiteral("Payback Period Vendram VFD Versus:"));
}

TEST(ReportFilling, PumpProjectHidesTheInletVaneRowsAndReadsThePumpDutyCycle)
{
    ReportProject project(2);
    ReportSources sources = project.sources();
    sources.dutyFan = {0, 0, 0, 0, 100, 0, 0, 0, 0, 0};
    const PreparedReport report = PrepareEnergyReport(sources);

    EXPECT_EQ(text(report, "APPLICATION_TYPE"), QStringLiteral("Pump Application"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02"), QStringLiteral("Throttling Valve Control"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_02C"), QStringLiteral("$75,057"));
    EXPECT_EQ(text(report, "PAYBACK_SYSTEM_02"), QStringLiteral("Throttling Valve"));
    for (const char *name : {"COMPARE_SYSTEM_03", "COMPARE_SYSTEM_03S", "COMPARE_SYSTEM_03C", "COMPARE_SYSTEM_03CS"})
        EXPECT_FALSE(shown(report, name)) << name;
    EXPECT_EQ(text(report, "PAYBACK_SYSTEM_03"), QString());
    EXPECT_EQ(text(report, "SYSTEM_03_PAYBACK"), QString());
    EXPECT_EQ(text(report, "TIMEP_70"), QStringLiteral("17 %"));
    EXPECT_EQ(text(report, "TIMEP_60"), QStringLiteral("24 %"));

    // A hidden row keeps its place: the rows below do not move up.
    const ReportPage &page = report.pages[0].page;
    EXPECT_DOUBLE_EQ(page.paperRect(*page.find(QStringLiteral("COMPARE_SYSTEM_04"))).top(), 10 + 5 + 181.0);
}

TEST(ReportFilling, CustomMethodsPrintTheirTitlesAndNegativeSavings)
{
    ReportProject project(1);
    project.options.custom1InUse = true;
    project.options.custom1Title = QStringLiteral("Eddy Current Clutch");
    project.options.table(EfficiencyTable::Custom1).fill(1.0);
    project.run(1);
    const PreparedReport report = PrepareEnergyReport(project.sources());
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_04"), QStringLiteral("Eddy Current Clutch"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_04C"), QStringLiteral("$22,046"));
    EXPECT_EQ(text(report, "COMPARE_SYSTEM_04CS"), QStringLiteral("$-712"));
    EXPECT_EQ(text(report, "SYSTEM_04_PAYBACK"), QStringLiteral("Never"));
}

struct CustomerCase
{
    const char *label;
    std::array<const char *, 8> fields; // name, title, company, address, city, country, tel, fax
    const char *expected;
};

TEST(ReportFilling, CustomerBlockLeavesOutEmptyLines)
{
    const CustomerCase cases[] = {
        {"all", {"Smith", "Mr.", "ACME", "12 Main St", "Dayton, OH", "USA", "555-1", "555-2"},
         "ACME\rMr. Smith\r12 Main St\rDayton, OH\rUSA\rTel: 555-1 / Fax: 555-2\r"},
        {"title without name", {"", "Mr.", "ACME", "", "", "", "", ""}, "ACME\r"},
        {"name without title", {"Smith", "", "", "", "", "", "", ""}, "Smith\r"},
        {"telephone only", {"", "", "", "", "", "", "555-1", ""}, "Tel: 555-1\r"},
        {"fax only", {"", "", "", "", "", "", "", "555-2"}, "Fax: 555-2\r"},
        {"nothing", {"", "", "", "", "", "", "", ""}, ""},
    };
    const ProjectText order[] = {ProjectText::Name,         ProjectText::Title,   ProjectText::Company,
                                 ProjectText::Address,      ProjectText::CityStateZip, ProjectText::Country,
                                 ProjectText::Telephone,    ProjectText::Fax};
    for (const CustomerCase &c : cases) {
        std::array<QString, 10> texts;
        for (int i = 0; i < 8; ++i)
            texts[static_cast<std::size_t>(order[i])] = QString::fromUtf8(c.fields[static_cast<std::size_t>(i)]);
        texts[static_cast<std::size_t>(ProjectText::Email)] = QStringLiteral("never@printed.example");
        EXPECT_EQ(CustomerBlock(texts), QString::fromUtf8(c.expected)) << c.label;
    }
}

TEST(ReportFilling, CustomerInformationOptionShowsOrHidesTheCustomerBlock)
{
    ReportProject project;
    for (const bool on : {true, false}) {
        project.options.flags[0] = on;
        const PreparedReport report = PrepareEnergyReport(project.sources());
        EXPECT_EQ(shown(report, "TO_Field"), on);
        EXPECT_EQ(shown(report, "SHAPE2"), on);
        EXPECT_EQ(text(report, "CUSTOMER_INFO_FIELD").isEmpty(), !on);
        if (on) {
            EXPECT_TRUE(text(report, "CUSTOMER_INFO_FIELD").startsWith(QStringLiteral("ACME Corp.\rMr. Smith\r")));
        }
        // The preparer's block is printed either way.
        EXPECT_TRUE(shown(report, "PREPARED_BY_FIELD"));
        EXPECT_TRUE(shown(report, "PREPARED_BY_SHAPE"));
        EXPECT_EQ(text(report, "PREPBY_INFO_FIELD"), project.setupFields.preparer);
    }
}

TEST(ReportFilling, LogoAndLetterheadOptions)
{
    ReportProject project;
    const QString logo = project.dir.filePath(QStringLiteral("logo.png"));
    QImage picture(200, 60, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    ASSERT_TRUE(picture.save(logo));
    const QString broken = project.dir.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    struct Case
    {
        bool customLogo, letterhead;
        QString file;
        bool logoShown, logoLoaded, bannerShown;
    };
    const Case cases[] = {
        {false, false, logo, true, false, true},  // option off: the designed (empty) picture
        {true, false, logo, true, true, true},    // custom logo loaded
        {true, false, project.dir.filePath(QStringLiteral("missing.png")), false, false, true},
        {true, false, broken, false, false, true},
        {true, true, logo, true, false, false},   // letterhead paper: neither logo nor banner
        {false, true, logo, true, false, false},
    };
    for (const Case &c : cases) {
        project.options.flags[2] = c.customLogo;
        project.options.flags[6] = c.letterhead;
        project.options.logoFileName = c.file;
        const PreparedReport report = PrepareEnergyReport(project.sources());
        const ReportObject &field = object(report, "COMPANY_LOGO_FIELD");
        const QString label = QStringLiteral("L3=%1 L7=%2 %3").arg(c.customLogo).arg(c.letterhead).arg(c.file);
        EXPECT_EQ(field.visible, c.logoShown) << label.toStdString();
        EXPECT_EQ(!field.picture.isNull(), c.logoLoaded) << label.toStdString();
        EXPECT_EQ(shown(report, "COMPANY_LOGO_FIELD2"), c.bannerShown) << label.toStdString();
        EXPECT_FALSE(object(report, "COMPANY_LOGO_FIELD2").picture.isNull());
    }
}

TEST(ReportFilling, MissingOrBrokenGraphPicturesAreHidden)
{
    ReportProject project;
    project.writeGraphPictures();
    QFile::remove(GraphPicturePath(project.dir.path(), 2));
    QFile broken(GraphPicturePath(project.dir.path(), 3));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("<svg this is not");
    broken.close();
    const PreparedReport report = PrepareEnergyReport(project.sources());
    EXPECT_TRUE(shown(report, "ENERGY_PICTURE1"));
    EXPECT_FALSE(shown(report, "ENERGY_PICTURE2"));
    EXPECT_FALSE(shown(report, "ENERGY_PICTURE3"));
    // The rest of page 2 is still there.
    EXPECT_TRUE(shown(report, "Shape3"));
    EXPECT_EQ(text(report, "Memo32"), QStringLiteral("2"));
}

} // namespace
