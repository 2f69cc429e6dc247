#include "guideit.h"

#include "shell/artwork.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TGuideIt::TGuideIt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GuideIt"));
    setWindowTitle(QStringLiteral("Pelnix Veriro Zarired Uviduzudu"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(556, 369);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    auto *intro = new QLabel(QStringLiteral("Follow each step to complete your energy savings estimation."), this);
    QFont bold = intro->font();
    bold.setBold(true);
    intro->setFont(bold);
    layout->addWidget(intro);
    layout->addSpacing(8);

    const char *steps[] = {"Enter Customer Information", "Enter Operation, Motor and VFD/Inverter Data",
                           "Enter Duty Cycle Percentages", "Energy Savings Estimation Overview",
                           "Energy Savings Estimation and Duty Cycle Graph",
                           "View and Print Veriro Zarired Uviduzudu report"};
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    for (int i = 0; i < 6; ++i) {
        auto *marker = new QLabel(this);
        marker->setPixmap(QPixmap::fromImage(stepMarkerPicture(QSize(24, 24), i + 1)));
        grid->addWidget(marker, i, 0);
        auto *number = new QLabel(QStringLiteral("%1.").arg(i + 1), this);
        number->setFont(bold);
        grid->addWidget(number, i, 1);
        auto *step = new QLabel(QString::fromUtf8(steps[i]), this);
        step->setObjectName(QStringLiteral("Step%1").arg(i + 1));
        step->setCursor(Qt::PointingHandCursor);
        step->setToolTip(QStringLiteral("Click here to start with step 1."));
        step->setStyleSheet(QStringLiteral("QLabel { color: #123060; } QLabel:hover { text-decoration: underline; }"));
        step->installEventFilter(this);
        grid->addWidget(step, i, 2);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addSpacing(10);

    auto *legend = new QHBoxLayout;
    legend->addWidget(new QLabel(QStringLiteral("Steps are indicated by a yellow square holding the step number:"), this));
    auto *square = new QLabel(this);
    square->setPixmap(QPixmap::fromImage(stepMarkerPicture(QSize(20, 20), 1)));
    legend->addWidget(square);
    legend->addStretch(1);
    layout->addLayout(legend);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *back = new QPushButton(QStringLiteral("&Go Back"), this);
    back->setObjectName(QStringLiteral("GoBack_button"));
    back->setToolTip(QStringLiteral("Go back to the main menu"));
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &TGuideIt::ESCCANCELClick);
    buttons->addWidget(back);
    auto *next = new QPushButton(QStringLiteral("&Continue"), this);
    next->setObjectName(QStringLiteral("NextButton"));
    next->setToolTip(QStringLiteral("Start Estimation"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &TGuideIt::BitBtn2Click);
    buttons->addWidget(next);
    layout->addLayout(buttons);
}

TGuideIt::~TGuideIt() = default;

void TGuideIt::showEvent(QShowEvent *event)
{
    m_goOn = false;
    QDialog::showEvent(event);
}

bool TGuideIt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        BitBtn2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TGuideIt::BitBtn2Click()
{
    m_goOn = true;
    accept();
}

void TGuideIt::ESCCANCELClick()
{
    m_goOn = false;
    reject();
}
