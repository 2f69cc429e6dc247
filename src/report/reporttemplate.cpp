#include "report/reporttemplate.h"

#include <QStringList>

#include "report/reportlayer.h"

static void initReportResources()
{
    Q_INIT_RESOURCE(report);
}

namespace {

const ReportFont F8{8, false, false};
const ReportFont F10{10, false, false};
const ReportFont F10B{10, true, false};
const ReportFont F10BU{10, true, true};
const ReportFont F12B{12, true, false};

struct PageBuilder
{
    ReportPage page;

    ReportObject &add(ReportObjectKind kind, const QString &name, double x, double y, double w, double h)
    {
        ReportObject object;
        object.kind = kind;
        object.name = name;
        object.rect = QRectF(x, y, w, h);
        page.objects.push_back(std::move(object));
        return page.objects.back();
    }

    ReportObject &text(const QString &name, double x, double y, double w, double h, const ReportFont &font,
                       const QString &text, Qt::Alignment alignment = Qt::AlignLeft, bool fits = false)
    {
        ReportObject &object = add(ReportObjectKind::Text, name, x, y, w, h);
        object.font = font;
        object.text = text;
        object.alignment = alignment;
        object.fitsText = fits;
        return object;
    }

    ReportObject &memo(const QString &name, double x, double y, double w, double h, const QString &text)
    {
        ReportObject &object = add(ReportObjectKind::MultiLineText, name, x, y, w, h);
        object.font = F10;
        object.text = text;
        return object;
    }

    void box(const QString &name, double x, double y, double w, double h)
    {
        add(ReportObjectKind::Box, name, x, y, w, h);
    }

    void panel(const QString &name, double x, double y, double w, double h)
    {
        add(ReportObjectKind::Panel, name, x, y, w, h);
    }

    ReportObject &picture(const QString &name, double x, double y, double w, double h, PictureFit fit)
    {
        ReportObject &object = add(ReportObjectKind::Picture, name, x, y, w, h);
        object.pictureFit = fit;
        return object;
    }

