// The voucher number and date change dialog, driven through its named controls.
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "tests/ortak/TestOrtamı.h"
#include "vouchers/FişNoveTarihDeğiştirFormu.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <memory>

namespace {
const int BuYıl = QDate::currentDate().year();
QDate buYıl(int ay, int gün) { return QDate(BuYıl, ay, gün); }
}  // namespace

class FişNoTarihTesti : public TestOrtamı {
protected:
    void TearDown() override {
        f.reset();
        TestOrtamı::TearDown();
    }
    // One row of a receipt (tür 0) or issue (tür 1) voucher.
    void satır(int tür, int kodu, int fişNo, QDate tarih, bool yazdırıldı = false) {
        VeriTabanı.çalıştır(QStringLiteral("INSERT INTO %1 (ParcaNo, Kodu, Tarihi, FisNo, Miktari, Tutari, Yazdirildi) "
                                           "VALUES (1, ?, ?, ?, 1, 10000, ?)")
                                .arg(tablo(tür)),
                            {kodu, tarih, fişNo, yazdırıldı ? 1 : 0});
    }
    static QString tablo(int tür) { return tür == 0 ? "GirisIslemleriTablosu" : "CikisIslemleriTablosu"; }
    int say(int tür, const QString& koşul, const QVariantList& d = {}) {
        return VeriTabanı.tekDeğer(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ").arg(tablo(tür)) + koşul, d).toInt();
    }
    // Opens the dialog on voucher fişNo of the working year, for a number or a date change.
    void aç(int tür, int fişNo, QDate tarih, bool numara) {
        f = std::make_unique<FişNoveTarihDeğiştirFormu>();
        f->Hazırla(tür, fişNo, tarih, BuYıl);
        numara ? f->FişNoDeğişikliği() : f->TarihDeğişikliği();
        f->AğacıYenile = [this] { ++ağaçYenilendi; };
        f->FişiYenile = [this] { ++fişYenilendi; };
        ASSERT_TRUE(EtkinGöster(f.get()));
        (numara ? f->FişNoKutusu : f->TarihiKutusu)->setFocus();
    }
    void yaz(QLineEdit* k, const QString& metin) {
        k->setFocus();
        k->selectAll();
        QTest::keyClick(k, Qt::Key_Backspace);
        QTest::keyClicks(k, metin);
    }
    void tamam() {
        ASSERT_TRUE(f->TamamDüğmesi->isEnabled());
        f->TamamDüğmesi->setFocus();
        f->TamamDüğmesi->click();
    }
    QWidget* odak() const { return QApplication::focusWidget(); }

    std::unique_ptr<FişNoveTarihDeğiştirFormu> f;
    int ağaçYenilendi = 0;
    int fişYenilendi = 0;
};

TEST_F(FişNoTarihTesti, NumaraDeğişikliğiAçılışıVeTamamınKoşulu) {
    satır(0, 7, 5, buYıl(3, 5));
    aç(0, 5, buYıl(3, 5), true);
    EXPECT_EQ(f->windowTitle(), "Fiş No Değiştir");
    EXPECT_EQ(f->FişNoKutusu->text(), "5");
    EXPECT_EQ(f->TarihiKutusu->text(), KısaTarih(buYıl(3, 5)));
    EXPECT_FALSE(f->TarihiKutusu->isEnabled());
    EXPECT_FALSE(f->findChild<QLabel*>("Etiket1")->isEnabled());
    EXPECT_FALSE(f->TamamDüğmesi->isEnabled());
    EXPECT_EQ(f->findChild<QLabel*>("Etiket0")->palette().color(QPalette::WindowText), QColor(192, 64, 0));

    yaz(f->FişNoKutusu, "0005");  // the same number with zeros
    EXPECT_FALSE(f->TamamDüğmesi->isEnabled());
    QTest::keyClicks(f->FişNoKutusu, "a");  // letters are not taken
    EXPECT_EQ(f->FişNoKutusu->text(), "0005");
    f->VazgeçDüğmesi->setFocus();  // leaving drops the zeros
    EXPECT_EQ(f->FişNoKutusu->text(), "5");

    // Pasted text keeps its digits only.
    f->FişNoKutusu->setFocus();
    f->FişNoKutusu->selectAll();
    f->FişNoKutusu->insert("1x2");
    EXPECT_EQ(f->FişNoKutusu->text(), "12");
    EXPECT_TRUE(f->TamamDüğmesi->isEnabled());
}

// A refused number is named, the box keeps the focus and nothing is written.
TEST_F(FişNoTarihTesti, BoşSıfırBüyükVeBaşkaKodunNumarasıReddedilir) {
    satır(0, 7, 5, buYıl(3, 5));
    satır(0, 8, 6, buYıl(4, 1));
    aç(0, 5, buYıl(3, 5), true);
    const struct { const char* yazılan; const char* mesaj; } durumlar[] = {
        {"", "FİŞ NO boş olamaz!"},
        {"000", "FİŞ NO (0) olamaz!"},
        {"3000000000", "FİŞ NO en fazla 2147483647 olabilir!"},
        {"6", "Bu FİŞ NO ile (8) KOD için giriş yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.yazılan);
        yaz(f->FişNoKutusu, d.yazılan);
        tamam();
        EXPECT_EQ(sonMesaj(), d.mesaj);
        EXPECT_EQ(odak(), f->FişNoKutusu);
    }
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Bilgi);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(say(0, "FisNo=5"), 1);
    EXPECT_EQ(ağaçYenilendi, 0);
}

TEST_F(FişNoTarihTesti, BoşNumaraYalnızYıldakiSatırlarıDeğiştirir) {
    satır(0, 7, 5, buYıl(3, 5));
    satır(0, 7, 5, buYıl(3, 9), true);
    satır(0, 7, 5, QDate(BuYıl - 1, 3, 5));  // the same number last year
    satır(1, 8, 9, buYıl(1, 1));             // issue numbers are separate
    aç(0, 5, buYıl(3, 5), true);
    yaz(f->FişNoKutusu, "9");
    tamam();
    EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_EQ(say(0, "FisNo=9"), 2);
    EXPECT_EQ(say(0, "FisNo=9 AND Yazdirildi=1"), 1);  // printed flags stay
    EXPECT_EQ(say(0, "FisNo=5 AND Tarihi=?", {QDate(BuYıl - 1, 3, 5)}), 1);
    EXPECT_EQ(ağaçYenilendi, 1);
    EXPECT_EQ(fişYenilendi, 0);
}

// The merge question: after a No, or a Yes while another workstation holds the
// write lock or redates the voucher asked about, nothing changes and the dialog
// stays open; "Tamam" again asks afresh, and a Yes merges.
TEST_F(FişNoTarihTesti, AynıKodunNumarasıEvetleBirleşirHayırlaVeÖtekiKoltuğaKarşıKalır) {
    satır(1, 7, 5, buYıl(3, 5));
    satır(1, 7, 5, buYıl(3, 6));
    satır(1, 7, 6, buYıl(4, 1), true);
    aç(1, 5, buYıl(3, 5), true);
    yaz(f->FişNoKutusu, "6");
    const ÖtekiKoltuk durumlar[] = {
        {"no", nullptr, {}},
        YazmaKilidiTutar(),
        {"voucher asked about redated",
         [](VeritabanıBağlantısı& b, int) { b.çalıştır("UPDATE CikisIslemleriTablosu SET Tarihi=? WHERE FisNo=6", {buYıl(4, 2)}); },
         "Bu FİŞ NO ile daha önce çıkış yapılmış!\r\n\r\nLütfen, yeni bir FİŞ NO seçiniz!"},
    };
    const QString soru = "Bu FİŞ NO ile daha önce çıkış yapılmış!\r\n\r\nBu çıkışa ekleme yapmak istiyor musunuz?";
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        const auto öteki = ÖtekiKoltuğuAç();
        mesajlar.clear();
        soruSırasında = [&] { if (d.arada) d.arada(*öteki, 0); };
        cevapla(d.arada ? MesajCevabı::Evet : MesajCevabı::Hayır);
        tamam();
        soruSırasında = nullptr;
        ASSERT_EQ(mesajMetinleri(), d.arada ? (QStringList{soru, d.mesaj}) : QStringList(soru));
        EXPECT_EQ(mesajlar[0].simge, MesajSimgesi::Soru);
        EXPECT_EQ(say(1, "FisNo=5"), 2);
        EXPECT_EQ(ağaçYenilendi, 0);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->FişNoKutusu->text(), "6");
        EXPECT_EQ(sonlandırmaSayısı, 0);
    }
    mesajlar.clear();
    cevapla(MesajCevabı::Evet);
    tamam();
    EXPECT_EQ(mesajMetinleri(), QStringList(soru));
    EXPECT_EQ(say(1, "FisNo=6"), 3);
    EXPECT_EQ(say(1, "FisNo=6 AND Yazdirildi=1"), 1);
    EXPECT_EQ(ağaçYenilendi, 1);
    EXPECT_EQ(f->result(), QDialog::Accepted);
}

