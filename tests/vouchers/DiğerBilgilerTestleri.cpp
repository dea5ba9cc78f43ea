// The two voucher signatories dialogs and their remembered names.
#include "platform/AyarDeposu.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişDavranışları.h"
#include "shell/OrtakYordamlarModülü.h"
#include "tests/ortak/TestOrtamı.h"
#include "vouchers/DiğerGirişFişiBilgileriFormu.h"
#include "vouchers/DiğerÇıkışFişiBilgileriFormu.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {
const QString GirişFişi = QStringLiteral("Ayarlar\\Giris Fisi");
const QString ÇıkışFişi = QStringLiteral("Ayarlar\\Cikis Fisi");
const QString Servisler = QStringLiteral("Fis Bilgileri\\Servisler");
const QString AmbarMemurları = QStringLiteral("Fis Bilgileri\\Ambar Memurlari");
const QString TeknikElemanlar = QStringLiteral("Fis Bilgileri\\Teknik Elemanlar");

QStringList öğeler(const QComboBox* k) {
    QStringList l;
    for (int i = 0; i < k->count(); ++i) l << k->itemText(i);
    return l;
}
}  // namespace

class DiğerBilgilerTesti : public TestOrtamı {
protected:
    void göster(QDialog* d) { ASSERT_TRUE(EtkinGöster(d)); }
    // Types into a box as the user does, then leaves it for the next one.
    void yaz(QComboBox* k, const QString& metin) {
        k->setFocus();
        k->lineEdit()->selectAll();
        QTest::keyClick(k, Qt::Key_Backspace);
        Yaz(k, metin);
    }
    // Names 1..n under the prefix.
    void hatırla(const QString& bölüm, const QString& önek, int n, const QString& ad = "Ad") {
        for (int i = 1; i <= n; ++i) AyarYaz(bölüm, önek + QString::number(i), QString("%1 %2").arg(ad).arg(i));
    }
    QStringList bölüm(const QString& b) {
        QStringList l;
        for (const auto& [a, d] : AyarDeposu::bölümüOku(UygulamaAdı, b)) l << a + "=" + d;
        return l;
    }
    // A complete receipt set, typed into the shown dialog.
    void girişDoldur(DiğerGirişFişiBilgileriFormu& f) {
        yaz(f.AmbarMemuruKutusu, "ali veli");
        yaz(f.TeknikElemanKutusu[0], "can tan");
        yaz(f.TeknikElemanKutusu[1], "ece su");
        yaz(f.AlanAmbarMemuruKutusu, "ali veli");
        yaz(f.AyniyatSaymanıKutusu, "naci ışık");
    }
    void tamam(İmzaFormu& f) {
        f.TamamDüğmesi->setFocus();
        f.TamamDüğmesi->click();
    }
    // A text typed into a box; with a message, "Tamam" is pressed and must name that fault
    // (and take the focus to odak when given).
    struct Adım { QComboBox* kutu; const char* yazılan; const char* mesaj = nullptr; QComboBox* odak = nullptr; };
    void adımla(İmzaFormu& f, std::initializer_list<Adım> adımlar) {
        for (const auto& a : adımlar) {
            SCOPED_TRACE(a.yazılan);
            yaz(a.kutu, a.yazılan);
            if (!a.mesaj) continue;
            tamam(f);
            EXPECT_EQ(sonMesaj(), a.mesaj);
            if (a.odak) { EXPECT_EQ(QApplication::focusWidget(), a.odak); }
        }
    }
};

