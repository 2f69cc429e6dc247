#include "picturefiledialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

QStringList pictureNameFilters()
{
    QStringList patterns;
    QStringList perFormat;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format);
        patterns << pattern;
        perFormat << QStringLiteral("%1 (%2)").arg(QString::fromLatin1(format).toUpper(), pattern);
    }
    QStringList filters;
    filters << QStringLiteral("All pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
    filters << perFormat;
    filters << QStringLiteral("All files (*)");
    return filters;
}

QString choosePictureFile(QWidget *parent)
{
    // Qt's own dialog (not the platform's) so a preview can sit beside the file list.
    QFileDialog dialog(parent, QStringLiteral("Open"));
    dialog.setObjectName(QStringLiteral("PD"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(pictureNameFilters());

    auto *previewPane = new QWidget(&dialog);
    auto *previewLayout = new QVBoxLayout(previewPane);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    auto *preview = new QLabel(previewPane);
    preview->setObjectName(QStringLiteral("PDPreview"));
    preview->setFixedSize(200, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    auto *caption = new QLabel(previewPane);
    caption->setAlignment(Qt::AlignCenter);
    previewLayout->addWidget(preview);
    previewLayout->addWidget(caption);
    previewLayout->addStretch();
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(previewPane, 1, grid->columnCount());
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview, caption](const QString &path) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        const QImage image = QFileInfo(path).isFile() ? reader.read() : QImage();
        if (image.isNull()) {
            preview->clear();
            preview->setText(QStringLiteral("(None)"));
            caption->clear();
            return;
        }
        preview->setPixmap(QPixmap::fromImage(image).scaled(preview->size(), Qt::KeepAspectRatio,
                                                            Qt::SmoothTransformation));
        caption->setText(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
    });

    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}
