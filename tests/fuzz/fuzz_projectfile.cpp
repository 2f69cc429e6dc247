// Project files from anywhere: both the examining and the applying read must survive any bytes and
// keep every applied value inside its parameter's limits.
#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"
#include "silentmessages.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    SilentMessages messages(data, size);
    ParameterTable params;
    params.DefineParameters(messages);
    PlainProjectTexts texts;
    for (const bool apply : {false, true}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        ReadProjectFile(buffer, apply, params, texts, messages);
    }
    for (int pos = 1; pos <= params.count(); ++pos) {
        const ParameterDefinition *d = params.at(pos);
        if (!(d->value >= d->minimum && d->value <= d->maximum))
            std::abort();
    }
    for (int i = 0; i < ProjectTextCount; ++i)
        if (texts.text(static_cast<ProjectText>(i)).size() > 60)
            std::abort();
    return 0;
}
