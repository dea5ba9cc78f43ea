#include "tests/ortak/TestOrtamı.h"

#include "platform/AyarDeposu.h"
#include "platform/Masaüstü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/ListeDenetimi.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/VeritabanıTabloları.h"
#include "shell/YazıcıSeçmeFormu.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <sqlcipher/sqlite3.h>

void TestOrtamı::SetUp() {
    ASSERT_TRUE(geçici.isValid());
    qputenv("DEPORA_AYAR_KLASORU", (klasör() + "/ayarlar").toLocal8Bit());
    qputenv("DEPORA_PROGRAM_KLASORU", (klasör() + "/program").toLocal8Bit());
    qputenv("DEPORA_VERI_KLASORU", (klasör() + "/veri").toLocal8Bit());
    qputenv("DEPORA_BELGE_KLASORU", (klasör() + "/belgeler").toLocal8Bit());
    QDir().mkpath(klasör() + "/program");
    QDir().mkpath(klasör() + "/belgeler");
    AyarDeposu::yenidenYükle();
    MesajKapısı::yanıtlayıcıKur([this](const MesajKaydı& m) {
        mesajlar.push_back(m);
        if (mesajGelince) mesajGelince(m);
        if (m.düğmeler == MesajDüğmeleri::Tamam) return MesajCevabı::Tamam;
        if (soruSırasında) soruSırasında();
        if (cevaplar.empty()) return m.varsayılan;
        const auto c = cevaplar.front();
        cevaplar.pop_front();
        return c;
    });
    ProgramSonlandırıcısıKur([this] { ++sonlandırmaSayısı; });
    ProgramKlasörü = klasör() + "/program/";
    VeriTabanı.yeniOluştur(ProgramKlasörü + "Ambar.vtb");
    TemelTablolarıOluştur(VeriTabanı);
    // Program-wide state back to its start values.
    ÇizgiliListeler = true;
    GirişFişiKopyaSayısı = ÇıkışFişiKopyaSayısı = SayımCetveliKopyaSayısı = MalzemeCetveliKopyaSayısı = 1;
    GirişŞifresiSor = false;
    ArşivModu = false;
    AramaYapıldı = false;
    SıralananSütun = SıralamaYönü = SayısalSıralama = 0;
    YazıcıSeçimiİptal = false;
    YazıcıListesiKaynağıKur([] { return std::vector<YazıcıBilgisi>{{"Kayıt Yazıcısı", "LPT1:", true}}; });
    YazıcıArkaUcuYapıcısıKur([k = basılanlar](const QString& ad) { return std::make_unique<KayıtArkaUcu>(k, ad); });
    GeçerliYazıcıyıSıfırla();
}

void TestOrtamı::TearDown() {
    ModalAdımlarınıDurdur();
    VeriTabanı.kapat();
    MesajKapısı::yanıtlayıcıKaldır();
    ProgramSonlandırıcısıKur(nullptr);
    AyarDeposu::yenidenYükle();
    YazıcıListesiKaynağıKur(nullptr);
    YazıcıArkaUcuYapıcısıKur(nullptr);
    GeçerliYazıcıyıSıfırla();
    YazıcıVar = false;
    Masaüstü::işleyiciSorgusuKur(nullptr);
    Masaüstü::adresAçıcıKur(nullptr);
}

QStringList TestOrtamı::mesajMetinleri() const {
    QStringList l;
    for (const auto& m : mesajlar) l << m.metin;
    return l;
}

ÖtekiKoltuk YazmaKilidiTutar() {
    return {"write lock held", [](VeritabanıBağlantısı& b, int) { b.betikÇalıştır("BEGIN IMMEDIATE"); },
            "Veritabanı şu anda başka bir kullanıcı tarafından güncelleniyor!\r\n\r\n"
            "Lütfen, biraz sonra yeniden deneyiniz."};
}

ÖtekiKoltuk ParçayıSiler(qlonglong parça, const QString& ad, int satır) {
    const auto sil = [parça](auto& b, int) { b.çalıştır("DELETE FROM ParcaBilgileriTablosu WHERE ParcaNo=?", {parça}); };
    return {"part deleted", sil, "Listedeki " + ad + " adlı parça başka bir kullanıcı tarafından silinmiş!\r\n\r\n"
            "Lütfen, bu parçayı listeden çıkarınız.", satır};
}

std::unique_ptr<VeritabanıBağlantısı> ÖtekiKoltuğuAç() {
    auto öteki = std::make_unique<VeritabanıBağlantısı>();
    öteki->aç(VeriTabanı.yol());
    sqlite3_busy_timeout(VeriTabanı.tutamaç(), 50);
    return öteki;
}

