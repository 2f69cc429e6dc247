#include "projectfile.h"

#include "codepage1252.h"
#include "messageservice.h"
#include "numberformat.h"
#include "parameters.h"
#include "programidentity.h"
#include "projectrecord.h"
#include "syserror.h"
#include "textnumbers.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString CrLf = QStringLiteral("\r\n");

enum class Section { None, FileInfo, Application, Data, Info };

// Longest working copy the reader needs: every header and application name and the positions a
// parameter line is checked at lie well within it, so a longer line never matches any of them.
constexpr qsizetype WorkingCopyLimit = 64;
// Characters of an info line that become a text.
constexpr qsizetype InfoTextLength = 60;

// Trimmed of blanks and control characters (bytes up to 0x20, the same in Windows-1252), a … z in
// capitals, at most WorkingCopyLimit characters: a line of megabytes is never decoded whole.
QString workingCopy(const QByteArray &raw)
{
    qsizetype b = 0, e = raw.size();
    while (b < e && static_cast<unsigned char>(raw[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(raw[e - 1]) <= ' ')
        --e;
    QString s = decodeWindows1252(raw.mid(b, std::min(e - b, WorkingCopyLimit)));
    for (QChar &c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return s;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

enum class LineKind { Ignored, Error, Valid };

struct ParameterLine
{
    int lineNumber = 0;
    QChar letter, digit;
    int number = 0;
    QString valueText;
};

// Classifies a line of the parameter section (the working copy). Positions in comments count from 1.
LineKind classify(const QString &s, ParameterLine *out)
{
    auto at = [&](int pos) { return s[pos - 1]; };
    if (s.size() < 12 || at(1) != QLatin1Char('P') || at(6) != QLatin1Char('A') || at(7) != QLatin1Char('1')
        || at(8) != QLatin1Char('-') || !isDigit(at(9)) || !isDigit(at(10)))
        return LineKind::Ignored;

    // Line number from position 2, ended by ",", ":" or "=" no later than position 5.
    int pos = 2;
    int lineNumber = 0;
    while (pos <= 5 && isDigit(at(pos))) {
        lineNumber = lineNumber * 10 + (at(pos).unicode() - '0');
        ++pos;
    }
    if (pos > 5 || (at(pos) != QLatin1Char(',') && at(pos) != QLatin1Char(':') && at(pos) != QLatin1Char('=')))
        return LineKind::Error;

    // Value from position 12, ended by ";" no later than position 20.
    QString value;
    pos = 12;
    bool terminated = false;
    for (; pos <= 20 && pos <= s.size(); ++pos) {
        const QChar c = at(pos);
        if (c == QLatin1Char(';')) {
            terminated = true;
            break;
        }
        if (!(isDigit(c) || c == QLatin1Char('-') || c == QLatin1Char('.')))
            return LineKind::Error;
        value += c;
    }
    if (!terminated || value.isEmpty() || lineNumber == 0)
        return LineKind::Error;

    out->lineNumber = lineNumber;
    out->letter = at(6);
    out->digit = at(7);
    out->number = (at(9).unicode() - '0') * 10 + (at(10).unicode() - '0');
    out->valueText = value;
    return LineKind::Valid;
}

// QSaveFile refuses an existing file it may not replace with a text of its own; the user is
// shown the system's reason (such as a read-only file system) wherever there is one.
QString openFailureText(const QString &path, const QSaveFile &file)
{
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0 && errno != ENOENT)
        return systemErrorText(errno);
#endif
    return file.errorString();
}

// The data on the disk before the new file replaces the old one, so a crash right after the save
// cannot leave an empty project behind. Empty when done, else the system's text.
QString syncToDisk(QSaveFile &file)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return systemErrorText(errno);
#else
    Q_UNUSED(file);
#endif
    return QString();
}

bool cancelled(MessageAnswer a) { return a == MessageAnswer::Cancel || a == MessageAnswer::No; }

} // namespace

QByteArray projectFileBytes(const QString &applicationName, const ParameterTable &params, const ProjectTexts &texts,
                            const QString &dateText)
{
    QString out;
    out.reserve(2048);
    auto line = [&](const QString &l) { out += l + CrLf; };
    line(QStringLiteral("[FILE INFO]"));
    line(QString());
    line(QStringLiteral("FILE TYPE  : ") + ProgramIdentity::FileSignature + QLatin1Char(' ') + ProgramIdentity::FileVersion);
    line(QStringLiteral("DATE       : ") + dateText);
    line(QString());
    line(QStringLiteral("[APPLICATION]"));
    line(QString());
    line(applicationName);
    line(QString());
    line(QStringLiteral("[DATA ENERGY SAVER]"));
    line(QString());
    for (int pos = 1; pos <= params.count(); ++pos) {
        const ParameterDefinition *d = params.at(pos);
        if (!d)
            continue;
        line(QStringLiteral("P%1=").arg(pos, 3, 10, QLatin1Char('0')) + d->key() + QLatin1Char('=')
             + FormatValueField(fileDecimals(d->step), 15, d->value) + PadRight(d->unit, 7) + d->name);
    }
    line(QString());
    line(QStringLiteral("[INFO]"));
    for (int i = 0; i < ProjectTextCount; ++i)
        line(texts.text(static_cast<ProjectText>(i)));
    return encodeWindows1252(out);
}

bool WriteProjectFile(const QString &path, const QString &applicationName, const ParameterTable &params,
                      const ProjectTexts &texts, MessageService &messages)
{
    const QByteArray bytes = projectFileBytes(applicationName, params, texts,
                                              QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ShowSysError(messages, openFailureText(path, file));
        return false;
    }
    // Flushed and synced before the commit: a full disk shows only when the buffer goes out, and
    // the commit would otherwise put a short file in place of the previous one and call it saved.
    QString error;
    bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written)
        error = file.errorString();
    else if (error = syncToDisk(file); !error.isEmpty())
        written = false;
    if (written && !file.commit()) {
        written = false;
        error = file.errorString();
    }
    if (!written) {
        file.cancelWriting();
        ShowSysError(messages, error.isEmpty() ? QStringLiteral("The file could not be written.") : error);
        return false;
    }
    messages.information(QStringLiteral("Estimation Saved!"));
    return true;
}