// Another workstation stores the new number while the clerk renumbers voucher 500 to
// it: its write is open when the dialog looks the number up and let go while the dialog
// waits for the write lock. Nothing is merged into a voucher the clerk was not asked
// about: the clerk is told, nothing changes, and "Tamam" again asks afresh.
TEST_F(FişNoTarihTesti, AradaYazılanFişeSorulmadanBirleştirilmez) {
    const QString giriş = "Bu FİŞ NO ile daha önce giriş yapılmış!\r\n\r\n", yeni = "Lütfen, yeni bir FİŞ NO seçiniz!";
    const QString çıkış = "Bu FİŞ NO ile daha önce çıkış yapılmış!\r\n\r\n";
    const struct { const char* ad; int tür, kodu, gün; const char* fatura; QString mesaj, soru; } durumlar[] = {
        {"receipt, another invoice", 0, 7, 5, "B", giriş + yeni, giriş + "Bu girişe ekleme yapmak istiyor musunuz?"},
        {"receipt, another date", 0, 7, 6, nullptr, giriş + yeni, giriş + "Bu girişe ekleme yapmak istiyor musunuz?"},
        {"receipt, the same header", 0, 7, 5, nullptr, giriş + yeni, giriş + "Bu girişe ekleme yapmak istiyor musunuz?"},
        {"issue, another date", 1, 7, 6, nullptr, çıkış + yeni, çıkış + "Bu çıkışa ekleme yapmak istiyor musunuz?"},
        {"issue, the same header", 1, 7, 5, nullptr, çıkış + yeni, çıkış + "Bu çıkışa ekleme yapmak istiyor musunuz?"},
        {"issue, another brand code", 1, 8, 5, nullptr, "Bu FİŞ NO ile (8) KOD için çıkış yapılmış!\r\n\r\n" + yeni, {}}};
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        VeriTabanı.betikÇalıştır("DELETE FROM GirisIslemleriTablosu; DELETE FROM CikisIslemleriTablosu;");
        satır(d.tür, 7, 500, buYıl(3, 5));
        aç(d.tür, 500, buYıl(3, 5), true);
        yaz(f->FişNoKutusu, "600");
        mesajlar.clear();
        {
            const auto öteki = YazarkenBırakanKoltuk([&](VeritabanıBağlantısı& b) {
                b.çalıştır(QString("INSERT INTO %1 (ParcaNo, Kodu, Tarihi, FisNo) VALUES (2, ?, ?, 600)").arg(tablo(d.tür)),
                           {d.kodu, buYıl(3, d.gün)});
                if (d.fatura) b.çalıştır("UPDATE GirisIslemleriTablosu SET FaturaNo=? WHERE FisNo=600", {d.fatura});
            });
            tamam();
            EXPECT_FALSE(öteki->işlemde());
        }
        EXPECT_EQ(mesajMetinleri(), QStringList{d.mesaj});
        EXPECT_EQ(say(d.tür, "FisNo=500"), 1);
        EXPECT_EQ(odak(), f->FişNoKutusu);

        mesajlar.clear();
        if (!d.soru.isEmpty()) cevapla(MesajCevabı::Evet);
        tamam();
        EXPECT_EQ(mesajMetinleri(), QStringList{d.soru.isEmpty() ? d.mesaj : d.soru});
        EXPECT_EQ(say(d.tür, "FisNo=600"), d.soru.isEmpty() ? 1 : 2);
    }
}

