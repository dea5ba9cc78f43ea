#pragma once
// The per-user settings store: text values by application name, section and key.
// A section's keys come back in the order they were first written. One UTF-8
// INI-like file per application name under the user's config folder
// ("Orvelta\Depora" -> <config>/Orvelta/Depora.ini), rewritten atomically on
// every change. DEPORA_AYAR_KLASORU moves the config folder (tests).
#include <QString>
#include <utility>
#include <vector>

namespace AyarDeposu {

// The file is readable by its user alone (0600). A line longer than this many
// bytes is passed over when the file is read: the program writes none so long.
constexpr qsizetype EnUzunSatır = 64 * 1024;

QString oku(const QString& uygulama, const QString& bölüm, const QString& anahtar,
            const QString& varsayılan = QString());
// Throws DeporaHatası when the file cannot be written.
void yaz(const QString& uygulama, const QString& bölüm, const QString& anahtar, const QString& değer);
// All keys of a section with their values, in first-written order.
std::vector<std::pair<QString, QString>> bölümüOku(const QString& uygulama, const QString& bölüm);
// Deletes one key, or the whole section when the key is empty.
void sil(const QString& uygulama, const QString& bölüm, const QString& anahtar = QString());

// The file behind an application name.
QString dosyaYolu(const QString& uygulama);
// Forgets what was read, so the next call reads the file again.
void yenidenYükle();

}  // namespace AyarDeposu
