#pragma once
// Parts and movements for the movement window's tests, and the window itself
// opened on a part as the user would open it.
#include "history/ParçaHareketleriFormu.h"
#include "shell/GenelDeğişkenler.h"
#include "tests/ortak/TestOrtamı.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <optional>

inline Para TL(const char* metin) { return *Para::metinden(QString::fromUtf8(metin)); }

class HareketTestOrtamı : public TestOrtamı {
protected:
    qlonglong parçaEkle(const QString& nosu, const QString& adı, int kodu = 100) {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, "
                                           "AmbarYeri) VALUES (?, ?, ?, '18', 'ADET', 'RAF 1')"),
                            {kodu, nosu, adı});
        return VeriTabanı.sonEklenenNo();
    }
    qlonglong girişEkle(qlonglong parça, double miktar, Para fiyat, std::optional<Para> tutar = std::nullopt,
                        qlonglong fişNo = 1, QVariant arşivFişNo = {}, const QString& veren = QStringLiteral("ACME")) {
        const Para t = tutar ? *tutar : Para::sayıdan(fiyat.sayı() * miktar);
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                           "FaturaTarihi, FaturaNo, FaturaVeren, ArsivFisNo) VALUES (?, 100, ?, ?, ?, ?, ?, ?, 'F1', ?, ?)"),
            {parça, bugün(), fişNo, miktar, qlonglong(fiyat.onBinde()), qlonglong(t.onBinde()), bugün(), veren,
             arşivFişNo});
        return VeriTabanı.sonEklenenNo();
    }
    qlonglong çıkışEkle(qlonglong parça, double miktar, Para tutar, qlonglong fişNo = 1,
                        const QString& yer = QStringLiteral("BAKIM"), QVariant arşivFişNo = {}) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                           "Tutari, ArsivFisNo) VALUES (?, 100, ?, ?, ?, ?, ?, ?)"),
            {parça, bugün(), fişNo, yer, miktar, qlonglong(tutar.onBinde()), arşivFişNo});
        return VeriTabanı.sonEklenenNo();
    }
    static QDate bugün() { return QDate::currentDate(); }

    // The window, shown, with the part of this number found and clicked.
    std::unique_ptr<ParçaHareketleriFormu> pencereAç(const QString& nosu = {}, bool çıkışlar = false) {
        auto f = std::make_unique<ParçaHareketleriFormu>();
        f->show();
        if (çıkışlar) f->GirişÇıkışSeçeneği[1]->click();
        if (!nosu.isEmpty()) {
            f->BulKutusu->setText(nosu);
            f->BulDüğmesi->click();
            parçayaTıkla(*f, nosu);
        }
        return f;
    }
    // Clicks the ParçaListesi entry of the part with this number.
    void parçayaTıkla(ParçaHareketleriFormu& f, const QString& nosu) {
        const qlonglong no =
            VeriTabanı.tekDeğer(QStringLiteral("SELECT ParcaNo FROM ParcaBilgileriTablosu WHERE Nosu=?"), {nosu})
                .toLongLong();
        for (int i = 0; i < f.ParçaListesi->count(); ++i)
            if (f.ParçaListesi->item(i)->data(Qt::UserRole).toLongLong() == no) {
                f.ParçaListesi->setCurrentRow(i);
                return;
            }
        ADD_FAILURE() << "part not listed: " << nosu.toStdString();
    }
    // Types a text key by key, Turkish letters included.
    static void tuşla(QWidget* w, const QString& metin) {
        for (QChar c : metin) {
            QKeyEvent basış(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &basış);
            QKeyEvent bırakış(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &bırakış);
        }
    }
    // Replaces a box's text as the user types it.
    static void yaz(QLineEdit* kutu, const QString& metin) {
        kutu->selectAll();
        tuşla(kutu, metin);
    }
    static QString hücre(ParçaHareketleriFormu& f, int satır, int sütun) { return f.HareketListesi->hücre(satır, sütun); }
    static double sayı(const QString& sql, const QVariantList& d = {}) { return VeriTabanı.tekDeğer(sql, d).toDouble(); }
    static qlonglong tamsayı(const QString& sql, const QVariantList& d = {}) {
        return VeriTabanı.tekDeğer(sql, d).toLongLong();
    }
};
