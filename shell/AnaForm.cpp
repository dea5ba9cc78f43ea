#include "shell/AnaForm.h"

#include "platform/MesajKapısı.h"
#include "platform/SayıTarih.h"
#include "shell/ArşivModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiBelirleDeğiştirFormu.h"
#include "shell/HakkındaFormu.h"
#include "shell/HataBildirmeFormu.h"
#include "shell/KaynakSimgeleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/TercihlerFormu.h"
#include "shell/Twip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace {

const QString AyarBölümü = QStringLiteral("Ayarlar");

// A stored placement value in twips; a text that is not a number goes to the
// error routine and gives nothing, so that dimension keeps its value.
std::optional<int> yerleşimDeğeri(const QString& anahtar, int varsayılan) {
    const QString metin = AyarOku(AyarBölümü, anahtar, QString::number(varsayılan)).trimmed();
    bool sayı = false;
    const int değer = metin.toInt(&sayı);
    if (sayı) return değer;
    HataYönet(13, QStringLiteral("Tür uyuşmazlığı: \"%1\" = \"%2\"").arg(anahtar, metin));
    return std::nullopt;
}

QString twip(int piksel) { return QString::number(PikseldenTwip(piksel)); }

}  // namespace

AnaForm::AnaForm(QWidget* üst, AçıcıKaynağı açıcılar) : QMainWindow(üst), açıcılar_(std::move(açıcılar)) {
    setObjectName(QStringLiteral("AnaForm"));
    setWindowTitle(ProgramBaşlığı);
    resize(640, 480);
    menüleriKur();
    düğmeÇubuğunuKur();
    durumÇubuğunuKur();
    qApp->installEventFilter(this);
    // the system's shutdown closes without asking
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { kendiKapatıyor_ = true; });
    etkinleşti();
}

// The main window's own dialogs, shown modally over it.
template <class PencereSınıfı>
void AnaForm::göster() {
    PencereSınıfı pencere(this);
    pencere.exec();
    etkinleşti();
}

QAction* AnaForm::öğe(QMenu* menü, const QString& ad, const QString& başlık, const QKeySequence& kısayol,
                      std::function<void()> iş) {
    QAction* a = menü->addAction(başlık);
    a->setObjectName(ad);
    a->setShortcut(kısayol);
    if (iş) connect(a, &QAction::triggered, this, [iş] { iş(); });
    return a;
}

QAction* AnaForm::çizgi(QMenu* menü, const QString& ad) {
    QAction* a = menü->addSeparator();
    a->setObjectName(ad);
    return a;
}

void AnaForm::bağla(QAction* eylem, Pencere pencere, bool arşivKapısı) {
    eylem->setEnabled(static_cast<bool>(açıcılar_(pencere)));
    connect(eylem, &QAction::triggered, this, [this, pencere, arşivKapısı] { aç(pencere, arşivKapısı); });
}

