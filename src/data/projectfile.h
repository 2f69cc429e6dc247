#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class MessageService;
class ParameterTable;
class ProjectTexts;

// What a read of a project file found.
struct ProjectReadResult
{
    bool ok = false;     // read to its end, not aborted, with application information
    int application = 0; // 0 none, 1 "FAN", 2 "PUMP", 3 "COOLING TOWER"
};

// The whole project file: 42 lines in Windows-1252 with CR LF ends. `dateText` is the DATE line's value.
QByteArray projectFileBytes(const QString &applicationName, const ParameterTable &params, const ProjectTexts &texts,
                            const QString &dateText);

// Writes the project file through a temporary file that replaces `path` only when complete, so a
// failed save leaves the previous file intact. Shows the system's error text on failure and
// "Estimation Saved!" on success; returns whether the file was saved.
bool WriteProjectFile(const QString &path, const QString &applicationName, const ParameterTable &params,
                      const ProjectTexts &texts, MessageService &messages);

// Reads a project file. With `apply` false it only examines the file (syntax, application); with
// `apply` true it stores the values into `params` and the texts into `texts`. Every question and
// error goes through `messages`; a Cancel stops the reading.
ProjectReadResult ReadProjectFile(const QString &path, bool apply, ParameterTable &params, ProjectTexts &texts,
                                  MessageService &messages);
ProjectReadResult ReadProjectFile(QIODevice &device, bool apply, ParameterTable &params, ProjectTexts &texts,
                                  MessageService &messages);
