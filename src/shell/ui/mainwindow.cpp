#include "mainwindow.h"

#include "appsel2.h"
#include "guideit.h"
#include "welc.h"

#include "data/helprouter.h"
#include "data/messageservice.h"
#include "data/programidentity.h"
#include "data/projectrecord.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/artwork.h"
#include "tools/calculatorfinder.h"
#include "tools/ui/whitebackground.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

namespace {

const QString MenuStateKey = QStringLiteral("MENU/state");
const QString LinkHint = QStringLiteral("Click here to visit our website");

// A picture that opens the web page when clicked.
class LinkPicture final : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (clicked)
            clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

// A status bar panel that keeps the hand cursor.
QLabel *panel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setMinimumWidth(120);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace

TForm1::TForm1(AppState &state, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_commands(state, *this), m_chooser(ProjectFileChooser::dialogs()),
      m_ownTexts(std::make_unique<PlainProjectTexts>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ShellTexts::mainCaption());
    resize(775, 500);
    setWhiteBackground(this);

    m_findProgram = [](const QString &name) { return QStandardPaths::findExecutable(name); };
    m_startProgram = [](const QString &program) { return QProcess::startDetached(program, {}); };

    buildMenus();
    buildToolBar();
    buildBackground();
    buildStatusBar();

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(10);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TForm1::Timer1Timer);

    // The parameter table is defined with the main window.
    m_state.parameters.DefineParameters(m_state.messages);
    restoreState(m_state.store.readBytes(MenuStateKey));
}

TForm1::~TForm1() = default;

void TForm1::setLinks(MainWindowLinks links)
{
    m_links = std::move(links);
}

void TForm1::setProgramLauncher(std::function<QString(const QString &)> find, std::function<bool(const QString &)> start)
{
    m_findProgram = std::move(find);
    m_startProgram = std::move(start);
}

QAction *TForm1::makeAction(const char *name, const QString &caption, const QString &hint, void (TForm1::*handler)())
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromUtf8(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    QAction *newProject = makeAction("NewProject", QStringLiteral("&New Project"), QStringLiteral("New Project"),
                                     &TForm1::NewProjectClick);
    newProject->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    file->addAction(newProject);
    file->addSeparator();
    QAction *open = makeAction("OpenProject", QStringLiteral("Open Project"), QStringLiteral("Open Project"),
                               &TForm1::OpenfilebuttonClick);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    file->addAction(open);
    file->addAction(makeAction("SaveAsLargeButton1", QStringLiteral("Save &As..."), QStringLiteral("Save As"),
                               &TForm1::SaveAsLargeButton1Click));
    QAction *save = makeAction("SaveLargeButton", QStringLiteral("Save Project"), QStringLiteral("Save Project"),
                               &TForm1::SavefilebuttonClick);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    file->addAction(save);
    file->addSeparator();
    file->addAction(makeAction("PropertiesLargeButton1", QStringLiteral("Properties"), QStringLiteral("Properties"),
                               &TForm1::PropertiesClick));
    file->addSeparator();
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "HIS" + QByteArray::number(i + 1);
        QAction *item = makeAction(name.constData(), QStringLiteral("Report %1").arg(i + 1),
                                   i == 0 ? QStringLiteral("Report 1") : QStringLiteral("Reopen quote"), nullptr);
        connect(item, &QAction::triggered, this, [this, i] { HISClick(i); });
        item->setVisible(false);
        file->addAction(item);
        m_history[i] = item;
    }
    file->addSeparator();
    file->addAction(makeAction("dxBarButton7", QStringLiteral("E&xit"), QStringLiteral("Exit"), &TForm1::QuitClick));

    QMenu *estimation = bar->addMenu(QStringLiteral("&Energy Estimation"));
    estimation->addAction(makeAction("FanApplication", QStringLiteral("Fan Application"),
                                     QStringLiteral("Fan Application"), &TForm1::FAN_ANALYSISClick));
    estimation->addAction(makeAction("PumpApplication", QStringLiteral("Pump Application"),
                                     QStringLiteral("Pump Application"), &TForm1::PUMP_ANALYSISClick));

    QMenu *tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->addAction(makeAction("BtnCalc", QStringLiteral("Calculator"), QStringLiteral("Calculator"),
                                &TForm1::BtnCalcClick));
    tools->addAction(
        makeAction("Formulas", QStringLiteral("Formulas"), QStringLiteral("Formulas"), &TForm1::FormularClick));

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    QAction *helpItem = makeAction("HelpLargeButton1", QStringLiteral("Pelnix Help"), QStringLiteral("Pelnix Help"),
                                   &TForm1::HelpLargeButton1Click);
    helpItem->setShortcut(QKeySequence(Qt::Key_F1));
    help->addAction(helpItem);
    help->addSeparator();
    help->addAction(makeAction("btnHomePage", QStringLiteral("Visit us on the web"),
                               QStringLiteral("Visit us on the web"), &TForm1::btnHomePageClick));
    help->addSeparator();
    help->addAction(makeAction("btnAboutUs", QStringLiteral("About"), QStringLiteral("About"), &TForm1::About1Click));

    // Menus of a main window are shown as a bar of their own in every style.
    for (QMenu *menu : {file, estimation, tools, help})
        menu->setToolTipsVisible(true);
}

void TForm1::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Tool Bar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(32, 32));
    for (const char *name : {"NewProject", "OpenProject", "SaveLargeButton"})
        m_toolBar->addAction(findChild<QAction *>(QString::fromUtf8(name)));
    QAction *active = makeAction("ActiveLargeButton1", QStringLiteral("Active Project"),
                                 QStringLiteral("Active Project"), &TForm1::ActiveLargeButton1Click);
    active->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_toolBar->addAction(active);
}

