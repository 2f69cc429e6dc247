#pragma once

#include <QString>

#include <array>

// The one project the program holds. Its numbers live in the parameter table and its ten texts
// in the analysis window's fields (reached through ProjectTexts).
struct ProjectRecord
{
    int applicationKind = 0; // 0 none, 1 fan, 2 pump
    QString applicationName = QStringLiteral("FAN");
    QString projectFileName;
    bool projectActive = false;
    bool projectModified = false;
};

// The ten customer and project texts, in project-file order.
enum class ProjectText {
    Name,        // PREPFOR
    Title,       // Titlefor
    Company,     // Companyfor
    Address,     // AddressFor
    CityStateZip,// ZipFor
    Country,     // CountryFor
    Telephone,   // Telfor
    Fax,         // Faxfor
    Email,       // EmailFor
    ProjectName, // PROJECTNAME
};
inline constexpr int ProjectTextCount = 10;

// Field names of the ten texts, in project-file order.
inline const std::array<QString, ProjectTextCount> ProjectTextFieldNames{
    QStringLiteral("PREPFOR"),    QStringLiteral("Titlefor"),   QStringLiteral("Companyfor"),
    QStringLiteral("AddressFor"), QStringLiteral("ZipFor"),     QStringLiteral("CountryFor"),
    QStringLiteral("Telfor"),     QStringLiteral("Faxfor"),     QStringLiteral("EmailFor"),
    QStringLiteral("PROJECTNAME"),
};

// Where the ten texts are kept: the analysis window's fields in the program, a plain array elsewhere.
class ProjectTexts
{
public:
    virtual ~ProjectTexts() = default;
    virtual QString text(ProjectText which) const = 0;
    virtual void setText(ProjectText which, const QString &text) = 0;
};

// ProjectTexts held in memory (command line, tests).
class PlainProjectTexts final : public ProjectTexts
{
public:
    QString text(ProjectText which) const override { return m_texts[static_cast<int>(which)]; }
    void setText(ProjectText which, const QString &text) override { m_texts[static_cast<int>(which)] = text; }

private:
    std::array<QString, ProjectTextCount> m_texts;
};
