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
    // The heights of the part-number rows (at x 20) on a page of the last document.
    std::vector<double> parçaSatırları(int sayfa) const {
        std::vector<double> l;
        for (const auto& m : belge().metinler)
            if (m.sayfa == sayfa && m.x == 20 && m.metin.startsWith("P") && m.metin != "Parça No") l.push_back(m.y);
        return l;
    }
    // The last row of a page starts above the bottom line, the next would not.
    void sayfaSonunaKadarDolu(int sayfa, double alt) const {
        const auto l = parçaSatırları(sayfa);
        ASSERT_FALSE(l.empty());
        const double sonY = *std::max_element(l.begin(), l.end());
        EXPECT_LT(sonY - 1.5, alt);
        EXPECT_GE(sonY - 1.5 + satırYüksekliği(8, false), alt);
    }
    double ilkParçaSatırı(int sayfa) const {
        const auto l = parçaSatırları(sayfa);
        return l.empty() ? 0 : *std::min_element(l.begin(), l.end());
    }
};
