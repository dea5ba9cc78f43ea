#include "shell/HataBildirmeFormu.h"

#include "platform/Masaüstü.h"
#include "shell/GirişDavranışları.h"
#include "shell/KaynakSimgeleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YapımcıBilgileri.h"
#include "shell/controls/WebEtiketi.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HataBildirmeFormu::HataBildirmeFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("HataBildirmeFormu"));
    setWindowTitle(QStringLiteral("Hata Bildirme"));

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setMouseTracking(true);
    Altlık->setFocusPolicy(Qt::StrongFocus);
    auto* dış = new QVBoxLayout(this);
    dış->setContentsMargins(0, 0, 0, 0);
    dış->addWidget(Altlık);

    SimgeKutusu = new QLabel(Altlık);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    Çerçeve = new QGroupBox(Altlık);
    Çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    Çerçeve->setMouseTracking(true);
    Etiket = new QLabel(QStringLiteral("Programla ilgili hata ve önerilerinizi aşağıdaki yollardan biriyle bize "
                                       "iletebilirsiniz."),
                        Çerçeve);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    Etiket->setWordWrap(true);
    WebEtiketi = new ::WebEtiketi(Çerçeve);
    WebEtiketi->setObjectName(QStringLiteral("WebEtiketi"));
    WebEtiketi->Caption(QStringLiteral("Mesaj Gönder"));
    WebEtiketi->Url(HataBildirmeSayfası());
    EPostaEtiketi = new ::WebEtiketi(Çerçeve);
    EPostaEtiketi->setObjectName(QStringLiteral("EPostaEtiketi"));
    EPostaEtiketi->Caption(QStringLiteral("E-Posta Gönder"));
    EPostaEtiketi->Url(YapımcıPostaBağlantısı());
    EPostaEtiketi->setToolTip(QString::fromUtf8(Yapımcı.ePosta));
    for (auto* e : {WebEtiketi, EPostaEtiketi}) e->AktifRenk();
    TamamButonu = AdlıDüğme(Altlık, QStringLiteral("TamamButonu"), QStringLiteral("Tamam"));

    auto* çerçeveDüzeni = new QGridLayout(Çerçeve);
    çerçeveDüzeni->addWidget(Etiket, 0, 0, 1, 2);
    çerçeveDüzeni->addWidget(WebEtiketi, 1, 0, Qt::AlignLeft);
    çerçeveDüzeni->addWidget(EPostaEtiketi, 1, 1, Qt::AlignLeft);
    auto* ızgara = new QGridLayout(Altlık);
    ızgara->setContentsMargins(12, 12, 12, 12);
    ızgara->addWidget(SimgeKutusu, 0, 0, Qt::AlignTop);
    ızgara->addWidget(Çerçeve, 0, 1);
    ızgara->addWidget(TamamButonu, 1, 1, Qt::AlignRight);
    Çerçeve->setMinimumWidth(300);

    WebEtiketi->MouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, double, double) {
        üzerinde(WebEtiketi, EPostaEtiketi);
    };
    EPostaEtiketi->MouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, double, double) {
        üzerinde(EPostaEtiketi, WebEtiketi);
    };
    OlayDinle(Altlık, [this](QEvent* o) {
        if (o->type() == QEvent::MouseMove)
            for (auto* e : {WebEtiketi, EPostaEtiketi})
                if (e->FontUnderline()) e->FontUnderline(false);
        return false;
    });
    connect(TamamButonu, &QPushButton::clicked, this, [this] { TamamButonu_Click(); });

    Form_Load();
    Giriş::VarsayılanDüğmeleriKapat(this);
    PencereyiSabitle(this);
}

void HataBildirmeFormu::Form_Load() {
    Altlık->setAutoFillBackground(true);
    Altlık->setBackgroundRole(QPalette::Window);
    SimgeKoy(SimgeKutusu, QStringLiteral("HATABILDIRME"));
}

void HataBildirmeFormu::Form_Activate() { Altlık->setFocus(Qt::OtherFocusReason); }

void HataBildirmeFormu::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    Form_Activate();
}

void HataBildirmeFormu::üzerinde(::WebEtiketi* bu, ::WebEtiketi* öbürü) {
    if (öbürü->FontUnderline()) öbürü->FontUnderline(false);
    if (!bu->FontUnderline()) bu->FontUnderline(true);
}

void HataBildirmeFormu::WebEtiketi_Click() { Masaüstü::adresAç(WebEtiketi->Url()); }

void HataBildirmeFormu::EPostaEtiketi_Click() { Masaüstü::adresAç(EPostaEtiketi->Url()); }

void HataBildirmeFormu::TamamButonu_Click() { reject(); }
