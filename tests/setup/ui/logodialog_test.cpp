// The company logo dialog on its own: show, select, OK and Cancel, and the picture-file dialog.
#include "setup/ui/logodialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "setup/settingsstore.h"
#include "setup/ui/picturefiledialog.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"

namespace {

class LogoDialogTest : public ::testing::Test
{
protected:
    LogoDialogTest() : m_store(m_dir.filePath(QStringLiteral("setup.ini"))), m_state(m_messages, m_store)
    {
        InitGlobals(m_state, QLocale::c());
    }
    QString picture(const char *name, QColor colour)
    {
        const QString path = m_dir.filePath(QLatin1String(name));
        QImage image(500, 120, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QPushButton *button(LogoDialog &d, const char *name) { return d.findChild<QPushButton *>(QLatin1String(name)); }
    QLabel *view(LogoDialog &d) { return d.findChild<QLabel *>(QStringLiteral("LG1")); }

    QTemporaryDir m_dir;
    ScriptedMessages m_messages;
    SettingsStore m_store;
    AppState m_state;
};

TEST_F(LogoDialogTest, ShowLoadsTheLogoFileIntoTheFixedView)
{
    m_state.options.logoFileName = picture("logo.png", Qt::darkGreen);
    LogoDialog d(m_state);
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Company Logo"));
    EXPECT_TRUE(d.pictureLoaded());
    EXPECT_EQ(view(d)->size(), QSize(250, 100));
    EXPECT_TRUE(view(d)->hasScaledContents());
    EXPECT_EQ(d.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Size 250 x 100 pixels"));
    QTest::mouseClick(button(d, "SpeedButton1"), Qt::LeftButton);
    EXPECT_TRUE(d.accepted());

    const QByteArray dir = qgetenv("PELNIX_RENDER_DIR");
    d.show();
    if (!dir.isEmpty())
        d.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/logo-dialog.png"));
}

TEST_F(LogoDialogTest, MissingOrBrokenFileIsNotAccepted)
{
    // A missing file: nothing loaded and no message.
    m_state.options.logoFileName = m_dir.filePath(QStringLiteral("gone.png"));
    LogoDialog d(m_state);
    d.show();
    EXPECT_FALSE(d.pictureLoaded());
    QTest::mouseClick(button(d, "SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(d.accepted());
    EXPECT_TRUE(m_messages.shown().empty());

    // A file that is there but no picture: the warning on show.
    const QString junk = m_dir.filePath(QStringLiteral("junk.jpg"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("GIF89a but not really");
    f.close();
    m_state.options.logoFileName = junk;
    m_messages.expect(MessageAnswer::Ok);
    d.show();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, QStringLiteral("Invalid graphic format, company logo not loaded !"));
    QTest::mouseClick(button(d, "SpeedButton1"), Qt::LeftButton);
    EXPECT_FALSE(d.accepted());
}

TEST_F(LogoDialogTest, CancelledFileChoiceChangesNothing)
{
    const QString logo = picture("logo.png", Qt::darkGreen);
    m_state.options.logoFileName = logo;
    LogoDialog d(m_state);
    d.setPictureChooser([](QWidget *) { return QString(); });
    d.show();
    QTest::mouseClick(button(d, "SpeedButton3"), Qt::LeftButton);
    EXPECT_EQ(m_state.options.logoFileName, logo);
    EXPECT_TRUE(d.pictureLoaded());
}

TEST_F(LogoDialogTest, EscapeRestoresLikeCancel)
{
    const QString logo = picture("logo.png", Qt::darkGreen);
    const QString other = picture("other.png", Qt::red);
    m_state.options.logoFileName = logo;
    LogoDialog d(m_state);
    d.setPictureChooser([other](QWidget *) { return other; });
    d.show();
    QTest::mouseClick(button(d, "SpeedButton3"), Qt::LeftButton);
    EXPECT_EQ(m_state.options.logoFileName, other);
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.accepted());
    EXPECT_EQ(m_state.options.logoFileName, logo);
}

TEST(PictureFileDialog, FiltersListEveryReadableFormat)
{
    const QStringList filters = pictureNameFilters();
    ASSERT_FALSE(filters.isEmpty());
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(filters.first().contains(QStringLiteral("*.") + QString::fromLatin1(format))) << format.constData();
    EXPECT_EQ(filters.size(), QImageReader::supportedImageFormats().size() + 2);
    EXPECT_EQ(filters.last(), QStringLiteral("All files (*)"));
}

TEST(PictureFileDialog, PreviewFollowsTheSelection)
{
    QTemporaryDir dir;
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = dir.filePath(QStringLiteral("logo.png"));
    ASSERT_TRUE(image.save(path));

    QString chosen;
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("PD"));
        dialog->setDirectory(dir.path());
        dialog->selectFile(path);
        emit dialog->currentChanged(path);
        auto *preview = dialog->findChild<QLabel *>(QStringLiteral("PDPreview"));
        ASSERT_NE(preview, nullptr);
        previewed = !preview->pixmap().isNull();
        const QByteArray out = qgetenv("PELNIX_RENDER_DIR");
        if (!out.isEmpty())
            dialog->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/picture-dialog.png"));
        static_cast<QDialog *>(dialog)->accept();
    });
    chosen = choosePictureFile(nullptr);
    EXPECT_TRUE(previewed);
    EXPECT_EQ(chosen, path);
}

} // namespace