TEST_F(DiğerBilgilerTesti, İlkKullanımdaHerŞeyBoşVeİptalYazmaz) {
    EXPECT_FALSE(GirişFişiBilgileriTamam());
    EXPECT_FALSE(ÇıkışFişiBilgileriTamam());
    DiğerÇıkışFişiBilgileriFormu f;
    EXPECT_EQ(f.windowTitle(), "Diğer Çıkış Fişi Bilgileri");
    göster(&f);
    for (QComboBox* k : f.findChildren<QComboBox*>()) {
        EXPECT_EQ(k->count(), 0) << k->objectName().toStdString();
        EXPECT_EQ(k->currentText(), "");
    }
    EXPECT_EQ(f.findChildren<QComboBox*>().size(), 11u);
    EXPECT_FALSE(f.TamamDüğmesi->isEnabled());
    yaz(f.İsteyeninServisiKutusu, "muhasebe");
    EXPECT_TRUE(f.TamamDüğmesi->isEnabled());
    f.İptalDüğmesi->click();
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(bölüm(ÇıkışFişi).isEmpty());
    EXPECT_TRUE(bölüm(Servisler).isEmpty());
}

TEST_F(DiğerBilgilerTesti, YüklemeListeleriSıraylaDeğerleriOlduğuGibiAlır) {
    AyarYaz(Servisler, "Servis-1", "Muhasebe");
    AyarYaz(Servisler, "Servis-2", "İdari İşler");
    AyarYaz(Servisler, "Servis-3", "Bakım");
    AyarYaz("Fis Bilgileri\\Unvanlar", "Unvan-1", "Müdür");
    AyarYaz(ÇıkışFişi, "Isteyenin Servisi", "  bakım ");  // taken as stored
    AyarYaz(ÇıkışFişi, "Teslim Alanin Unvani", "Şef");
    DiğerÇıkışFişiBilgileriFormu f;
    EXPECT_EQ(öğeler(f.İsteyeninServisiKutusu), QStringList({"Muhasebe", "İdari İşler", "Bakım"}));
    EXPECT_EQ(f.İsteyeninServisiKutusu->currentText(), "  bakım ");
    for (QComboBox* k : f.ÜnvanKutusu) EXPECT_EQ(öğeler(k), QStringList({"Müdür"}));
    EXPECT_EQ(f.ÜnvanKutusu[3]->currentText(), "Şef");
    EXPECT_EQ(f.ÜnvanKutusu[0]->currentText(), "");
    EXPECT_FALSE(f.TamamDüğmesi->isEnabled());
    EXPECT_EQ(f.findChild<QLabel*>("Etiket9")->text(), "Teslim Alan :");
    EXPECT_EQ(f.findChild<QGroupBox*>("Çerçeve3")->title(), "Onaylayan / Alan ");
}

TEST_F(DiğerBilgilerTesti, TamamlıkKuralıHerKutununDolmasıdır) {
    AyarYaz(GirişFişi, "Ambar Memuru", "Ali VELİ");
    AyarYaz(GirişFişi, "Teknik Eleman-1", "Can TAN");
    AyarYaz(GirişFişi, "Ayniyat Saymani", "Naci IŞIK");
    EXPECT_FALSE(GirişFişiBilgileriTamam());  // three of five
    AyarYaz(GirişFişi, "Teknik Eleman-2", "Ece SU");
    AyarYaz(GirişFişi, "Alan Ambar Memuru", "Ali VELİ");
    EXPECT_TRUE(GirişFişiBilgileriTamam());
    for (const char* a : {"Isteyenin Servisi", "Isteyen", "Isteyenin Unvani", "Uygun Goren", "Uygun Gorenin Unvani",
                          "Verilmesini Emreden", "Verilmesini Emredenin Unvani", "Ambar Memuru", "Ayniyat Saymani",
                          "Teslim Alan"})
        AyarYaz(ÇıkışFişi, a, "X Y");
    EXPECT_FALSE(ÇıkışFişiBilgileriTamam());
    AyarYaz(ÇıkışFişi, "Teslim Alanin Unvani", "Şef");
    EXPECT_TRUE(ÇıkışFişiBilgileriTamam());
}

