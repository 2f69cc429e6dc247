#include "analysis/ui/analysisfield.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "analysis/fieldrules.h"

AnalysisField::AnalysisField(const QString &name, int typedLimit, bool numeric, QWidget *parent)
    : QLineEdit(parent), m_typedLimit(typedLimit), m_numeric(numeric)
{
    setObjectName(name);
    // textChanged comes before textEdited, so the text before an edit is the previous one.
    connect(this, &QLineEdit::textChanged, this, &AnalysisField::rememberText);
    connect(this, &QLineEdit::textEdited, this, &AnalysisField::limitEdit);
}

void AnalysisField::rememberText(const QString &text)
{
    m_previousText = m_currentText;
    m_currentText = text;
}

void AnalysisField::limitEdit(const QString &text)
{
    // Like a native edit with a length limit: an edit that would grow the text past the limit is
    // refused; a longer text put in by the program can still be shortened.
    if (text.size() <= m_typedLimit || text.size() <= m_previousText.size())
        return;
    const QString before = m_previousText;
    const int cursor = std::max(0, cursorPosition() - static_cast<int>(text.size() - before.size()));
    setText(before);
    setCursorPosition(cursor);
}

void AnalysisField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (m_numeric && !command && typed.size() == 1 && typed[0].isPrint() && !KeyAccepted(typed[0])) {
        event->accept(); // swallowed, as KEYLOCK does
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnalysisField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit left();
}
