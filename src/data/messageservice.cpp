#include "messageservice.h"

QString messageKindName(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QStringLiteral("information");
    case MessageKind::Warning: return QStringLiteral("warning");
    case MessageKind::Error: return QStringLiteral("error");
    case MessageKind::Confirmation: return QStringLiteral("confirmation");
    }
    return {};
}
