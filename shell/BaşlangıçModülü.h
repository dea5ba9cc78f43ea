#pragma once
// The start of the program: one running copy, the splash window, the database
// restored from its backup when missing or damaged, the daily checked backup, the one
// connection, the printer, the preferences, the main window and the password.
#include <QDate>
#include <QString>

class QApplication;

// Runs the start-up steps, then the main window's event loop; returns the exit code.
int Main(QApplication& uygulama);

// "Orvelta - Depora 1.93 (Sunucu)" for version 1, minor 9, revision 3.
QString ProgramBaşlığınıYap(int büyük, int küçük, int düzeltme);

// The folder below which "Orvelta/Vtb Yedekleri/" keeps the backup; ends in "/".
QString ProgramDosyalarıKlasörü();
bool DosyaVarMı(const QString& yol);

// Steps 8 to 10 of the start. The store must prove it is one (it opens with the
// key and holds the base tables); a missing or damaged one is restored from a
// sound backup when the user agrees, the damaged file kept aside under a new
// name. Then VeriTabanı is open.
struct VeritabanıHazırlığı {
    bool açıldı = false;        // false: the program must end (the user has been told why)
    bool yedekGerekli = false;  // the daily backup is due, judged before anything wrote the store
    explicit operator bool() const { return açıldı; }
};
VeritabanıHazırlığı VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu);

// The backup is due when none exists or the database was last written before today.
bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu);

// The daily backup. A byte copy of the store is checked (key, tables, every page)
// before it becomes the newest backup Ambar.ydk; the one it replaces is kept
// beside it under its dated name (YedekKuşağı). A copy whose keys went back
// (an older store, or another one put in the store's place) never replaces the
// newest backup: it is kept under today's dated name alone. The dated backups
// kept are those of the last 7 days and the newest of each of the last 12 months.
// Runs on its own connections; throws when no backup was written (11: the store
// is damaged).
enum class YedekSonucu { Yazıldı, EskisiKorundu };
YedekSonucu GünlükYedekYaz(const QString& veritabanıYolu, const QString& yedekYolu);
// Writes it and tells the user what went wrong (the error routine) or what was kept.
void GünlükYedekAl(const QString& veritabanıYolu, const QString& yedekYolu);
// The same on a thread of its own while the main window runs; what is to be told
// is told on the main thread. GünlükYedeğiBekle waits for a running one.
void GünlükYedeğiArkadaAl(const QString& veritabanıYolu, const QString& yedekYolu);
void GünlükYedeğiBekle();

// The name a backup of the given day is kept under beside Ambar.ydk: Ambar-2026-12-07.ydk.
QString YedekKuşağı(const QString& yedekYolu, const QDate& gün);

// The start-up password setting: on only when the flag is set and a password is stored.
bool GirişŞifresiAyarlı();
