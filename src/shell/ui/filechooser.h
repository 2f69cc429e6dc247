#pragma once

#include <QString>

#include <functional>

class QWidget;

// The open and save dialogs of the project commands. Each returns the chosen path, or empty when
// cancelled; tests replace them with functions that hand in paths.
struct ProjectFileChooser
{
    std::function<QString(QWidget *parent)> open;
    std::function<QString(QWidget *parent, const QString &proposed)> save;

    // The platform's file dialogs with the program's filters and titles.
    static ProjectFileChooser dialogs();
};
