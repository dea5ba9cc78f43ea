#pragma once
// The printed receipt voucher "GİRİŞ FİŞİ" and issue voucher "İSTEK ÇIKIŞ FİŞİ":
// the voucher as its browser window shows it, laid out in millimetres on the
// program's printer. A voucher is one document, printed once with its copy
// count handed to the printer; the page must already be measured
// (SayfaGenişliği, SayfaYüksekliği). The layout ends the document.
#include "platform/SayıTarih.h"

#include <QString>
#include <QStringList>
#include <vector>

class Yazıcı;

// The lines of a voucher as the browser lists them: each row's seven cells by
// column index (the display order of the columns plays no part).
using FişSatırları = std::vector<QStringList>;

struct GirişFişiBaskısı {
    QString kodNo;        // the brand code
    QString malıAlan;
    QString faturaVeren;
    QString girişTarihi;
    QString fişNo;        // "7/2"
    QString alınmaŞekli;
    QString faturaTarihi;
    QString faturaNo;
    FişSatırları satırlar;  // Sıra No, No'su, Adı, Birimi, Miktarı, Tutarı, Ambar Yeri
    QString ambarMemuru;
    QString teknikEleman1;
    QString teknikEleman2;
    QString alanAmbarMemuru;
    QString ayniyatSaymanı;
    int kopya = 1;
};

struct ÇıkışFişiBaskısı {
    QString kodNo;
    QString tarihi;
    QString fişNo;
    FişSatırları satırlar;  // Sıra No, No'su, Adı, Verilecek Yer, Birimi, Miktarı, Tutarı
    QString isteyen;
    QString isteyeninÜnvanı;
    QString isteyeninServisi;
    QString uygunGören;
    QString uygunGöreninÜnvanı;
    QString verilmesiniEmreden;
    QString verilmesiniEmredeninÜnvanı;
    QString ayniyatSaymanı;
    QString ambarMemuru;
    QString teslimAlan;
    QString teslimAlanınÜnvanı;
    int kopya = 1;
};

// Print the voucher and end the document. A short voucher (receipt up to 6
// lines, issue up to 7) first offers A5 paper in a message box and puts its
// signatures higher. Returns the printed total: the sum of the amounts as
// the list shows them.
Para GirişFişiniBas(Yazıcı& y, const GirişFişiBaskısı& fiş);
Para ÇıkışFişiniBas(Yazıcı& y, const ÇıkışFişiBaskısı& fiş);
