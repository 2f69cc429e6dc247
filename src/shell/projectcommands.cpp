#include "projectcommands.h"

#include "appstate.h"
#include "data/messageservice.h"
#include "data/programidentity.h"
#include "data/projectfile.h"
#include "setup/settingsstore.h"

QString ShellTexts::alreadyExists(const QString &path)
{
    return path + QStringLiteral(" already exists!") + QLatin1Char('\r') + QStringLiteral("Do you want to replace it");
}

QString ShellTexts::mainCaption(const QString &projectFileName)
{
    if (projectFileName.isEmpty())
        return ProgramIdentity::MainCaption;
    return ProgramIdentity::MainCaption + QStringLiteral(": ") + projectCaption(projectFileName);
}

ProjectCommands::ProjectCommands(AppState &state, ShellHost &host) : m_state(state), m_host(host) {}

bool ProjectCommands::saveQuestion()
{
    ProjectRecord &record = m_state.record;
    if (!record.projectActive)
        return true;
    if (record.projectModified) {
        const MessageAnswer answer = m_state.messages.information(ShellTexts::SaveQuestion, MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::Cancel)
            return false;
        // A "Yes" whose save did not happen must not close the project: its work would be lost.
        if (answer == MessageAnswer::Yes && !save())
            return false;
    }
    record.projectActive = false;
    return true;
}

void ProjectCommands::newProject()
{
    if (!saveQuestion())
        return;
    m_host.setCaption(ShellTexts::mainCaption());
    m_state.record.projectFileName.clear();
    m_host.showApplicationSelection();
    m_host.updateStatusPanel();
}

void ProjectCommands::startApplication(Kind kind)
{
    ProjectRecord &record = m_state.record;
    if (record.projectActive) {
        m_state.messages.information(ShellTexts::AlreadyActive);
        return;
    }
    if (!m_host.showGuide())
        return;
    record.applicationKind = static_cast<int>(kind);
    record.applicationName = kind == Kind::Fan ? QStringLiteral("FAN") : QStringLiteral("PUMP");
    record.projectActive = true;
    record.projectFileName.clear();
    m_host.setCaption(ShellTexts::mainCaption());
    m_host.showAnalysis();
    m_host.updateStatusPanel();
}

void ProjectCommands::applyOpened(const QString &path, int application)
{
    ProjectRecord &record = m_state.record;
    record.projectFileName = path;
    record.projectModified = false;
    record.projectActive = true;
    m_host.setCaption(ShellTexts::mainCaption(path));
    if (application == 1 || application == 2) {
        record.applicationKind = application;
        record.applicationName = application == 1 ? QStringLiteral("FAN") : QStringLiteral("PUMP");
        m_host.showAnalysis();
    }
}

void ProjectCommands::openProject()
{
    if (!saveQuestion())
        return;
    const QString path = m_host.chooseOpenFile();
    if (!path.isEmpty()) {
        ProjectTexts &texts = m_host.projectTexts();
        // The first reading only examines the file, so a broken file leaves the values alone.
        if (ReadProjectFile(path, false, m_state.parameters, texts, m_state.messages).ok) {
            const ProjectReadResult read = ReadProjectFile(path, true, m_state.parameters, texts, m_state.messages);
            if (read.ok) {
                applyOpened(path, read.application);
                addToHistory(path);
            }
        }
    }
    m_host.updateStatusPanel();
}

void ProjectCommands::openProjectByName(const QString &path)
{
    if (!saveQuestion())
        return;
    if (!projectFileExists(path)) {
        m_state.messages.error(ShellTexts::FileDoesNotExist);
    } else {
        const ProjectReadResult read =
            ReadProjectFile(path, true, m_state.parameters, m_host.projectTexts(), m_state.messages);
        if (read.ok)
            applyOpened(path, read.application);
    }
    m_host.updateStatusPanel();
}

bool ProjectCommands::save()
{
    ProjectRecord &record = m_state.record;
    if (!record.projectActive) {
        m_state.messages.information(ShellTexts::NoActiveProject);
        return false;
    }
    if (record.projectFileName.isEmpty())
        return saveAs();
    return WriteProjectFile(record.projectFileName, record.applicationName, m_state.parameters,
                            m_host.projectTexts(), m_state.messages);
}

