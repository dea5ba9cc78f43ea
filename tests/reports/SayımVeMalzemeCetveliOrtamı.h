#pragma once
// A small known store for the count and material sheet tests: brand codes,
// parts and movements on chosen dates, and the print through the recorder.
#include "platform/SayıTarih.h"
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDate>
#include <QListWidget>
#include <QPushButton>

inline Para TL(const char* metin) { return *Para::metinden(QString::fromUtf8(metin)); }

class CetvelTestOrtamı : public TestOrtamı {
protected:
    void TearDown() override {
        YazıcıVar = false;
        TestOrtamı::TearDown();
    }

    static void markaEkle(int kodu, const QString& markası) {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (?, ?)"),
                            {kodu, markası});
    }
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

    // The system's one printer has this portrait printable area; it may refuse landscape.
    void yazıcıKur(QSizeF dikeyAlan, bool yatayAlır = true) {
        YazıcıVar = true;
        YazıcıArkaUcuYapıcısıKur([k = basılanlar, dikeyAlan, yatayAlır](const QString& ad) {
            auto a = std::make_unique<KayıtArkaUcu>(k, ad, dikeyAlan);
            a->yatayAlır = yatayAlır;
            return a;
        });
        GeçerliYazıcıyıSıfırla();
    }
    // Clicks the print button and takes the printer offered (or cancels).
    static void yazdır(QPushButton* düğme, bool iptal = false) {
        ModalGelinceÇalıştır([iptal](QWidget* w) {
            auto* f = dynamic_cast<YazıcıSeçmeFormu*>(w);
            ASSERT_TRUE(f);
            (iptal ? f->İptalDüğmesi : f->TamamDüğmesi)->click();
        });
        düğme->click();
    }
    // The texts of the last document on a page, in print order.
    std::vector<YazılanMetin> sayfadakiler(int sayfa) const {
        std::vector<YazılanMetin> l;
        for (const auto& m : basılanlar->back().metinler)
            if (m.sayfa == sayfa) l.push_back(m);
        return l;
    }
    const YazılanMetin* bul(const QString& metin, int sayfa = 1) const {
        for (const auto& m : basılanlar->back().metinler)
            if (m.metin == metin && m.sayfa == sayfa) return &m;
        return nullptr;
    }
    // Width and line height in millimetres in a font of the printer.
    static double genişlik(const QString& metin, double punto, bool kalın) {
        Yazıcı y;
        y.yazıBoyutuKoy(punto);
        y.kalınKoy(kalın);
        return y.metinGenişliği(metin);
    }
    static double satırYüksekliği(double punto, bool kalın) {
        Yazıcı y;
        y.yazıBoyutuKoy(punto);
        y.kalınKoy(kalın);
        return y.satırYüksekliği();
    }
};
