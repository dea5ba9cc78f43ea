#include "vouchers/DiğerÇıkışFişiBilgileriFormu.h"

namespace {
QString s(const char* metin) { return QString::fromUtf8(metin); }
}  // namespace

DiğerÇıkışFişiBilgileriFormu::DiğerÇıkışFişiBilgileriFormu(QWidget* sahip)
    : İmzaFormu(sahip, QStringLiteral("Diğer Çıkış Fişi Bilgileri"), QStringLiteral("Ayarlar\\Cikis Fisi"),
                {6315, 6675, 270, 4125, 120, 210, 975, 1110, 2685, 4740, 5370, 5790}) {
    setObjectName(QStringLiteral("DiğerÇıkışFişiBilgileriFormu"));
    const HatırlananListe unvanlar{s("Fis Bilgileri\\Unvanlar"), s("Unvan-")};
    // A person's name and title: "<KİM>'in ADI SOYADI", "<KİM>'in ÜNVANI".
    auto kişi = [&](const char* adı, const char* anahtar, const char* bölüm, const char* önek, const char* kim,
                    int üst) {
        return alanEkle({s("Adı Soyadı :"), s(adı), Kural::KişiAdı, s(anahtar), {s(bölüm), s(önek)},
                         s(kim) + s("'in ADI SOYADI alanı boş bırakılamaz!"),
                         s(kim) + s("'in SOYADI'nı girmeniz gerekiyor!")},
                        üst);
    };
    auto unvan = [&](int i, const char* anahtar, const QString& boşMesajı, int üst) {
        ÜnvanKutusu[i] = alanEkle({s("Ünvanı :"), QStringLiteral("ÜnvanKutusu%1").arg(i), Kural::BaşHarfler,
                                   s(anahtar), unvanlar, boşMesajı, {}},
                                  üst);
    };

    çerçeveEkle(s("İsteyenin "), 240, 1515);
    İsteyeninServisiKutusu = alanEkle({s("Servisi :"), s("İsteyeninServisiKutusu"), Kural::BaşHarfler,
                                       s("Isteyenin Servisi"), {s("Fis Bilgileri\\Servisler"), s("Servis-")},
                                       s("İSTEYEN'in SERVİSİ alanı boş bırakılamaz!"), {}},
                                      60);
    İsteyeninAdıSoyadıKutusu =
        kişi("İsteyeninAdıSoyadıKutusu", "Isteyen", "Fis Bilgileri\\Isteyenler", "Isteyen-", "İSTEYEN", 435);
    unvan(0, "Isteyenin Unvani", s("İSTEYEN'in ÜNVANI alanı boş bırakılamaz!"), 810);

    çerçeveEkle(s("Uygun Görenin "), 1910, 1125);
    UygunGöreninAdıSoyadıKutusu = kişi("UygunGöreninAdıSoyadıKutusu", "Uygun Goren", "Fis Bilgileri\\Uygun Gorenler",
                                       "Uygun Goren-", "UYGUN GÖREN", 60);
    unvan(1, "Uygun Gorenin Unvani", s("UYGUN GÖREN'in ÜNVANI alanı boş bırakılamaz!"), 420);

    çerçeveEkle(s("Verilmesini Emredenin "), 3190, 1125);
    VerilmesiniEmredininAdıSoyadıKutusu =
        kişi("VerilmesiniEmredininAdıSoyadıKutusu", "Verilmesini Emreden", "Fis Bilgileri\\Verilmesini Emredenler",
             "Verilmesini Emreden-", "VERİLMESİNİ EMREDEN", 60);
    unvan(2, "Verilmesini Emredenin Unvani", s("VERİLMESİNİ EMREDEN'in ÜNVANI alanı boş bırakılamaz!"), 420);

    çerçeveEkle(s("Onaylayan / Alan "), 4470, 1905);
    AmbarMemuruKutusu = alanEkle({s("Ambar M. :"), s("AmbarMemuruKutusu"), Kural::KişiAdı, s("Ambar Memuru"),
                                  AmbarMemurlarıListesi, s("AMBAR MEMURU alanı boş bırakılamaz!"),
                                  s("AMBAR MEMURU'nun SOYADI'nı girmeniz gerekiyor!")},
                                 60);
    AyniyatSaymanıKutusu = alanEkle({s("Ayniyat S. :"), s("AyniyatSaymanıKutusu"), Kural::KişiAdı,
                                     s("Ayniyat Saymani"), AyniyatSaymanlarıListesi,
                                     s("AYNİYAT SAYMANI alanı boş bırakılamaz!"),
                                     s("AYNİYAT SAYMANI'nın SOYADI'nı girmeniz gerekiyor!")},
                                    440);
    TeslimAlanKutusu = alanEkle({s("Teslim Alan :"), s("TeslimAlanKutusu"), Kural::KişiAdı, s("Teslim Alan"),
                                 {s("Fis Bilgileri\\Teslim Alanlar"), s("Teslim Alan-")},
                                 s("TESLİM ALAN alanı boş bırakılamaz!"),
                                 s("TESLİM ALAN'ın SOYADI'nı girmeniz gerekiyor!")},
                                810);
    unvan(3, "Teslim Alanin Unvani", s("TESLİM ALAN'ın ÜNVANI alanı boş bırakılamaz!"), 1200);
    bitir();
}

bool ÇıkışFişiBilgileriTamam() {
    const DiğerÇıkışFişiBilgileriFormu f;
    return f.BilgilerTamam();
}