void AnaForm::menüleriKur() {
    auto menü = [this](QWidget* üst, const QString& ad, const QString& başlık) {
        QMenu* m = qobject_cast<QMenuBar*>(üst) ? static_cast<QMenuBar*>(üst)->addMenu(başlık)
                                                : static_cast<QMenu*>(üst)->addMenu(başlık);
        m->setObjectName(ad);
        return m;
    };
    const auto yok = std::function<void()>();

    ProgramMenüsü = menü(menuBar(), QStringLiteral("ProgramMenüsü"), QStringLiteral("&Program"));
    GirişŞifresiBelirleDeğiştirMenüsü =
        öğe(ProgramMenüsü, QStringLiteral("GirişŞifresiBelirleDeğiştirMenüsü"),
            QStringLiteral("Giriş Şifresi Belirle/Değiştir..."), QKeySequence(QStringLiteral("Ctrl+G")),
            [this] { GirişŞifresiBelirleDeğiştirMenüsü_Click(); });
    TercihlerMenüsü = öğe(ProgramMenüsü, QStringLiteral("TercihlerMenüsü"), QStringLiteral("&Tercihler..."),
                          QKeySequence(QStringLiteral("Ctrl+T")), [this] { TercihlerMenüsü_Click(); });
    çizgi(ProgramMenüsü, QStringLiteral("ProgramMenüÇizgisi1"));
    ArşivİşlemleriMenüsü = menü(ProgramMenüsü, QStringLiteral("ArşivİşlemleriMenüsü"), QStringLiteral("Arşiv İşlemleri"));
    TümFişleriArşivleMenüsü = öğe(ArşivİşlemleriMenüsü, QStringLiteral("TümFişleriArşivleMenüsü"),
                                  QStringLiteral("Tüm Fişleri Arşivle"), QKeySequence(QStringLiteral("Ctrl+A")),
                                  [this] { TümFişleriArşivleMenüsü_Click(); });
    çizgi(ArşivİşlemleriMenüsü, QStringLiteral("ProgramMenüÇizgisi3"));
    ArşivlenenGirişFişleriniGösterMenüsü =
        öğe(ArşivİşlemleriMenüsü, QStringLiteral("ArşivlenenGirişFişleriniGösterMenüsü"),
            QStringLiteral("Arşivlenen Giriş Fişlerini Göster..."), QKeySequence(QStringLiteral("Ctrl+I")),
            [this] { ArşivlenenGirişFişleriniGösterMenüsü_Click(); });
    ArşivlenenGirişFişleriniGösterMenüsü->setEnabled(static_cast<bool>(açıcılar_(Pencere::GirişFişleri)));
    ArşivlenenÇıkışFişleriniGösterMenüsü =
        öğe(ArşivİşlemleriMenüsü, QStringLiteral("ArşivlenenÇıkışFişleriniGösterMenüsü"),
            QStringLiteral("Arşivlenen Çıkış Fişlerini Göster..."), QKeySequence(QStringLiteral("Ctrl+K")),
            [this] { ArşivlenenÇıkışFişleriniGösterMenüsü_Click(); });
    ArşivlenenÇıkışFişleriniGösterMenüsü->setEnabled(static_cast<bool>(açıcılar_(Pencere::ÇıkışFişleri)));
    çizgi(ProgramMenüsü, QStringLiteral("ProgramMenüÇizgisi4"));
    ÇıkışMenüsü = öğe(ProgramMenüsü, QStringLiteral("ÇıkışMenüsü"), QStringLiteral("Çıkış"), QKeySequence(),
                      [this] { ProgramKapatsın(); });

    AmbarİşlemleriMenüsü = menü(menuBar(), QStringLiteral("AmbarİşlemleriMenüsü"), QStringLiteral("&Ambar İşlemleri"));
    ParçaTanımlaMenüsü = öğe(AmbarİşlemleriMenüsü, QStringLiteral("ParçaTanımlaMenüsü"), QStringLiteral("&Parça Tanımla..."),
                             QKeySequence(QStringLiteral("Ctrl+N")), yok);
    bağla(ParçaTanımlaMenüsü, Pencere::ParçaTanımla, false);
    çizgi(AmbarİşlemleriMenüsü, QStringLiteral("AmbarİşlemleriMenüÇizgisi1"));
    AmbaraGirişMenüsü = öğe(AmbarİşlemleriMenüsü, QStringLiteral("AmbaraGirişMenüsü"), QStringLiteral("Ambara &Giriş..."),
                            QKeySequence(Qt::Key_F2), yok);
    bağla(AmbaraGirişMenüsü, Pencere::ParçaGirişi, true);
    AmbardanÇıkışMenüsü = öğe(AmbarİşlemleriMenüsü, QStringLiteral("AmbardanÇıkışMenüsü"),
                              QStringLiteral("Ambardan Çı&kış..."), QKeySequence(Qt::Key_F3), yok);
    bağla(AmbardanÇıkışMenüsü, Pencere::ParçaÇıkışı, true);
    AmbarHareketleriMenüsü = öğe(AmbarİşlemleriMenüsü, QStringLiteral("AmbarHareketleriMenüsü"),
                                 QStringLiteral("Ambar &Hareketleri"), QKeySequence(Qt::Key_F4), yok);
    bağla(AmbarHareketleriMenüsü, Pencere::ParçaHareketleri, true);
    çizgi(AmbarİşlemleriMenüsü, QStringLiteral("AmbarİşlemleriMenüÇizgisi2"));
    FişYazdırMenüsü = menü(AmbarİşlemleriMenüsü, QStringLiteral("FişYazdırMenüsü"), QStringLiteral("Fiş Yazdır"));
    GirişFişiYazdırMenüsü = öğe(FişYazdırMenüsü, QStringLiteral("GirişFişiYazdırMenüsü"),
                                QStringLiteral("&Giriş Fişi Yazdır..."), QKeySequence(Qt::Key_F5), yok);
    bağla(GirişFişiYazdırMenüsü, Pencere::GirişFişleri, false);
    ÇıkışFişiYazdırMenüsü = öğe(FişYazdırMenüsü, QStringLiteral("ÇıkışFişiYazdırMenüsü"),
                                QStringLiteral("Çı&kış Fişi Yazdır"), QKeySequence(Qt::Key_F6), yok);
    bağla(ÇıkışFişiYazdırMenüsü, Pencere::ÇıkışFişleri, false);
    SayımCetveliYazdırMenüsü = öğe(AmbarİşlemleriMenüsü, QStringLiteral("SayımCetveliYazdırMenüsü"),
                                   QStringLiteral("&Sayım Cetveli Yazdır"), QKeySequence(Qt::Key_F7), yok);
    bağla(SayımCetveliYazdırMenüsü, Pencere::SayımCetveli, false);
    MalzemeÇizelgesiYazdırÜstMenüsü = menü(AmbarİşlemleriMenüsü, QStringLiteral("MalzemeÇizelgesiYazdırÜstMenüsü"),
                                           QStringLiteral("Malzeme Çizelgesi (İcmal) Yazdır"));
    MalzemeÇizelgesiYazdırMenüsü[0] =
        öğe(MalzemeÇizelgesiYazdırÜstMenüsü, QStringLiteral("MalzemeÇizelgesiYazdırMenüsü0"),
            QStringLiteral("Ayrıntılı İcmal Yazdır..."), QKeySequence(Qt::Key_F8), [this] { MalzemeÇizelgesiYazdırMenüsü_Click(0); });
    MalzemeÇizelgesiYazdırMenüsü[0]->setEnabled(static_cast<bool>(açıcılar_(Pencere::MalzemeCetveli)));
    MalzemeÇizelgesiYazdırMenüsü[1] =
        öğe(MalzemeÇizelgesiYazdırÜstMenüsü, QStringLiteral("MalzemeÇizelgesiYazdırMenüsü1"),
            QStringLiteral("Özet İcmal Yazdır..."), QKeySequence(Qt::Key_F9), [this] { MalzemeÇizelgesiYazdırMenüsü_Click(1); });
    MalzemeÇizelgesiYazdırMenüsü[1]->setEnabled(static_cast<bool>(açıcılar_(Pencere::ÖzetMalzemeCetveli)));
    çizgi(AmbarİşlemleriMenüsü, QStringLiteral("AmbarİşlemleriMenüÇizgisi3"));
    AlınanYerlereGöreParçaHareketleriMenüsü =
        öğe(AmbarİşlemleriMenüsü, QStringLiteral("AlınanYerlereGöreParçaHareketleriMenüsü"),
            QStringLiteral("Alınan Yerlere Göre Parça Hareketleri"), QKeySequence(QStringLiteral("Ctrl+E")), yok);
    bağla(AlınanYerlereGöreParçaHareketleriMenüsü, Pencere::AlınanYerlereGöreHareketler, false);
    VerilenYerlereGöreParçaHareketleriMenüsü =
        öğe(AmbarİşlemleriMenüsü, QStringLiteral("VerilenYerlereGöreParçaHareketleriMenüsü"),
            QStringLiteral("Verilen Yerlere Göre Parça Hareketleri"), QKeySequence(QStringLiteral("Ctrl+R")), yok);
    bağla(VerilenYerlereGöreParçaHareketleriMenüsü, Pencere::VerilenYerlereGöreHareketler, false);

    YardımMenüsü = menü(menuBar(), QStringLiteral("YardımMenüsü"), QStringLiteral("&Yardım"));
    // the three help items have no help behind them: shown greyed
    İçindekilerMenüsü = öğe(YardımMenüsü, QStringLiteral("İçindekilerMenüsü"), QStringLiteral("İç&indekiler"),
                            QKeySequence(Qt::Key_F1), yok);
    DizinMenüsü = öğe(YardımMenüsü, QStringLiteral("DizinMenüsü"), QStringLiteral("&Dizin..."), QKeySequence(), yok);
    KlavyeKısayollarıMenüsü = öğe(YardımMenüsü, QStringLiteral("KlavyeKısayollarıMenüsü"),
                                  QStringLiteral("&Klavye Kısayolları"), QKeySequence(), yok);
    for (QAction* a : {İçindekilerMenüsü, DizinMenüsü, KlavyeKısayollarıMenüsü}) a->setEnabled(false);
    çizgi(YardımMenüsü, QStringLiteral("YardımMenüÇizgisi1"));
    HataBildirmeMenüsü = öğe(YardımMenüsü, QStringLiteral("HataBildirmeMenüsü"), QStringLiteral("&Hata Bildirme..."),
                             QKeySequence(), [this] { göster<HataBildirmeFormu>(); });
    HakkındaMenüsü = öğe(YardımMenüsü, QStringLiteral("HakkındaMenüsü"), QStringLiteral("Hakkında"), QKeySequence(),
                         [this] { göster<HakkındaFormu>(); });
}

