// Hostile project files through both reads of Open Project: the examining read changes nothing,
// the applying read keeps every parameter in its range, and the user only ever sees the reader's
// own messages.
#include "data/parameters.h"
#include "data/projectfile.h"
#include "data/projectrecord.h"

#include "support/scriptedmessages.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <cstdint>

#include <cerrno>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QString Missing = QStringLiteral("Application Information is Missing! Unable to load this file.");

QByteArray validProject(const QByteArray &texts = "Jane Smith\r\nEngineer\r\n")
{
    return "[FILE INFO]\r\n\r\nFILE TYPE  : PELNIX ENERGY FILE 1.03\r\n\r\n[APPLICATION]\r\n\r\nFAN\r\n\r\n"
           "[DATA ENERGY SAVER]\r\n\r\nP005=A1-05=200.0;                \r\n\r\n[INFO]\r\n"
           + texts;
}

// Bytes from a fixed start value, the same on every run.
QByteArray noise(int size, std::uint32_t state)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray out = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char hi = static_cast<char>(c.unicode() >> 8), lo = static_cast<char>(c.unicode() & 0xFF);
        out += bigEndian ? QByteArray{1, hi} + lo : QByteArray{1, lo} + hi;
    }
    return out;
}

struct Snapshot
{
    std::array<float, 19> values{};
    std::array<QString, ProjectTextCount> texts;
    bool operator==(const Snapshot &) const = default;
};

class HostileProjectFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        params.DefineParameters(messages);
        for (int i = 0; i < ProjectTextCount; ++i)
            texts.setText(static_cast<ProjectText>(i), QStringLiteral("before %1").arg(i));
        messages.answerAllWithDefault();
    }

    Snapshot snapshot() const
    {
        Snapshot s;
        for (int pos = 1; pos <= 19; ++pos)
            s.values[pos - 1] = params.value(pos);
        for (int i = 0; i < ProjectTextCount; ++i)
            s.texts[i] = texts.text(static_cast<ProjectText>(i));
        return s;
    }

    ProjectReadResult read(QByteArray bytes, bool apply)
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return ReadProjectFile(buffer, apply, params, texts, messages);
    }

    // Both reads; the examining one must leave the project as it was.
    std::pair<ProjectReadResult, ProjectReadResult> readTwice(const QByteArray &bytes)
    {
        const Snapshot before = snapshot();
        const ProjectReadResult examined = read(bytes, false);
        EXPECT_TRUE(snapshot() == before) << "the examining read changed the project";
        const ProjectReadResult applied = read(bytes, true);
        expectInRange();
        return {examined, applied};
    }

    void expectInRange() const
    {
        for (int pos = 1; pos <= params.count(); ++pos) {
            const ParameterDefinition *d = params.at(pos);
            EXPECT_GE(d->value, d->minimum) << d->key().toStdString();
            EXPECT_LE(d->value, d->maximum) << d->key().toStdString();
        }
    }

    QStringList texts_shown() const
    {
        QStringList out;
        for (const auto &m : messages.shown())
            out << m.text;
        return out;
    }

    ScriptedMessages messages;
    ParameterTable params;
    PlainProjectTexts texts;
};

// Files with no application the reader can find: each read says so once, and nothing changes.
struct Unreadable
{
    const char *name;
    QByteArray bytes;
};

// Cases are named by their name in test listings and failures.
void PrintTo(const Unreadable &c, std::ostream *os) { *os << c.name; }

class UnreadableProjectFile : public HostileProjectFile, public ::testing::WithParamInterface<Unreadable>
{};

TEST_P(UnreadableProjectFile, SaysTheApplicationIsMissingAndChangesNothing)
{
    const Snapshot before = snapshot();
    const auto [examined, applied] = readTwice(GetParam().bytes);
    EXPECT_FALSE(examined.ok);
    EXPECT_FALSE(applied.ok);
    EXPECT_EQ(examined.application, 0);
    // Only the reader's messages, the last of each read the missing application.
    const QStringList shown = texts_shown();
    ASSERT_GE(shown.size(), 2);
    EXPECT_EQ(shown.back(), Missing);
    EXPECT_EQ(shown.count(Missing), 2);
    for (const QString &text : shown)
        EXPECT_TRUE(text == Missing || text.startsWith(QStringLiteral("Error in line : "))
                    || text.startsWith(QStringLiteral("Parameter ")) || text == QStringLiteral("Line/Parameter # out of range !"))
            << text.toStdString();
    // The texts are put in place only by a successful read.
    EXPECT_EQ(snapshot().texts, before.texts);
}

