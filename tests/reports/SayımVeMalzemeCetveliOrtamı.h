#pragma once
// A small known store for the count and material sheet tests: brand codes,
// parts and movements on chosen dates, and the print through the recorder.
#include "platform/SayıTarih.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "tests/reports/RaporYardımcıları.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDate>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

inline Para TL(const char* metin) { return *Para::metinden(QString::fromUtf8(metin)); }

class CetvelTestOrtamı : public TestOrtamı {
protected:
    static qlonglong parçaEkle(int kodu, const QString& nosu, const QString& adı, const QString& birimi = "ADET",
                               const QString& yeri = "RAF 1") {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, "
                                           "AmbarYeri) VALUES (?, ?, ?, '18', ?, ?)"),
                            {kodu, nosu, adı, birimi, yeri});
        return VeriTabanı.sonEklenenNo();
    }
    static void girişEkle(qlonglong parça, const QDate& tarih, double miktar, Para tutar, QVariant fişNo = 1) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari) "
                           "VALUES (?, (SELECT Kodu FROM ParcaBilgileriTablosu WHERE ParcaNo=?), ?, ?, ?, 0, ?)"),
            {parça, parça, tarih, fişNo, miktar, qlonglong(tutar.onBinde())});
    }
    static void çıkışEkle(qlonglong parça, const QDate& tarih, double miktar, Para tutar, QVariant fişNo = 1) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                           "Tutari) VALUES (?, (SELECT Kodu FROM ParcaBilgileriTablosu WHERE ParcaNo=?), ?, ?, "
                           "'BAKIM', ?, ?)"),
            {parça, parça, tarih, fişNo, miktar, qlonglong(tutar.onBinde())});
    }

    // Clicks the code's entry of a code list (the listing runs through its progress window).
    static void koduSeç(QListWidget* liste, int kodu) {
        const auto bulunan = liste->findItems(QString::number(kodu), Qt::MatchExactly);
        ASSERT_EQ(bulunan.size(), 1) << kodu;
        liste->setCurrentItem(bulunan.first(), QItemSelectionModel::ClearAndSelect);
    }
    static QStringList kodlar(const QListWidget* liste) {
        QStringList l;
        for (int i = 0; i < liste->count(); ++i) l << liste->item(i)->text();
        return l;
    }

    // A row of a list, and the captions of its columns, as the clerk reads them.
    static QStringList satırı(const ListeDenetimi* liste, int r) {
        QStringList l;
        for (int s = 0; s < liste->sütunSayısı(); ++s) l << liste->hücre(r, s);
        return l;
    }
    static QStringList başlıkları(const ListeDenetimi* liste) {
        QStringList l;
        for (int s = 0; s < liste->sütunSayısı(); ++s) l << liste->sütunBaşlığı(s);
        return l;
    }

    const YazılanBelge& belge() const { return basılanlar->back(); }
    // The texts of the last document on a page, in print order.
    std::vector<YazılanMetin> sayfadakiler(int sayfa) const {
        std::vector<YazılanMetin> l;
        for (const auto& m : basılanlar->back().metinler)
            if (m.sayfa == sayfa) l.push_back(m);
        return l;
    }
    // The last row of a page of part numbers (at x 20) starts above the bottom line, the next would not.
    void sayfaSonunaKadarDolu(int sayfa, double alt) const {
        double sonY = 0;
        for (const auto& m : sayfadakiler(sayfa))
            if (m.x == 20 && m.metin.startsWith("P") && m.metin != "Parça No") sonY = std::max(sonY, m.y);
        EXPECT_LT(sonY - 1.5, alt);
        EXPECT_GE(sonY - 1.5 + satırYüksekliği(8, false), alt);
    }
    double ilkParçaSatırı(int sayfa) const {
        double ilkY = 1000;
        for (const auto& m : sayfadakiler(sayfa))
            if (m.x == 20 && m.metin.startsWith("P") && m.metin != "Parça No") ilkY = std::min(ilkY, m.y);
        return ilkY;
    }
};
