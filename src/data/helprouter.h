#pragma once

#include <QString>

// Opens the program's help at a topic ("HLP_CONTENTS", "STEP1", …); an unknown topic opens the contents.
class HelpRouter
{
public:
    virtual ~HelpRouter() = default;
    virtual void showTopic(const QString &topic) = 0;
};
