#pragma once
// The program-wide variables: set at start-up, by the preferences, or by one
// window for another. Empty (0, false, empty text) until set.
#include "platform/SayıTarih.h"
#include "platform/VeritabanıBağlantısı.h"

#include <QDate>
#include <QString>
#include <functional>

// Start-up state.
inline VeritabanıBağlantısı VeriTabanı;   // the one open store; unopened refuses use
inline QString ProgramBaşlığı;            // the window title
inline QString ProgramKlasörü;            // ends in "/"
inline QString YedekDosyası;              // the newest backup, Ambar.ydk
inline QString UygulamaAdı = QStringLiteral("Orvelta\\Depora");  // settings application name
inline bool WindowsNT = true;
inline bool YazıcıVar = false;

// Preferences.
inline bool ÇizgiliListeler = true;
inline int GirişFişiKopyaSayısı = 1;
inline int ÇıkışFişiKopyaSayısı = 1;
inline int SayımCetveliKopyaSayısı = 1;
inline int MalzemeCetveliKopyaSayısı = 1;
inline bool GirişŞifresiSor = false;

// Hand-over from the movement window to the two change dialogs.
inline std::int64_t DeğiştirilecekHareketNo = 0;
inline double DeğiştirilecekMiktar = 0;
inline double HareketsizMevcutMiktar = 0;
inline Para HareketsizMevcutTutar;
inline int SeçiliSıra = 0;

// Printing.
inline int YazdırılacakRapor = 0;
inline bool YazıcıSeçimiİptal = false;
inline double SayfaYüksekliği = 0;   // millimetres
inline double SayfaGenişliği = 0;
inline double AltBoşluk = 0;

// Voucher windows.
inline bool ArşivModu = false;
inline int ListelenenYıl = 0;
inline QString FişNoAlanı = QStringLiteral("FisNo");  // "FisNo" or "ArsivFisNo"
inline std::int64_t SeçiliFişNo = 0;
inline bool DiğerBilgilerTamam = false;
inline QDate YılBaşıTarihi;
inline QDate YılSonuTarihi;

// Lists and finding.
inline bool AramaYapıldı = false;
inline int SıralananSütun = 0;
inline int SıralamaYönü = 0;      // 0 ascending, 1 descending
inline int SayısalSıralama = 0;   // 0 dates, 1 numbers

// A running spreadsheet export registers how to drop its half-built sheet; the
// error routine calls it when the user chooses to end the program.
inline std::function<void()> ExcelUygulaması;
