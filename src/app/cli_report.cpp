#include "cli_report.h"

#include "cli_command.h"
#include "cli_messages.h"
#include "cli_open.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <optional>

#include "engine/estimation.h"
#include "engine/fieldtexts.h"
#include "engine/payback.h"
#include "report/energygraphs.h"
#include "report/exportformats.h"
#include "report/graphpicture.h"
#include "report/reportfilling.h"
#include "report/reportlayer.h"
#include "setup/options.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"

namespace {

// The graph pictures take the proportions of the report's picture frames (180.9 × 60.3 mm).
constexpr QSize GraphPictureSize(905, 302);

struct ReportArguments
{
    QString output;
    ExportFormat format = ExportFormat::Pdf;
    bool formatGiven = false;
    int graphType = 5;
    int dotsPerInch = 150;
    QStringList rest; // files and the options shared with the other file commands
};

std::optional<ReportArguments> parseReportArguments(const QStringList &arguments, CliContext &context)
{
    ReportArguments parsed;
    const auto usage = [&context](const QString &text) -> std::optional<ReportArguments> {
        cliUsageError(context, text);
        return std::nullopt;
    };
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (onlyFiles) {
            parsed.rest << a;
            continue;
        }
        if (a == QLatin1String("--")) {
            onlyFiles = true;
            parsed.rest << a;
            continue;
        }
        QString name = a;
        QString value;
        bool hasValue = false;
        if (a.startsWith(QLatin1String("--")) && a.contains(QLatin1Char('='))) {
            name = a.section(QLatin1Char('='), 0, 0);
            value = a.section(QLatin1Char('='), 1);
            hasValue = true;
        }
        const bool known = name == QLatin1String("-o") || name == QLatin1String("--output")
            || name == QLatin1String("--format") || name == QLatin1String("--graph-type") || name == QLatin1String("--dpi");
        if (!known) {
            parsed.rest << a;
            continue;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return usage(QStringLiteral("%1 needs a value").arg(name));
            value = arguments[++i];
        }
        if (name == QLatin1String("-o") || name == QLatin1String("--output")) {
            parsed.output = value;
        } else if (name == QLatin1String("--format")) {
            if (!ExportFormatFromName(value, parsed.format))
                return usage(QStringLiteral("--format takes pdf, rtf, html, gif, bmp, jpg or tif"));
            parsed.formatGiven = true;
        } else {
            bool ok = false;
            const int number = value.toInt(&ok);
            if (name == QLatin1String("--graph-type")) {
                if (!ok || number < 1 || number > GraphTypeCount)
                    return usage(QStringLiteral("--graph-type takes 1 to 6"));
                parsed.graphType = number;
            } else {
                if (!ok || number < 36 || number > 1200)
                    return usage(QStringLiteral("--dpi takes 36 to 1200"));
                parsed.dotsPerInch = number;
            }
        }
    }
    if (parsed.output.isEmpty())
        return usage(QStringLiteral("no output given (-o OUT)"));
    if (!parsed.formatGiven)
        ExportFormatFromName(QFileInfo(parsed.output).suffix(), parsed.format);
    return parsed;
}

// The target of one report: OUT itself for a single file, a file named after the project in OUT
// when OUT is a folder (always so with several files).
QString targetFile(const ReportArguments &args, const QString &project, bool severalFiles)
{
    const QFileInfo out(args.output);
    if (!severalFiles && !out.isDir())
        return args.output;
    return QDir(args.output).filePath(QFileInfo(project).completeBaseName() + QLatin1Char('.') + ExportSuffix(args.format));
}

// Opens, estimates and fills the state as the analysis window would. Empty when the report can be
// made, otherwise the reason.
QString estimate(const QString &path, AppState &state, PlainProjectTexts &texts, MessageService &messages)
{
    CliProject project = OpenCliProject(path, messages);
    if (!project.opened)
        return QStringLiteral("the project file did not open");
    if (project.application != 1 && project.application != 2)
        return QStringLiteral("the project names no fan or pump application");
    const int kind = project.application;
    state.record.applicationKind = kind;
    const SystemDataTexts fields = SystemDataFromParameters(project.params);
    state.results.dutyTexts = DutyTextsFromParameters(project.params);
    const int total = DutyTotal(state.results.dutyTexts);
    if (total != 100) {
        messages.error(DutyTotalMessage(total));
        return QStringLiteral("the duty cycle does not add up to 100 %");
    }
    if (const auto refused = CalculateEstimation(kind, fields, state.options, state.results)) {
        messages.error(refused->message);
        return QStringLiteral("the estimation was refused");
    }
    ShowEstimation(kind, state.results, state.options, state.thousandSep(), state.page);
    for (int t = 0; t < ProjectTextCount; ++t)
        texts.setText(static_cast<ProjectText>(t), project.texts.text(static_cast<ProjectText>(t)));
    return {};
}

} // namespace

int runReport(const QStringList &arguments, CliContext &context)
{
    const auto args = parseReportArguments(arguments, context);
    if (!args)
        return CliUsage;
    const auto parsed = parseFileArguments(args->rest, false, context);
    if (!parsed)
        return CliUsage;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        context.err << "pelnix-cli: the report needs the graphical side of Qt\n";
        return CliFailed;
    }
    const bool several = parsed->files.size() > 1;
    if (several && !QDir().mkpath(args->output)) {
        context.err << "pelnix-cli: " << args->output << ": the output folder cannot be made\n";
        return CliFailed;
    }

    int status = CliOk;
    bool first = true;
    for (const QString &path : parsed->files) {
        printFileHeader(context, path, first);
        CliMessageService messages(&context.out, parsed->answerCancel);
        // A fresh program state per file, with the program options from the settings store.
        SettingsStore store;
        AppState state(messages, store);
        InitGlobals(state);
        state.separators.thousandSep = context.thousandSep;
        state.graphType = args->graphType;
        Load_OPT(store, state.options, state.setupFields);
        PlainProjectTexts texts;

        QString error = estimate(path, state, texts, messages);
        if (error.isEmpty()) {
            EnergyGraphSet graphs;
            graphs.setThousandSep(state.thousandSep());
            for (int g = 0; g < 3 && error.isEmpty(); ++g) {
                graphs.draw(static_cast<EnergyGraph>(g), state.record.applicationKind, state.results, state.options);
                const QString picture = GraphPicturePath(state.paths.tempPath(), g + 1);
                if (picture.isEmpty() || !saveChartPicture(picture, graphs.chart(args->graphType), GraphPictureSize))
                    error = QStringLiteral("An error occurred building the graph estimation report !");
            }
        }
        if (error.isEmpty()) {
            const PreparedReport report = PrepareEnergyReport(CollectReportSources(state, texts));
            ExportOptions options;
            options.dotsPerInch = args->dotsPerInch;
            const QString target = targetFile(*args, path, several);
            const ExportResult result = ExportPreparedReport(report, args->format, target, options);
            for (const QString &file : result.files)
                context.out << "report: " << file << '\n';
            if (!result.ok)
                error = QStringLiteral("An error occurred during export of the report ! (%1)").arg(result.errorString);
        }
        if (!error.isEmpty()) {
            context.err << "pelnix-cli: " << path << ": " << error << '\n';
            status = CliFailed;
        }
    }
    context.err.flush();
    return status;
}