const QString AsText = QString::fromLatin1(validProject());

INSTANTIATE_TEST_SUITE_P(
    Edges, UnreadableProjectFile,
    ::testing::Values(Unreadable{"Empty", QByteArray()}, Unreadable{"OnlyLineEnds", QByteArray("\r\n\r\n\n\r")},
                      Unreadable{"AllNul", QByteArray(4096, '\0')},
                      Unreadable{"Binary", noise(256 * 1024, 7)},
                      Unreadable{"NulInsideTheApplication", QByteArray("[APPLICATION]\r\nF\0AN\r\n", 20)},
                      Unreadable{"Utf16LittleEndianWithBom", utf16(AsText, false)},
                      Unreadable{"Utf16BigEndianWithBom", utf16(AsText, true)},
                      // Classic Mac line ends: the whole file is one line.
                      Unreadable{"CarriageReturnsOnly", validProject().replace("\r\n", "\r")},
                      Unreadable{"HeaderWithoutApplication", QByteArray("[APPLICATION]\r\nFANS\r\nFAN PUMP\r\n")}),
    [](const ::testing::TestParamInfo<Unreadable> &info) { return std::string(info.param.name); });

// Files that read: what the applying read takes, as the user would see it.
struct Readable
{
    const char *name;
    QByteArray bytes;
    float motorHp;      // A1-05 after the applying read
    QString name1;      // first text
    int lineErrors;     // "Error in line" boxes per read
};

// Cases are named by their name in test listings and failures.
void PrintTo(const Readable &c, std::ostream *os) { *os << c.name; }

class ReadableProjectFile : public HostileProjectFile, public ::testing::WithParamInterface<Readable>
{};

