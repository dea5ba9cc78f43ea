#pragma once
// The issue window under test: parts, receipts and issues put straight into the
// store, the window driven through its named controls.
#include "issues/ParçaÇıkışıFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "tests/ortak/TestOrtamı.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

// A date of the current year.
inline QString buYıl(int gün = 1, int ay = 1) { return KısaTarih(QDate(QDate::currentDate().year(), ay, gün)); }

class ParçaÇıkışıTesti : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        VeriTabanı.çalıştır("INSERT INTO MarkaBilgileriTablosu (Kodu, Markasi) VALUES (7, 'FORD'), (8, 'FİAT')");
    }
    void TearDown() override {
        f.reset();
        TestOrtamı::TearDown();
    }

    qlonglong parça(int kodu, const QString& nosu, const QString& adı = "CONTA") {
        VeriTabanı.çalıştır("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, AmbarYeri) "
                            "VALUES (?, ?, ?, '18', 'ADET', 'A-1')",
                            {kodu, nosu, adı});
        return VeriTabanı.sonEklenenNo();
    }
    void giriş(qlonglong parçaNo, double miktar, double tutar, QDate tarih = QDate::currentDate()) {
        VeriTabanı.çalıştır("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Tutari) "
                            "VALUES (?, 7, ?, 1, ?, ?)",
                            {parçaNo, tarih, miktar, qlonglong(Para::sayıdan(tutar).onBinde())});
    }
    void çıkış(qlonglong parçaNo, double miktar, double tutar, int kodu = 7, int fişNo = 1,
               QDate tarih = QDate::currentDate()) {
        VeriTabanı.çalıştır("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                            "Tutari) VALUES (?, ?, ?, ?, 'ESKİ', ?, ?)",
                            {parçaNo, kodu, tarih, fişNo, miktar, qlonglong(Para::sayıdan(tutar).onBinde())});
    }

    void aç() {
        f = std::make_unique<ParçaÇıkışıFormu>();
        f->show();
    }
    template <class T = QLineEdit>
    T* k(const char* ad) {
        auto* w = f->findChild<T*>(QString::fromUtf8(ad));
        EXPECT_NE(w, nullptr) << ad;
        return w;
    }
    QString metin(const char* ad) { return k(ad)->text(); }
    void yaz(const char* ad, const QString& s) {
        auto* w = k(ad);
        w->clear();
        Yaz(w, s);
    }
    void tıkla(const char* ad) { k<QPushButton>(ad)->click(); }
    void bul(const QString& kod) {
        yaz("BulKutusu", kod);
        tıkla("BulDüğmesi");
    }
    void seç(int satır) {
        auto* l = k<QListWidget>("ParçaListesi");
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(satır)).center());
    }
    // Fills the line fields; the voucher fields only while they are open.
    void satırGir(const QString& miktar, const QString& yer, const QString& fişNo = "15", const QString& tarih = buYıl(2, 3)) {
        if (k("FişNoKutusu")->isEnabled()) {
            yaz("FişNoKutusu", fişNo);
            yaz("TarihiKutusu", tarih);
        }
        yaz("MiktarıKutusu", miktar);
        auto* yerKutusu = k<QComboBox>("VerilecekYerKutusu");
        yerKutusu->clearEditText();
        Yaz(yerKutusu->lineEdit(), yer);
    }
    void ekle(const QString& miktar, const QString& yer, const QString& fişNo = "15") {
        satırGir(miktar, yer, fişNo);
        tıkla("ListeyeEkleDüğmesi");
    }
    ListeDenetimi* liste() { return k<ListeDenetimi>("ÇıkışYapılacakParçaListesi"); }
    qlonglong say(const QString& sql) { return VeriTabanı.tekDeğer(sql).toLongLong(); }
    qlonglong bekleyen() { return say("SELECT COUNT(*) FROM GeciciCikisIslemleriTablosu"); }

    std::unique_ptr<ParçaÇıkışıFormu> f;
};