TEST_F(FişNoTarihTesti, TarihDeğişikliğiYılDışınıReddederYıliçiniYazar) {
    satır(0, 7, 5, buYıl(3, 5));
    satır(0, 7, 5, buYıl(3, 7));  // another date before: takes the new one too
    satır(0, 7, 5, QDate(BuYıl - 1, 3, 5));
    aç(0, 5, buYıl(3, 5), false);
    EXPECT_EQ(f->windowTitle(), "Giriş Tarihi Değiştir");
    EXPECT_FALSE(f->FişNoKutusu->isEnabled());
    EXPECT_FALSE(f->TamamDüğmesi->isEnabled());

    yaz(f->TarihiKutusu, QString("5/3/%1").arg(BuYıl));  // the same day, written otherwise
    EXPECT_TRUE(f->TamamDüğmesi->isEnabled());
    f->TamamDüğmesi->setFocus();  // the box is checked when left for a button
    EXPECT_TRUE(Giriş::AyrılmaDenetimiGeçti(f.get()));
    EXPECT_EQ(f->TarihiKutusu->text(), KısaTarih(buYıl(3, 5)));
    EXPECT_FALSE(f->TamamDüğmesi->isEnabled());

    const struct { QString yazılan; bool sekmeyle; QString mesaj; } yanlışlar[] = {
        {"31.02.2026", true, "Lütfen, TARİHİ doğru biçimde giriniz."},  // Tab to "Tamam" checks at once
        {QString("01.06.%1").arg(BuYıl - 1), false, QString("Sadece %1 YILI içerisinden bir tarih girebilirsiniz!").arg(BuYıl)},
        {"31.02.2026", false, "Lütfen, TARİHİ doğru biçimde giriniz."},
        {"", false, "Lütfen, TARİHİ giriniz."},
    };
    for (const auto& y : yanlışlar) {
        SCOPED_TRACE(y.yazılan.toStdString());
        yaz(f->TarihiKutusu, y.yazılan);
        y.sekmeyle ? QTest::keyClick(f->TarihiKutusu, Qt::Key_Tab) : tamam();
        EXPECT_EQ(sonMesaj(), y.mesaj);
        EXPECT_EQ(odak(), f->TarihiKutusu);
    }
    EXPECT_EQ(say(0, "Tarihi=?", {QDate(BuYıl - 1, 6, 1)}), 0);

    yaz(f->TarihiKutusu, KısaTarih(buYıl(6, 1)));
    tamam();
    EXPECT_EQ(say(0, "FisNo=5 AND Tarihi=?", {buYıl(6, 1)}), 2);
    EXPECT_EQ(say(0, "FisNo=5 AND Tarihi=?", {QDate(BuYıl - 1, 3, 5)}), 1);
    EXPECT_EQ(fişYenilendi, 1);
    EXPECT_EQ(ağaçYenilendi, 0);
    EXPECT_EQ(f->result(), QDialog::Accepted);
}

