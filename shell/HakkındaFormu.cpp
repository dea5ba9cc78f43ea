#include "shell/HakkındaFormu.h"

#include "platform/Masaüstü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/KaynakMetinleri.h"
#include "shell/KaynakSimgeleri.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/YapımcıBilgileri.h"
#include "shell/controls/WebEtiketi.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString YasalUyarı = QStringLiteral(
    "Bu program telif hakkı yasalarıyla korunmaktadır. İzinsiz çoğaltılması veya dağıtılması yasaktır.");

}  // namespace

HakkındaFormu::HakkındaFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("HakkındaFormu"));
    setWindowTitle(QStringLiteral("Hakkında"));

    Altlık = new QWidget(this);
    Altlık->setObjectName(QStringLiteral("Altlık"));
    Altlık->setMouseTracking(true);
    auto* dış = new QVBoxLayout(this);
    dış->setContentsMargins(0, 0, 0, 0);
    dış->addWidget(Altlık);

    SimgeKutusu = new QLabel(Altlık);
    SimgeKutusu->setObjectName(QStringLiteral("SimgeKutusu"));
    for (int i = 0; i < 3; ++i) {
        Etiket[i] = new QLabel(Altlık);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }
    Etiket[2]->setWordWrap(true);
    QFont başlık = Etiket[0]->font();
    başlık.setBold(true);
    başlık.setPointSizeF(başlık.pointSizeF() * 1.4);
    Etiket[0]->setFont(başlık);
    auto* yapımcı = new QLabel(QStringLiteral("Orvelta"), Altlık);
    KullanıcıAdıEtiketi = new QLabel(Altlık);
    KullanıcıAdıEtiketi->setObjectName(QStringLiteral("KullanıcıAdıEtiketi"));
    KuruluşAdıEtiketi = new QLabel(Altlık);
    KuruluşAdıEtiketi->setObjectName(QStringLiteral("KuruluşAdıEtiketi"));
    ORVELTAEtiketi = new WebEtiketi(Altlık);
    ORVELTAEtiketi->setObjectName(QStringLiteral("ORVELTAEtiketi"));
    ORVELTAEtiketi->Caption(QString::fromUtf8(Yapımcı.webSunucusu));
    ORVELTAEtiketi->Url(YapımcıAnaSayfası());
    ORVELTAEtiketi->AktifRenk();
    Kenarlık = new QFrame(Altlık);
    Kenarlık->setObjectName(QStringLiteral("Kenarlık"));
    Kenarlık->setFrameShape(QFrame::HLine);
    Kenarlık->setFrameShadow(QFrame::Sunken);

    auto* ızgara = new QGridLayout(Altlık);
    ızgara->setContentsMargins(14, 14, 14, 14);
    ızgara->addWidget(SimgeKutusu, 0, 0, 3, 1, Qt::AlignTop);
    ızgara->addWidget(Etiket[0], 0, 1, 1, 2);
    ızgara->addWidget(Etiket[1], 1, 1, 1, 2);
    ızgara->addWidget(Etiket[2], 2, 1, 1, 2);
    ızgara->addWidget(Kenarlık, 3, 0, 1, 3);
    ızgara->addWidget(new QLabel(QStringLiteral("Kullanıcı Adı"), Altlık), 4, 1);
    ızgara->addWidget(KullanıcıAdıEtiketi, 4, 2);
    ızgara->addWidget(new QLabel(QStringLiteral("Kuruluş Adı"), Altlık), 5, 1);
    ızgara->addWidget(KuruluşAdıEtiketi, 5, 2);
    ızgara->addWidget(yapımcı, 6, 1);
    ızgara->addWidget(ORVELTAEtiketi, 6, 2, Qt::AlignLeft);
    Etiket[2]->setMinimumWidth(320);

    ORVELTAEtiketi->MouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, double, double) {
        if (!ORVELTAEtiketi->FontUnderline()) ORVELTAEtiketi->FontUnderline(true);
    };
    OlayDinle(Altlık, [this](QEvent* o) {
        if (o->type() == QEvent::MouseMove && ORVELTAEtiketi->FontUnderline()) ORVELTAEtiketi->FontUnderline(false);
        return false;
    });

    Form_Load();
    PencereyiSabitle(this);
}

void HakkındaFormu::Form_Load() {
    SimgeKoy(SimgeKutusu, QStringLiteral("HAKKINDA"), 48);
    Etiket[0]->setText(KaynakMetni(10));
    Etiket[1]->setText(QStringLiteral("Sürüm %1.%2%3").arg(DEPORA_SURUM_BUYUK).arg(DEPORA_SURUM_KUCUK).arg(DEPORA_SURUM_DUZELTME));
    Etiket[2]->setText(YasalUyarı);
}

void HakkındaFormu::Form_Activate() {
    const QString anahtar = WindowsNT ? QStringLiteral("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
                                      : QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    KullanıcıAdıEtiketi->setText(KayıtDefteriDeğeriOku(anahtar, QStringLiteral("RegisteredOwner")));
    KuruluşAdıEtiketi->setText(KayıtDefteriDeğeriOku(anahtar, QStringLiteral("RegisteredOrganization")));
}

void HakkındaFormu::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    Form_Activate();
}

void HakkındaFormu::ORVELTAEtiketi_Click() { Masaüstü::adresAç(ORVELTAEtiketi->Url()); }
