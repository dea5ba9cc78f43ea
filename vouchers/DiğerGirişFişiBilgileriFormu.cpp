#include "vouchers/DiğerGirişFişiBilgileriFormu.h"

DiğerGirişFişiBilgileriFormu::DiğerGirişFişiBilgileriFormu(QWidget* sahip)
    : İmzaFormu(sahip, QStringLiteral("Diğer Giriş Fişi Bilgileri"), QStringLiteral("Ayarlar\\Giris Fisi"),
                {6585, 4170, 240, 4545, 120, 240, 1455, 1620, 2595, 5040, 3000, 3420}) {
    setObjectName(QStringLiteral("DiğerGirişFişiBilgileriFormu"));
    const HatırlananListe teknikElemanlar{QStringLiteral("Fis Bilgileri\\Teknik Elemanlar"),
                                          QStringLiteral("Teknik Eleman-")};
    çerçeveEkle(QStringLiteral("Kontrol Edenler "), 240, 1965);
    AmbarMemuruKutusu = alanEkle({QStringLiteral("Ambar Memuru :"), QStringLiteral("AmbarMemuruKutusu"), Kural::KişiAdı,
                                  QStringLiteral("Ambar Memuru"), AmbarMemurlarıListesi,
                                  QStringLiteral("AMBAR MEMURU alanı boş bırakılamaz!"),
                                  QStringLiteral("AMBAR MEMURU'nun SOYADI'nı girmeniz gerekiyor!")},
                                 180);
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        TeknikElemanKutusu[i] = alanEkle({n + QStringLiteral(". Teknik Eleman :"),
                                          QStringLiteral("TeknikElemanKutusu%1").arg(i), Kural::KişiAdı,
                                          QStringLiteral("Teknik Eleman-") + n, teknikElemanlar,
                                          n + QStringLiteral(".TEKNİK ELEMAN alanı boş bırakılamaz!"),
                                          n + QStringLiteral(".TEKNİK ELEMAN'nın SOYADI'nı girmeniz gerekiyor!")},
                                         645 + 465 * i);
    }
    çerçeveEkle(QStringLiteral("Alan ve Onaylayan "), 2400, 1455);
    AlanAmbarMemuruKutusu = alanEkle({QStringLiteral("Ambar Memuru :"), QStringLiteral("AlanAmbarMemuruKutusu"),
                                      Kural::KişiAdı, QStringLiteral("Alan Ambar Memuru"), AmbarMemurlarıListesi,
                                      QStringLiteral("ALAN AMBAR MEMURU alanı boş bırakılamaz!"),
                                      QStringLiteral("ALAN AMBAR MEMURU'nun SOYADI'nı girmeniz gerekiyor!")},
                                     150);
    AyniyatSaymanıKutusu = alanEkle({QStringLiteral("Ayniyat Saymanı :"), QStringLiteral("AyniyatSaymanıKutusu"),
                                     Kural::KişiAdı, QStringLiteral("Ayniyat Saymani"), AyniyatSaymanlarıListesi,
                                     QStringLiteral("AYNİYAT SAYMANI alanı boş bırakılamaz!"),
                                     QStringLiteral("AYNİYAT SAYMANI'nın SOYADI'nı girmeniz gerekiyor!")},
                                    600);
    // the accountant is saved before the receiving officer
    bitir({0, 1, 2, 4, 3});
}

bool GirişFişiBilgileriTamam() {
    const DiğerGirişFişiBilgileriFormu f;
    return f.BilgilerTamam();
}