    void footer(const QString &pageLabel, const QString &pageNumber, const QString &title, const QString &notice)
    {
        text(pageLabel, 166.0, 228.0, 15.1, 6.0, F10, QStringLiteral("Page:"), Qt::AlignRight);
        ReportObject &number = add(ReportObjectKind::PageNumber, pageNumber, 181.8, 228.0, 13.2, 6.0);
        number.font = F10;
        text(title, 0.5, 241.0, 195.0, 5.0, F10B, QStringLiteral("Program title"), Qt::AlignHCenter, true);
        text(notice, 0.5, 248.0, 195.0, 4.0, F8,
             QStringLiteral("This Energy Estimation is based on available data, Vendram Duvadov Ltd. assumes no "
                            "responsibility for the accuracy of the supplied data on this report."),
             Qt::AlignHCenter, true);
    }
};

const QStringList &stepNames()
{
    static const QStringList names{QStringLiteral("100"), QStringLiteral("90"), QStringLiteral("80"),
                                   QStringLiteral("70"),  QStringLiteral("60"), QStringLiteral("50"),
                                   QStringLiteral("40"),  QStringLiteral("30"), QStringLiteral("20"),
                                   QStringLiteral("10")};
    return names;
}

void addHeader(PageBuilder &b)
{
    ReportObject &logo = b.picture(QStringLiteral("COMPANY_LOGO_FIELD"), 3.0, 1.0, 65.9, 21.3, PictureFit::KeepAspect);
    logo.onBand = false;
    ReportObject &banner = b.picture(QStringLiteral("COMPANY_LOGO_FIELD2"), 80.0, 2.0, 114.3, 25.1, PictureFit::OwnSize);
    banner.onBand = false;
    banner.picture = ReportPicture::fromImage(ReportTitleBanner());

    b.memo(QStringLiteral("COMPANY_INFO_FIELD"), 3.0, 28.0, 66.0, 29.0, QStringLiteral("Company information"));
    b.box(QStringLiteral("SHAPE2"), 10.0, 61.0, 72.0, 30.0);
    b.box(QStringLiteral("PREPARED_BY_SHAPE"), 117.0, 61.0, 72.0, 30.0);
    b.text(QStringLiteral("TO_Field"), 1.0, 62.0, 7.0, 5.0, F10B, QStringLiteral("To:"), Qt::AlignLeft, true);
    b.memo(QStringLiteral("CUSTOMER_INFO_FIELD"), 11.0, 62.0, 70.0, 28.0, QString());
    b.text(QStringLiteral("PREPARED_BY_FIELD"), 91.0, 62.0, 24.0, 5.0, F10B, QStringLiteral("Prepared by:"),
           Qt::AlignLeft, true);
    b.memo(QStringLiteral("PREPBY_INFO_FIELD"), 118.0, 62.0, 70.0, 28.0, QString());
    b.text(QStringLiteral("APPLICATION_TYPE"), 2.0, 93.0, 37.0, 5.0, F12B, QStringLiteral("Fan Application"));
    b.text(QStringLiteral("Memo14"), 91.0, 93.0, 25.0, 5.0, F10B, QStringLiteral("Project Name:"), Qt::AlignRight, true);
    b.text(QStringLiteral("PROJECT_NO_FIELD"), 117.0, 93.0, 32.0, 5.0, F10B, QStringLiteral("Project name"),
           Qt::AlignLeft, true);
    b.panel(QStringLiteral("Shape5"), 0.0, 100.0, 196.0, 147.0);
}

void addOperationData(PageBuilder &b)
{
    b.text(QStringLiteral("Memo3"), 2.0, 101.0, 58.0, 5.0, F10B, QStringLiteral("Total Annual Hours of Operation: "),
           Qt::AlignRight, true);
    b.text(QStringLiteral("HOURS_OF_OPERATION"), 61.0, 101.0, 22.0, 5.0, F10, QStringLiteral("8,760 Hours"),
           Qt::AlignLeft, true);
    b.text(QStringLiteral("Memo2"), 2.0, 107.0, 51.0, 5.0, F10BU, QStringLiteral("Operation / Motor / VFD Data"));

    const QStringList labelNames{QStringLiteral("Memo8"),  QStringLiteral("Memo9"),  QStringLiteral("Memo10"),
                                 QStringLiteral("Memo11"), QStringLiteral("Memo12"), QStringLiteral("Memo13")};
    const QStringList labels{QStringLiteral("Cost per kWh:"),     QStringLiteral("Motor Horse Power:"),
                             QStringLiteral("Motor Efficiency:"), QStringLiteral("Drive Efficiency:"),
                             QStringLiteral("Power Company Incentive:"), QStringLiteral("Variable Frequency Drive Cost:")};
    const QStringList fields{QStringLiteral("KWHR_FIELD"),   QStringLiteral("MTRHP_FIELD"),
                             QStringLiteral("MTREFF_FIELD"), QStringLiteral("VFDEFF_FIELD"),
                             QStringLiteral("INCENTIVE_FIELD"), QStringLiteral("VFDCOST_FIELD")};
    for (int i = 0; i < 6; ++i) {
        const double y = 114.0 + 6.0 * i;
        b.text(labelNames[i], 2.0, y, 51.0, 5.0, F10, labels[i]);
        b.text(fields[i], 54.0, y, 24.0, 5.0, F10, QStringLiteral("0.0"), Qt::AlignRight);
    }

    b.text(QStringLiteral("Memo16"), 108.0, 101.0, 71.0, 5.0, F10BU, QStringLiteral("Duty Cycle"));
    b.text(QStringLiteral("Memo1"), 108.0, 108.0, 14.0, 5.0, F10BU, QStringLiteral("% Flow"), Qt::AlignRight);
    b.text(QStringLiteral("Memo4"), 128.0, 108.0, 21.0, 5.0, F10BU, QStringLiteral("Time (Hrs)"), Qt::AlignRight);
    b.text(QStringLiteral("Memo5"), 156.0, 108.0, 16.0, 5.0, F10BU, QStringLiteral("Time (%)"), Qt::AlignRight);
    for (int i = 0; i < 10; ++i) {
        const double y = 115.0 + 5.0 * i;
        const QString step = stepNames()[i];
        b.text(QStringLiteral("Memo%1").arg(17 + i), 111.0, y, 11.0, 5.0, F10, step + QLatin1Char('%'), Qt::AlignRight);
        b.text(QStringLiteral("TIMEH_") + step, 138.0, y, 11.0, 5.0, F10, QStringLiteral("0.0 Hrs"), Qt::AlignRight, true);
        b.text(QStringLiteral("TIMEP_") + step, 160.0, y, 11.0, 5.0, F10, QStringLiteral("0 %"), Qt::AlignRight);
    }
}

void addCostsAndPayback(PageBuilder &b)
{
    b.text(QStringLiteral("Memo6"), 2.0, 153.0, 71.0, 5.0, F10BU, QStringLiteral("Annual Energy Cost per Control Method"));
    const QStringList costLabels{QStringLiteral("COMPARE_SYSTEM_01"), QStringLiteral("Memo15"),
                                 QStringLiteral("COMPARE_SYSTEM_02"), QStringLiteral("COMPARE_SYSTEM_03"),
                                 QStringLiteral("COMPARE_SYSTEM_04"), QStringLiteral("COMPARE_SYSTEM_05")};
    const QStringList costTexts{QStringLiteral("No Speed Control:"),     QStringLiteral("Variable Frequency Drive"),
                                QStringLiteral("Outlet Damper Control:"), QStringLiteral("Inlet Vane Control:"),
                                QStringLiteral("Custom Control 1:"),      QStringLiteral("Custom Control 2:")};
    const QStringList costAmounts{QStringLiteral("COMPARE_SYSTEM_01C"), QStringLiteral("VFD_ENERGY_COST"),
                                  QStringLiteral("COMPARE_SYSTEM_02C"), QStringLiteral("COMPARE_SYSTEM_03C"),
                                  QStringLiteral("COMPARE_SYSTEM_04C"), QStringLiteral("COMPARE_SYSTEM_05C")};
    for (int i = 0; i < 6; ++i) {
        const double y = 161.0 + 5.0 * i;
        b.text(costLabels[i], 2.0, y, 51.0, 5.0, F10, costTexts[i]);
        b.text(costAmounts[i], 54.0, y, 24.0, 5.0, F10, QStringLiteral("$0"), Qt::AlignRight);
    }

    b.text(QStringLiteral("Memo7"), 109.0, 185.0, 71.0, 5.0, F10BU, QStringLiteral("Payback Period Vendram VFD Versus:"));
    b.box(QStringLiteral("Shape4"), 107.0, 191.0, 80.0, 30.0);
    const QStringList paybackTexts{QStringLiteral("No Speed Control:"), QStringLiteral("Outlet Damper:"),
                                   QStringLiteral("Inlet Vane:"), QStringLiteral("Custom Control 1:"),
                                   QStringLiteral("Custom Control 2:")};
    for (int i = 0; i < 5; ++i) {
        const double y = 194.0 + 5.0 * i;
        b.text(QStringLiteral("PAYBACK_SYSTEM_0%1").arg(i + 1), 109.0, y, 51.0, 5.0, F10, paybackTexts[i]);
        b.text(QStringLiteral("SYSTEM_0%1_PAYBACK").arg(i + 1), 161.0, y, 24.0, 5.0, F10,
               QStringLiteral("0.000 Years"), Qt::AlignRight);
    }
    b.text(QStringLiteral("Memo34"), 107.0, 222.0, 49.0, 5.0, F8, QStringLiteral("Includes Company Incentive"));

    b.text(QStringLiteral("Memo28"), 2.0, 196.0, 71.0, 5.0, F10BU, QStringLiteral("Annual Energy Savings per Control Method"));
    const QStringList savingsTexts{QStringLiteral("No Speed Control:"), QStringLiteral("Outlet Damper Control:"),
                                   QStringLiteral("Inlet Vane Control:"), QStringLiteral("Custom Control 1:"),
                                   QStringLiteral("Custom Control 2:")};
    for (int i = 0; i < 5; ++i) {
        const double y = 204.0 + 5.0 * i;
        b.text(QStringLiteral("COMPARE_SYSTEM_0%1S").arg(i + 1), 2.0, y, 51.0, 5.0, F10, savingsTexts[i]);
        b.text(QStringLiteral("COMPARE_SYSTEM_0%1CS").arg(i + 1), 55.0, y, 24.0, 5.0, F10, QStringLiteral("$0"),
               Qt::AlignRight);
    }
}

} // namespace

