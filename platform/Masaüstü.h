#pragma once
// What the desktop gives the program: its folders, a single running copy,
// opening an address with the desktop's handler, the user's name.
// Environment variables move the folders (tests, portable use):
//   DEPORA_PROGRAM_KLASORU  the folder of Ambar.vtb (default: the program's folder)
//   DEPORA_VERI_KLASORU     the user's data folder (default: ~/.local/share)
//   DEPORA_BELGE_KLASORU    the documents folder for workbooks (default: ~/Documents)
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace Masaüstü {

// Each ends in "/".
QString programKlasörü();
QString veriKlasörü();
QString belgeKlasörü();

// Opens an address (web page, mail link, file) with the desktop's handler.
// Tests replace it; the default uses QDesktopServices.
using AdresAçıcı = std::function<bool(const QString& adres)>;
bool adresAç(const QString& adres);
void adresAçıcıKur(AdresAçıcı a);

// True when the desktop has a handler for files ending in the given suffix
// ("xlsx"). Tests replace it.
using İşleyiciSorgusu = std::function<bool(const QString& uzantı)>;
bool işleyiciVarMı(const QString& uzantı);
void işleyiciSorgusuKur(İşleyiciSorgusu s);

// The user's full name (the account's name when the system has none) and organisation.
QString kullanıcıAdı();
QString kuruluş();

// Single instance keyed by the window title and the user: a lock in the user's
// runtime folder, held for the program's life. When another copy holds it, asks
// that copy to show itself and returns false. Otherwise starts listening and calls
// göster whenever a later copy asks.
bool tekÖrnekOl(const QString& pencereBaşlığı, std::function<void()> göster);
// Stops listening and lets the lock go (tests).
void tekÖrneğiBırak();

}  // namespace Masaüstü