void TForm1::buildBackground()
{
    auto *background = new QWidget(this);
    background->setObjectName(QStringLiteral("Background"));
    background->setAutoFillBackground(true);
    auto *grid = new QGridLayout(background);
    grid->setContentsMargins(8, 8, 8, 4);

    auto *image1 = new QLabel(background);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(QPixmap::fromImage(programPicture(QSize(570, 180))));
    image1->setAlignment(Qt::AlignCenter);
    grid->addWidget(image1, 0, 0, 1, 3);
    grid->setRowStretch(0, 1);

    auto *url = new QLabel(background);
    url->setObjectName(QStringLiteral("URL"));
    url->setToolTip(LinkHint);
    url->setCursor(Qt::PointingHandCursor);
    url->setTextFormat(Qt::RichText);
    connect(url, &QLabel::linkActivated, this, [this] { btnHomePageClick(); });
    m_url = url;
    setWebLink();
    grid->addWidget(url, 1, 1, Qt::AlignRight | Qt::AlignVCenter);

    auto *image2 = new LinkPicture(background);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(QPixmap::fromImage(webLinkPicture(QSize(28, 28))));
    image2->setCursor(Qt::PointingHandCursor);
    image2->setToolTip(LinkHint);
    image2->clicked = [this] { btnHomePageClick(); };
    grid->addWidget(image2, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(0, 1);
    setCentralWidget(background);
}

void TForm1::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    m_statusState = panel("StatusPanel3", bar);
    m_statusState->setCursor(Qt::PointingHandCursor);
    m_statusName = panel("StatusPanel1", bar);
    bar->addWidget(m_statusState);
    bar->addWidget(m_statusName, 1);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    // FormShow
    setWebLink();
    switch (m_commands.startup()) {
    case ProjectCommands::Startup::OpenCommandLineFile:
        // Opened once the window is on screen, like the welcome screen.
        QTimer::singleShot(0, this, [this] { OpenProjectByName(m_state.commandLineFile); });
        break;
    case ProjectCommands::Startup::ShowWelcome:
        m_timer.start();
        break;
    case ProjectCommands::Startup::Nothing:
        break;
    }
}

void TForm1::setWebLink()
{
    const QUrl site(ProgramIdentity::WebSite);
    m_url->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(site.toString(), site.host() + site.path()));
}

void TForm1::Timer1Timer()
{
    m_timer.stop();
    if (!m_links.welcome)
        return;
    m_links.welcome->exec();
    m_commands.welcomeChoice(m_links.welcome->choice());
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // FormCloseQuery
    if (!m_commands.closeQuery()) {
        event->ignore();
        updateStatusPanel();
        return;
    }
    m_state.store.writeBytes(MenuStateKey, saveState());
    event->accept();
}

void TForm1::HISClick(int entry)
{
    if (entry >= 0 && entry < int(m_state.history.size()))
        OpenProjectByName(m_state.history[entry]);
}

void TForm1::BtnCalcClick()
{
    const QString program = findCalculator(m_findProgram);
    if (program.isEmpty() || !m_startProgram(program))
        m_state.messages.information(NoCalculatorText);
}

void TForm1::FormularClick()
{
    if (m_links.showFormulas)
        m_links.showFormulas();
}

void TForm1::btnHomePageClick()
{
    QDesktopServices::openUrl(QUrl(ProgramIdentity::WebSite));
}

void TForm1::About1Click()
{
    if (m_links.showAbout)
        m_links.showAbout();
}

void TForm1::HelpLargeButton1Click()
{
    if (m_state.help)
        m_state.help->showTopic(QStringLiteral("HLP_CONTENTS"));
}

ProjectTexts &TForm1::projectTexts()
{
    return m_links.texts ? *m_links.texts : *m_ownTexts;
}

void TForm1::showAnalysis()
{
    if (m_links.showAnalysis)
        m_links.showAnalysis();
}

void TForm1::showApplicationSelection()
{
    if (!m_links.selection)
        return;
    m_links.selection->exec();
    switch (m_links.selection->choice()) {
    case TAPPSEL2::Fan: FAN_ANALYSISClick(); break;
    case TAPPSEL2::Pump: PUMP_ANALYSISClick(); break;
    default: break;
    }
}

bool TForm1::showGuide()
{
    if (!m_links.guide)
        return true;
    m_links.guide->exec();
    return m_links.guide->goOn();
}

void TForm1::showSetup()
{
    if (m_links.showSetup)
        m_links.showSetup();
}

QString TForm1::chooseOpenFile()
{
    return m_chooser.open ? m_chooser.open(this) : QString();
}

QString TForm1::chooseSaveFile(const QString &proposed)
{
    return m_chooser.save ? m_chooser.save(this, proposed) : QString();
}

void TForm1::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void TForm1::updateStatusPanel()
{
    if (m_state.record.projectActive) {
        m_statusState->setText(QStringLiteral("Active"));
        m_statusState->setStyleSheet(QStringLiteral("color: red;"));
    } else {
        m_statusState->setText(QStringLiteral("Not Active"));
        m_statusState->setStyleSheet(QStringLiteral("color: black;"));
    }
    const QString name = projectTexts().text(ProjectText::ProjectName);
    m_statusName->setText(QStringLiteral("Project Name: ") + (name.isEmpty() ? QStringLiteral("<No Name>") : name));
}

void TForm1::showHistory()
{
    const RecentFiles captions = m_commands.historyItems();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        m_history[i]->setVisible(!captions[i].isEmpty());
        if (!captions[i].isEmpty())
            m_history[i]->setText(QString(captions[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}
