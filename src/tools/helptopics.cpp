#include "helptopics.h"

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char *, const char *>, 7> Pages{{
    {"HLP_CONTENTS", ":/help/contents.html"},
    {"STEP1", ":/help/step1.html"},
    {"STEP2", ":/help/step2.html"},
    {"STEP4", ":/help/step4.html"},
    {"STEP5", ":/help/step5.html"},
    {"STEP6", ":/help/step6.html"},
    {"FORMULAS", ":/help/formulas.html"},
}};

} // namespace

QStringList helpTopics()
{
    QStringList topics;
    for (const auto &[topic, page] : Pages)
        topics << QString::fromLatin1(topic);
    return topics;
}

QString helpPageForTopic(const QString &topic)
{
    for (const auto &[id, page] : Pages)
        if (topic.trimmed().compare(QLatin1String(id), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(page);
    return QString::fromLatin1(Pages[0].second);
}
