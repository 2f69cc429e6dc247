#pragma once

#include <QString>
#include <QStringList>

// The program's help topics and the pages that hold them (Qt resources under ":/help").
inline const QString ContentsTopic = QStringLiteral("HLP_CONTENTS");

// Topic identifiers the program's windows ask for, contents first.
QStringList helpTopics();
// Resource path of the page for `topic` (case-insensitive); an unknown topic gives the contents page.
QString helpPageForTopic(const QString &topic);
