#include "cli_estimate.h"

#include "cli_command.h"
#include "cli_messages.h"
#include "cli_open.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <memory>
#include <vector>

#include "engine/estimation.h"
#include "engine/estimationpage.h"
#include "engine/fieldtexts.h"
#include "engine/overview.h"
#include "engine/payback.h"
#include "setup/options.h"
#include "setup/settingsstore.h"

namespace {

// The overview methods a kind offers, with the result set each shows.
struct OverviewMethod
{
    int number;
    ResultSet set;
};

std::vector<OverviewMethod> overviewMethods(int kind, const ProgramOptions &options)
{
    std::vector<OverviewMethod> methods;
    for (int m = 1; m <= 5; ++m) {
        const auto set = overviewResultSet(kind, m);
        if (!set)
            continue;
        // Custom methods have no button on the page unless they are in use.
        if ((*set == ResultSet::Custom1 && !options.custom1InUse) || (*set == ResultSet::Custom2 && !options.custom2InUse))
            continue;
        methods.push_back({m, *set});
    }
    return methods;
}

const char *resultSetKey(ResultSet set)
{
    switch (set) {
    case ResultSet::VfdFan: return "vfdFan";
    case ResultSet::VfdPump: return "vfdPump";
    case ResultSet::Damper: return "outletDamper";
    case ResultSet::InletVane: return "inletVane";
    case ResultSet::Valve: return "throttlingValve";
    case ResultSet::Custom1: return "custom1";
    case ResultSet::Custom2: return "custom2";
    }
    return "";
}

// Everything one file gave, for either form of output.
struct FileEstimate
{
    QString path;
    CliProject project;
    std::vector<CliMessageService::Shown> messages;
    QString error; // why the file was not estimated
    int kind = 0;
    EstimationResults results;
    EstimationPage page;
};

// `out`, when given, receives the application line right after the file is read, so that the
// lines keep the order in which the messages came.
void estimateFile(FileEstimate &f, const ProgramOptions &options, QChar sep, CliMessageService &messages,
                  QTextStream *out)
{
    f.project = OpenCliProject(f.path, messages);
    if (out && !applicationText(f.project.application).isEmpty())
        *out << "application: " << applicationText(f.project.application) << '\n';
    if (!f.project.opened) {
        f.error = QStringLiteral("the project file did not open");
        return;
    }
    if (f.project.application != 1 && f.project.application != 2) {
        f.error = QStringLiteral("the project names no fan or pump application");
        return;
    }
    f.kind = f.project.application;
    // The values reach the estimation through the field texts, as in the analysis window.
    const SystemDataTexts fields = SystemDataFromParameters(f.project.params);
    f.results.dutyTexts = DutyTextsFromParameters(f.project.params);
    const int total = DutyTotal(f.results.dutyTexts);
    if (total != 100) {
        messages.error(DutyTotalMessage(total));
        f.error = QStringLiteral("the duty cycle does not add up to 100 %");
        return;
    }
    if (const auto refused = CalculateEstimation(f.kind, fields, options, f.results)) {
        messages.error(refused->message);
        f.error = QStringLiteral("the estimation was refused");
        return;
    }
    ShowEstimation(f.kind, f.results, options, sep, f.page);
}

void printOverview(QTextStream &out, const OverviewTexts &t)
{
    const int w[] = {7, 5, 12, 10, 15, 16};
    out << "FLOWM: " << t.flowMedium << '\n';
    out << QStringLiteral("Flow").rightJustified(w[0]) << QStringLiteral("%").rightJustified(w[1])
        << QStringLiteral("hrs/year").rightJustified(w[2]) << QStringLiteral("Shaft HP").rightJustified(w[3])
        << QStringLiteral("Cost per Hour").rightJustified(w[4]) << QStringLiteral("Operating Cost").rightJustified(w[5])
        << '\n';
    for (int r = 0; r < FlowStepCount; ++r) {
        const OverviewRow &row = t.rows[r];
        out << QString::number((FlowStepCount - r) * 10).rightJustified(w[0]) << row.duty.rightJustified(w[1])
            << row.hours.rightJustified(w[2]) << row.shaftHp.rightJustified(w[3]) << row.costPerHour.rightJustified(w[4])
            << row.operatingCost.rightJustified(w[5]) << '\n';
    }
    out << QStringLiteral("TOTAL :").leftJustified(w[0]) << QStringLiteral("100").rightJustified(w[1])
        << t.totalHours.rightJustified(w[2]) << QString().rightJustified(w[3] + w[4])
        << t.totalCost.rightJustified(w[5]) << '\n';
}

void printText(CliContext &context, const FileEstimate &f, const ProgramOptions &options)
{
    if (!f.error.isEmpty())
        return;
    const QStringList &names = EstimationPage::fieldNames();
    for (int i = 0; i < names.size(); ++i) {
        const PageField &field = f.page.at(i);
        if (field.visible)
            context.out << names[i] << ": " << field.text << '\n';
    }
    for (const OverviewMethod &m : overviewMethods(f.kind, options)) {
        context.out << "\noverview " << m.number << ": " << EstimationMethodTitle(m.set, options) << '\n';
        printOverview(context.out, FillOverview(f.kind, m.number, f.results, context.thousandSep));
    }
}

QJsonArray steps(const StepValues &values)
{
    QJsonArray a;
    for (double v : values)
        a.append(v);
    return a;
}

QJsonArray steps(const std::array<int, FlowStepCount> &values)
{
    QJsonArray a;
    for (int v : values)
        a.append(v);
    return a;
}

QJsonObject jsonOf(const FileEstimate &f, const ProgramOptions &options)
{
    QJsonObject o;
    o.insert(QStringLiteral("file"), f.path);
    o.insert(QStringLiteral("opened"), f.project.opened);
    const QString app = applicationText(f.project.application);
    o.insert(QStringLiteral("application"), app.isEmpty() ? QJsonValue() : QJsonValue(app));
    QJsonArray messages;
    for (const auto &m : f.messages)
        messages.append(QJsonObject{{QStringLiteral("kind"), messageKindName(m.kind)}, {QStringLiteral("text"), m.text}});
    o.insert(QStringLiteral("messages"), messages);
    o.insert(QStringLiteral("estimated"), f.error.isEmpty());
    if (!f.error.isEmpty()) {
        o.insert(QStringLiteral("error"), f.error);
        o.insert(QStringLiteral("page"), QJsonArray());
        return o;
    }

    QJsonArray page;
    const QStringList &names = EstimationPage::fieldNames();
    for (int i = 0; i < names.size(); ++i) {
        const PageField &field = f.page.at(i);
        page.append(QJsonObject{{QStringLiteral("name"), names[i]},
                                {QStringLiteral("text"), field.text},
                                {QStringLiteral("visible"), field.visible},
                                {QStringLiteral("color"), field.red ? QStringLiteral("red") : QStringLiteral("black")}});
    }
    o.insert(QStringLiteral("page"), page);

    const EstimationResults &r = f.results;
    const bool pump = f.kind == 2;
    QJsonObject results;
    const EstimationInputs &in = r.inputs;
    results.insert(QStringLiteral("inputs"),
                   QJsonObject{{QStringLiteral("hoursPerDay"), in.hoursPerDay},
                               {QStringLiteral("daysPerWeek"), in.daysPerWeek},
                               {QStringLiteral("weeksPerYear"), in.weeksPerYear},
                               {QStringLiteral("costPerKwh"), in.costPerKwh},
                               {QStringLiteral("motorHp"), in.motorHp},
                               {QStringLiteral("motorEfficiency"), in.motorEfficiency},
                               {QStringLiteral("driveEfficiency"), in.driveEfficiency},
                               {QStringLiteral("incentive"), in.incentive},
                               {QStringLiteral("driveCost"), in.driveCost}});
    results.insert(QStringLiteral("annualHours"), r.annualHours);
    QJsonArray duty;
    for (const QString &t : r.dutyTexts)
        duty.append(t);
    results.insert(QStringLiteral("dutyTexts"), duty);
    results.insert(QStringLiteral("dutyPercent"), steps(pump ? r.dutyPump : r.dutyFan));
    results.insert(QStringLiteral("stepHours"), steps(pump ? r.stepHoursPump : r.stepHoursFan));
    results.insert(QStringLiteral("totalHours"), pump ? r.totalHoursPump : r.totalHoursFan);
    results.insert(QStringLiteral("noControlAnnualCost"), r.noControlAnnualCost);
    QJsonObject methods;
    const ResultSet sets[] = {pump ? ResultSet::VfdPump : ResultSet::VfdFan,
                              pump ? ResultSet::Valve : ResultSet::Damper,
                              ResultSet::InletVane, ResultSet::Custom1, ResultSet::Custom2};
    for (ResultSet s : sets) {
        if (pump && s == ResultSet::InletVane)
            continue;
        const MethodResults &m = r.method(s);
        methods.insert(QLatin1String(resultSetKey(s)),
                       QJsonObject{{QStringLiteral("title"), EstimationMethodTitle(s, options)},
                                   {QStringLiteral("annualCost"), m.annualCost},
                                   {QStringLiteral("shaftHp"), steps(m.shaftHp)},
                                   {QStringLiteral("costPerHour"), steps(m.costPerHour)},
                                   {QStringLiteral("operatingCost"), steps(m.operatingCost)}});
    }
    results.insert(QStringLiteral("methods"), methods);
    o.insert(QStringLiteral("results"), results);

    return o;
}

} // namespace

int runEstimate(const QStringList &arguments, CliContext &context)
{
    const auto parsed = parseFileArguments(arguments, true, context);
    if (!parsed)
        return CliUsage;

    // The program's own settings: custom methods, their titles and the efficiency tables apply.
    ProgramOptions options;
    {
        SettingsStore store;
        SetupFields setupFields;
        Load_OPT(store, options, setupFields);
    }

    int status = CliOk;
    bool first = true;
    for (const QString &path : parsed->files) {
        auto f = std::make_unique<FileEstimate>();
        f->path = path;
        if (!parsed->json)
            printFileHeader(context, path, first);
        CliMessageService messages(parsed->json ? nullptr : &context.out, parsed->answerCancel);
        estimateFile(*f, options, context.thousandSep, messages, parsed->json ? nullptr : &context.out);
        f->messages = messages.shown();
        if (parsed->json)
            context.out << QJsonDocument(jsonOf(*f, options)).toJson(QJsonDocument::Compact) << '\n';
        else
            printText(context, *f, options);
        if (!f->error.isEmpty()) {
            context.err << "pelnix-cli: " << path << ": " << f->error << '\n';
            status = CliFailed;
        }
    }
    context.err.flush();
    return status;
}
