#pragma once
// A small known store for the summary material sheet's tests, and the sheet
// opened on a period as the user opens it.
#include "reports/ÖzetMalzemeCetveliFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "tests/ortak/TestOrtamı.h"
#include "tests/reports/RaporYardımcıları.h"

#include <QCoreApplication>
#include <QDate>
#include <QPushButton>
#include <memory>

class ÖzetCetvelOrtamı : public TestOrtamı {
protected:
    // A receipt (giriş) or an issue of a brand code; amounts in ten-thousandths.
    void hareketEkle(bool giriş, int kodu, const QDate& tarih, double miktar, qlonglong tutarOnBinde,
                     qlonglong fişNo = 1, QVariant arşivFişNo = {}) {
        VeriTabanı.çalıştır(giriş ? QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, "
                                                   "Miktari, Fiyati, Tutari, ArsivFisNo) VALUES (1, ?, ?, ?, ?, 0, ?, ?)")
                                  : QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, "
                                                   "VerilecekYer, Miktari, Tutari, ArsivFisNo) "
                                                   "VALUES (1, ?, ?, ?, 'BAKIM', ?, ?, ?)"),
                            {kodu, tarih, fişNo, miktar, tutarOnBinde, arşivFişNo});
    }
    // The sheet of the period, shown, with its list built.
    std::unique_ptr<ÖzetMalzemeCetveliFormu> aç(const QDate& başlama = QDate(2020, 3, 1),
                                                const QDate& bitiş = QDate(2020, 12, 31)) {
        auto f = std::make_unique<ÖzetMalzemeCetveliFormu>(başlama, bitiş);
        f->show();
        QCoreApplication::processEvents();
        return f;
    }
    // Column k of a row, 0-based as the list counts.
    static QString hücre(const ÖzetMalzemeCetveliFormu& f, int satır, int sütun) {
        return f.MalzemeHareketleriListesi->hücre(satır, sütun);
    }
    static QStringList kodlar(const ÖzetMalzemeCetveliFormu& f) {
        QStringList l;
        for (int i = 0; i < f.MalzemeHareketleriListesi->satırSayısı(); ++i) l << hücre(f, i, 1);
        return l;
    }
};
