#pragma once
// Receipts from suppliers and issues to receiving places for the tests of the
// two movement lists by counterpart, and the windows opened as the user opens them.
#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"
#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"
#include "platform/Masaüstü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <memory>

// Rows are written with designated initializers that leave the other fields at their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

class YerlereTestOrtamı : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override {
        YazıcıVar = false;
        Masaüstü::işleyiciSorgusuKur(nullptr);
        Masaüstü::adresAçıcıKur(nullptr);
        TestOrtamı::TearDown();
    }

    static qlonglong parçaEkle(const QString& adı, int kodu) {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi) VALUES (?, ?, ?)"),
                            {kodu, adı + QStringLiteral("-NO"), adı});
        return VeriTabanı.sonEklenenNo();
    }
    struct GirişSatırı {
        QString veren = QStringLiteral("ACME");
        qlonglong parça = 1;
        int kodu = 100;
        QDate tarihi = QDate(2026, 3, 5);
        QVariant faturaTarihi = QDate(2026, 3, 1);
        QVariant faturaNo = QStringLiteral("A-12");
        double miktar = 1;
        qlonglong fiyatOnBinde = 10000;
        qlonglong tutarOnBinde = 10000;
        QVariant fişNo = 7;
        QVariant arşivFişNo;
    };
    static void girişEkle(const GirişSatırı& g) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                           "FaturaTarihi, FaturaNo, FaturaVeren, ArsivFisNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {g.parça, g.kodu, g.tarihi, g.fişNo, g.miktar, g.fiyatOnBinde, g.tutarOnBinde, g.faturaTarihi, g.faturaNo,
             g.veren, g.arşivFişNo});
    }
    struct ÇıkışSatırı {
        QString yer = QStringLiteral("BAKIM");
        qlonglong parça = 1;
        int kodu = 100;
        QDate tarihi = QDate(2026, 3, 5);
        double miktar = 1;
        qlonglong tutarOnBinde = 10000;
        QVariant fişNo = 7;
        QVariant arşivFişNo;
    };
    static void çıkışEkle(const ÇıkışSatırı& ç) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                           "Tutari, ArsivFisNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {ç.parça, ç.kodu, ç.tarihi, ç.fişNo, ç.yer, ç.miktar, ç.tutarOnBinde, ç.arşivFişNo});
    }

    // The window, shown, with the counterpart of this text picked (when given).
    template <class P>
    static std::unique_ptr<P> aç(const QString& yer = {}) {
        auto f = std::make_unique<P>();
        f->show();
        if (!yer.isEmpty()) seç(*f, yer);
        return f;
    }
    static QListWidget* yerler(YerlereGöreParçaHareketleriFormu& f) {
        return f.findChild<QListWidget*>(f.tanım().listeAdı);
    }
    // Clicks the counterpart list's entry of this text.
    static void seç(YerlereGöreParçaHareketleriFormu& f, const QString& yer) {
        QListWidget* l = yerler(f);
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->text() == yer) {
                l->setCurrentRow(i);
                return;
            }
        ADD_FAILURE() << "not listed: " << yer.toStdString();
    }
    static QStringList yerMetinleri(YerlereGöreParçaHareketleriFormu& f) {
        QStringList m;
        for (int i = 0; i < yerler(f)->count(); ++i) m << yerler(f)->item(i)->text();
        return m;
    }
    static QStringList sütun(YerlereGöreParçaHareketleriFormu& f, int s) {
        QStringList m;
        for (int i = 0; i < f.HareketListesi->satırSayısı(); ++i) m << f.HareketListesi->hücre(i, s);
        return m;
    }
    static QString sayım(YerlereGöreParçaHareketleriFormu& f) { return f.Etiket[3]->text(); }

    // A printer exists, and the chooser's Tamam is pressed when it comes up.
    static void yazıcıSeçilecek() {
        YazıcıVar = true;
        ModalGelinceÇalıştır([](QWidget* w) {
            if (auto* s = dynamic_cast<YazıcıSeçmeFormu*>(w)) s->TamamDüğmesi->click();
        });
    }
};
