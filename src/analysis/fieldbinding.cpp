#include "analysis/fieldbinding.h"

#include "data/messageservice.h"
#include "data/parameters.h"

QString ParameterFieldName(int number)
{
    return QStringLiteral("A1%1").arg(number, 2, 10, QLatin1Char('0'));
}

void BindParameterFields(const ParameterTable &table, MessageService &messages, FieldTags &tags)
{
    for (int position = 1; position <= table.count(); ++position) {
        const ParameterDefinition *definition = table.at(position);
        if (!definition || definition->groupLetter != QLatin1Char('A') || definition->groupDigit != QLatin1Char('1'))
            continue;
        if (definition->number < 1 || definition->number > BoundFieldCount)
            messages.fatal(MessageKind::Error, QStringLiteral("TAG NUMBER A1 NOT FOUND!"));
        tags[definition->number - 1] = position;
    }
}

ParameterDefinition &TaggedDefinition(int tag, ParameterTable &table, MessageService &messages)
{
    ParameterDefinition *definition = tag == 0 ? nullptr : table.at(tag);
    if (!definition)
        messages.fatal(MessageKind::Warning, QStringLiteral("LIST TAG NUMBER = 0"), MessageButtons::Yes);
    return *definition;
}