ReportTemplate EnergyReportTemplate()
{
    ReportTemplate report;
    report.name = QStringLiteral("Standard Report");
    report.description = QStringLiteral("Standard Report");

    PageBuilder first;
    addHeader(first);
    addOperationData(first);
    addCostsAndPayback(first);
    first.footer(QStringLiteral("Memo31"), QStringLiteral("Memo29"), QStringLiteral("PRINT_TITLE_FIELD"),
                 QStringLiteral("Memo27"));
    report.pages.push_back(std::move(first.page));

    PageBuilder second;
    second.panel(QStringLiteral("Shape3"), 0.0, 6.0, 196.0, 241.0);
    const double pictureTops[] = {10.0, 73.0, 137.0};
    for (int i = 0; i < 3; ++i)
        second.picture(QStringLiteral("ENERGY_PICTURE%1").arg(i + 1), 4.0, pictureTops[i], 180.9, 60.3,
                       PictureFit::KeepAspect);
    second.footer(QStringLiteral("Memo33"), QStringLiteral("Memo32"), QStringLiteral("PRINT_TITLE_FIELD2"),
                  QStringLiteral("Memo30"));
    report.pages.push_back(std::move(second.page));
    return report;
}

QImage ReportTitleBanner()
{
    static const QImage banner = [] {
        initReportResources();
        return QImage(QStringLiteral(":/report/artwork/titlebanner.png")).convertToFormat(QImage::Format_RGB888);
    }();
    return banner;
}
