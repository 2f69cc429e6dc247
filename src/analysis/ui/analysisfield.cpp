#include "analysis/ui/analysisfield.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "analysis/fieldrules.h"

AnalysisField::AnalysisField(const QString &name, int typedLimit, bool numeric, QWidget *parent)
    : QLineEdit(parent), m_typedLimit(typedLimit), m_numeric(numeric)
{
    setObjectName(name);
    // A dropped text would pass the limit; typing and pasting are the ways in.
    setAcceptDrops(false);
}

int AnalysisField::room() const
{
    return m_typedLimit - static_cast<int>(text().size() - selectedText().size());
}

void AnalysisField::pasteLimited()
{
    if (isReadOnly())
        return;
    QString pasted = QGuiApplication::clipboard()->text();
    pasted.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    const int free = room();
    if (free <= 0 || pasted.isEmpty())
        return;
    insert(pasted.left(free));
}

void AnalysisField::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteLimited();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && typed.size() == 1 && typed[0].isPrint()) {
        // Swallowed as KEYLOCK does, or because the field is full.
        if ((m_numeric && !KeyAccepted(typed[0])) || room() < 1) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void AnalysisField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &AnalysisField::pasteLimited);
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

void AnalysisField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit left();
}