std::shared_ptr<VeritabanıBağlantısı> YazarkenBırakanKoltuk(const std::function<void(VeritabanıBağlantısı&)>& değiştir) {
    std::shared_ptr<VeritabanıBağlantısı> öteki(ÖtekiKoltuğuAç().release(), [](VeritabanıBağlantısı* b) {
        if (VeriTabanı.tutamaç()) sqlite3_busy_timeout(VeriTabanı.tutamaç(), 50);  // the busy handler goes
        delete b;
    });
    öteki->işlemBaşlat();
    değiştir(*öteki);
    const auto bırakır = [](void* b, int kaçıncı) {
        auto* ö = static_cast<VeritabanıBağlantısı*>(b);
        try {
            return kaçıncı == 0 && ö->işlemde() ? (ö->işlemOnayla(), 1) : 0;
        } catch (...) {
            return 0;
        }
    };
    sqlite3_busy_handler(VeriTabanı.tutamaç(), bırakır, öteki.get());
    return öteki;
}

void TestOrtamı::düşmancaMetinleriDene(int kutular, const std::function<QLineEdit*(int)>& hazırla,
                                       const char* ayrıl, const std::function<void()>& kaydet,
                                       const std::function<void(int, const QString&, bool)>& denetle) {
    for (const QString& metin : DüşmancaMetinler())
        for (int kutu = 0; kutu < kutular; ++kutu) {
            SCOPED_TRACE(std::to_string(kutu) + " " + metin.left(40).toStdString());
            QLineEdit* k = hazırla(kutu);
            if (!k) return ADD_FAILURE() << "no box";
            Yapıştır(k, metin);
            if (ayrıl) k->window()->findChild<QWidget*>(QString::fromUtf8(ayrıl))->setFocus();
            const QString gösterilen = k->text();
            const auto önce = mesajlar.size();
            kaydet();
            const bool reddedildi = mesajlar.size() > önce;
            EXPECT_FALSE(reddedildi && sonMesaj().contains("Hata Kodu")) << sonMesaj().toStdString();
            denetle(kutu, gösterilen, reddedildi);
        }
}

void TestOrtamı::ötekiKoltuklarıDene(const std::vector<ÖtekiKoltuk>& durumlar, const char* tablo, const char* yaz,
                                     const QString& toplam, const std::function<ListeDenetimi*(int)>& hazırla,
                                     const std::function<void()>& kaldı) {
    const auto kayıtlar = [&] { return VeriTabanı.tekDeğer(QString("SELECT COUNT(*) FROM ") + tablo).toInt(); };
    int fişNo = 6000;
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        ListeDenetimi* liste = hazırla(++fişNo);
        const int satırlar = liste->satırSayısı();
        const auto öteki = ÖtekiKoltuğuAç();
        d.arada(*öteki, fişNo);
        const int önce = kayıtlar();
        mesajlar.clear();
        auto* düğme = liste->window()->findChild<QPushButton*>(QString::fromUtf8(yaz));
        düğme->click();
        EXPECT_EQ(mesajMetinleri(), QStringList{d.mesaj});
        EXPECT_EQ(kayıtlar(), önce);
        EXPECT_EQ(sonlandırmaSayısı, 0);
        EXPECT_EQ(liste->satırSayısı(), satırlar);
        auto* fiş = liste->window()->findChild<QLineEdit*>(QStringLiteral("FişNoKutusu"));
        EXPECT_EQ(fiş->text(), QString::number(fişNo));
        EXPECT_FALSE(fiş->isEnabled());
        EXPECT_EQ(liste->window()->findChild<QLineEdit*>(QStringLiteral("ListeToplamıKutusu"))->text(), toplam);
        if (d.seçiliSatır >= 0) { EXPECT_EQ(liste->seçiliSatır(), d.seçiliSatır); }
        if (kaldı) kaldı();
        if (!öteki->işlemde()) continue;
        öteki->işlemGeriAl();  // the lock let go, the list is written whole
        düğme->click();
        EXPECT_EQ(kayıtlar(), önce + satırlar);
    }
}

bool EtkinGöster(QWidget* pencere) {
    pencere->show();
    pencere->activateWindow();
    return QTest::qWaitForWindowActive(pencere);
}

