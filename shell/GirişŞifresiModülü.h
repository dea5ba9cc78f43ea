#pragma once
// The start-up password in the settings ("Ayarlar": "Giris Sifresi Sor" and
// "Giris Sifresi"), kept only in scrambled form.
#include <QString>

// The scrambler's alphabet and key.
inline const QString ŞifreAlfabesi = QStringLiteral("3917052846");
inline const QString ŞifreAnahtarı = QStringLiteral("6158");

// The typed password scrambles to the stored one.
bool GirişŞifresiDoğruMu(const QString& yazılan);
// Stores the scrambled password, then the flag, then sets GirişŞifresiSor.
// Throws when the settings cannot be written.
void GirişŞifresiniSakla(const QString& şifre);
// Clears the flag, then the stored password, then GirişŞifresiSor.
void GirişŞifresiniKaldır();
