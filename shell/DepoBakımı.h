#pragma once
// The keeping of the store: its check at start-up and its restore from a sound
// backup, the daily checked backup with its dated generations, and the rule that
// a store whose record counters went back never replaces the newest backup.
#include <QDate>
#include <QString>

// Makes the store ready and opens VeriTabanı. The store must prove it is one: it
// opens with the key and holds the base tables, and when it was found damaged
// since the last start (BozukluğuKaydet) every page of it passes the check too. A
// missing or damaged store is restored, when the user agrees, from the newest
// backup that passes its check (Ambar.ydk, else the newest dated one), the damaged
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

// The backup is due when none exists or the database was last written before today.
bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu);

// The daily backup. A byte copy of the store is checked (key, tables, every page)
// before it becomes the newest backup Ambar.ydk. The one it replaces, unless it was
// found damaged or written today, is kept beside it as the backup of the day it was
// written (a day keeps one, the last made). A copy whose keys went back from those
// of the newest backup that passes its check (an older store, or another one put in
// the store's place) never replaces it: it is kept apart under a name of its own
// (Ambar-eski-depo-20261207-104500.ydk, the 3 newest such), which is never taken for
// a backup. Runs on its own connections; throws when no backup was written (11: the
// store is damaged).
struct YedekSonucu {
    bool yazıldı = true;  // the copy became the newest backup
    QString saklanan;     // otherwise the name its copy was kept under; empty: it could not be kept
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
// is kept as the backup of the day it was written.
void KopyayıSonYedekYap(const QString& kopya, const QString& yedekYolu);

// The name the backup of the given day is kept under beside Ambar.ydk: Ambar-2026-12-07.ydk.
QString YedekKuşağı(const QString& yedekYolu, const QDate& gün);

// Removes the dated backups that are not kept. Counted by day from the backups
// themselves, whatever the clock says: the 7 newest days and the newest of each of the
// 12 months up to the newest's are kept, of a day only its last; one dated after today
// is neither counted nor removed.
void KuşaklarıAyıkla(const QString& yedekYolu, const QDate& bugün);
