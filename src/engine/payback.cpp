#include "payback.h"

#include "data/numberformat.h"
#include "data/programidentity.h"

namespace {

constexpr int PaybackWidth = 8;

class PageWriter
{
public:
    PageWriter(const EstimationResults &results, QChar thousandSep, EstimationPage &page)
        : m_results(results), m_sep(thousandSep), m_page(page),
          m_incentive(static_cast<long double>(results.inputs.motorHp) * results.inputs.incentive)
    {
    }

    void setVfd(long double annualCost) { m_vfd = annualCost; }

    void text(const QString &name, const QString &value) { m_page.field(name).text = value; }
    void show(const QString &name, bool visible) { m_page.field(name).visible = visible; }
    void cost(const QString &line, const QString &val, const QString &caption, long double amount)
    {
        text(line, caption);
        text(val, MoneyText(amount, m_sep));
    }
    void savings(int row, const QString &caption, long double annualCost)
    {
        text(QStringLiteral("CONTROL%1").arg(row), caption);
        text(QStringLiteral("VALUE%1").arg(row), MoneyText(annualCost - m_vfd, m_sep));
    }
    void payback(int row, const QString &caption, long double annualCost)
    {
        text(QStringLiteral("PAYBACK%1").arg(row), caption);
        PageField &value = m_page.field(QStringLiteral("PAYBACKVALUE%1").arg(row));
        // The incentive per HP adds to the yearly savings; it does not lower the drive cost.
        const long double d = (annualCost - m_vfd) + m_incentive;
        value.red = true;
        if (d > 0) {
            value.red = false;
            value.text = PaybackText(static_cast<long double>(m_results.inputs.driveCost) / d);
        } else {
            value.text = QStringLiteral("Never");
        }
    }
    void clearRow(const QString &caption, const QString &value)
    {
        text(caption, QString());
        text(value, QString());
    }

private:
    const EstimationResults &m_results;
    QChar m_sep;
    EstimationPage &m_page;
    long double m_incentive;
    long double m_vfd = 0;
};

struct Custom
{
    bool inUse;
    QString title;
    long double annualCost;
};

} // namespace

QString MoneyText(long double amount, QChar thousandSep)
{
    return ProgramIdentity::CurrencySymbol + FormatThousands(0, static_cast<float>(amount), thousandSep);
}

QString PaybackText(long double years)
{
    return fixedText(years, 3).rightJustified(PaybackWidth, QLatin1Char(' '), false) + QStringLiteral(" Years");
}

void ShowEstimation(int kind, const EstimationResults &results, const ProgramOptions &options, QChar thousandSep,
                    EstimationPage &page)
{
    if (kind != 1 && kind != 2)
        return;
    const bool fan = kind == 1;
    PageWriter w(results, thousandSep, page);
    const long double noControl = results.noControlAnnualCost;
    const long double vfd = results.method(fan ? ResultSet::VfdFan : ResultSet::VfdPump).annualCost;
    const long double third = results.method(fan ? ResultSet::Damper : ResultSet::Valve).annualCost;
    const long double vane = results.method(ResultSet::InletVane).annualCost;
    const Custom customs[2] = {
        {options.custom1InUse, options.custom1Title, results.method(ResultSet::Custom1).annualCost},
        {options.custom2InUse, options.custom2Title, results.method(ResultSet::Custom2).annualCost},
    };
    w.setVfd(vfd);

    w.text(QStringLiteral("FLOWM"), fan ? QStringLiteral("Payback Estimation: Fan Application ")
                                        : QStringLiteral("Payback Estimation: Pump Application "));
    const QStringList fanOnly{QStringLiteral("LINE4"), QStringLiteral("VAL4"), QStringLiteral("CONTROL3"),
                              QStringLiteral("VALUE3")};
    if (fan) {
        for (const QString &name : fanOnly)
            w.show(name, true);
    }

    // Annual energy cost.
    const QString thirdCaption = fan ? QStringLiteral("Outlet Damper Control") : QStringLiteral("Throttling Valve Control");
    w.cost(QStringLiteral("LINE1"), QStringLiteral("VAL1"), QStringLiteral("No Speed Control"), noControl);
    w.cost(QStringLiteral("LINE2"), QStringLiteral("VAL2"), QStringLiteral("Variable Frequency Drive"), vfd);
    w.cost(QStringLiteral("LINE3"), QStringLiteral("VAL3"), thirdCaption, third);
    if (fan) {
        w.cost(QStringLiteral("LINE4"), QStringLiteral("VAL4"), QStringLiteral("Inlet Vane Control"), vane);
    } else {
        for (const QString &name : fanOnly)
            w.show(name, false);
    }
    for (int c = 0; c < 2; ++c) {
        const QString line = QStringLiteral("LINECUSTOM%1").arg(c + 1);
        const QString val = QStringLiteral("VALCUSTOM%1").arg(c + 1);
        if (customs[c].inUse) {
            w.cost(line, val, customs[c].title, customs[c].annualCost);
            w.show(line, true);
        } else {
            w.show(line, false);
            w.text(val, QString());
        }
    }

    // Savings.
    w.savings(1, QStringLiteral("No Speed Control"), noControl);
    w.savings(2, thirdCaption, third);
    if (fan)
        w.savings(3, QStringLiteral("Inlet Vane Control"), vane);
    for (int c = 0; c < 2; ++c) {
        if (customs[c].inUse)
            w.savings(4 + c, customs[c].title, customs[c].annualCost);
        else
            w.clearRow(QStringLiteral("CONTROL%1").arg(4 + c), QStringLiteral("VALUE%1").arg(4 + c));
    }

    // Payback.
    w.payback(1, QStringLiteral("No Control"), noControl);
    w.payback(2, fan ? QStringLiteral("Outlet Damper") : QStringLiteral("Throttling Valve"), third);
    if (fan)
        w.payback(3, QStringLiteral("Inlet Vane"), vane);
    for (int c = 0; c < 2; ++c) {
        if (customs[c].inUse)
            w.payback(4 + c, customs[c].title, customs[c].annualCost);
        else
            w.clearRow(QStringLiteral("PAYBACK%1").arg(4 + c), QStringLiteral("PAYBACKVALUE%1").arg(4 + c));
    }
    if (!fan)
        w.clearRow(QStringLiteral("PAYBACK3"), QStringLiteral("PAYBACKVALUE3"));
}