TEST_F(DiğerBilgilerTesti, AyrılınKutuKırpılırVeBüyütülür) {
    DiğerÇıkışFişiBilgileriFormu f;
    göster(&f);
    auto* etiket = f.findChild<QLabel*>("Etiket9");
    yaz(f.TeslimAlanKutusu, "  ayşe nur yıldız  ");
    EXPECT_EQ(etiket->palette().color(QPalette::WindowText), ::Giriş::EtkinEtiketRengi);
    EXPECT_FALSE(f.TeslimAlanKutusu->lineEdit()->hasSelectedText());
    EXPECT_EQ(f.TeslimAlanKutusu->currentText(), "  ayşe nur yıldız  ");  // nothing changes while typing
    QTest::keyClick(f.TeslimAlanKutusu, Qt::Key_Return);                 // Enter goes on
    EXPECT_EQ(QApplication::focusWidget(), f.ÜnvanKutusu[3]);
    EXPECT_EQ(f.TeslimAlanKutusu->currentText(), "Ayşe Nur YILDIZ");
    EXPECT_NE(etiket->palette().color(QPalette::WindowText), ::Giriş::EtkinEtiketRengi);
    EXPECT_EQ(f.findChild<QLabel*>("Etiket10")->palette().color(QPalette::WindowText), ::Giriş::EtkinEtiketRengi);

    yaz(f.ÜnvanKutusu[3], "ilçe müdürü");
    yaz(f.ÜnvanKutusu[0], "şube müdürü/vekili");
    yaz(f.AmbarMemuruKutusu, "ismail");
    yaz(f.AyniyatSaymanıKutusu, "   ");
    f.İsteyeninServisiKutusu->setFocus();
    EXPECT_EQ(f.ÜnvanKutusu[3]->currentText(), "İlçe Müdürü");
    EXPECT_EQ(f.ÜnvanKutusu[0]->currentText(), "Şube Müdürü/Vekili");
    EXPECT_EQ(f.AmbarMemuruKutusu->currentText(), "İsmail");
    EXPECT_EQ(f.AyniyatSaymanıKutusu->currentText(), "");

    // Enter in the last box: to "Tamam" when it is usable.
    f.ÜnvanKutusu[3]->setFocus();
    QTest::keyClick(f.ÜnvanKutusu[3], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.TamamDüğmesi);
}

// A filled box entered with Tab, Shift+Tab or Enter, in either dialog: its label is
// coloured, its text not selected, so the next key typed adds to the saved name.
TEST_F(DiğerBilgilerTesti, DoluKutuyaGirilinceMetinSeçilmezYazılanEklenir) {
    AyarYaz(GirişFişi, "Teknik Eleman-1", "Can TAN");
    AyarYaz(ÇıkışFişi, "Isteyen", "Ali VELİ");
    DiğerGirişFişiBilgileriFormu giriş;
    DiğerÇıkışFişiBilgileriFormu çıkış;
    const struct { İmzaFormu* f; QComboBox *önceki, *kutu, *sonraki; QString kayıtlı; } pencereler[] = {
        {&giriş, giriş.AmbarMemuruKutusu, giriş.TeknikElemanKutusu[0], giriş.TeknikElemanKutusu[1], "Can TAN"},
        {&çıkış, çıkış.İsteyeninServisiKutusu, çıkış.İsteyeninAdıSoyadıKutusu, çıkış.ÜnvanKutusu[0], "Ali VELİ"}};
    const struct { const char* ad; Qt::Key tuş; Qt::KeyboardModifiers kip; bool geriden; } tuşlar[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier, false},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, true},
        {"Enter", Qt::Key_Return, Qt::NoModifier, false}};
    for (const auto& p : pencereler) {
        göster(p.f);
        for (const auto& t : tuşlar) {
            SCOPED_TRACE(p.f->windowTitle().toStdString() + " " + t.ad);
            p.kutu->setEditText(p.kayıtlı);
            QComboBox* çıkılan = t.geriden ? p.sonraki : p.önceki;
            çıkılan->setFocus();
            QTest::keyClick(çıkılan, t.tuş, t.kip);
            ASSERT_EQ(QApplication::focusWidget(), p.kutu);
            EXPECT_EQ(p.f->Etiket[1]->palette().color(QPalette::WindowText), ::Giriş::EtkinEtiketRengi);
            EXPECT_FALSE(p.kutu->lineEdit()->hasSelectedText());
            QTest::keyClick(p.kutu, Qt::Key_X);
            EXPECT_EQ(p.kutu->currentText(), p.kayıtlı + "x");
        }
    }
}

