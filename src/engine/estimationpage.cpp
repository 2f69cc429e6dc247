#include "estimationpage.h"

#include <QHash>

namespace {

QStringList makeFieldNames()
{
    QStringList names{QStringLiteral("FLOWM")};
    for (int r = 1; r <= 4; ++r)
        names << QStringLiteral("LINE%1").arg(r) << QStringLiteral("VAL%1").arg(r);
    for (int r = 1; r <= 2; ++r)
        names << QStringLiteral("LINECUSTOM%1").arg(r) << QStringLiteral("VALCUSTOM%1").arg(r);
    for (int r = 1; r <= 5; ++r)
        names << QStringLiteral("CONTROL%1").arg(r) << QStringLiteral("VALUE%1").arg(r);
    for (int r = 1; r <= 5; ++r)
        names << QStringLiteral("PAYBACK%1").arg(r) << QStringLiteral("PAYBACKVALUE%1").arg(r);
    return names;
}

const QHash<QString, int> &fieldIndex()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        const QStringList &names = EstimationPage::fieldNames();
        for (int i = 0; i < names.size(); ++i)
            h.insert(names[i], i);
        return h;
    }();
    return index;
}

} // namespace

EstimationPage::EstimationPage() { m_fields[0].red = true; }

const QStringList &EstimationPage::fieldNames()
{
    static const QStringList names = makeFieldNames();
    return names;
}

int EstimationPage::indexOf(const QString &name) { return fieldIndex().value(name, -1); }

PageField &EstimationPage::field(const QString &name)
{
    const int i = indexOf(name);
    if (i < 0) {
        m_unknown = PageField{};
        return m_unknown;
    }
    return m_fields[i];
}

const PageField &EstimationPage::field(const QString &name) const
{
    const int i = indexOf(name);
    return i < 0 ? m_unknown : m_fields[i];
}
