#include "logodialog.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "data/messageservice.h"
#include "picturefiledialog.h"
#include "shell/appstate.h"

namespace {
const QString InvalidGraphic = QStringLiteral("Invalid graphic format, company logo not loaded !");
constexpr int ViewWidth = 250;
constexpr int ViewHeight = 100;
} // namespace

LogoDialog::LogoDialog(AppState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      m_state(state), m_chooser(&choosePictureFile)
{
    setObjectName(QStringLiteral("LogoDialog"));
    setWindowTitle(QStringLiteral("Company Logo"));

    m_view = new QLabel(this);
    m_view->setObjectName(QStringLiteral("LG1"));
    m_view->setFixedSize(ViewWidth, ViewHeight);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setScaledContents(true);
    m_view->setFrameShape(QFrame::Box);

    auto *sizeLabel = new QLabel(QStringLiteral("Size 250 x 100 pixels"), this);
    sizeLabel->setObjectName(QStringLiteral("Label1"));

    auto makeButton = [this](const char *name, const QString &caption, const QString &hint) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(hint);
        b->setFlat(true);
        b->setAutoDefault(false);
        return b;
    };
    auto *ok = makeButton("SpeedButton1", QStringLiteral("&Ok"), QStringLiteral("Accept"));
    auto *select = makeButton("SpeedButton3", QStringLiteral("&Select File"), QStringLiteral("Select graphics file"));
    auto *cancel = makeButton("SpeedButton2", QStringLiteral("&Cancel"), QStringLiteral("Press here to cancel"));
    connect(ok, &QPushButton::clicked, this, &LogoDialog::acceptLogo);
    connect(select, &QPushButton::clicked, this, &LogoDialog::selectFile);
    connect(cancel, &QPushButton::clicked, this, &LogoDialog::cancelLogo);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(select);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 0, Qt::AlignHCenter);
    layout->addWidget(sizeLabel, 0, Qt::AlignHCenter);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

LogoDialog::~LogoDialog() = default;

void LogoDialog::setPictureChooser(PictureChooser chooser) { m_chooser = std::move(chooser); }

void LogoDialog::showEvent(QShowEvent *event)
{
    if (event->spontaneous())
        return QDialog::showEvent(event);
    m_pictureLoaded = false;
    const QString &fileName = m_state.options.logoFileName;
    if (!fileName.isEmpty() && QFileInfo(fileName).isFile())
        m_pictureLoaded = loadPicture(fileName);
    m_savedLogoFileName = fileName;
    m_accepted = false;
    QDialog::showEvent(event);
}

void LogoDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape restores the logo file name like Cancel instead of just hiding the dialog.
    if (event->key() == Qt::Key_Escape) {
        cancelLogo();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool LogoDialog::loadPicture(const QString &fileName)
{
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_state.messages.warning(InvalidGraphic);
        return false;
    }
    m_view->setPixmap(QPixmap::fromImage(image));
    return true;
}

void LogoDialog::selectFile()
{
    const QString chosen = m_chooser ? m_chooser(this) : QString();
    if (chosen.isEmpty())
        return;
    m_state.options.logoFileName = chosen;
    m_pictureLoaded = loadPicture(chosen);
}

void LogoDialog::acceptLogo()
{
    m_accepted = m_pictureLoaded;
    done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

void LogoDialog::cancelLogo()
{
    m_state.options.logoFileName = m_savedLogoFileName;
    m_accepted = false;
    done(QDialog::Rejected);
}
