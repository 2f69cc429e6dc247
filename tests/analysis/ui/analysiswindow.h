#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "analysis/ui/fanform.h"
#include "data/helprouter.h"
#include "setup/settingsstore.h"
#include "shell/appstate.h"
#include "support/scriptedmessages.h"
#include "support/recordinghelp.h"

// The analysis window over a program state with the default project of one application kind.
struct AnalysisWindow
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    AppState state{messages, store};
    RecordingHelp help;
    std::unique_ptr<TFANFORM> form;

    explicit AnalysisWindow(int kind = 1)
    {
        state.help = &help;
        state.separators = NumberSeparators::fromPair(QLatin1Char('.'), QLatin1Char(','));
        state.parameters.DefineParameters(messages);
        ResetEfficiencyDefaults(state.options, state.setupFields);
        state.record.applicationKind = kind;
        state.record.applicationName = kind == 2 ? QStringLiteral("PUMP") : QStringLiteral("FAN");
        state.record.projectActive = true;
        form = std::make_unique<TFANFORM>(state);
    }

    // Shows the window as the main window does (without a nested event loop) and makes it active,
    // so focus moves between fields as it does for a user.
    void show()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get(), 1000);
    }

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *widget = form->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no widget " << name;
        return widget;
    }
    QLineEdit *field(const char *name) const { return child<QLineEdit>(name); }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QTabWidget *pages() const { return child<QTabWidget>("PageControl1"); }
    int page() const { return pages()->currentIndex(); }

    // Types into a field as a user does: focus it, select all, type, without leaving it.
    void type(const char *name, const QString &text)
    {
        QLineEdit *f = field(name);
        f->setFocus(Qt::MouseFocusReason);
        f->selectAll();
        QTest::keyClicks(f, text);
    }
    // Leaves the focused field by giving the focus to another widget of the same page.
    void leaveTo(const char *name) { child(name)->setFocus(Qt::TabFocusReason); }
    void typeAndLeave(const char *name, const QString &text, const char *next)
    {
        type(name, text);
        leaveTo(next);
    }

    QColor textColour(const QWidget *w) const { return w->palette().color(QPalette::WindowText); }
};
