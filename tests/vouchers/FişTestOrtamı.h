#pragma once
// Parts, receipt and issue rows for the voucher browsers' tests, the browsers
// opened as the main window opens them, and reading the recorded print.
#include "platform/Yazıcı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazıcıSeçmeFormu.h"
#include "tests/ortak/TestOrtamı.h"
#include "vouchers/GirişFişiYazdırFormu.h"
#include "vouchers/ÇıkışFişiYazdırFormu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <optional>

inline Para TL(const char* metin) { return *Para::metinden(QString::fromUtf8(metin)); }

class FişTestOrtamı : public TestOrtamı {
protected:
    void SetUp() override {
        TestOrtamı::SetUp();
        YazıcıVar = true;
    }

    static int buYıl() { return QDate::currentDate().year(); }
    static QDate gün(int ay = 3, int yıl = 0) { return QDate(yıl ? yıl : buYıl(), ay, 15); }

    qlonglong parça(const QString& nosu, const QString& adı, int kodu = 12) {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO ParcaBilgileriTablosu (Kodu, Nosu, Adi, KdvOrani, Birimi, "
                                           "AmbarYeri) VALUES (?, ?, ?, '18', 'ADET', ?)"),
                            {kodu, nosu, adı, QStringLiteral("RAF-") + nosu});
        return VeriTabanı.sonEklenenNo();
    }
    struct Satır {
        qlonglong parça;
        qlonglong fişNo;
        double miktar = 1;
        Para tutar = Para::sayıdan(10);
        int kodu = 12;
        QDate tarih = gün();
        bool yazdırıldı = false;
        QVariant arşivFişNo = {};
        QString yer = QStringLiteral("BAKIM");
    };
    qlonglong giriş(const Satır& s) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO GirisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Fiyati, Tutari, "
                           "FaturaTarihi, FaturaNo, FaturaVeren, Yazdirildi, ArsivFisNo) "
                           "VALUES (?, ?, ?, ?, ?, 0, ?, ?, 'F-77', 'ACME LTD', ?, ?)"),
            {s.parça, s.kodu, s.tarih, s.fişNo, s.miktar, qlonglong(s.tutar.onBinde()), s.tarih.addDays(-2),
             s.yazdırıldı ? 1 : 0, s.arşivFişNo});
        return VeriTabanı.sonEklenenNo();
    }
    qlonglong çıkış(const Satır& s) {
        VeriTabanı.çalıştır(
            QStringLiteral("INSERT INTO CikisIslemleriTablosu (ParcaNo, Kodu, Tarihi, FisNo, VerilecekYer, Miktari, "
                           "Tutari, Yazdirildi, ArsivFisNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {s.parça, s.kodu, s.tarih, s.fişNo, s.yer, s.miktar, qlonglong(s.tutar.onBinde()), s.yazdırıldı ? 1 : 0,
             s.arşivFişNo});
        return VeriTabanı.sonEklenenNo();
    }
    static int yazdırılanSayısı(const char* tablo, qlonglong fişNo) {
        return VeriTabanı
            .tekDeğer(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE FisNo=? AND Yazdirildi=1").arg(tablo), {fişNo})
            .toInt();
    }

    static void girişİmzalarıYaz() {
        const QString b = QStringLiteral("Ayarlar\\Giris Fisi");
        AyarYaz(b, "Ambar Memuru", "Ali VELİ");
        AyarYaz(b, "Teknik Eleman-1", "Can TEK");
        AyarYaz(b, "Teknik Eleman-2", "Nur ELE");
        AyarYaz(b, "Alan Ambar Memuru", "Eda ALAN");
        AyarYaz(b, "Ayniyat Saymani", "Cem SAYMAN");
    }
    static void çıkışİmzalarıYaz() {
        const QString b = QStringLiteral("Ayarlar\\Cikis Fisi");
        const char* anahtarlar[] = {"Isteyenin Servisi", "Isteyen", "Isteyenin Unvani", "Uygun Goren",
                                    "Uygun Gorenin Unvani", "Verilmesini Emreden", "Verilmesini Emredenin Unvani",
                                    "Ambar Memuru", "Ayniyat Saymani", "Teslim Alan", "Teslim Alanin Unvani"};
        for (const char* a : anahtarlar) AyarYaz(b, a, QStringLiteral("<%1>").arg(a));
    }

    template <class P>
    std::unique_ptr<P> aç(bool arşiv = false) {
        ArşivModu = arşiv;
        auto f = std::make_unique<P>();
        if (arşiv) ArşivYıllarınıKoy(*f);
        f->show();
        return f;
    }

    // The node texts in position order.
    static QStringList ağaç(const FişTarayıcısı& f) {
        QStringList l;
        for (int i = 1; i <= f.DüğümSayısı(); ++i) l << f.Düğüm(i)->text(0);
        return l;
    }
    static QTreeWidgetItem* düğüm(const FişTarayıcısı& f, const QString& metin) {
        for (int i = 1; i <= f.DüğümSayısı(); ++i)
            if (f.Düğüm(i)->text(0) == metin) return f.Düğüm(i);
        ADD_FAILURE() << "no node " << metin.toStdString();
        return nullptr;
    }
    // Clicks a node with the mouse, its brand code opened first.
    static void tıkla(FişTarayıcısı& f, const QString& metin) {
        QTreeWidgetItem* d = düğüm(f, metin);
        if (!d) return;
        if (d->parent()) f.FişListesi->expandItem(d->parent());
        const QRect r = f.FişListesi->visualItemRect(d);
        QTest::mouseClick(f.FişListesi->viewport(), Qt::LeftButton, {}, r.center());
    }
    static QStringList satır(const ListeDenetimi* l, int i) {
        QStringList h;
        for (int s = 0; s < l->sütunSayısı(); ++s) h << l->hücre(i, s);
        return h;
    }

    // The recorded texts of the last document.
    const YazılanBelge& belge() const { return basılanlar->back(); }
    std::optional<YazılanMetin> bul(const QString& metin, int sayfa = 0) const {
        for (const auto& m : belge().metinler)
            if (m.metin == metin && (sayfa == 0 || m.sayfa == sayfa)) return m;
        return std::nullopt;
    }
    // Every text is on the last document.
    void basıldı(const QStringList& metinler) const {
        for (const QString& m : metinler) EXPECT_TRUE(bul(m).has_value()) << m.toStdString();
    }
    int say(const QString& metin) const {
        int n = 0;
        for (const auto& m : belge().metinler) n += m.metin == metin;
        return n;
    }
};
