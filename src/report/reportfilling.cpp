#include "report/reportfilling.h"

#include <QFileInfo>
#include <QHash>

#include "data/numberformat.h"
#include "data/programidentity.h"
#include "data/projectrecord.h"
#include "report/reportlayer.h"
#include "report/reporttemplate.h"
#include "shell/appstate.h"

namespace {

const std::array<int, FlowStepCount> StepPercents{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};

QString projectText(const std::array<QString, 10> &texts, ProjectText which)
{
    return texts[static_cast<std::size_t>(which)];
}

// Report objects that copy a label of the estimation page, text and visibility.
const QHash<QString, QString> &pageCopies()
{
    static const QHash<QString, QString> copies = [] {
        QHash<QString, QString> h;
        for (int k = 1; k <= 5; ++k) {
            const QString control = QStringLiteral("CONTROL%1").arg(k);
            h.insert(QStringLiteral("COMPARE_SYSTEM_0%1").arg(k), control);
            h.insert(QStringLiteral("COMPARE_SYSTEM_0%1S").arg(k), control);
            h.insert(QStringLiteral("COMPARE_SYSTEM_0%1CS").arg(k), QStringLiteral("VALUE%1").arg(k));
            h.insert(QStringLiteral("PAYBACK_SYSTEM_0%1").arg(k), QStringLiteral("PAYBACK%1").arg(k));
            h.insert(QStringLiteral("SYSTEM_0%1_PAYBACK").arg(k), QStringLiteral("PAYBACKVALUE%1").arg(k));
        }
        h.insert(QStringLiteral("COMPARE_SYSTEM_01C"), QStringLiteral("VAL1"));
        h.insert(QStringLiteral("VFD_ENERGY_COST"), QStringLiteral("VAL2"));
        h.insert(QStringLiteral("COMPARE_SYSTEM_02C"), QStringLiteral("VAL3"));
        h.insert(QStringLiteral("COMPARE_SYSTEM_03C"), QStringLiteral("VAL4"));
        h.insert(QStringLiteral("COMPARE_SYSTEM_04C"), QStringLiteral("VALCUSTOM1"));
        h.insert(QStringLiteral("COMPARE_SYSTEM_05C"), QStringLiteral("VALCUSTOM2"));
        return h;
    }();
    return copies;
}

// Loads a picture file into the object and shows it; a missing or unreadable file hides it.
void loadPicture(ReportObject &object, const QString &fileName)
{
    ReportPicture picture;
    if (!fileName.isEmpty() && QFileInfo::exists(fileName))
        picture = ReportPicture::fromFile(fileName);
    object.picture = picture;
    object.visible = !picture.isNull();
}

int annualHours(const EstimationInputs &inputs)
{
    return inputs.hoursPerDay * inputs.daysPerWeek * inputs.weeksPerYear;
}

int dutyOf(const ReportSources &sources, int step)
{
    const auto &duty = sources.applicationKind == 2 ? sources.dutyPump : sources.dutyFan;
    return duty[static_cast<std::size_t>(step)];
}

// Index of the step named by the suffix of TIMEH_… / TIMEP_…, or -1.
int stepOfName(const QString &name, const QString &prefix)
{
    if (!name.startsWith(prefix))
        return -1;
    bool ok = false;
    const int percent = name.mid(prefix.size()).toInt(&ok);
    for (int i = 0; ok && i < FlowStepCount; ++i)
        if (StepPercents[static_cast<std::size_t>(i)] == percent)
            return i;
    return -1;
}

QString number(int decimals, double value, const ReportSources &sources)
{
    return FormatThousands(decimals, static_cast<float>(value), sources.thousandSep);
}

} // namespace

QString GraphPicturePath(const QString &tempPath, int graph)
{
    if (tempPath.isEmpty())
        return {};
    return tempPath + QStringLiteral("/PELNIX_EE%1.svg").arg(graph);
}

ReportSources CollectReportSources(const AppState &state, const ProjectTexts &texts)
{
    ReportSources sources;
    sources.applicationKind = state.record.applicationKind;
    sources.inputs = state.results.inputs;
    sources.dutyFan = state.results.dutyFan;
    sources.dutyPump = state.results.dutyPump;
    sources.page = state.page;
    sources.showCustomer = state.options.flag(1);
    sources.useCustomLogo = state.options.flag(3);
    sources.letterhead = state.options.flag(7);
    sources.logoFileName = state.options.logoFileName;
    sources.preparerText = state.setupFields.preparer;
    sources.companyText = state.setupFields.company;
    for (int i = 0; i < ProjectTextCount; ++i)
        sources.projectTexts[static_cast<std::size_t>(i)] = texts.text(static_cast<ProjectText>(i));
    const QString tempPath = state.paths.tempPath();
    for (int g = 1; g <= 3; ++g)
        sources.graphPictures[static_cast<std::size_t>(g - 1)] = GraphPicturePath(tempPath, g);
    sources.thousandSep = state.thousandSep();
    sources.programTitle = ProgramIdentity::ProgramTitle;
    sources.currencySymbol = ProgramIdentity::CurrencySymbol;
    return sources;
}

