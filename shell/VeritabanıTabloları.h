#pragma once
// The tables of Ambar.vtb. Money columns hold ten-thousandths (INTEGER), dates
// ISO text, Booleans 0/1.
#include <QStringList>

class VeritabanıBağlantısı;

// The six tables every delivered file holds.
const QStringList& TemelTablolar();
// Creates the six base tables and their indexes in an empty store.
void TemelTablolarıOluştur(VeritabanıBağlantısı& vt);
// Adds what the year-end archiving needs when missing: ArsivFisNo in both
// movement tables and ArsivlenenYillarTablosu. Changes nothing that exists.
void ArşivYapısınıTamamla(VeritabanıBağlantısı& vt);
