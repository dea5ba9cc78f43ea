#include "shell/YazdırmaVeAktarmaModülü.h"

#include "platform/MesajKapısı.h"
#include "platform/Yazıcı.h"
#include "platform/ÇalışmaKitabı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeOluşturuluyorFormu.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YazdırılıyorFormu.h"
#include "shell/YazıcıSeçmeFormu.h"

#include <QDir>
#include <QWidget>
#include <cmath>

bool YazıcıVarMı() {
    if (YazıcıVar) return true;
    Uyarı(QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\n\nLütfen, bir yazıcı yükleyip tekrar deneyiniz."));
    return false;
}

void SayfaÖlçüleriniAl() {
    const Yazıcı& y = GeçerliYazıcı();
    SayfaYüksekliği = std::nearbyint(y.sayfaYüksekliği());
    SayfaGenişliği = std::nearbyint(y.sayfaGenişliği());
}

bool YazıcıSeçipYazdır(QWidget* pencere, QWidget* düğme, int rapor) {
    YazıcıSeçimiİptal = false;
    {
        YazıcıSeçmeFormu seçim(pencere);
        seçim.exec();
    }
    if (YazıcıSeçimiİptal) {
        YazıcıSeçimiİptal = false;
        return false;
    }
    // every print starts from the printer's defaults, not from what the last
    // document left (a landscape sheet, a voucher's copies)
    Yazıcı& y = GeçerliYazıcı();
    y.yönKoy(SayfaYönü::Dikey);
    y.kopyaSayısıKoy(1);
    // measured on the printer that will print
    SayfaÖlçüleriniAl();
    const int öncekiBelgeler = y.bitenBelgeSayısı();
    if (düğme) düğme->setEnabled(false);
    if (pencere) pencere->setCursor(Qt::WaitCursor);
    YazdırılacakRapor = rapor;
    bool hataVerdi = false;
    {
        YazdırılıyorFormu ilerleme(pencere);
        ilerleme.exec();
        hataVerdi = ilerleme.yordamHataVerdi();
    }
    // a print cut short by an error is not sent half done; one left open is ended
    if (hataVerdi) y.belgeyiİptalEt();
    else if (y.belgeAçık()) y.belgeyiBitir();
    if (düğme) düğme->setEnabled(true);
    if (pencere) pencere->unsetCursor();
    if (hataVerdi || y.bitenBelgeSayısı() == öncekiBelgeler) return false;  // nothing printed (e.g. a refusal)
    if (!y.sonBelgeBaşarılı()) {
        Uyarı(QStringLiteral("Belge yazıcıya gönderilemedi!\n\nLütfen, yazıcınızı kontrol edip tekrar deneyiniz."));
        return false;
    }
    return true;
}

bool YazdırmaDüğmesi(QWidget* pencere, QWidget* düğme, int rapor) {
    return YazıcıVarMı() && YazıcıSeçipYazdır(pencere, düğme, rapor);
}

void OrtalıBaşlıkYaz(Yazıcı& y, double üst, const QString& başlık) {
    y.yazıBoyutuKoy(12);
    y.kalınKoy(true);
    y.Y = üst;
    y.X = (SayfaGenişliği - y.metinGenişliği(başlık)) / 2;
    y.yaz(başlık);
    y.yazıBoyutuKoy(8);
}

void SayfaNumarasıYaz(Yazıcı& y) {
    const QString metin = QStringLiteral("Sayfa - ") + QString::number(y.sayfaNo());
    y.X = SayfaGenişliği - (y.metinGenişliği(metin) + 10);
    y.yaz(metin);
}

bool SayfaDolduysaYeniSayfa(Yazıcı& y) {
    if (y.Y + AltBoşluk + 5 < SayfaYüksekliği) return false;
    y.Y = SayfaYüksekliği - AltBoşluk;
    SayfaNumarasıYaz(y);
    y.yeniSayfa();
    return true;
}

void SonSayfaNumarasınıYaz(Yazıcı& y) {
    if (y.sayfaNo() <= 1) return;
    y.Y = SayfaYüksekliği - AltBoşluk;
    SayfaNumarasıYaz(y);
}

void SağaYaslıYaz(Yazıcı& y, double başlıkX, const QString& başlık, const QString& metin, bool satırıBitir) {
    y.X = başlıkX + y.metinGenişliği(başlık) - y.metinGenişliği(metin);
    y.yaz(metin, satırıBitir);
}

void ListeOluştur(QWidget* pencere, const QString& tag) {
    ListeOluşturuluyorFormu ilerleme(pencere);
    ilerleme.Tag = tag;
    ilerleme.exec();
}

void ListeyiDışaAktar(QWidget* pencere, int satırSayısı, const QString& tag) {
    if (satırSayısı <= 0) return;
    if (KayıtDefteriDeğeriOku(QStringLiteral("Excel.Application"), QString()).isEmpty()) {
        Bilgi(QStringLiteral("Bilgisayarınızda MS Excel kurulu değil!"));
        return;
    }
    ListeOluşturuluyorFormu ilerleme(pencere);
    ilerleme.AktarmaGörünümü();
    ilerleme.Tag = tag;
    ilerleme.exec();
}

SürenAktarım::SürenAktarım(ÇalışmaKitabı& kitap) {
    ExcelUygulaması = [&kitap] { kitap.bırak(); };
}

SürenAktarım::~SürenAktarım() { ExcelUygulaması = nullptr; }

QString ÇalışmaKitabınıKaydedipAç(ÇalışmaKitabı& kitap, const QString& kök) {
    const QString yol = kitap.kaydet(kök);
    if (!yol.isEmpty() && !ÇalışmaKitabınıAç(yol))
        Bilgi(QStringLiteral("Çalışma kitabı açılamadı. Dosya:\n") + QDir::toNativeSeparators(yol));
    return yol;
}
