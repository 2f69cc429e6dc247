#pragma once

#include "report/mailhandoff.h"

#ifdef Q_OS_WIN
// Simple MAPI: "MAPI32.DLL" loaded for each send and released afterwards.
class MapiHandoff final : public MailHandoff
{
public:
    int send(const MailMessage &message) override;
};
#endif