TEST_F(DiğerBilgilerTesti, ListedenSeçmekTamamıAçarYüklemeAçmaz) {
    hatırla(AmbarMemurları, "Ambar Memuru-", 2);
    AyarYaz(GirişFişi, "Ambar Memuru", "Ad 1");
    DiğerGirişFişiBilgileriFormu f;
    göster(&f);
    f.AmbarMemuruKutusu->setFocus();
    EXPECT_FALSE(f.TamamDüğmesi->isEnabled());
    QTest::keyClick(f.AmbarMemuruKutusu, Qt::Key_Down);
    EXPECT_TRUE(f.TamamDüğmesi->isEnabled());
    EXPECT_FALSE(f.AmbarMemuruKutusu->currentText().isEmpty());
}

// Each step fixes the box named before; the next check names the next fault and takes the focus there.
TEST_F(DiğerBilgilerTesti, GirişDenetimleriSıraylaİlkHatayıBildirir) {
    DiğerGirişFişiBilgileriFormu f;
    göster(&f);
    f.AyniyatSaymanıKutusu->setFocus();  // Enter in the last box: to "İptal" while "Tamam" is off
    QTest::keyClick(f.AyniyatSaymanıKutusu, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.İptalDüğmesi);
    yaz(f.AmbarMemuruKutusu, "ali veli");
    adımla(f, {
        {f.TeknikElemanKutusu[1], "tek", "1.TEKNİK ELEMAN alanı boş bırakılamaz!", f.TeknikElemanKutusu[0]},
        {f.TeknikElemanKutusu[0], "can tan", "2.TEKNİK ELEMAN'nın SOYADI'nı girmeniz gerekiyor!", f.TeknikElemanKutusu[1]},
        {f.TeknikElemanKutusu[1], "ece su"},
        // joined by another character: one word
        {f.AlanAmbarMemuruKutusu, "ali-veli", "ALAN AMBAR MEMURU'nun SOYADI'nı girmeniz gerekiyor!"},
        {f.AlanAmbarMemuruKutusu, "ali veli", "AYNİYAT SAYMANI alanı boş bırakılamaz!"},
    });
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(bölüm(GirişFişi).isEmpty());
    EXPECT_TRUE(bölüm(AmbarMemurları).isEmpty());
}

TEST_F(DiğerBilgilerTesti, ÇıkışDenetimleriTekKelimeliServisVeUnvanıKabulEder) {
    DiğerÇıkışFişiBilgileriFormu f;
    göster(&f);
    tamam(f);  // "Tamam" starts disabled: nothing
    EXPECT_TRUE(mesajlar.empty());
    adımla(f, {
        {f.İsteyeninServisiKutusu, "muhasebe"},
        {f.İsteyeninAdıSoyadıKutusu, "ali", "İSTEYEN'in SOYADI'nı girmeniz gerekiyor!"},
        {f.İsteyeninAdıSoyadıKutusu, "ali veli kaya", "İSTEYEN'in ÜNVANI alanı boş bırakılamaz!"},
        {f.ÜnvanKutusu[0], "şef"},
        {f.UygunGöreninAdıSoyadıKutusu, "can tan"},
        {f.ÜnvanKutusu[1], "müdür"},
        {f.VerilmesiniEmredininAdıSoyadıKutusu, "ece su"},
        {f.ÜnvanKutusu[2], "müdür"},
        {f.AmbarMemuruKutusu, "ali veli"},
        {f.AyniyatSaymanıKutusu, "naci", "AYNİYAT SAYMANI'nın SOYADI'nı girmeniz gerekiyor!"},
        {f.AyniyatSaymanıKutusu, "naci ışık"},
        {f.TeslimAlanKutusu, "", "TESLİM ALAN alanı boş bırakılamaz!"},
        {f.TeslimAlanKutusu, "veli can", "TESLİM ALAN'ın ÜNVANI alanı boş bırakılamaz!"},
    });
    const auto önceki = mesajlar.size();
    yaz(f.ÜnvanKutusu[3], "memur");
    tamam(f);
    EXPECT_EQ(mesajlar.size(), önceki);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(AyarOku(ÇıkışFişi, "Isteyenin Servisi"), "Muhasebe");
    EXPECT_EQ(AyarOku(ÇıkışFişi, "Isteyen"), "Ali Veli KAYA");
    EXPECT_EQ(AyarOku(ÇıkışFişi, "Ayniyat Saymani"), "Naci IŞIK");
    EXPECT_EQ(AyarOku(ÇıkışFişi, "Teslim Alanin Unvani"), "Memur");
    EXPECT_EQ(bölüm(ÇıkışFişi).size(), 11);
    // The two new titles went to one section, one key each.
    EXPECT_EQ(bölüm("Fis Bilgileri\\Unvanlar"), QStringList({"Unvan-1=Şef", "Unvan-2=Müdür", "Unvan-3=Memur"}));
    EXPECT_TRUE(ÇıkışFişiBilgileriTamam());
}

