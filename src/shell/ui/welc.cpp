#include "welc.h"

#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "shell/artwork.h"
#include "tools/ui/whitebackground.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Welcome to the Pelnix Veriro Zarired Uviduzudu");

QLabel *titleLabel(QWidget *parent)
{
    auto *label = new QLabel(Title, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.35);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: #123060;"));
    return label;
}

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

TWelc::TWelc(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("Welc"));
    setWindowTitle(QStringLiteral("Welcome Screen"));
    // No title-bar buttons, kept above the main window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    setFixedSize(570, 440);
    setWhiteBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("Image1"));
    strip->setPixmap(QPixmap::fromImage(programPicture(QSize(570, 180))));
    strip->setFixedSize(570, 180);
    layout->addWidget(strip);
    m_intro = buildIntroduction();
    m_navigation = buildNavigation();
    layout->addWidget(m_intro);
    layout->addWidget(m_navigation);
}

TWelc::~TWelc() = default;

QWidget *TWelc::buildIntroduction()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel4"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 12, 24, 14);
    layout->addWidget(titleLabel(panel));
    layout->addWidget(wrapped(
        QStringLiteral("Welcome to the Veriro Zarired Uviduzudu Program. This program estimates electrical energy "
                       "consumption for fan and pump applications when using an AC motor in combination with a "
                       "Variable Frequency Drive. The software compares the use of a Variable Frequency Drive "
                       "against conventional  control methods such as outlet dampers, inlet vanes, throttling "
                       "valves, etc..."),
        panel));
    layout->addWidget(wrapped(QStringLiteral("The Veriro Zarired Uviduzudu software consists of a user friendly "
                                             "interface that allows the user to estimate energy consumption of a "
                                             "new or existing system in a quick and easy way."),
                              panel));
    layout->addWidget(wrapped(QStringLiteral("Vendram Duvadov Ltd."), panel));
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(wrapped(QStringLiteral("Click on the \"Continue\" button to get started."), panel), 1);
    auto *cont = new QPushButton(QStringLiteral("&Continue"), panel);
    cont->setObjectName(QStringLiteral("BitBtn5"));
    cont->setToolTip(QStringLiteral("Continue..."));
    cont->setDefault(true);
    connect(cont, &QPushButton::clicked, this, &TWelc::ContinueClick);
    bottom->addWidget(cont, 0, Qt::AlignRight | Qt::AlignBottom);
    layout->addStretch(1);
    layout->addLayout(bottom);
    return panel;
}

QWidget *TWelc::buildNavigation()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel5"));
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 12, 24, 14);
    layout->addWidget(titleLabel(panel));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    struct Row
    {
        const char *name, *caption, *text, *hint;
        void (TWelc::*handler)();
    };
    const Row rows[] = {
        {"NewQuote_Navigation", "&New Project", "Start a new Fan or Pump Veriro Zarired Uviduzudu Project.",
         "Start a New Project", &TWelc::NewQuote_NavigationClick},
        {"Open_Quote_Navigation", "&Open Project", "Open a previously saved Veriro Zarired Uviduzudu Project.",
         "Open an Existing Veriro Zarired Uviduzudu Project", &TWelc::Open_Quote_NavigationClick},
        {"Program_Setup_Navigation", "&Program Setup", "Setup program preferences, company and user information.",
         "Program properties", &TWelc::Program_Setup_NavigationClick},
    };
    int r = 0;
    for (const Row &row : rows) {
        auto *button = new QPushButton(QString::fromUtf8(row.caption), panel);
        button->setObjectName(QString::fromUtf8(row.name));
        button->setToolTip(QString::fromUtf8(row.hint));
        button->setMinimumWidth(140);
        connect(button, &QPushButton::clicked, this, row.handler);
        grid->addWidget(button, r, 0);
        grid->addWidget(wrapped(QString::fromUtf8(row.text), panel), r, 1);
        ++r;
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    auto *bottom = new QHBoxLayout;
    m_welcBox = new QCheckBox(QStringLiteral("Show welcome screen"), panel);
    m_welcBox->setObjectName(QStringLiteral("WelcBox"));
    m_welcBox->setToolTip(QStringLiteral("Uncheck to bypass welcome screen during startup of this program"));
    bottom->addWidget(m_welcBox, 1);
    auto *close = new QPushButton(QStringLiteral("&Close"), panel);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setToolTip(QStringLiteral("Close Welcome Window"));
    connect(close, &QPushButton::clicked, this, &TWelc::CloseClick);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    return panel;
}

void TWelc::showEvent(QShowEvent *event)
{
    m_choice = None;
    SettingsStore &store = m_state.store;
    m_state.firstRunIntro = store.readFlag(QStringLiteral("PRG"), QStringLiteral("RS"), true);
    if (m_state.firstRunIntro) {
        m_navigation->hide();
        m_intro->show();
        // The introduction is shown once only.
        store.writeFlag(QStringLiteral("PRG"), QStringLiteral("RS"), false);
    } else {
        m_intro->hide();
        m_navigation->show();
    }
    m_welcBox->setChecked(true);
    QDialog::showEvent(event);
}

void TWelc::ContinueClick()
{
    m_intro->hide();
    m_navigation->show();
}

void TWelc::choose(int choice)
{
    m_choice = choice;
    accept();
}

void TWelc::done(int result)
{
    // However the screen is closed, the box decides whether it opens at the next start.
    m_state.store.writeFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), m_welcBox->isChecked());
    QDialog::done(result);
}
