#include "shell/OrtakYordamlarModülü.h"

#include "platform/AyarDeposu.h"
#include "platform/Masaüstü.h"
#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "shell/DepoBakımı.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakMetinleri.h"
#include "shell/Twip.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QAbstractButton>
#include <QDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>
#include <vector>

namespace {
std::function<void()>& sonlandırıcı() {
    static std::function<void()> s;
    return s;
}

// A damaged store: where it is and where its newest backup is. The finding is noted beside
// the store, so that the next start checks all of it and offers the restore when it fails.
QString bozukVeritabanıAçıklaması() {
    const QString yol = VeriTabanı.yol().isEmpty() ? ProgramKlasörü + QStringLiteral("Ambar.vtb") : VeriTabanı.yol();
    const QFileInfo yedek(YedekDosyası);
    const QString yedekDurumu =
        yedek.exists() ? QStringLiteral("Son yedeğiniz: %1 (%2)")
                             .arg(QDir::toNativeSeparators(yedek.absoluteFilePath()),
                                  yedek.lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm")))
                       : QStringLiteral("Yedeğiniz bulunamadı.");
    const QString ne = BozukluğuKaydet(yol)
                           ? QStringLiteral("Program bir sonraki açılışında dosyanın tamamını denetleyecek; bozuksa "
                                            "yedekten oluşturmayı önerecek.")
                           : QStringLiteral("Programı kapatıp bozuk dosyayı başka bir adla saklarsanız, program "
                                            "açılırken yedekten oluşturmayı önerir.");
    return QStringLiteral("Veritabanı dosyanız bozulmuş: %1\r\n%2\r\n%3").arg(QDir::toNativeSeparators(yol), yedekDurumu, ne);
}

void sabitMesajlaBitir(const QString& metin) {
    MesajGöster(metin, MesajSimgesi::Ünlem);
    ProgramıSonlandır();
}
}  // namespace

void ProgramSonlandırıcısıKur(std::function<void()> s) { sonlandırıcı() = std::move(s); }

void ProgramıSonlandır() {
    if (sonlandırıcı()) {
        sonlandırıcı()();
        return;
    }
    std::_Exit(0);
}

void HataYönet(int numara, const QString& açıklama) {
    switch (numara) {
    case HataNo::YazıcıHatası:
    case HataNo::ÖzelKullanımda:
        return;
    case HataNo::ŞifreYanlış:
        sabitMesajlaBitir(QStringLiteral("Veritabanı dosyanız önceki sürüme ait! Lütfen, kontrol edip tekrar deneyiniz!"));
        return;
    case HataNo::AğBağlantısı:
    case HataNo::YolBulunamadı:
        sabitMesajlaBitir(QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!"));
        return;
    case HataNo::DosyayaErişilemiyor:
        sabitMesajlaBitir(QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"));
        return;
    case HataNo::Meşgul:
        // nothing was stored; the action can simply be tried again
        Uyarı(QStringLiteral("Veritabanı şu anda başka bir kullanıcı tarafından güncelleniyor!\r\n\r\n"
                             "Lütfen, biraz sonra yeniden deneyiniz."));
        return;
    default:
        break;
    }
    const QString metin = KaynakMetni(40) + QStringLiteral("\r\n\r\n") + KaynakMetni(50) + QLatin1Char(' ') +
                          QString::number(numara) + QStringLiteral("\r\n\r\n") + KaynakMetni(60) +
                          QLatin1Char(' ') + (numara == HataNo::VeritabanıBozuk ? bozukVeritabanıAçıklaması() : açıklama);
    const auto cevap = MesajGöster(metin, MesajSimgesi::Kritik, MesajDüğmeleri::EvetHayır, KaynakMetni(70),
                                   MesajCevabı::Evet);
    if (cevap == MesajCevabı::Hayır) {
        if (ExcelUygulaması) {
            auto temizle = std::move(ExcelUygulaması);
            ExcelUygulaması = nullptr;
            temizle();
        }
        ProgramıSonlandır();
    }
}

void HataYönet(const std::exception& hata) {
    if (const auto* d = dynamic_cast<const DeporaHatası*>(&hata)) {
        HataYönet(d->numara(), d->açıklama());
        return;
    }
    HataYönet(5, QString::fromLocal8Bit(hata.what()));
}

bool HataYönetimiyle(const std::function<void()>& iş) {
    try {
        iş();
        return true;
    } catch (const std::exception& e) {
        VeriTabanı.işlemGeriAl();
        HataYönet(e);
    }
    return false;
}

namespace {
class OlayFiltresi : public QObject {
public:
    OlayFiltresi(QObject* hedef, std::function<bool(QEvent*)> işle) : QObject(hedef), işle_(std::move(işle)) {
        hedef->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* olay) override { return işle_(olay); }

private:
    std::function<bool(QEvent*)> işle_;
};
}  // namespace

void OlayDinle(QObject* hedef, std::function<bool(QEvent*)> işle) { new OlayFiltresi(hedef, std::move(işle)); }

void PencereyiSabitle(QDialog* pencere) {
    pencere->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint);
    QLayout* l = pencere->layout();
    if (!l) return;
    l->setSizeConstraint(QLayout::SetFixedSize);
    // A narrow dialog is kept wide enough for its caption, the window icon and
    // the close button, so the title bar does not cut its caption short.
    if (auto* dikey = qobject_cast<QVBoxLayout*>(l)) {
        QFont kalın = pencere->font();
        kalın.setBold(true);
        dikey->addStrut(QFontMetrics(kalın).horizontalAdvance(pencere->windowTitle()) + 110);
    }
}

void SabitBoyutlu(QDialog* pencere, int genişlik, int yükseklik) {
    PencereyiSabitle(pencere);
    pencere->setFixedSize(TwiptenPiksel(genişlik), TwiptenPiksel(yükseklik));
}

void TwipİleYerleştir(QWidget* denetim, int sol, int üst, int genişlik, int yükseklik) {
    denetim->setGeometry(TwiptenPiksel(sol), TwiptenPiksel(üst), TwiptenPiksel(genişlik), TwiptenPiksel(yükseklik));
}

QPushButton* AdlıDüğme(QWidget* üst, const QString& ad, const QString& yazı) {
    auto* d = new QPushButton(yazı, üst);
    d->setObjectName(ad);
    return d;
}

std::pair<QGroupBox*, QWidget*> ÇerçeveVeAltlıkYap(QDialog* pencere, const QString& başlık) {
    auto* çerçeve = new QGroupBox(başlık, pencere);
    çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    auto* altlık = new QWidget(çerçeve);
    altlık->setObjectName(QStringLiteral("Altlık"));
    altlık->setAutoFillBackground(true);  // in the window's background colour
    altlık->setBackgroundRole(QPalette::Window);
    return {çerçeve, altlık};
}

void ÇerçeveliDüzenKur(QDialog* pencere, QGroupBox* çerçeve, QWidget* altlık,
                       std::initializer_list<std::pair<QWidget*, QWidget*>> satırlar, QAbstractButton* tamam,
                       QAbstractButton* iptal) {
    auto* ızgara = new QGridLayout(altlık);
    int satır = 0;
    for (const auto& [etiket, alan] : satırlar) {
        ızgara->addWidget(etiket, satır, 0);
        ızgara->addWidget(alan, satır++, 1);
    }
    auto* çerçeveDüzeni = new QVBoxLayout(çerçeve);
    çerçeveDüzeni->addWidget(altlık);
    auto* düğmeler = new QHBoxLayout;
    düğmeler->addStretch();
    düğmeler->addWidget(tamam);
    düğmeler->addWidget(iptal);
    auto* d = new QVBoxLayout(pencere);
    d->addWidget(çerçeve);
    d->addLayout(düğmeler);
}

void MetniSeç(QWidget* kutu) {
    if (auto* e = qobject_cast<QLineEdit*>(kutu)) {
        e->selectAll();
    } else if (auto* c = qobject_cast<QComboBox*>(kutu); c && c->lineEdit()) {
        c->lineEdit()->selectAll();
    }
}

QString KayıtDefteriDeğeriOku(const QString& anahtar, const QString& değerAdı) {
    if (değerAdı == QStringLiteral("ProgramFilesDir")) return Masaüstü::veriKlasörü();
    if (değerAdı == QStringLiteral("RegisteredOwner")) return Masaüstü::kullanıcıAdı();
    if (değerAdı == QStringLiteral("RegisteredOrganization")) return Masaüstü::kuruluş();
    if (anahtar == QStringLiteral("Excel.Application"))
        return Masaüstü::işleyiciVarMı(QStringLiteral("xlsx")) ? QStringLiteral("Excel.Application") : QString();
    return {};
}

QString BaşHarfleriBüyüt(const QString& metin) {
    QString s = metin.trimmed();
    s.replace(QChar(u'I'), QChar(u'ı'));
    s.replace(QChar(u'İ'), QChar(u'i'));
    auto büyüt = [&](int i) {
        const QChar c = s[i];
        if (c == QChar(u'ı')) s[i] = QChar(u'I');
        else if (c == QChar(u'i')) s[i] = QChar(u'İ');
        else s[i] = c.toUpper();
    };
    if (s.isEmpty()) return s;
    büyüt(0);
    for (QChar ayraç : {QChar(u' '), QChar(u'/'), QChar(u'-'), QChar(u'.')})
        for (int i = 0; i + 1 < s.size(); ++i)
            if (s[i] == ayraç) büyüt(i + 1);
    return s;
}

QString SoyadınıBüyüt(const QString& ad) {
    const QString s = ad.trimmed();
    const int boşluk = s.lastIndexOf(QLatin1Char(' '));
    if (boşluk < 0) {
        BoşlukKonumu = 0;
        return s;
    }
    BoşlukKonumu = boşluk + 2;  // 1-based position of the surname's first letter
    QString soyadı = s.mid(boşluk + 1);
    soyadı.replace(QChar(u'ı'), QChar(u'I'));
    soyadı.replace(QChar(u'i'), QChar(u'İ'));
    return s.left(boşluk + 1) + soyadı.toUpper();
}

double ParçaStokMiktarı(std::int64_t parçaNo) {
    const double giriş = VeriTabanı
                             .tekDeğer(QStringLiteral("SELECT SUM(Miktari) AS GirisToplami FROM GirisIslemleriTablosu "
                                                      "WHERE ParcaNo=?"),
                                       {static_cast<qlonglong>(parçaNo)})
                             .toDouble();
    const double çıkış = VeriTabanı
                             .tekDeğer(QStringLiteral("SELECT SUM(Miktari) AS CikisToplami FROM CikisIslemleriTablosu "
                                                      "WHERE ParcaNo=?"),
                                       {static_cast<qlonglong>(parçaNo)})
                             .toDouble();
    return Normalleştir(giriş - çıkış);
}

QString AyarOku(const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
    return AyarDeposu::oku(UygulamaAdı, bölüm, anahtar, varsayılan);
}

void AyarYaz(const QString& bölüm, const QString& anahtar, const QString& değer) {
    AyarDeposu::yaz(UygulamaAdı, bölüm, anahtar, değer);
}

void HatırlananlarıYükle(QComboBox* kutu, const QString& bölüm) {
    for (const auto& [anahtar, değer] : AyarDeposu::bölümüOku(UygulamaAdı, bölüm)) kutu->addItem(değer);
}

void DeğeriHatırla(QComboBox* kutu, const QString& bölüm, const QString& önek, const QString& değer,
                   const QStringList& sabitler) {
    if (değer.isEmpty()) return;
    for (int i = 0; i < kutu->count(); ++i)
        if (TürkçeAynı(kutu->itemText(i), değer)) return;
    const QString metin = kutu->currentText();
    // rows of the remembered entries, top down
    auto hatırlananlar = [&] {
        std::vector<int> s;
        for (int i = 0; i < kutu->count(); ++i)
            if (!sabitler.contains(kutu->itemText(i))) s.push_back(i);
        return s;
    };
    const bool doluydu = hatırlananlar().size() >= 10;
    kutu->insertItem(0, değer);
    auto satırlar = hatırlananlar();
    if (!doluydu) {
        AyarYaz(bölüm, önek + QLatin1Char('-') + QString::number(satırlar.size()), değer);
    } else {
        while (satırlar.size() > 10) {
            kutu->removeItem(satırlar.back());
            satırlar.pop_back();
        }
        for (std::size_t i = 0; i < satırlar.size(); ++i)
            AyarYaz(bölüm, önek + QLatin1Char('-') + QString::number(i + 1), kutu->itemText(satırlar[i]));
    }
    if (kutu->isEditable()) kutu->setEditText(metin);
}

QString Şifrele(const QString& metin, const QString& alfabe, const QString& anahtar) {
    QString sonuç;
    const auto L = alfabe.size();
    if (L == 0 || anahtar.isEmpty()) return sonuç;
    qsizetype anahtarKonumu = 0;
    for (QChar c : metin) {
        const auto p = alfabe.indexOf(c);
        const auto k = alfabe.indexOf(anahtar[anahtarKonumu]);
        if (p >= 0 && k >= 0) sonuç += alfabe[((k - p) % L + L) % L];
        anahtarKonumu = (anahtarKonumu + 1) % anahtar.size();
    }
    return sonuç;
}
