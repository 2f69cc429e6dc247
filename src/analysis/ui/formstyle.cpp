#include "analysis/ui/formstyle.h"
#include "tools/ui/iconsonshow.h"

#include <algorithm>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace formstyle {

QColor navy()
{
    return QColor(0, 0, 128);
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void setColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QFrame *panel(const QString &name, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QPushButton *button(const QString &name, const QString &caption, const QString &hint, QStyle::StandardPixmap icon,
                    QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    setStandardIconOnShow(b, icon);
    b->setAutoDefault(false);
    b->setMinimumWidth(96);
    return b;
}

int numericFieldWidth(const QLineEdit *field)
{
    return field->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 14;
}

int textFieldWidth(const QLineEdit *field, int typedLimit)
{
    // Room for a typical text of the limit; long fields stop at a width the page can hold.
    const int perCharacter = field->fontMetrics().averageCharWidth();
    return std::clamp(perCharacter * typedLimit + 16, perCharacter * 16, 380);
}

} // namespace formstyle
