#pragma once

#include "data/messageservice.h"

#include <cstdint>
#include <stdexcept>

// Answers every box from a stream of bytes taken from the fuzz input, so both OK and Cancel paths run.
class SilentMessages final : public MessageService
{
public:
    SilentMessages(const std::uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    MessageAnswer show(MessageKind, const QString &, MessageButtons) override
    {
        const bool cancel = m_size > 0 && (m_data[m_pos++ % m_size] & 1);
        return cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
    void beep() override {}
    [[noreturn]] void terminateProgram() override { throw std::logic_error("fatal definition error"); }

private:
    const std::uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};