bool ProjectCommands::saveAs()
{
    ProjectRecord &record = m_state.record;
    if (!record.projectActive) {
        m_state.messages.information(ShellTexts::NoActiveProject);
        return false;
    }
    bool saved = false;
    const QString chosen =
        m_host.chooseSaveFile(record.projectFileName.isEmpty() ? DefaultProjectFileName : record.projectFileName);
    if (!chosen.isEmpty()) {
        const SaveAsPath target = fixProjectExtension(chosen);
        if (target.wrongExtension)
            m_state.messages.warning(ShellTexts::WrongExtension);
        bool replace = true;
        if (projectFileExists(target.path))
            replace = m_state.messages.warning(ShellTexts::alreadyExists(target.path), MessageButtons::YesNo)
                      == MessageAnswer::Yes;
        // A failed write leaves name, mark and history as they were: it must not pass for a save.
        if (replace
            && WriteProjectFile(target.path, record.applicationName, m_state.parameters, m_host.projectTexts(),
                                m_state.messages)) {
            addToHistory(target.path);
            record.projectFileName = target.path;
            record.projectModified = false;
            saved = true;
        }
    }
    m_host.updateStatusPanel();
    return saved;
}

void ProjectCommands::activeProject()
{
    if (m_state.record.projectActive)
        m_host.showAnalysis();
    else
        m_state.messages.information(ShellTexts::NoActiveProject);
}

void ProjectCommands::properties()
{
    Load_OPT(m_state.store, m_state.options, m_state.setupFields);
    m_host.showSetup();
    m_host.updateStatusPanel();
}

bool ProjectCommands::closeQuery()
{
    return saveQuestion();
}

void ProjectCommands::welcomeChoice(int choice)
{
    switch (choice) {
    case 1: newProject(); break;
    case 2: openProject(); break;
    case 3: properties(); break;
    default: break;
    }
}

void ProjectCommands::addToHistory(const QString &path)
{
    pushHistory(m_state.history, path);
    {
        StoreSession session(m_state.store);
        for (std::size_t i = 0; i < m_state.history.size(); ++i)
            m_state.store.writeString(QStringLiteral("FHIS"), QStringLiteral("H%1").arg(i + 1), m_state.history[i]);
    }
    m_host.showHistory();
}

RecentFiles ProjectCommands::historyItems()
{
    removeHistoryDuplicates(m_state.history);
    return historyCaptions(m_state.history, projectFileExists);
}

ProjectCommands::Startup ProjectCommands::startup()
{
    m_host.setCaption(ShellTexts::mainCaption());
    SettingsStore &store = m_state.store;
    {
        StoreSession session(store);
        m_state.firstRunIntro = store.readFlag(QStringLiteral("PRG"), QStringLiteral("RS"), true);
        store.writeString(QStringLiteral("PRG"), QStringLiteral("PROGRAMPATH"), m_state.paths.programPath());
        store.writeString(QStringLiteral("PRG"), QStringLiteral("PROGRAMVERSION"), ProgramIdentity::FileVersion);
        for (std::size_t i = 0; i < m_state.history.size(); ++i)
            m_state.history[i] = store.readString(QStringLiteral("FHIS"), QStringLiteral("H%1").arg(i + 1));
        m_state.welcomeAtStart = store.readFlag(QStringLiteral("PROGRAM"), QStringLiteral("L6"), true);
        // Inside the same session, so the settings file is read and written back once at start-up.
        Load_OPT(store, m_state.options, m_state.setupFields);
    }
    m_state.commandLineFileExists = projectFileExists(m_state.commandLineFile);

    Startup next = Startup::Nothing;
    if (m_state.commandLineFileExists)
        next = Startup::OpenCommandLineFile;
    else if (m_state.welcomeAtStart || m_state.firstRunIntro)
        next = Startup::ShowWelcome;
    m_host.showHistory();
    m_host.updateStatusPanel();
    return next;
}
