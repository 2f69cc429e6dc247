#include "filechooser.h"

#include <QFileDialog>

ProjectFileChooser ProjectFileChooser::dialogs()
{
    ProjectFileChooser chooser;
    chooser.open = [](QWidget *parent) {
        QString filter = QStringLiteral("Pelnix Files (*.PXF)");
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Pelnix Veriro Zarired Uviduzudu File"),
                                            QString(), filter, &filter);
    };
    chooser.save = [](QWidget *parent, const QString &proposed) {
        // Qt's own dialog matches the filter without regard to case, so x.pxf is listed too.
        // The dialog appends nothing and asks before overwriting a file typed with its extension;
        // the program itself asks for a name typed without one.
        QFileDialog dialog(parent, QStringLiteral("Save Vendram Pelnix File"), proposed,
                           QStringLiteral("Vendram Pelnix Files (*.PXF)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.selectFile(proposed);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    return chooser;
}
