#include "widgetmessageservice.h"

#include "data/programidentity.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Information: return QStringLiteral("Information");
    case MessageKind::Warning: return QStringLiteral("Warning");
    case MessageKind::Error: return QStringLiteral("Error");
    case MessageKind::Confirmation: return QStringLiteral("Confirm");
    }
    return {};
}

// Message texts break lines with a carriage return; the box wants line feeds.
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

MessageAnswer WidgetMessageService::show(MessageKind kind, const QString &text, MessageButtons buttons)
{
    QMessageBox box(iconOf(kind), titleOf(kind), displayText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case MessageButtons::Yes: box.setStandardButtons(QMessageBox::Yes); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default:
        break;
    }
    // Escape or the close button: the box's cancelling answer.
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::Yes: return MessageAnswer::Yes;
    default: return MessageAnswer::Cancel;
    }
}

void WidgetMessageService::beep()
{
    QApplication::beep();
}

void WidgetMessageService::terminateProgram()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}
