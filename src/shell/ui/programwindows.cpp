#include "programwindows.h"

#include "appsel2.h"
#include "guideit.h"
#include "mainwindow.h"
#include "welc.h"

#include "data/projectrecord.h"
#include "shell/appstate.h"
#include "tools/errorhandler.h"
#include "tools/recoverycopy.h"
#include "tools/ui/aboutbox.h"
#include "tools/ui/helpwindow.h"

#include <QStandardPaths>

// Windows of the other subsystems join the start-up order as their sources land (the build says
// which are there).
#if PELNIX_HAVE_FANFORM
#include "analysis/ui/fanform.h"
#endif
#if PELNIX_HAVE_CALCREP
#include "engine/ui/calcrep.h"
#endif
#if PELNIX_HAVE_SETUPDIALOG
#include "setup/ui/setupdialog.h"
#endif
#if PELNIX_HAVE_LOGODIALOG
#include "setup/ui/logodialog.h"
#endif
#if PELNIX_HAVE_FORMULASWINDOW
#include "tools/ui/formulaswindow.h"
#endif
#if PELNIX_HAVE_GRAPHTYPEDIALOG
#include "report/ui/graphtypedialog.h"
#endif
#if PELNIX_HAVE_EMAILDIALOG
#include "report/ui/emaildialog.h"
#endif

ProgramWindows::ProgramWindows(AppState &state, UnhandledErrorHandler *errors)
    : m_state(state), m_plainTexts(std::make_unique<PlainProjectTexts>()), m_texts(m_plainTexts.get())
{
    // 1. The main window; it defines the parameter table. Its help router comes with it.
    m_main = std::make_unique<TForm1>(state);
    TForm1 *main = m_main.get();
    m_help = new HelpWindow(main);
    state.help = m_help;

    // 2. The about box; from here on an unhandled error saves the active project first.
    m_about = new AboutBox(main);
    if (errors) {
        errors->setRecoveryWriter([this] {
            return writeRecoveryCopy(m_state, *m_texts,
                                     QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        });
    }

    // 3. The analysis window and 4. the calculation overview.
#if PELNIX_HAVE_FANFORM
    m_analysis = new TFANFORM(state, main);
    m_texts = m_analysis;
#endif
#if PELNIX_HAVE_CALCREP
    m_overview = new TCALCREP(state, main);
#endif
    // 5. Welcome screen, 6. program setup, 7. logo dialog, 8. application selection.
    m_welcome = new TWelc(state, main);
#if PELNIX_HAVE_SETUPDIALOG
    m_setup = new SetupDialog(state, main);
#endif
#if PELNIX_HAVE_LOGODIALOG
    m_logo = new LogoDialog(state, main);
#endif
    m_selection = new TAPPSEL2(main);
    // 9. Useful formulas, 10. graph type, 11. guide, 12. e-mail.
#if PELNIX_HAVE_FORMULASWINDOW
    m_formulas = new FormulasWindow(state, main);
#endif
#if PELNIX_HAVE_GRAPHTYPEDIALOG
    m_graphType = new GraphTypeDialog(state, main);
#endif
    m_guide = new TGuideIt(main);
#if PELNIX_HAVE_EMAILDIALOG
    m_email = new EmailDialog(state, *m_texts, main);
#endif

    // Links between the windows.
#if PELNIX_HAVE_SETUPDIALOG && PELNIX_HAVE_LOGODIALOG
    m_setup->setLogoDialog(m_logo);
#endif
#if PELNIX_HAVE_FANFORM
    m_analysis->setSaveCommand([main] { main->SavefilebuttonClick(); });
    m_analysis->setOverviewWindow(m_overview);
    m_analysis->setSetupDialog(m_setup);
    m_analysis->setGraphTypeDialog(m_graphType);
    m_analysis->setEmailDialog(m_email);
#endif

    MainWindowLinks links;
    links.welcome = m_welcome;
    links.selection = m_selection;
    links.guide = m_guide;
    links.texts = m_texts;
#if PELNIX_HAVE_FANFORM
    links.showAnalysis = [this] { m_analysis->exec(); };
#endif
#if PELNIX_HAVE_SETUPDIALOG
    links.showSetup = [this] { m_setup->exec(); };
#endif
#if PELNIX_HAVE_FORMULASWINDOW
    links.showFormulas = [this] {
        m_formulas->selectFirstPage();
        m_formulas->exec();
    };
#endif
    links.showAbout = [this] { m_about->exec(); };
    main->setLinks(std::move(links));
}

ProgramWindows::~ProgramWindows()
{
    m_state.help = nullptr;
}