void AnaForm::düğmeÇubuğunuKur() {
    DüğmeÇubuğu = addToolBar(QString());
    DüğmeÇubuğu->setObjectName(QStringLiteral("DüğmeÇubuğu"));
    DüğmeÇubuğu->setMovable(false);
    DüğmeÇubuğu->setFloatable(false);
    DüğmeÇubuğu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DüğmeÇubuğu->setContextMenuPolicy(Qt::PreventContextMenu);
    DüğmeÇubuğu->toggleViewAction()->setVisible(false);
    struct Tanım {
        int sıra;
        const char16_t* başlık;
        const char16_t* ipucu;
        const char16_t* simge;
        Pencere pencere;
    };
    const Tanım tanımlar[] = {
        {2, u"Parça Tanımla", u"Parça ekleme/değiştirme/silme", u"TANIMLA", Pencere::ParçaTanımla},
        {4, u"Parça Girişi", u"Ambara parça girişi", u"GIRIS", Pencere::ParçaGirişi},
        {5, u"Parça Çıkışı", u"Ambardan parça çıkışı", u"CIKIS", Pencere::ParçaÇıkışı},
        {6, u"Hareketler", u"Ambara giren/çıkan parçaların harekeleri", u"HAREKET", Pencere::ParçaHareketleri},
        {8, u"Fiş Yazdırma", u"Giriş ve çıkış fişi yazdırma", u"YAZDIR", Pencere::FişSeç},
    };
    const Tanım* t = tanımlar;
    for (int sıra = 1; sıra <= 8; ++sıra) {
        if (t == std::end(tanımlar) || t->sıra != sıra) {
            Düğme[sıra] = DüğmeÇubuğu->addSeparator();
        } else {
            Düğme[sıra] = DüğmeÇubuğu->addAction(KaynakSimgesi(QString::fromUtf16(t->simge)),
                                                 QString::fromUtf16(t->başlık));
            Düğme[sıra]->setToolTip(QString::fromUtf16(t->ipucu));
            Düğme[sıra]->setEnabled(static_cast<bool>(açıcılar_(t->pencere)));
            ++t;
        }
        Düğme[sıra]->setObjectName(QStringLiteral("Düğme%1").arg(sıra));
        connect(Düğme[sıra], &QAction::triggered, this, [this, sıra] { DüğmeÇubuğu_ButtonClick(sıra); });
    }
}

