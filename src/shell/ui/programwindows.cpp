#include "programwindows.h"

#include <QStandardPaths>

#include "analysis/ui/fanform.h"
#include "data/projectrecord.h"
#include "engine/ui/calcrep.h"
#include "report/ui/emaildialog.h"
#include "report/ui/graphtypedialog.h"
#include "setup/ui/logodialog.h"
#include "setup/ui/setupdialog.h"
#include "shell/appstate.h"
#include "shell/ui/appsel2.h"
#include "shell/ui/guideit.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/welc.h"
#include "tools/errorhandler.h"
#include "tools/recoverycopy.h"
#include "tools/ui/aboutbox.h"
#include "tools/ui/formulaswindow.h"
#include "tools/ui/helpwindow.h"

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
    m_analysis = new TFANFORM(state, main);
    m_texts = m_analysis;
    m_overview = new TCALCREP(state, main);
    // 5. Welcome screen, 6. program setup, 7. logo dialog, 8. application selection.
    m_welcome = new TWelc(state, main);
    m_setup = new SetupDialog(state, main);
    m_logo = new LogoDialog(state, main);
    m_selection = new TAPPSEL2(main);
    // 9. Useful formulas, 10. graph type, 11. guide, 12. e-mail.
    m_formulas = new FormulasWindow(state, main);
    m_graphType = new GraphTypeDialog(state, main);
    m_guide = new TGuideIt(main);
    m_email = new EmailDialog(state, *m_texts, main);

    // Links between the windows.
    m_setup->setLogoDialog(m_logo);
    m_analysis->setSaveCommand([main] { main->SavefilebuttonClick(); });
    m_analysis->setOverviewWindow(m_overview);
    m_analysis->setSetupDialog(m_setup);
    m_analysis->setGraphTypeDialog(m_graphType);
    m_analysis->setEmailDialog(m_email);

    MainWindowLinks links;
    links.welcome = m_welcome;
    links.selection = m_selection;
    links.guide = m_guide;
    links.texts = m_texts;
    links.showAnalysis = [this] { m_analysis->exec(); };
    links.showSetup = [this] { m_setup->exec(); };
    links.showFormulas = [this] {
        m_formulas->selectFirstPage();
        m_formulas->exec();
    };
    links.showAbout = [this] { m_about->exec(); };
    main->setLinks(std::move(links));
}

ProgramWindows::~ProgramWindows()
{
    m_state.help = nullptr;
}
