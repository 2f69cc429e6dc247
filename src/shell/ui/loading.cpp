#include "loading.h"

#include "shell/appstate.h"
#include "shell/artwork.h"
#include "shell/projectrules.h"
#include "tools/ui/whitebackground.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

TLOADING::TLOADING(AppState &state, const QStringList &arguments, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LOADING"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFixedSize(570, 180);
    setWhiteBackground(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap::fromImage(programPicture(QSize(570, 180))));
    layout->addWidget(picture);

    if (arguments.size() > 1) {
        state.commandLineFile = commandLineFile(arguments);
        state.commandLineFileExists = projectFileExists(state.commandLineFile);
    }
}

TLOADING::~TLOADING() = default;
