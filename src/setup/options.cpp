#include "options.h"

#include <cmath>
#include <optional>

#include "data/numberformat.h"
#include "data/textnumbers.h"
#include "settingsstore.h"

namespace {

const QString Eff = QStringLiteral("EFF");
const QString Program = QStringLiteral("PROGRAM");
const QString CustomRep = QStringLiteral("CUSTOMREP");
const QString User = QStringLiteral("USER");

constexpr const char *Prefixes[EfficiencyTableCount] = {"VFDE", "DE", "IVE", "VAE", "C1E", "C2E"};
constexpr const char *Defaults[EfficiencyTableCount][FlowStepCount] = {
    {"0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97"},
    {"1.000", "0.7683", "0.5725", "0.4098", "0.2789", "0.1767", "0.1012", "0.049", "0.0179", "0.0033"},
    {"1.000", "0.81", "0.64", "0.49", "0.36", "0.25", "0.16", "0.091", "0.04", "0.0104"},
    {"1.000", "0.7683", "0.5725", "0.4098", "0.2789", "0.1767", "0.1012", "0.049", "0.0179", "0.0033"},
    {"1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000"},
    {"1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000"},
};
constexpr bool FlagDefaults[7] = {true, true, false, false, false, true, false};

QString flagItem(int index) { return QStringLiteral("L%1").arg(index + 1); }

// Multi-line texts are stored with CR LF between lines and edited with LF.
QString toStored(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return s;
}
QString fromStored(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

// A table entry as a number; nothing when the text is none or lies outside the range of a double
// ("1e999" reads as infinity and "1e-999" as 0, neither a factor the estimation can divide by).
std::optional<double> readFactor(const QString &text)
{
    const auto v = readDecimalStrict(text);
    if (v && !std::isfinite(*v))
        return std::nullopt;
    if (!v || *v != 0)
        return v;
    for (const QChar c : text) {
        if (c == QLatin1Char('e') || c == QLatin1Char('E'))
            break;
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9'))
            return std::nullopt;
    }
    return v;
}

double readTableEntry(SettingsStore &store, EfficiencyTable t, int step)
{
    const QString item = tableItem(t, step);
    const QString def = tableDefaultText(t, step);
    if (const auto v = readFactor(store.readString(Eff, item, def)))
        return *v;
    store.writeString(Eff, item, def);
    return readDecimalStrict(def).value_or(0);
}

} // namespace

QString tablePrefix(EfficiencyTable table) { return QString::fromLatin1(Prefixes[static_cast<int>(table)]); }

QString tableItem(EfficiencyTable table, int step) { return tablePrefix(table) + QString::number((10 - step) * 10); }

QString tableDefaultText(EfficiencyTable table, int step)
{
    return QString::fromLatin1(Defaults[static_cast<int>(table)][step]);
}

QString factorText(double factor) { return fixedText(factor, 3); }

bool Load_OPT(SettingsStore &store, ProgramOptions &options, SetupFields &fields)
{
    StoreSession session(store);
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            options.tables[t][i] = readTableEntry(store, static_cast<EfficiencyTable>(t), i);
    options.damperSelected = store.readFlag(Eff, QStringLiteral("DAMPER"), true);
    options.inletVaneSelected = store.readFlag(Eff, QStringLiteral("INLETVANE"), true);
    options.valveSelected = store.readFlag(Eff, QStringLiteral("VALVE"), true);
    options.custom1InUse = store.readFlag(Eff, QStringLiteral("CUSTOM1"), false);
    options.custom2InUse = store.readFlag(Eff, QStringLiteral("CUSTOM2"), false);
    options.custom1Title = store.readString(Eff, QStringLiteral("CUSTOM1TITLE"), QStringLiteral("Custom Control 1")).left(30);
    options.custom2Title = store.readString(Eff, QStringLiteral("CUSTOM2TITLE"), QStringLiteral("Custom Control 2")).left(30);
    options.logoFileName = store.readString(CustomRep, QStringLiteral("LOGOFN"));
    fields.logoFileName = options.logoFileName;
    fields.closingLine1 = store.readString(CustomRep, QStringLiteral("CL1"));
    fields.closingLine2 = store.readString(CustomRep, QStringLiteral("CL2"));
    options.closingLine1 = fields.closingLine1.left(80);
    options.closingLine2 = fields.closingLine2.left(80);
    for (int i = 0; i < 7; ++i)
        options.flags[i] = store.readFlag(Program, flagItem(i), FlagDefaults[i]);
    fields.preparer = fromStored(store.readString(User, QStringLiteral("PREP")));
    fields.company = fromStored(store.readString(User, QStringLiteral("CPINFO")));
    return true;
}

bool Save_Opt(SettingsStore &store, const SetupFields &fields, ProgramOptions &options)
{
    StoreSession session(store);
    for (int t = 0; t < EfficiencyTableCount; ++t) {
        const auto table = static_cast<EfficiencyTable>(t);
        for (int i = 0; i < FlowStepCount; ++i)
            store.writeString(Eff, tableItem(table, i), fields.tables[t][i]);
        for (int i = 0; i < FlowStepCount; ++i)
            if (const auto v = readFactor(fields.tables[t][i]))
                options.tables[t][i] = *v;
    }
    store.writeString(Eff, QStringLiteral("CUSTOM1TITLE"), fields.customTitle1);
    store.writeString(Eff, QStringLiteral("CUSTOM2TITLE"), fields.customTitle2);
    options.custom1Title = fields.customTitle1.left(30);
    options.custom2Title = fields.customTitle2.left(30);
    store.writeFlag(Eff, QStringLiteral("DAMPER"), fields.damperSelect);
    store.writeFlag(Eff, QStringLiteral("INLETVANE"), fields.inletVaneSelect);
    store.writeFlag(Eff, QStringLiteral("VALVE"), fields.valveSelect);
    options.damperSelected = fields.damperSelect;
    options.inletVaneSelected = fields.inletVaneSelect;
    options.valveSelected = fields.valveSelect;
    store.writeFlag(Eff, QStringLiteral("CUSTOM1"), fields.cust1Select);
    store.writeFlag(Eff, QStringLiteral("CUSTOM2"), fields.cust2Select);
    options.custom1InUse = fields.cust1Select;
    options.custom2InUse = fields.cust2Select;
    for (int i = 0; i < 7; ++i) {
        store.writeFlag(Program, flagItem(i), fields.flags[i]);
        options.flags[i] = fields.flags[i];
    }
    store.writeString(CustomRep, QStringLiteral("LOGOFN"), fields.logoFileName);
    options.logoFileName = fields.logoFileName;
    store.writeString(CustomRep, QStringLiteral("CL1"), fields.closingLine1);
    store.writeString(CustomRep, QStringLiteral("CL2"), fields.closingLine2);
    options.closingLine1 = fields.closingLine1.left(80);
    options.closingLine2 = fields.closingLine2.left(80);
    store.writeString(User, QStringLiteral("PREP"), toStored(fields.preparer));
    store.writeString(User, QStringLiteral("CPINFO"), toStored(fields.company));
    return true;
}

void ResetEfficiencyDefaults(ProgramOptions &options, SetupFields &fields)
{
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            options.tables[t][i] = readDecimalStrict(tableDefaultText(static_cast<EfficiencyTable>(t), i)).value_or(0);
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            fields.tables[t][i] = factorText(options.tables[t][i]);
}

void FillSetupFields(SettingsStore &store, const ProgramOptions &options, SetupFields &fields)
{
    fields.flags = options.flags;
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            fields.tables[t][i] = factorText(options.tables[t][i]);
    fields.customTitle1 = options.custom1Title;
    fields.customTitle2 = options.custom2Title;
    fields.damperSelect = options.damperSelected;
    fields.inletVaneSelect = options.inletVaneSelected;
    fields.valveSelect = options.valveSelected;
    fields.cust1Select = options.custom1InUse;
    fields.cust2Select = options.custom2InUse;
    fields.logoFileName = options.logoFileName;
    fields.closingLine1 = options.closingLine1;
    fields.closingLine2 = options.closingLine2;
    StoreSession session(store);
    fields.preparer = fromStored(store.readString(User, QStringLiteral("PREP")));
    fields.company = fromStored(store.readString(User, QStringLiteral("CPINFO")));
}

QString repairFactorField(const QString &text)
{
    double v = readDecimalLenient(text);
    if (v > 1)
        v = 1;
    if (v < 0)
        v = 0;
    return factorText(v);
}