TEST_F(DiğerBilgilerTesti, KaydetmeBeşAnahtarıYazarYeniAdlarıHatırlar) {
    hatırla(TeknikElemanlar, "Teknik Eleman-", 3);
    DiğerGirişFişiBilgileriFormu f;
    göster(&f);
    girişDoldur(f);
    yaz(f.TeknikElemanKutusu[1], "ad 2");  // a listed name in other letter case
    tamam(f);
    EXPECT_TRUE(mesajlar.empty()) << sonMesaj().toStdString();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(bölüm(GirişFişi), QStringList({"Ambar Memuru=Ali VELİ", "Teknik Eleman-1=Can TAN", "Teknik Eleman-2=Ad 2",
                                         "Ayniyat Saymani=Naci IŞIK", "Alan Ambar Memuru=Ali VELİ"}));
    // the same new officer in both boxes is remembered once
    EXPECT_EQ(bölüm(AmbarMemurları), QStringList({"Ambar Memuru-1=Ali VELİ"}));
    EXPECT_EQ(bölüm(TeknikElemanlar),
              QStringList({"Teknik Eleman-1=Ad 1", "Teknik Eleman-2=Ad 2", "Teknik Eleman-3=Ad 3",
                           "Teknik Eleman-4=Can TAN"}));
    EXPECT_EQ(bölüm("Fis Bilgileri\\Ayniyat Saymanlari"), QStringList({"Ayniyat Saymani-1=Naci IŞIK"}));
    EXPECT_TRUE(GirişFişiBilgileriTamam());

    // The next opening lists the new name last.
    DiğerGirişFişiBilgileriFormu yeni;
    EXPECT_EQ(öğeler(yeni.TeknikElemanKutusu[0]).last(), "Can TAN");
    EXPECT_EQ(yeni.TeknikElemanKutusu[1]->currentText(), "Ad 2");
}