void AnaForm::durumÇubuğunuKur() {
    DurumÇubuğu = statusBar();
    DurumÇubuğu->setObjectName(QStringLiteral("DurumÇubuğu"));
    DurumÇubuğu->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        Panel[i] = new QLabel(DurumÇubuğu);
        Panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        Panel[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel[i]->setAlignment(Qt::AlignCenter);
        Panel[i]->setContentsMargins(6, 0, 6, 0);
        DurumÇubuğu->addWidget(Panel[i], i == 0 ? 1 : 0);
    }
    Panel[2]->setText(QStringLiteral("CAPS"));
    Panel[3]->setText(QStringLiteral("INS"));
    tuşDurumunuGöster();
}

void AnaForm::tuşDurumunuGöster() {
    Panel[2]->setEnabled(capsAçık_);
    Panel[3]->setEnabled(insAçık_);
}

// Caps Lock and Insert as the keys are pressed; a typed letter tells the Caps Lock
// state it was typed in.
bool AnaForm::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress) {
        QWidget* hedef = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
        if (nesne == hedef) {
            auto* k = static_cast<QKeyEvent*>(olay);
            if (k->key() == Qt::Key_CapsLock) capsAçık_ = !capsAçık_;
            else if (k->key() == Qt::Key_Insert && k->modifiers() == Qt::NoModifier) insAçık_ = !insAçık_;
            else if (k->text().size() == 1 && k->text()[0].isLetter() && k->text()[0].isUpper() != k->text()[0].isLower())
                capsAçık_ = k->text()[0].isUpper() != static_cast<bool>(k->modifiers() & Qt::ShiftModifier);
            tuşDurumunuGöster();
        }
    }
    return QMainWindow::eventFilter(nesne, olay);
}