TEST_F(FişNoTarihTesti, VazgeçYanlışTarihteDeHiçbirŞeyYazmaz) {
    satır(1, 7, 5, buYıl(3, 5));
    aç(1, 5, buYıl(3, 5), false);
    EXPECT_EQ(f->windowTitle(), "Çıkış Tarihi Değiştir");
    yaz(f->TarihiKutusu, "99.99.9999");
    QTest::mouseClick(f->VazgeçDüğmesi, Qt::LeftButton);
    EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(say(1, "Tarihi=?", {buYıl(3, 5)}), 1);
    EXPECT_EQ(fişYenilendi, 0);
}

TEST_F(FişNoTarihTesti, YazılamayanDeğişiklikBildirilirPencereAçıkKalır) {
    satır(0, 7, 5, buYıl(3, 5));
    satır(0, 7, 5, buYıl(3, 6));
    VeriTabanı.betikÇalıştır("CREATE TRIGGER Engel BEFORE UPDATE ON GirisIslemleriTablosu "
                             "WHEN NEW.HareketNo = 2 BEGIN SELECT RAISE(ABORT, 'kilitli'); END;");
    aç(0, 5, buYıl(3, 5), true);
    yaz(f->FişNoKutusu, "8");
    cevapla(MesajCevabı::Evet);  // "Hata oluştu!": go on
    tamam();
    ASSERT_FALSE(mesajlar.empty());
    EXPECT_EQ(mesajlar.back().başlık, "Hata oluştu!");
    EXPECT_EQ(say(0, "FisNo=5"), 2);
    EXPECT_EQ(ağaçYenilendi, 0);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->FişNoKutusu->text(), "8");
}

