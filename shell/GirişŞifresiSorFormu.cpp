#include "shell/GirişŞifresiSorFormu.h"

#include "platform/MesajKapısı.h"
#include "shell/AnaForm.h"
#include "shell/BaşlangıçModülü.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/GirişŞifresiModülü.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

GirişŞifresiSorFormu::GirişŞifresiSorFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("GirişŞifresiSorFormu"));
    setWindowTitle(QStringLiteral("Giriş Şifresi"));
    Etiket = new QLabel(QStringLiteral("Şifre :"), this);
    Etiket->setObjectName(QStringLiteral("Etiket"));
    ŞifreKutusu = ŞifreKutusuYap(this, QStringLiteral("ŞifreKutusu"), nullptr);
    Etiket->setBuddy(ŞifreKutusu);
    std::tie(TamamDüğmesi, İptalDüğmesi) =
        ŞifreDüğmeleriYap(this, [this] { TamamDüğmesi_Click(); }, [this] { İptalDüğmesi_Click(); });
    ŞifrePenceresiniDiz(this, {{Etiket, ŞifreKutusu}}, TamamDüğmesi, İptalDüğmesi);
}

void GirişŞifresiSorFormu::TamamDüğmesi_Click() {
    if (!ŞifreUzunluğuYeterli(ŞifreKutusu)) return;
    if (GirişŞifresiDoğruMu(ŞifreKutusu->text())) {
        accept();
        return;
    }
    if (++yanlışSayısı_ < 3) {
        Bilgi(QStringLiteral("Şifre yanlış!"));
        ŞifreKutusu->clear();
        ŞifreKutusu->setFocus();
        return;
    }
    Uyarı(QStringLiteral("3 kez yanlış şifre girildiği için program kapatılacak!"));
    İptalDüğmesi_Click();
}

// Esc and the frame's close box come here too, through reject().
void GirişŞifresiSorFormu::İptalDüğmesi_Click() { reject(); }

bool GirişŞifresiniSor(QWidget* sahip) {
    if (!GirişŞifresiAyarlı()) {
        GirişŞifresiSor = false;
        return true;
    }
    GirişŞifresiSorFormu pencere(sahip);
    if (pencere.exec() == QDialog::Accepted) return true;
    if (auto* ana = dynamic_cast<AnaForm*>(sahip)) ana->ProgramKapatsın();
    return false;
}
