#include "cli_messages.h"

#include <QTextStream>

#include <cstdio>
#include <cstdlib>

CliMessageService::CliMessageService(QTextStream *out, bool answerCancel) : m_out(out), m_answerCancel(answerCancel) {}

QString CliMessageService::oneLine(const QString &text)
{
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    s.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    return s;
}

MessageAnswer CliMessageService::show(MessageKind kind, const QString &text, MessageButtons buttons)
{
    m_shown.push_back({kind, text});
    if (m_out)
        *m_out << messageKindName(kind) << ": " << oneLine(text) << '\n';
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::Yes: return MessageAnswer::Yes;
    case MessageButtons::OkCancel: return m_answerCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    case MessageButtons::YesNo: return m_answerCancel ? MessageAnswer::No : MessageAnswer::Yes;
    case MessageButtons::YesNoCancel: return m_answerCancel ? MessageAnswer::Cancel : MessageAnswer::Yes;
    }
    return MessageAnswer::Ok;
}

void CliMessageService::terminateProgram()
{
    if (m_out)
        m_out->flush();
    std::fflush(stdout);
    std::exit(EXIT_FAILURE);
}
