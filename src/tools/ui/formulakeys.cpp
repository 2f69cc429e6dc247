#include "formulakeys.h"

#include <QKeyEvent>

namespace {
bool movesFocus(const QKeyEvent &event) { return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab; }
bool typesNothing(const QKeyEvent &event) { return event.text().isEmpty() || movesFocus(event); }
} // namespace

bool formulaKeyPasses(const QKeyEvent &event)
{
    if (typesNothing(event))
        return true;
    const QString text = event.text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    return c == QLatin1Char('\b') || c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool formulaTypingExceedsLimit(const QKeyEvent &event, int length, int selectedLength, int maxLength)
{
    if (typesNothing(event) || event.text().at(0) == QLatin1Char('\b'))
        return false;
    return length - selectedLength + static_cast<int>(event.text().size()) > maxLength;
}
