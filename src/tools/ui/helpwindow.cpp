#include "helpwindow.h"

#include "tools/helptopics.h"
#include "tools/ui/iconsonshow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in this static library; the resource must be registered by name.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    initHelpResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pelnix Help"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    // Help is asked for from inside modal windows; as an application-modal window of its own it
    // stays usable above them without blocking their handlers.
    setWindowModality(Qt::ApplicationModal);
    resize(720, 560);

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    setStandardIconOnShow(back, QStyle::SP_ArrowBack);
    back->setObjectName(QStringLiteral("BackButton"));
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addStretch(1);
    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    bar->addWidget(close);
    layout->addLayout(bar);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);

    connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(QUrl(QStringLiteral("qrc") + helpPageForTopic(ContentsTopic))); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Pelnix Help - ") + m_browser->documentTitle()); });
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showTopic(const QString &topic)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc") + helpPageForTopic(topic)));
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}
