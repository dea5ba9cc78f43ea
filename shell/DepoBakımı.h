#pragma once
// The keeping of the store: its check at start-up and its restore from a sound
// backup, the daily checked backup with the backups kept beside it, and the rule that
// a store whose record counters went back never replaces the newest backup.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

// Makes the store ready and opens VeriTabanı. The store must prove it is one: it
// opens with the key and holds the base tables, and when it was found damaged
// since the last start (BozukluğuKaydet) every page of it passes the check too. A
// missing or damaged store is restored, when the user agrees, from the newest
// backup that passes its check (Ambar.ydk, else the dated one made last), the damaged
// file kept aside under a new name.
struct VeritabanıHazırlığı {
    bool açıldı = false;        // false: the program must end (the user has been told why)
    bool yedekGerekli = false;  // the daily backup is due, judged before anything wrote the store
    explicit operator bool() const { return açıldı; }
};
VeritabanıHazırlığı VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu);

// Notes beside the store that it was found damaged, so that the next start checks
// every page of it. False when the note cannot be written.
bool BozukluğuKaydet(const QString& veritabanıYolu);

// The clock the keeping reads: the system's, unless another is put in its place
// (nullptr: the system's again). Tests move it as a clerk moves the system's clock.
QDateTime BakımSaati();
void BakımSaatiniKur(std::function<QDateTime()> saat);

// The backup is due when none exists (or it is empty), or the database was last written
// before today or after now (the clock went back since).
bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu);

// The daily backup. A store that Ambar.ydk already holds byte for byte adds nothing.
// Otherwise a byte copy of the store is checked (key, tables, every page) before it becomes
// the newest backup Ambar.ydk; the one it replaces, unless it was found damaged, is kept
// beside it under the next number and the day it was made (Ambar-0042-2026-12-07.ydk),
// never in the place of another file. A copy whose keys went back from those of the backup
// made last that passes its check (an older store, or another one put in the store's
// place) never replaces it: it is kept apart under a name of its own
// (Ambar-eski-depo-0043-2026-12-07.ydk, the 3 made last), which is never taken for a
// backup. Runs on its own connections; throws when no backup was written (11: the store
// is damaged).
struct YedekSonucu {
    bool yazıldı = true;  // the newest backup holds the store (written now, or it already did)
    QString saklanan;     // otherwise the name its copy was kept under; empty: it could not be kept
    QString ölçü;         // and the backup it went back from
};
YedekSonucu GünlükYedekYaz(const QString& veritabanıYolu, const QString& yedekYolu);
// Writes it and tells the user what went wrong (the error routine) or what was kept,
// then offers to make the kept copy the newest backup.
void GünlükYedekAl(const QString& veritabanıYolu, const QString& yedekYolu);
// The same on a thread of its own while the main window runs; what is to be told
// is told on the main thread. GünlükYedeğiBekle waits for a running one.
void GünlükYedeğiArkadaAl(const QString& veritabanıYolu, const QString& yedekYolu);
void GünlükYedeğiBekle();

// Makes a kept copy the newest backup; the one it replaces, when it passes its check,
// is kept as a dated backup under the next number.
void KopyayıSonYedekYap(const QString& kopya, const QString& yedekYolu);

// Removes the dated backups that are not kept. Taken in the order they were made, never by
// the dates in their names: every backup of the 7 newest days that hold one stays, and the
// newest of each of the 12 latest months in their names that hold one (where the clock went
// back within the month, the one made last and the first made of those dated last). A backup
// counts in the day it was made when that is later than the day the one made before it counts
// in, else in that one's day while it counts fewer than 3, else in the day after; one dated
// after today is neither counted nor removed.
void KuşaklarıAyıkla(const QString& yedekYolu, const QDate& bugün);
