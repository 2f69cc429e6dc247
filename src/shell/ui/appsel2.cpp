#include "appsel2.h"
#include "tools/ui/whitebackground.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAPPSEL2::TAPPSEL2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("APPSEL2"));
    setWindowTitle(QStringLiteral("Select Application"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(277, 246);
    setWhiteBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Select from the following options:"), this));
    struct Button
    {
        const char *name, *caption, *hint;
        void (TAPPSEL2::*handler)();
    };
    const Button buttons[] = {
        {"SpeedButton1", "&Fan Application", "Start a New Fan Application Estimation", &TAPPSEL2::SpeedButton1Click},
        {"SpeedButton2", "&Pump Application", "Start a New Pump Application Estimation",
         &TAPPSEL2::SpeedButton2Click},
    };
    for (const Button &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromUtf8(b.name));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setMinimumHeight(40);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.handler);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn1"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &TAPPSEL2::ESCCANCELClick);
    layout->addWidget(cancel, 0, Qt::AlignRight);
}

TAPPSEL2::~TAPPSEL2() = default;

void TAPPSEL2::showEvent(QShowEvent *event)
{
    m_choice = None;
    QDialog::showEvent(event);
}

void TAPPSEL2::choose(int choice)
{
    m_choice = choice;
    if (choice == None)
        reject();
    else
        accept();
}
