#pragma once
// The maker's web host and mail address: the one place to change them. The
// home page, the error-report page and the mail link are made from it.
#include <QString>

struct YapımcıBilgisi {
    const char* webSunucusu;  // host name, without scheme
    const char* ePosta;
};

inline constexpr YapımcıBilgisi Yapımcı{"www.orvelta.com.tr", "destek@orvelta.com.tr"};

// The product name the error-report page is told.
inline constexpr const char* ÜrünAdı = "Depora";

inline QString YapımcıAnaSayfası() { return QStringLiteral("http://") + QString::fromUtf8(Yapımcı.webSunucusu); }

// The error-report page: the host, "/asp/mesaj/mesaj.asp" and "ProgramAdi" set to the product name.
inline QString HataBildirmeSayfası() {
    return YapımcıAnaSayfası() + QStringLiteral("/asp/mesaj/mesaj.asp?ProgramAdi=") + QString::fromUtf8(ÜrünAdı);
}

inline QString YapımcıPostaBağlantısı() { return QStringLiteral("mailto:") + QString::fromUtf8(Yapımcı.ePosta); }