void AnaForm::Form_Load(QWidget* karşılamaPenceresi) {
    yerleşimiYükle();
    ArşivDurumunuBul();
    ArşivDevirUyarısıVer();
    if (büyütülmüşBaşla_) showMaximized();
    else show();
    if (karşılamaPenceresi) karşılamaPenceresi->close();
}

// ----- placement -----

void AnaForm::yerleşimiYükle() {
    const QRect ekran = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const int ekranYüksekliği = PikseldenTwip(ekran.height());
    const int ekranGenişliği = PikseldenTwip(ekran.width());
    if (yerleşimDeğeri(QStringLiteral("Baslama Konumu"), 1) == 2) {
        büyütülmüşBaşla_ = true;
        return;
    }
    if (auto y = yerleşimDeğeri(QStringLiteral("Yukseklik"), ekranYüksekliği - 400)) resize(width(), TwiptenPiksel(*y));
    if (auto g = yerleşimDeğeri(QStringLiteral("Genislik"), ekranGenişliği)) resize(TwiptenPiksel(*g), height());
    const int yükseklik = PikseldenTwip(height());
    const int genişlik = PikseldenTwip(width());
    if (auto ü = yerleşimDeğeri(QStringLiteral("Ust Bosluk"), (ekranYüksekliği - yükseklik - 400) / 2))
        move(x(), TwiptenPiksel(*ü));
    if (auto s = yerleşimDeğeri(QStringLiteral("Sol Bosluk"), (ekranGenişliği - genişlik) / 2)) move(TwiptenPiksel(*s), y());
    ekranaSığdır();
}

// Whatever the stored values say (negative, absurd, written on a larger or
// another screen), the window stands on the screen that holds its centre (the
// window's own screen when none does): its frame's corner and its inside no
// larger than that screen, as the first start's placement is, and no smaller
// than EnKüçükBoyut.
void AnaForm::ekranaSığdır() {
    static constexpr QSize EnKüçükBoyut(320, 240);
    const QScreen* ekran = QGuiApplication::screenAt(geometry().center());
    if (!ekran) ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect alan = ekran->geometry();
    resize(size().expandedTo(EnKüçükBoyut).boundedTo(alan.size()));
    move(std::clamp(x(), alan.left(), alan.left() + alan.width() - width()),
         std::clamp(y(), alan.top(), alan.top() + alan.height() - height()));
}