TEST_P(ReadableProjectFile, ReadsWhatItCanAndKeepsTheRest)
{
    const Readable &c = GetParam();
    const auto [examined, applied] = readTwice(c.bytes);
    EXPECT_TRUE(examined.ok);
    EXPECT_TRUE(applied.ok);
    EXPECT_EQ(applied.application, 1);
    EXPECT_EQ(params.value(5), c.motorHp);
    EXPECT_EQ(texts.text(ProjectText::Name), c.name1);
    EXPECT_EQ(texts_shown().count(QStringLiteral("Error in line : 11 !")), 2 * c.lineErrors);
    EXPECT_EQ(static_cast<int>(messages.shown().size()), 2 * c.lineErrors);
    EXPECT_EQ(messages.beeps(), 2 * c.lineErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, ReadableProjectFile,
    ::testing::Values(
        Readable{"Plain", validProject(), 200, QStringLiteral("Jane Smith"), 0},
        Readable{"LineFeedsOnly", validProject().replace("\r\n", "\n"), 200, QStringLiteral("Jane Smith"), 0},
        // A UTF-8 mark before the first header only hides "[FILE INFO]", which the reader skips anyway.
        Readable{"Utf8WithBom", "\xEF\xBB\xBF" + validProject(), 200, QStringLiteral("Jane Smith"), 0},
        // UTF-8 texts come in as the single-byte code page reads them.
        Readable{"Utf8Texts", validProject("Caf\xC3\xA9\r\n"), 200, QString::fromLatin1("Caf\xC3\xA9"), 0},
        Readable{"NulAfterTheApplication", validProject().replace("FAN\r\n", QByteArray("FAN\0\0\r\n", 7)), 200,
                 QStringLiteral("Jane Smith"), 0},
        Readable{"NulInAText", validProject(QByteArray("Ja\0ne\r\n", 7)), 200, QString::fromLatin1("Ja\0ne", 5), 0},
        // A value with a NUL is a line error; the motor keeps its default.
        Readable{"NulInAValue", QByteArray(validProject()).replace("200.0;", QByteArray("20\0.0;", 6)), 150,
                 QStringLiteral("Jane Smith"), 1},
        // A megabyte of blanks around a header is still blanks around a header.
        Readable{"HeaderAfterAMegabyteOfBlanks",
                 validProject().replace("[INFO]", QByteArray(1 << 20, ' ') + "[INFO]" + QByteArray(1 << 20, '\t')),
                 200, QStringLiteral("Jane Smith"), 0},
        Readable{"TenMegabyteParameterLine",
                 validProject().replace("P005=A1-05=200.0;", "P005=A1-05=" + QByteArray(10 << 20, '9') + ";"), 150,
                 QStringLiteral("Jane Smith"), 1},
        Readable{"TenMegabyteText", validProject(QByteArray(10 << 20, 'x') + "\r\n"), 200,
                 QString(60, QLatin1Char('x')), 0}),
    [](const ::testing::TestParamInfo<Readable> &info) { return std::string(info.param.name); });

TEST_F(HostileProjectFile, ValuesThatAreNotNumbersStayInRange)
{
    const QByteArray lines = "P001=A1-01=-.-.-.-.;\r\nP005=A1-05=99999999;\r\nP006=A1-06=--------;\r\n"
                             "P004=A1-04=1.2.3.4;\r\nP010=A1-10=.;\r\n";
    const QByteArray file = "[APPLICATION]\r\nFAN\r\n[DATA ENERGY SAVER]\r\n" + lines;
    readTwice(file);
    // Every box is one of the reader's own; the nonsense values never reach the table.
    for (const QString &text : texts_shown())
        EXPECT_TRUE(text.startsWith(QStringLiteral("Parameter A1-"))) << text.toStdString();
}

long maxResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// 100 MB: a project, a 10 MB line, two hundred thousand short lines and an 80 MB last line with
// no line end. Both reads finish within seconds and never hold more than one copy of a line.
TEST_F(HostileProjectFile, HundredMegabyteFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("HUGE.PXF"));
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[APPLICATION]\r\nPUMP\r\n[DATA ENERGY SAVER]\r\nP005=A1-05=300.0;\r\n");
        out.write(QByteArray(10 << 20, 'P'));
        out.write("\r\n[INFO]\r\nJohn Doe\r\n");
        const QByteArray shortLine = QByteArray(48, 'y') + "\r\n";
        QByteArray block;
        for (int i = 0; i < 1000; ++i)
            block += shortLine;
        for (int i = 0; i < 200; ++i)
            out.write(block);
        const QByteArray chunk(1 << 20, 'z');
        for (int i = 0; i < 80; ++i)
            out.write(chunk);
    }
    ASSERT_GE(QFileInfo(path).size(), 100'000'000);

    const long before = maxResidentKiB();
    QElapsedTimer clock;
    clock.start();
    const Snapshot start = snapshot();
    const ProjectReadResult examined = ReadProjectFile(path, false, params, texts, messages);
    EXPECT_TRUE(snapshot() == start);
    const ProjectReadResult applied = ReadProjectFile(path, true, params, texts, messages);
    const qint64 ms = clock.elapsed();
    const long grown = maxResidentKiB() - before;

    EXPECT_TRUE(examined.ok);
    EXPECT_TRUE(applied.ok);
    EXPECT_EQ(applied.application, 2);
    EXPECT_EQ(params.value(5), 300.0f);
    EXPECT_EQ(texts.text(ProjectText::Name), QStringLiteral("John Doe"));
    EXPECT_EQ(texts.text(ProjectText::Title), QString(48, QLatin1Char('y')));
    EXPECT_TRUE(messages.shown().empty()) << messages.shown()[0].text.toStdString(); // the long line is ignored
    EXPECT_LT(ms, 15000) << "both reads took " << ms << " ms";
    // One 80 MB line in memory at most once, with room for the buffer's growth. A sanitizer's
    // allocator copies where the C library's grows in place, so the bound holds for plain builds.
#if !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(grown, 180 * 1024) << "peak memory grew by " << grown << " KiB";
#endif
    RecordProperty("reads_ms", static_cast<int>(ms));
    RecordProperty("peak_growth_kib", static_cast<int>(grown));
}

} // namespace

namespace {

// Open Project on something that is not a plain file: the system's text, at once, and nothing read.
TEST_F(HostileProjectFile, NotAPlainFile)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.PXF"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        QString path;
        int code;
    } cases[] = {{dir.path(), EISDIR}, {fifo, EINVAL}, {QStringLiteral("/dev/zero"), EINVAL},
                 {dir.filePath(QStringLiteral("missing.PXF")), ENOENT}};
    messages.answerAllWithDefault(false);
    for (const auto &c : cases) {
        messages.clear();
        messages.expect(MessageAnswer::Ok);
        const Snapshot before = snapshot();
        const ProjectReadResult r = ReadProjectFile(c.path, true, params, texts, messages);
        EXPECT_FALSE(r.ok) << c.path.toStdString();
        ASSERT_EQ(messages.shown().size(), 1u) << c.path.toStdString();
        EXPECT_EQ(messages.shown()[0].kind, MessageKind::Warning);
        EXPECT_TRUE(messages.shown()[0].text.contains(QString::fromLocal8Bit(std::strerror(c.code))))
            << c.path.toStdString() << ": " << messages.shown()[0].text.toStdString();
        EXPECT_TRUE(snapshot() == before);
    }
}

} // namespace
