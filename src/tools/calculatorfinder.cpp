#include "calculatorfinder.h"

QStringList calculatorCandidates()
{
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
#endif
}

QString findCalculator(const std::function<QString(const QString &name)> &findExecutable)
{
    for (const QString &name : calculatorCandidates()) {
        const QString path = findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}