namespace {

// The steps still waiting for their modal window, or watching it close.
std::vector<QPointer<QTimer>>& bekleyenAdımlar() {
    static std::vector<QPointer<QTimer>> adımlar;
    return adımlar;
}

// Closes the modal windows that are open, innermost first.
void modallarıKapat() {
    for (int i = 0; i < 10; ++i) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        else w->close();
    }
}

}  // namespace

void ModalGelinceÇalıştır(std::function<void(QWidget*)> iş, int süreMs) {
    struct Durum {
        QElapsedTimer süre;
        bool çalıştı = false;
        QPointer<QWidget> açılan;
    };
    auto* zamanlayıcı = new QTimer;
    zamanlayıcı->setInterval(10);
    bekleyenAdımlar().emplace_back(zamanlayıcı);
    auto d = std::make_shared<Durum>();
    d->süre.start();
    QObject::connect(zamanlayıcı, &QTimer::timeout, [zamanlayıcı, iş, d, süreMs] {
        const auto bitir = [zamanlayıcı] {
            zamanlayıcı->stop();
            zamanlayıcı->deleteLater();
        };
        if (d->çalıştı) {  // watching the window the step should have closed
            if (!d->açılan || !d->açılan->isVisible()) return bitir();
            if (d->süre.elapsed() < süreMs) return;
            ADD_FAILURE() << "the step left the modal window " << d->açılan->objectName().toStdString()
                          << " open; it is closed";
            modallarıKapat();
            return bitir();
        }
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            if (d->süre.elapsed() < süreMs) return;
            ADD_FAILURE() << "no modal window came within " << süreMs << " ms";
            return bitir();
        }
        zamanlayıcı->stop();  // the step may run modal loops of its own
        d->çalıştı = true;
        d->açılan = w;
        iş(w);
        if (!d->açılan || !d->açılan->isVisible()) return bitir();
        d->süre.restart();
        zamanlayıcı->start();
    });
    zamanlayıcı->start();
}

void YazıcıSeçimindeTamam(bool iptal) {
    ModalGelinceÇalıştır<YazıcıSeçmeFormu>([iptal](YazıcıSeçmeFormu* f) {
        (iptal ? f->İptalDüğmesi : f->TamamDüğmesi)->click();
    });
}

bool ModalAdımıBekliyor() {
    return std::any_of(bekleyenAdımlar().begin(), bekleyenAdımlar().end(),
                       [](const QPointer<QTimer>& z) { return z && z->isActive(); });
}

void ModalAdımlarınıDurdur() {
    for (const auto& z : bekleyenAdımlar()) delete z.data();
    bekleyenAdımlar().clear();
}

QStringList SekmeSırası(QWidget* ilk) {
    QStringList sıra;
    QWidget* w = ilk;
    do {
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
            !w->objectName().startsWith(QStringLiteral("qt_")))
            sıra << w->objectName();
        w = w->nextInFocusChain();
    } while (w != ilk);
    return sıra;
}

void Yaz(QWidget* hedef, const QString& metin) {
    for (QChar c : metin) {
        if (c.unicode() < 128) {
            QTest::keyClick(hedef, c.toLatin1());
            continue;
        }
        QKeyEvent bas(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent bırak(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(hedef, &bas);
        QApplication::sendEvent(hedef, &bırak);
    }
}

QJsonObject ÇalışmaKitabınıOku(const char* betik, const QString& yol) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromUtf8(betik), yol});
    if (!p.waitForFinished(30000)) {
        ADD_FAILURE() << "python3 did not finish";
        return {};
    }
    if (p.exitCode() != 0) ADD_FAILURE() << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QStringList DüşmancaMetinler() {
    return {QString(5000, u'9'), "UZUN " + QString(3000, u'X'), "A\tB\r\nC" + QString(QChar(1)) + "D",
            "NUL" + QString(QChar(0)) + "SONRA", "AB\x1b[31mCDE", QString::fromUtf16(u"G\U0001F600L\U0001F9F0"),
            QString::fromUtf16(u"e\u0301\u0308 \u0130"), QString::fromUtf16(u"\u202E\u05E9\u05DC\u05D5\u05DD 12"),
            "' % _ \\", "'; DROP TABLE GirisIslemleriTablosu; --", "1e308", "-0", "-5", "1.000.000,5", "NaN",
            QString(20, u'9'), QString(QChar(0xD800)) + "X"};
}

void Yapıştır(QLineEdit* kutu, const QString& metin) {
    kutu->setFocus();
    kutu->selectAll();
    QApplication::clipboard()->setText(metin);
    QTest::keyClick(kutu, Qt::Key_V, Qt::ControlModifier);
}
