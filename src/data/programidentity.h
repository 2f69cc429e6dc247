#pragma once

#include <QString>

// Fixed identity texts of the program.
namespace ProgramIdentity {
inline const QString FileSignature = QStringLiteral("PELNIX ENERGY FILE");
inline const QString FileVersion = QStringLiteral("1.03");
inline const QString ProgramTitle = QStringLiteral("Vendram Pelnix Veriro Zarired Uviduzudu for Windows");
inline const QString CurrencySymbol = QStringLiteral("$");
inline const QString ApplicationTitle = QStringLiteral("Vendram Pelnix Energy Zeduvazuvidoz for Windows (US)");
inline const QString MainCaption = QStringLiteral("Pelnix Veriro Zarired Uviduzudu");
inline const QString WebSite = QStringLiteral("https://www.vendram.com/inverters");
inline const QString SupportMail = QStringLiteral("mailto:support@vendram.com");
} // namespace ProgramIdentity
