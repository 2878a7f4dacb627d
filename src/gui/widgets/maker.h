#pragma once
// The maker's addresses: the web site the links and the update window open, mail, messenger.
#include <QString>

namespace norvane {

inline const QString kMakerWebSite = QStringLiteral("https://www.norvane.cn");
inline const QString kMakerMail = QStringLiteral("support@norvane.cn");
inline const QString kMakerMessenger = QStringLiteral("QQ：800 123 456");

}  // namespace norvane
