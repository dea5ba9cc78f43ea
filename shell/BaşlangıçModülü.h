#pragma once
// The start of the program: one running copy, the splash window, the store made
// ready (DepoBakımı), the printer, the preferences, the main window with the daily
// backup beside it, and the password.
#include <QString>

class QApplication;

// Runs the start-up steps, then the main window's event loop; returns the exit code.
int Main(QApplication& uygulama);

// "Orvelta - Depora 1.93 (Sunucu)" for version 1, minor 9, revision 3.
QString ProgramBaşlığınıYap(int büyük, int küçük, int düzeltme);

// The user's data folder, below which "Orvelta/Vtb Yedekleri/" keeps the backups; ends in "/".
QString KullanıcıVeriKlasörü();
bool DosyaVarMı(const QString& yol);

// The start-up password setting: on only when the flag is set and a password is stored.
bool GirişŞifresiAyarlı();
