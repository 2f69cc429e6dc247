#include "parameters.h"

#include "messageservice.h"

QString ParameterDefinition::key() const
{
    return QString(groupLetter) + groupDigit + QLatin1Char('-') + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString ParameterDefinition::fieldName() const
{
    return QString(groupLetter) + groupDigit + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

int fileDecimals(float step)
{
    if (step == 1.0f) return 0;
    if (step == 10.0f) return 1;
    if (step == 100.0f) return 2;
    if (step == 1000.0f) return 3;
    return 4;
}

int fieldDecimals(float step)
{
    if (step <= 1.0f) return 0;
    if (step <= 10.0f) return 1;
    if (step <= 100.0f) return 2;
    if (step <= 1000.0f) return 3;
    return 4;
}

int rangeCheckDecimals(float step)
{
    if (step == 10000.0f) return 4;
    if (step == 1000.0f) return 3;
    if (step == 100.0f) return 2;
    if (step == 10.0f) return 1;
    return 0;
}

void ParameterTable::AddParameter(MessageService &messages, std::uint16_t position, QChar groupLetter,
                                  QChar groupDigit, std::uint16_t number, const QString &name,
                                  const QString &unit, float defaultValue, float minimum, float maximum,
                                  float step, std::uint8_t editKind)
{
    ++m_count;
    if (m_count > Capacity || position < 1 || position > Capacity)
        messages.fatal(MessageKind::Error, QStringLiteral("Maximum number of parameters exceeded !"));
    const QString n = QString::number(position).left(3);
    if (minimum >= maximum)
        messages.fatal(MessageKind::Error, QStringLiteral("PARAMETER LIST ERROR MIN>=MAX LIST NO. :") + n);
    if (step == 0.0f)
        messages.fatal(MessageKind::Error, QStringLiteral("RANGE STEP LIST ERROR LIST NO. :") + n);
    if (step < 1.0f)
        messages.fatal(MessageKind::Error, QStringLiteral("RANGE STEP LIST ERROR LIST < 1 NO. :") + n);
    if (defaultValue < minimum || defaultValue > maximum)
        messages.fatal(MessageKind::Error, QStringLiteral("DEFAULT VALUE VF not in Range LIST NO :") + n);
    if (editKind > 2)
        messages.fatal(MessageKind::Error, QStringLiteral("EDIT TYPE is not 0/1 LIST NO :") + n);

    ParameterDefinition d;
    d.position = position;
    d.groupLetter = groupLetter;
    d.groupDigit = groupDigit;
    d.number = number;
    d.name = name.left(38);
    d.unit = unit.left(10);
    d.value = defaultValue;
    d.minimum = minimum;
    d.maximum = maximum;
    d.step = step;
    d.editKind = editKind;
    m_definitions[position] = d;
}

void ParameterTable::DefineParameters(MessageService &messages)
{
    struct Row { float def, min, max, step; };
    static constexpr Row rows[ProjectParameterCount] = {
        {24, 1, 24, 1},        {7, 1, 7, 1},          {52, 1, 52, 1},      {10, 0, 100, 100},
        {150, 0.2f, 5000, 10}, {95, 50, 100, 10},     {97, 50, 100, 10},   {0, 0, 100, 10},
        {12000, 0, 1000000, 1},
        {1, 0, 100, 1},  {2, 0, 100, 1},  {9, 0, 100, 1},  {17, 0, 100, 1}, {24, 0, 100, 1},
        {17, 0, 100, 1}, {13, 0, 100, 1}, {11, 0, 100, 1}, {6, 0, 100, 1},  {0, 0, 100, 1},
    };
    for (int i = 0; i < ProjectParameterCount; ++i) {
        const auto pos = static_cast<std::uint16_t>(i + 1);
        const Row &r = rows[i];
        AddParameter(messages, pos, QLatin1Char('A'), QLatin1Char('1'), pos, QString(), QString(), r.def, r.min,
                     r.max, r.step, 0);
    }
}

void ParameterTable::clear()
{
    m_definitions.fill(std::nullopt);
    m_count = 0;
}

ParameterDefinition *ParameterTable::at(int position)
{
    if (position < 1 || position > Capacity || !m_definitions[position])
        return nullptr;
    return &*m_definitions[position];
}

const ParameterDefinition *ParameterTable::at(int position) const
{
    return const_cast<ParameterTable *>(this)->at(position);
}

float ParameterTable::value(int position) const
{
    const ParameterDefinition *d = at(position);
    return d ? d->value : 0.0f;
}
