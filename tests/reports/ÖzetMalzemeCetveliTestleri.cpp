#include "platform/AyarDeposu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/PencereAçıcıları.h"
#include "shell/TarihSeçFormu.h"
#include "tests/reports/ÖzetCetvelOrtamı.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <cmath>
#include <functional>

namespace {

class ÖzetCetvelTestleri : public ÖzetCetvelOrtamı {
protected:
    void SetUp() override {
        ÖzetCetvelOrtamı::SetUp();
        markaEkle(12, "ACME");
        markaEkle(5, "BOSCH");
        markaEkle(7, "ÇELİK");
        markaEkle(9, "HİÇ GİRMEYEN");
        const QDate önce(2020, 2, 29), başlama(2020, 3, 1), bitiş(2020, 12, 31), sonra(2021, 1, 1);
        // code 12: 10 before the start, 2 of them issued before it; on the start
        // day and on the end day received; issued in the period; after the end
        hareketEkle(true, 12, önce, 10, 1000000);
        hareketEkle(false, 12, önce, 2, 200000);
        hareketEkle(true, 12, başlama, 3, 330000);
        hareketEkle(true, 12, bitiş, 1.5, 12345);
        hareketEkle(false, 12, QDate(2020, 6, 15), 4, 400000);
        hareketEkle(true, 12, sonra, 100, 9990000);
        hareketEkle(false, 12, sonra, 50, 5000000);
        // code 5: archived vouchers (number 0) count like the others
        hareketEkle(true, 5, QDate(2019, 5, 1), 7, 70000, 0, 3);
        hareketEkle(false, 5, QDate(2020, 4, 1), 1, 10000, 0, 4);
        // code 7: received only after the end
        hareketEkle(true, 7, sonra, 5, 50000);
    }
};

TEST_F(ÖzetCetvelTestleri, HerAlınmışKodDönemİçinBeşÇiftRakamlaListelenir) {
    auto f = aç();
    EXPECT_EQ(f->windowTitle(), "Malzeme Cetveli Özeti (01.03.2020 - 31.12.2020)");
    // code 9 has never been received; code 7, received after the end, shows zeros
    ASSERT_EQ(kodlar(*f), QStringList({"5", "7", "12"}));
    // start and end days count in Giren; 100 and 50 after the end count nowhere
    const std::vector<QStringList> beklenen = {
        {"1", "5", "BOSCH", "7,00", "7,00", "0,00", "0,00", "7,00", "7,00", "1,00", "1,00", "6,00", "6,00"},
        {"2", "7", "ÇELİK", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
        {"3", "12", "ACME", "8,00", "80,00", "4,50", "34,23", "12,50", "114,23", "4,00", "40,00", "8,50", "74,23"}};
    for (size_t i = 0; i < beklenen.size(); ++i)
        EXPECT_EQ(f->MalzemeHareketleriListesi->model()->satırlar[i].hücreler, beklenen[i]) << i;
    EXPECT_TRUE(mesajlar.empty());
}

TEST_F(ÖzetCetvelTestleri, ToplamVeAktarılanGösterilenİkiOndalıklıRakamlardanHesaplanır) {
    // 1.234,504 carried, 0,254 in, 0,004 out: quantity and amount alike
    const QStringList m = CetvelRakamMetinleri({1234.504, Para::onBindeden(12345040), 0.254, Para::onBindeden(2540),
                                                0.004, Para::onBindeden(40)});
    EXPECT_EQ(m, QStringList({"1.234,50", "1.234,50", "0,25", "0,25", "1.234,75", "1.234,75", "0,00", "0,00",
                              "1.234,75", "1.234,75"}));
    // quantities that do not add up exactly in binary still show their sum
    const QStringList ikili = CetvelRakamMetinleri({0.1, {}, 0.2, {}, 0.3, {}});
    EXPECT_EQ(ikili[4], "0,30");
    EXPECT_EQ(ikili[8], "0,00");
}

TEST_F(ÖzetCetvelTestleri, GösterilenRakamGenelOkuyucununDeğeriyleGeriOkunur) {
    // the sheets' own figures and anything else a cell may hold read as the general reader reads them
    for (const char* m : {"0,00", "-0,00", "0,57", "-1.234,57", "12.345.678,90", "999.999.999.999,99",
                          "9.999.999.999.999.999,99", "1234,57", "1.23,45", ".234,57", "1.234,5", "--1,00", "1,2,3",
                          "", "abc", " 12,00", "12,00 "}) {
        const QString metin = QString::fromUtf8(m);
        const double beklenen = SayıOku(metin).value_or(0);
        const double okunan = CetvelMiktarı(metin);
        EXPECT_EQ(okunan, beklenen) << m;
        EXPECT_EQ(std::signbit(okunan), std::signbit(beklenen)) << m;
        EXPECT_EQ(CetvelTutarı(metin).onBinde(), Para::metinden(metin).value_or(Para()).onBinde()) << m;
    }
}

TEST_F(ÖzetCetvelTestleri, AçılıştaSıraNoMetinSırasıKoduTıklamasıSayıSırası) {
    for (int k = 20; k <= 28; ++k) {
        markaEkle(k, QString("M%1").arg(k));
        hareketEkle(true, k, QDate(2020, 5, 5), 1, 10000);
    }
    SıralananSütun = 4;
    SıralamaYönü = 1;
    auto f = aç();
    ASSERT_EQ(f->MalzemeHareketleriListesi->satırSayısı(), 12);
    QStringList sıra;
    for (int i = 0; i < 12; ++i) sıra << hücre(*f, i, 0);
    EXPECT_EQ(sıra, QStringList({"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(SıralananSütun, 0);
    EXPECT_EQ(SıralamaYönü, 0);

    QHeaderView* başlık = f->MalzemeHareketleriListesi->horizontalHeader();
    emit başlık->sectionClicked(1);
    QStringList artan = kodlar(*f);
    EXPECT_EQ(artan.first(), "5");
    EXPECT_EQ(artan.last(), "28");
    EXPECT_EQ(SayısalSıralama, 1);
    emit başlık->sectionClicked(1);
    EXPECT_EQ(kodlar(*f).first(), "28");
    EXPECT_EQ(kodlar(*f).last(), "5");

    // a refresh after a number column keeps the order the codes come in
    f->ListeyiYenileDüğmesi->click();
    EXPECT_EQ(kodlar(*f).first(), "5");
    EXPECT_EQ(hücre(*f, 0, 0), "1");
}

TEST_F(ÖzetCetvelTestleri, YenilemeVeF5GüncelRakamlarıAynıSıraNolarıylaVerir) {
    auto f = aç();
    const auto önceki = f->MalzemeHareketleriListesi->satırlar();
    f->ListeyiYenileDüğmesi->click();
    f->ListeyiYenileDüğmesi->click();
    ASSERT_EQ(f->MalzemeHareketleriListesi->satırSayısı(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f->MalzemeHareketleriListesi->satırlar()[i].hücreler, önceki[i].hücreler);
    EXPECT_TRUE(f->ListeyiYenileDüğmesi->isEnabled());

    // F5 refreshes whatever Shift, Ctrl and Alt are held, the focus on the list or on a button
    const Qt::KeyboardModifiers kipler[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
                                            Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier};
    double giren = 0;
    for (const auto kip : kipler)
        for (QWidget* odak : {static_cast<QWidget*>(f->MalzemeHareketleriListesi), static_cast<QWidget*>(f->YazdırDüğmesi)}) {
            SCOPED_TRACE(QString("%1 %2").arg(kip.toInt()).arg(odak->objectName()).toStdString());
            hareketEkle(true, 7, QDate(2020, 7, 7), 2, 25000);
            giren += 2;
            ASSERT_TRUE(EtkinGöster(f.get()));  // again after the progress window of the last refresh
            odak->setFocus();
            QTest::keyClick(odak, Qt::Key_F5, kip);
            EXPECT_EQ(hücre(*f, 1, 5), BiçimliSayı(giren));
            EXPECT_EQ(hücre(*f, 1, 0), "2");
        }
}

TEST_F(ÖzetCetvelTestleri, SıraNoGizliKalırDüzenListe8deSaklanır) {
    {
        auto f = aç();
        EXPECT_EQ(f->MalzemeHareketleriListesi->columnWidth(0), 0);
        f->MalzemeHareketleriListesi->setColumnWidth(3, 2000 / 15);
        f->KapatDüğmesi->click();
        EXPECT_FALSE(f->isVisible());
    }
    EXPECT_EQ(AyarOku("Listeler\\Liste-8", "Genislik-4"), "1995");
    EXPECT_EQ(AyarOku("Listeler\\Liste-8", "Genislik-1"), "0");
    AyarYaz("Listeler\\Liste-8", "Genislik-1", "900");
    auto f = aç();
    EXPECT_EQ(f->MalzemeHareketleriListesi->sütunGenişliğiTwips(0), 900);
}

TEST_F(ÖzetCetvelTestleri, MarkasıKayıtlıOlmayanKodKendiKoduylaBoşMarkaylaListelenir) {
    hareketEkle(true, 77, QDate(2020, 4, 4), 2, 20000);
    hareketEkle(false, 77, QDate(2020, 4, 5), 1, 10000);
    auto f = aç();
    ASSERT_EQ(kodlar(*f), QStringList({"5", "7", "12", "77"}));
    EXPECT_EQ(hücre(*f, 3, 2), "");
    EXPECT_EQ(hücre(*f, 3, 12), "1,00");  // Akt. Tutar
}

TEST_F(ÖzetCetvelTestleri, BoşDepoBoşListeVerirMesajYok) {
    VeriTabanı.çalıştır("DELETE FROM GirisIslemleriTablosu");
    auto f = aç();
    EXPECT_EQ(f->MalzemeHareketleriListesi->satırSayısı(), 0);
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ÖzetCetvelTestleri, OkunamayanDepoHataKutusuVerirListeBoşKalır) {
    VeriTabanı.çalıştır("DROP TABLE CikisIslemleriTablosu");
    cevapla(MesajCevabı::Evet);
    auto f = aç();
    EXPECT_EQ(f->MalzemeHareketleriListesi->satırSayısı(), 0);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(sonlandırmaSayısı, 0);
}

TEST_F(ÖzetCetvelTestleri, AnaPencereÖnceDönemiSorarSonraCetveliAçar) {
    const PencereAçıcı açıcı = PencereAçıcısı(Pencere::ÖzetMalzemeCetveli);
    ASSERT_TRUE(açıcı);
    QString başlık;
    int satırlar = -1;
    // the sheet, once it is the modal window (its progress window may come first)
    std::function<void(QWidget*)> cetvelde = [&](QWidget* c) {
        auto* f = dynamic_cast<ÖzetMalzemeCetveliFormu*>(c);
        if (!f) {
            ModalGelinceÇalıştır(cetvelde);
            return;
        }
        QCoreApplication::processEvents();
        başlık = f->windowTitle();
        satırlar = f->MalzemeHareketleriListesi->satırSayısı();
        QTest::keyClick(f, Qt::Key_Escape);
    };
    ModalGelinceÇalıştır<TarihSeçFormu>([&](TarihSeçFormu* t) {
        t->BaşlamaTarihiKutusu->setText("01.03.2020");
        t->BitişTarihiKutusu->setText("31.12.2020");
        ModalGelinceÇalıştır(cetvelde);
        t->TamamDüğmesi->click();
    });
    açıcı(nullptr, false);
    EXPECT_EQ(başlık, "Malzeme Cetveli Özeti (01.03.2020 - 31.12.2020)");
    EXPECT_EQ(satırlar, 3);
}

}  // namespace