void AnaForm::yerleşimiKaydet() {
    try {
        if (windowState() & Qt::WindowMinimized) return;
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            AyarYaz(AyarBölümü, QStringLiteral("Yukseklik"), twip(height()));
            AyarYaz(AyarBölümü, QStringLiteral("Genislik"), twip(width()));
            AyarYaz(AyarBölümü, QStringLiteral("Sol Bosluk"), twip(x()));
            AyarYaz(AyarBölümü, QStringLiteral("Ust Bosluk"), twip(y()));
        }
        AyarYaz(AyarBölümü, QStringLiteral("Baslama Konumu"),
                windowState() & Qt::WindowMaximized ? QStringLiteral("2") : QStringLiteral("0"));
    } catch (const std::exception&) {
        // closing goes on whatever the settings store does
    }
}

void AnaForm::closeEvent(QCloseEvent* olay) {
    if (!kendiKapatıyor_ && !EvetMi(QStringLiteral("Programdan çıkmak istiyor musunuz?"))) {
        olay->ignore();
        return;
    }
    yerleşimiKaydet();
    olay->accept();
}

void AnaForm::ProgramKapatsın() {
    kendiKapatıyor_ = true;
    if (!close()) kendiKapatıyor_ = false;
}

// ----- activation -----

void AnaForm::changeEvent(QEvent* olay) {
    if (olay->type() == QEvent::ActivationChange && isActiveWindow()) etkinleşti();
    QMainWindow::changeEvent(olay);
}

void AnaForm::etkinleşti() {
    GirişŞifresiBelirleDeğiştirMenüsü->setText(GirişŞifresiSor ? QStringLiteral("Giriş Şifresi Değiştir...")
                                                                : QStringLiteral("Giriş Şifresi Belirle..."));
    Panel[1]->setText(KısaTarih(QDate::currentDate()));
}

// ----- opening the task windows -----

void AnaForm::aç(Pencere pencere, bool arşivKapısı) {
    const PencereAçıcı açıcı = açıcılar_(pencere);
    if (!açıcı) return;
    if (arşivKapısı && ArşivDevirUyarısıVer()) return;
    if (pencere == Pencere::GirişFişleri || pencere == Pencere::ÇıkışFişleri) ArşivModu = false;
    // what the window does not handle itself goes to the error routine, not out of the event loop
    HataYönetimiyle([&] { açıcı(this, false); });
    etkinleşti();
}

void AnaForm::DüğmeÇubuğu_ButtonClick(int sıra) {
    switch (sıra) {
    case 2: aç(Pencere::ParçaTanımla, false); break;
    case 4: aç(Pencere::ParçaGirişi, true); break;
    case 5: aç(Pencere::ParçaÇıkışı, true); break;
    case 6: aç(Pencere::ParçaHareketleri, true); break;
    case 8: aç(Pencere::FişSeç, false); break;
    default: break;
    }
}

void AnaForm::MalzemeÇizelgesiYazdırMenüsü_Click(int sıra) {
    MalzemeÇizelgesiYazdırMenüsü[0]->setData(QString::number(sıra));
    aç(sıra == 0 ? Pencere::MalzemeCetveli : Pencere::ÖzetMalzemeCetveli, false);
}

void AnaForm::GirişŞifresiBelirleDeğiştirMenüsü_Click() { göster<GirişŞifresiBelirleDeğiştirFormu>(); }
void AnaForm::TercihlerMenüsü_Click() { göster<TercihlerFormu>(); }

// ----- the archive -----

void AnaForm::ArşivDurumunuBul() {
    const int buYıl = QDate::currentDate().year();
    try {
        BuYılArşivlendi = YılArşivlendiMi(buYıl);
        if (BuYılArşivlendi) return;
        auto yıl = ArşivlenecekYılıBul(QStringLiteral("GirisIslemleriTablosu"), buYıl);
        if (!yıl) yıl = ArşivlenecekYılıBul(QStringLiteral("CikisIslemleriTablosu"), buYıl);
        ArşivlenecekFişVar = yıl.has_value();
        if (yıl) ArşivlenecekYıl = *yıl;
    } catch (const std::exception&) {
        // a state that cannot be read leaves the flags as they were
    }
}