QString CustomerBlock(const std::array<QString, 10> &texts)
{
    QString block;
    const auto line = [&block](const QString &text) {
        if (!text.isEmpty())
            block += text + QLatin1Char('\r');
    };
    line(projectText(texts, ProjectText::Company));
    const QString name = projectText(texts, ProjectText::Name);
    const QString title = projectText(texts, ProjectText::Title);
    if (!name.isEmpty())
        line(title.isEmpty() ? name : title + QLatin1Char(' ') + name);
    line(projectText(texts, ProjectText::Address));
    line(projectText(texts, ProjectText::CityStateZip));
    line(projectText(texts, ProjectText::Country));
    const QString tel = projectText(texts, ProjectText::Telephone);
    const QString fax = projectText(texts, ProjectText::Fax);
    if (!tel.isEmpty() && !fax.isEmpty())
        line(QStringLiteral("Tel: ") + tel + QStringLiteral(" / ") + QStringLiteral("Fax: ") + fax);
    else if (!tel.isEmpty())
        line(QStringLiteral("Tel: ") + tel);
    else if (!fax.isEmpty())
        line(QStringLiteral("Fax: ") + fax);
    return block;
}

void EnergyReportBeforePrint(ReportObject &object, const ReportSources &sources)
{
    const QString &name = object.name;
    const EstimationInputs &in = sources.inputs;

    if (const auto copy = pageCopies().constFind(name); copy != pageCopies().constEnd()) {
        const PageField &field = sources.page.field(copy.value());
        object.text = field.text;
        object.visible = field.visible;
        return;
    }
    if (const int step = stepOfName(name, QStringLiteral("TIMEH_")); step >= 0) {
        // H × d is an integer product; only the division by 100 gives the tenths.
        const int product = annualHours(in) * dutyOf(sources, step);
        object.text = number(1, product / 100.0, sources) + QStringLiteral(" Hrs");
        return;
    }
    if (const int step = stepOfName(name, QStringLiteral("TIMEP_")); step >= 0) {
        object.text = number(0, dutyOf(sources, step), sources) + QStringLiteral(" %");
        return;
    }

    if (name == QLatin1String("APPLICATION_TYPE")) {
        if (sources.applicationKind == 1)
            object.text = QStringLiteral("Fan Application");
        else if (sources.applicationKind == 2)
            object.text = QStringLiteral("Pump Application");
    } else if (name == QLatin1String("COMPANY_INFO_FIELD")) {
        object.text = sources.companyText;
    } else if (name == QLatin1String("PREPBY_INFO_FIELD")) {
        object.text = sources.preparerText;
    } else if (name == QLatin1String("COMPANY_LOGO_FIELD")) {
        if (sources.useCustomLogo && !sources.letterhead)
            loadPicture(object, sources.logoFileName);
    } else if (name == QLatin1String("COMPANY_LOGO_FIELD2")) {
        object.visible = !sources.letterhead;
    } else if (name.startsWith(QLatin1String("ENERGY_PICTURE"))) {
        const int graph = name.mid(14).toInt();
        if (graph >= 1 && graph <= 3)
            loadPicture(object, sources.graphPictures[static_cast<std::size_t>(graph - 1)]);
    } else if (name == QLatin1String("PROJECT_NO_FIELD")) {
        object.text = sources.projectText(static_cast<int>(ProjectText::ProjectName));
    } else if (name == QLatin1String("HOURS_OF_OPERATION")) {
        object.text = number(0, annualHours(in), sources) + QStringLiteral(" Hours");
    } else if (name == QLatin1String("PRINT_TITLE_FIELD") || name == QLatin1String("PRINT_TITLE_FIELD2")) {
        object.text = sources.programTitle;
    } else if (name == QLatin1String("CUSTOMER_INFO_FIELD")) {
        if (sources.showCustomer)
            object.text = CustomerBlock(sources.projectTexts);
    } else if (name == QLatin1String("TO_Field") || name == QLatin1String("SHAPE2")) {
        object.visible = sources.showCustomer;
    } else if (name == QLatin1String("KWHR_FIELD")) {
        object.text = number(2, in.costPerKwh * 100, sources) + QStringLiteral(" ct.");
    } else if (name == QLatin1String("MTRHP_FIELD")) {
        object.text = number(1, in.motorHp, sources) + QStringLiteral(" HP");
    } else if (name == QLatin1String("MTREFF_FIELD")) {
        object.text = number(1, in.motorEfficiency * 100, sources) + QStringLiteral(" %");
    } else if (name == QLatin1String("VFDEFF_FIELD")) {
        object.text = number(1, in.driveEfficiency * 100, sources) + QStringLiteral(" %");
    } else if (name == QLatin1String("INCENTIVE_FIELD")) {
        object.text = number(1, in.incentive, sources) + QStringLiteral(" $/HP");
    } else if (name == QLatin1String("VFDCOST_FIELD")) {
        object.text = sources.currencySymbol + number(0, in.driveCost, sources);
    }
}

PreparedReport PrepareEnergyReport(const ReportSources &sources)
{
    return PrepareReport(EnergyReportTemplate(),
                         [&sources](ReportObject &object) { EnergyReportBeforePrint(object, sources); });
}
