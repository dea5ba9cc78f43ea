#pragma once
// What the two material sheets share: the five figure pairs of a row, their
// texts as the sheets show them, and the figure columns of the printed sheets.
#include "platform/SayıTarih.h"

#include <QStringList>

class Yazıcı;

// The five pairs of one part or brand code for a period: carried over (before
// the start), received and issued (from the start to the end, both days
// included). Quantities normalised, amounts exact.
struct CetvelRakamları {
    double devredenMiktar = 0;
    Para devredenTutar;
    double girenMiktar = 0;
    Para girenTutar;
    double çıkanMiktar = 0;
    Para çıkanTutar;
};

// The ten figure texts of a sheet row, "##,##0.00": Devreden, Giren, Toplam,
// Çıkan, Aktarılan, each quantity then amount. Toplam and Aktarılan are worked
// out from the figures as shown (two decimals), so the row adds up on paper.
QStringList CetvelRakamMetinleri(const CetvelRakamları& r);

// A figure text read back as the value it shows.
double CetvelMiktarı(const QString& metin);
Para CetvelTutarı(const QString& metin);

// Printed sheets: the five group captions centred over their pair at grupY and
// the "Miktar" / "Tutar" headings at başlıkY (the last ends the line), in the
// font in force.
void CetvelRakamBaşlıklarınıYaz(Yazıcı& y, double grupY, double başlıkY);
// The ten figures from rakamlar[ilk] on, each ending where its heading ends; the last ends the line.
void CetvelRakamlarınıYaz(Yazıcı& y, const QStringList& rakamlar, int ilk = 0);

// Starts a printed material sheet: turns the page to landscape (a printer that
// stays in portrait is refused with the sheet's message and false), sets the
// copies when kopya > 0, measures the page and prints the title centred at
// 12 points bold, leaving the font at 8 points.
bool CetvelBaskısınıBaşlat(Yazıcı& y, const QString& başlık, int kopya = 0);
