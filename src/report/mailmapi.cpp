#include "report/mailmapi.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <mapi.h>

#include <vector>

int MapiHandoff::send(const MailMessage &message)
{
    HMODULE library = LoadLibraryW(L"MAPI32.DLL");
    if (!library)
        return MailResult::LibraryMissing;
    auto sendMail = reinterpret_cast<LPMAPISENDMAIL>(GetProcAddress(library, "MAPISendMail"));
    if (!sendMail) {
        FreeLibrary(library);
        return MailResult::FunctionMissing;
    }

    // The interface takes ANSI texts; keep the converted bytes alive for the call.
    std::vector<QByteArray> keep;
    const auto text = [&keep](const QString &s) {
        keep.push_back(s.toLocal8Bit());
        return keep.back().data();
    };
    keep.reserve(16);

    std::vector<MapiRecipDesc> recipients;
    for (const MailRecipient &r : message.recipients)
        recipients.push_back(MapiRecipDesc{0, r.recipientClass, text(r.name), text(r.address), 0, nullptr});
    MapiRecipDesc originator{};
    if (message.originator)
        originator = MapiRecipDesc{0, 0, text(message.originator->name), text(message.originator->address), 0, nullptr};
    std::vector<MapiFileDesc> files;
    for (const MailFile &f : message.files)
        files.push_back(MapiFileDesc{0, 0, static_cast<ULONG>(f.position), text(f.pathName), text(f.fileName), nullptr});

    MapiMessage mapi{};
    mapi.lpszSubject = message.subject ? text(*message.subject) : nullptr;
    mapi.lpszNoteText = message.noteText ? text(*message.noteText) : nullptr;
    mapi.lpOriginator = message.originator ? &originator : nullptr;
    mapi.nRecipCount = static_cast<ULONG>(recipients.size());
    mapi.lpRecips = recipients.empty() ? nullptr : recipients.data();
    mapi.nFileCount = static_cast<ULONG>(files.size());
    mapi.lpFiles = files.empty() ? nullptr : files.data();

    const ULONG result = sendMail(0, 0, &mapi, MAPI_LOGON_UI | MAPI_DIALOG, 0);
    FreeLibrary(library);
    return static_cast<int>(result);
}
#endif