TEST_F(DiğerBilgilerTesti, OnAdDoluykenYeniAdBirinciOlurSonuncuDüşer) {
    hatırla(Servisler, "Servis-", 10);
    hatırla(AmbarMemurları, "Ambar Memuru-", 11);  // filled from outside: never changed
    DiğerÇıkışFişiBilgileriFormu f;
    EXPECT_EQ(f.AmbarMemuruKutusu->count(), 11);
    göster(&f);
    yaz(f.İsteyeninServisiKutusu, "yeni servis");
    yaz(f.AmbarMemuruKutusu, "yeni memur");
    HatırlananAdlaraEkle(f.İsteyeninServisiKutusu->currentText(), {Servisler, "Servis-"});
    HatırlananAdlaraEkle(f.AmbarMemuruKutusu->currentText(), AmbarMemurlarıListesi);
    QStringList beklenen{"Servis-1=Yeni Servis"};
    for (int i = 2; i <= 10; ++i) beklenen << QString("Servis-%1=Ad %2").arg(i).arg(i - 1);
    EXPECT_EQ(bölüm(Servisler), beklenen);
    EXPECT_EQ(bölüm(AmbarMemurları).size(), 11);
    EXPECT_EQ(bölüm(AmbarMemurları).first(), "Ambar Memuru-1=Ad 1");
    HatırlananAdlaraEkle("", {Servisler, "Servis-"});  // empty: nothing
    HatırlananAdlaraEkle("YENİ SERVİS", {Servisler, "Servis-"});
    EXPECT_EQ(bölüm(Servisler), beklenen);

    DiğerÇıkışFişiBilgileriFormu yeni;
    EXPECT_EQ(öğeler(yeni.İsteyeninServisiKutusu).first(), "Yeni Servis");
}

TEST_F(DiğerBilgilerTesti, İkiPencereOrtakListeyeAyrıAnahtarlarlaEkler) {
    hatırla(AmbarMemurları, "Ambar Memuru-", 9);
    DiğerGirişFişiBilgileriFormu giriş;  // loaded with nine names
    {
        DiğerÇıkışFişiBilgileriFormu çıkış;
        göster(&çıkış);
        yaz(çıkış.AmbarMemuruKutusu, "önce gelen");
        çıkış.TeslimAlanKutusu->setFocus();
        HatırlananAdlaraEkle(çıkış.AmbarMemuruKutusu->currentText(), AmbarMemurlarıListesi);
    }
    EXPECT_EQ(bölüm(AmbarMemurları).last(), "Ambar Memuru-10=Önce GELEN");
    göster(&giriş);
    girişDoldur(giriş);
    yaz(giriş.AlanAmbarMemuruKutusu, "sonra gelen");
    tamam(giriş);
    const QStringList s = bölüm(AmbarMemurları);
    ASSERT_EQ(s.size(), 10);
    EXPECT_EQ(s[0], "Ambar Memuru-1=Sonra GELEN");
    EXPECT_EQ(s[1], "Ambar Memuru-2=Ali VELİ");
    EXPECT_EQ(s[9], "Ambar Memuru-10=Ad 8");
    EXPECT_FALSE(s.join(",").contains("Önce GELEN"));  // the oldest ones were dropped, none twice
}

TEST_F(DiğerBilgilerTesti, YazılamayanAyarBildirilirPencereAçıkKalır) {
    DiğerGirişFişiBilgileriFormu f;
    göster(&f);
    girişDoldur(f);
    // the settings file cannot be written
    ASSERT_TRUE(QDir().mkpath(AyarDeposu::dosyaYolu(UygulamaAdı)));
    cevapla(MesajCevabı::Evet);
    tamam(f);
    ASSERT_FALSE(mesajlar.empty());
    EXPECT_EQ(mesajlar.back().başlık, "Hata oluştu!");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.AmbarMemuruKutusu->currentText(), "Ali VELİ");
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

// A hostile name pasted into a signatory box is refused by name or remembered
// exactly as the box shows it once left.
TEST_F(DiğerBilgilerTesti, DüşmancaAdReddedilirYaDaGösterildiğiGibiSaklanır) {
    std::unique_ptr<DiğerGirişFişiBilgileriFormu> f;
    düşmancaMetinleriDene(
        1,
        [&](int) {
            f.reset();
            f = std::make_unique<DiğerGirişFişiBilgileriFormu>();
            göster(f.get());
            girişDoldur(*f);
            return f->AmbarMemuruKutusu->lineEdit();
        },
        "AyniyatSaymanıKutusu", [&] { tamam(*f); },  // leaving the box shows what it keeps
        [](int, const QString& gösterilen, bool reddedildi) {
            if (!reddedildi) { EXPECT_EQ(AyarOku(GirişFişi, "Ambar Memuru"), gösterilen); }
        });
}
