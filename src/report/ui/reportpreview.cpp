#include "report/ui/reportpreview.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "report/exportformats.h"
#include "report/reportlayer.h"
#include "report/ui/reportoutputdialogs.h"

void ShowReportPreview(const PreparedReport &report, QWidget *parent, const std::function<void(int)> &exportFormat)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Report Preview"));
    // A letter page at a readable zoom, but never larger than the screen it opens on.
    QSize size(900, 1000);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *target) { PaintReport(*target, report); });

    if (exportFormat) {
        if (auto *toolBar = dialog.findChild<QToolBar *>()) {
            auto *menu = new QMenu(&dialog);
            const QStringList &items = ExportSelectionItems();
            for (int i = 0; i < items.size(); ++i)
                menu->addAction(items[i], &dialog, [exportFormat, i] { exportFormat(i); });
            auto *button = new QToolButton(toolBar);
            button->setObjectName(QStringLiteral("PreviewExport"));
            button->setText(QStringLiteral("Export"));
            button->setToolTip(QStringLiteral("Export energy estimation report"));
            button->setPopupMode(QToolButton::InstantPopup);
            button->setMenu(menu);
            toolBar->addSeparator();
            toolBar->addWidget(button);
        }
    }
    dialog.exec();
}
