#include "fieldkeys.h"

#include <QKeyEvent>

namespace {
bool movesFocus(const QKeyEvent &event) { return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab; }
} // namespace

bool numberKeyPasses(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty() || movesFocus(event))
        return true;
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    return c == QLatin1Char('\b') || c == QLatin1Char('.') || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool typingExceedsLimit(const QKeyEvent &event, int length, int selectedLength, int maxLength)
{
    const QString text = event.text();
    if (text.isEmpty() || movesFocus(event) || text.at(0) == QLatin1Char('\b'))
        return false;
    if (text.at(0).category() == QChar::Other_Control && text.at(0) != QLatin1Char('\r'))
        return false;
    return length - selectedLength + static_cast<int>(text.size()) > maxLength;
}
