// A settings file with anything in it: loading the options must repair every table item that does
// not read as a number and take flags only from a leading "1".
#include "setup/options.h"
#include "setup/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("PELNIX.conf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    SettingsStore store(path);
    ProgramOptions options;
    SetupFields fields;
    Load_OPT(store, options, fields);
    if (options.custom1Title.size() > 30 || options.custom2Title.size() > 30)
        std::abort();
    // After a load every table item reads back as a number.
    ProgramOptions again;
    Load_OPT(store, again, fields);
    for (int t = 0; t < EfficiencyTableCount; ++t)
        for (int i = 0; i < FlowStepCount; ++i)
            if (!(again.tables[t][i] == options.tables[t][i] || (std::isnan(again.tables[t][i]) && std::isnan(options.tables[t][i]))))
                std::abort();
    return 0;
}