TEST_F(FişNoTarihTesti, DüğmelerGösterilenFişYokkenVeArşivdeAçmazOlmaz) {
    satır(0, 7, 5, buYıl(3, 5));
    bool açıldı = false;
    ModalGelinceÇalıştır([&](QWidget* w) {
        açıldı = true;
        static_cast<QDialog*>(w)->reject();
    });
    FişNoveTarihDeğiştirFormu::Aç(nullptr, 0, true, false, 0, {}, BuYıl, {}, {});  // a shown dialog would run it
    EXPECT_FALSE(açıldı);
    EXPECT_TRUE(mesajlar.empty());

    ArşivModu = true;  // an archived year is read-only, for both changes of both kinds
    FişNoveTarihDeğiştirFormu::Aç(nullptr, 1, false, true, 5, buYıl(3, 5), BuYıl, {}, {});
    FişNoveTarihDeğiştirFormu::Aç(nullptr, 0, true, true, 5, buYıl(3, 5), BuYıl, {}, {});
    EXPECT_EQ(mesajMetinleri(), QStringList(2, "ARŞİVLENMİŞ fişleri değiştiremezsiniz!"));
    EXPECT_EQ(mesajlar.back().simge, MesajSimgesi::Ünlem);
    EXPECT_FALSE(açıldı);

    ArşivModu = false;
    FişNoveTarihDeğiştirFormu::Aç(nullptr, 0, false, true, 5, buYıl(3, 5), BuYıl, {}, {});
    EXPECT_TRUE(açıldı);

    // a number change through the button refreshes the browser's tree
    ModalGelinceÇalıştır([&](QWidget* w) {
        auto* d = static_cast<FişNoveTarihDeğiştirFormu*>(w);
        d->FişNoKutusu->setFocus();
        d->FişNoKutusu->setText("12");
        d->TamamDüğmesi->click();
        if (d->isVisible()) d->reject();  // never left open
    });
    FişNoveTarihDeğiştirFormu::Aç(nullptr, 0, true, true, 5, buYıl(3, 5), BuYıl, [this] { ++ağaçYenilendi; }, {});
    EXPECT_EQ(say(0, "FisNo=12"), 1);
    EXPECT_EQ(ağaçYenilendi, 1);
}

// A hostile text pasted as the new number is refused by name or becomes the
// voucher's number exactly as the box shows it.
TEST_F(FişNoTarihTesti, DüşmancaNumaraReddedilirYaDaGösterildiğiGibiYazılır) {
    satır(0, 7, 5, buYıl(3, 5));
    bool basıldı = false;
    düşmancaMetinleriDene(
        1, [&](int) { aç(0, 5, buYıl(3, 5), true); return f->FişNoKutusu; }, "VazgeçDüğmesi",
        [&] { if ((basıldı = f->TamamDüğmesi->isEnabled())) tamam(); },  // off: the same number
        [&](int, const QString& gösterilen, bool reddedildi) {
            EXPECT_TRUE(QRegularExpression("^\\d*$").match(gösterilen).hasMatch()) << gösterilen.toStdString();
            const qlonglong no = basıldı && !reddedildi ? gösterilen.toLongLong() : 5;  // refused: nothing written
            EXPECT_TRUE(no >= 1 && no <= 2147483647);
            EXPECT_EQ(say(0, "FisNo=?", {no}), 1);
            VeriTabanı.çalıştır("UPDATE GirisIslemleriTablosu SET FisNo=5");
        });
}