bool AnaForm::ArşivDevirUyarısıVer() {
    if (BuYılArşivlendi) {
        Bilgi(QStringLiteral("Bu yıla ait tüm fişleriniz ARŞİVLENDİĞİ için HİÇBİR İŞLEM yapamazsınız!"));
        return true;
    }
    if (!ArşivlenecekFişVar) return false;
    if (!EvetMi(QStringLiteral("ARŞİVLENECEK fişleriniz var, bunları arşivlemeden HİÇBİR İŞLEM yapamazsınız!"
                               "\r\n\r\nEğer, şimdi bu fişleri arşivlemek istiyorsanız 'Evet'e tıklayınız!")))
        return true;
    TümFişleriArşivleMenüsü_Click();
    return TümFişleriArşivleMenüsü->data().toString() != QLatin1String("1");
}

void AnaForm::TümFişleriArşivleMenüsü_Click() {
    if (BuYılArşivlendi) {
        Bilgi(QStringLiteral("Bu yıla ait tüm fişleriniz ARŞİVLENMİŞ!"));
        return;
    }
    if (!ArşivlenecekFişVar) {
        Bilgi(QStringLiteral("ARŞİVLENECEK fişiniz bulunmuyor!"));
        return;
    }
    const int yıl = ArşivlenecekYıl;
    YılBaşıTarihi = QDate(yıl, 1, 1);
    YılSonuTarihi = QDate(yıl, 12, 31);
    const QString soru = KısaTarih(YılBaşıTarihi) + QStringLiteral(" - ") + KısaTarih(YılSonuTarihi) +
                         QStringLiteral(" tarihleri arasındaki tüm fişler ARŞİVLENECEK!\r\n\r\n"
                                        "Bu işlem geri alınamaz! Devam etmek istediğinizden emin misiniz?");
    if (MesajGöster(soru, MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır, QString(), MesajCevabı::Hayır) !=
        MesajCevabı::Evet) {
        TümFişleriArşivleMenüsü->setData(QStringLiteral("0"));
        return;
    }
    ArşivSayıları sayılar;
    if (!HataYönetimiyle([&] { sayılar = YılıArşivle(yıl); })) {
        TümFişleriArşivleMenüsü->setData(QStringLiteral("0"));
        return;
    }
    ArşivlenecekFişVar = false;
    Bilgi(QStringLiteral("Giriş ve Çıkış Fişlerini ARŞİVLEME İşlemi TAMAMLANDI!\r\n\r\n"
                         "Arşivlenen Giriş Fişi Sayısı: %1\r\n\r\n"
                         "Arşivlenen Çıkış Fişi Sayısı: %2")
              .arg(sayılar.giriş)
              .arg(sayılar.çıkış));
    TümFişleriArşivleMenüsü->setData(QStringLiteral("1"));
}

void AnaForm::arşivlenenFişleriGöster(Pencere pencere) {
    const PencereAçıcı açıcı = açıcılar_(pencere);
    if (!açıcı) return;
    bool yılVar = false;
    try {
        yılVar = !ArşivlenenYıllar().isEmpty();
    } catch (const std::exception&) {
    }
    if (!yılVar) {
        Bilgi(QStringLiteral("ARŞİVLENMİŞ fişiniz bulunmuyor!"));
        return;
    }
    ArşivModu = true;
    HataYönetimiyle([&] { açıcı(this, true); });
    etkinleşti();
}

void AnaForm::ArşivlenenGirişFişleriniGösterMenüsü_Click() { arşivlenenFişleriGöster(Pencere::GirişFişleri); }
void AnaForm::ArşivlenenÇıkışFişleriniGösterMenüsü_Click() { arşivlenenFişleriGöster(Pencere::ÇıkışFişleri); }
