#include "scriptedmessages.h"

#include <gtest/gtest.h>

ScriptedMessages::~ScriptedMessages()
{
    EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " scripted answer(s) were never used";
}

ScriptedMessages &ScriptedMessages::expect(MessageAnswer answer)
{
    m_answers.push_back(answer);
    return *this;
}

MessageAnswer ScriptedMessages::show(MessageKind kind, const QString &text, MessageButtons buttons)
{
    m_shown.push_back({kind, text, buttons});
    if (!m_answers.empty()) {
        const MessageAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    if (!m_defaultAnswers)
        ADD_FAILURE() << "unexpected " << messageKindName(kind).toStdString() << " box: " << text.toStdString();
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::Yes
               ? MessageAnswer::Yes
               : MessageAnswer::Ok;
}

void ScriptedMessages::clear()
{
    m_shown.clear();
    m_answers.clear();
    m_beeps = 0;
}
