#pragma once
// The start of the program: one running copy, the splash window, the database
// restored from its backup when missing, the daily compacted backup, the one
// connection, the printer, the preferences, the main window and the password.
#include <QString>

class QApplication;

// Runs the start-up steps, then the main window's event loop; returns the exit code.
int Main(QApplication& uygulama);

// "Orvelta - Depora 1.93 (Sunucu)" for version 1, minor 9, revision 3.
QString ProgramBaşlığınıYap(int büyük, int küçük, int düzeltme);

// The folder below which "Orvelta/Vtb Yedekleri/" keeps the backup; ends in "/".
QString ProgramDosyalarıKlasörü();
bool DosyaVarMı(const QString& yol);

// Steps 8 to 10 of the start: restores a missing database from the backup
// (asking first), writes the daily compacted backup, opens VeriTabanı.
// False: the program must end (the user has been told why).
bool VeritabanınıHazırla(const QString& veritabanıYolu, const QString& yedekYolu);

// The backup is due when none exists or the database was last written before today.
bool GünlükYedekGerekli(const QString& veritabanıYolu, const QString& yedekYolu);

// The start-up password setting: on only when the flag is set and a password is stored.
bool GirişŞifresiAyarlı();
