#include "aboutbox.h"

#include "data/programidentity.h"
#include "shell/artwork.h"
#include "tools/ui/whitebackground.h"
#include "tools/ui/iconsonshow.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

namespace {

QString link(const QString &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\" style=\"color:#00808c;\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(500, 350);
    setWhiteBackground(this);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QPixmap::fromImage(productPicture(QSize(500, 350))));
    picture->setGeometry(0, 0, 500, 350);

    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("Version"));
    QFont bold = m_version->font();
    bold.setBold(true);
    m_version->setFont(bold);
    m_version->setGeometry(40, 170, 300, 22);

    auto *label1 = new QLabel(QStringLiteral("Website:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(40, 205, 70, 22);
    m_url = new QLabel(this);
    m_url->setObjectName(QStringLiteral("URL"));
    m_url->setToolTip(QStringLiteral("Click here to visit our website"));
    m_url->setOpenExternalLinks(true);
    m_url->setCursor(Qt::PointingHandCursor);
    m_url->setGeometry(115, 205, 340, 22);

    auto *label2 = new QLabel(QStringLiteral("E-Mail:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(40, 235, 70, 22);
    auto *mail = new QLabel(this);
    mail->setObjectName(QStringLiteral("OvcURL1"));
    mail->setToolTip(QStringLiteral("Click here to E-Mail us"));
    mail->setOpenExternalLinks(true);
    mail->setCursor(Qt::PointingHandCursor);
    mail->setText(link(ProgramIdentity::SupportMail, QUrl(ProgramIdentity::SupportMail).path()));
    mail->setGeometry(115, 235, 340, 22);

    auto *close = new QPushButton(QStringLiteral("OK"), this);
    setStandardIconOnShow(close, QStyle::SP_DialogOkButton);
    close->setObjectName(QStringLiteral("BitBtn15"));
    close->setGeometry(390, 290, 80, 30);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

AboutBox::~AboutBox() = default;

void AboutBox::showEvent(QShowEvent *event)
{
    m_version->setText((QStringLiteral("Version: ") + ProgramIdentity::FileVersion).left(24));
    setWindowTitle(QStringLiteral("About Pelnix Veriro Zarired Uviduzudu"));
    const QUrl site(ProgramIdentity::WebSite);
    m_url->setText(link(ProgramIdentity::WebSite, site.host() + site.path()));
    QDialog::showEvent(event);
}
