// A settings file with anything in it: loading the options must repair every table item that does
// not read as a number and take flags only from a leading "1".
#include "setup/options.h"
#include "setup/settingsstore.h"
#include "inputfile.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QString path = writeInputFile(QStringLiteral("PELNIX.conf"), data, size);
    if (path.isEmpty())
        return 0;
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