ProjectReadResult ReadProjectFile(const QString &path, bool apply, ParameterTable &params, ProjectTexts &texts,
                                  MessageService &messages)
{
    // Only plain files: a pipe would block the opening and a device such as /dev/zero never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        ShowSysError(messages, systemErrorText(info.isDir() ? EISDIR : EINVAL));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowSysError(messages, file.errorString());
        return {};
    }
    return ReadProjectFile(file, apply, params, texts, messages);
}

ProjectReadResult ReadProjectFile(QIODevice &device, bool apply, ParameterTable &params, ProjectTexts &texts,
                                  MessageService &messages)
{
    constexpr int MaxInfoLines = 14;
    std::array<QString, MaxInfoLines> info;
    int infoCount = 0;
    bool abort = false;
    Section section = Section::None;
    ProjectReadResult result;
    qint64 lineCounter = 0;

    while (!device.atEnd()) {
        if (abort)
            return {false, result.application};
        QByteArray raw = device.readLine();
        if (raw.isEmpty() && !device.atEnd()) {
            ShowSysError(messages, device.errorString());
            return {false, result.application};
        }
        if (raw.endsWith('\n'))
            raw.chop(1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        ++lineCounter;
        const QString work = workingCopy(raw);

        if (work == QLatin1String("[DATA ENERGY SAVER]")) { section = Section::Data; continue; }
        if (work == QLatin1String("[APPLICATION]")) { section = Section::Application; continue; }
        if (work == QLatin1String("[FILE INFO]")) { section = Section::FileInfo; continue; }
        if (work == QLatin1String("[INFO]")) { section = Section::Info; continue; }

        switch (section) {
        case Section::Application:
            if (work == QLatin1String("FAN"))
                result.application = 1;
            else if (work == QLatin1String("PUMP"))
                result.application = 2;
            else if (work == QLatin1String("COOLING TOWER"))
                result.application = 3;
            break;
        case Section::Data: {
            ParameterLine p;
            const LineKind kind = classify(work, &p);
            if (kind == LineKind::Ignored)
                break;
            if (kind == LineKind::Error) {
                messages.beep();
                if (cancelled(messages.confirmation(QStringLiteral("Error in line : ")
                                                    + QString::number(lineCounter).left(6) + QStringLiteral(" !"))))
                    abort = true;
                break;
            }
            if (!apply)
                break;
            if (p.lineNumber > params.count()) {
                if (cancelled(messages.confirmation(QStringLiteral("Line/Parameter # out of range !"))))
                    abort = true;
                break;
            }
            const double value = readDecimalLenient(p.valueText);
            const QString key = QString(p.letter) + p.digit + QLatin1Char('-')
                                + QStringLiteral("%1").arg(p.number, 2, 10, QLatin1Char('0'));
            bool matched = false;
            for (int pos = 1; pos <= params.count() && !abort; ++pos) {
                ParameterDefinition *d = params.at(pos);
                if (!d || d->groupLetter != p.letter || d->groupDigit != p.digit || d->number != p.number)
                    continue;
                matched = true;
                // Compared in single precision, as the fields do, so every value the writer
                // produces (0.2 HP included) reads back.
                const float single = static_cast<float>(value);
                if (single < d->minimum || single > d->maximum) {
                    if (cancelled(messages.error(QStringLiteral("Parameter ") + key + QStringLiteral(" out of range !"),
                                                 MessageButtons::OkCancel)))
                        abort = true;
                } else {
                    d->value = single;
                }
            }
            if (!matched && cancelled(messages.error(QStringLiteral("Parameter ") + key + QStringLiteral(" does not match !"),
                                                     MessageButtons::OkCancel)))
                abort = true;
            break;
        }
        case Section::Info:
            if (infoCount < MaxInfoLines)
                info[infoCount++] = decodeWindows1252(raw.left(InfoTextLength));
            break;
        case Section::None:
        case Section::FileInfo:
            break;
        }
    }
    // A Cancel on the last line stops the reading just as one on any earlier line.
    if (abort)
        return {false, result.application};
    if (result.application == 0) {
        messages.error(QStringLiteral("Application Information is Missing! Unable to load this file."));
        return result;
    }
    if (apply)
        for (int i = 0; i < ProjectTextCount; ++i)
            texts.setText(static_cast<ProjectText>(i), i < infoCount ? info[i] : QString());
    result.ok = true;
    return result;
}
