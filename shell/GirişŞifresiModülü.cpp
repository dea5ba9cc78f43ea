#include "shell/GirişŞifresiModülü.h"

#include "shell/GenelDeğişkenler.h"
#include "shell/OrtakYordamlarModülü.h"

namespace {
const QString Bölüm = QStringLiteral("Ayarlar");
const QString SorAnahtarı = QStringLiteral("Giris Sifresi Sor");
const QString ŞifreAnahtarıAdı = QStringLiteral("Giris Sifresi");
}  // namespace

bool GirişŞifresiDoğruMu(const QString& yazılan) {
    const QString saklı = AyarOku(Bölüm, ŞifreAnahtarıAdı);
    return !saklı.isEmpty() && Şifrele(yazılan, ŞifreAlfabesi, ŞifreAnahtarı) == saklı;
}

void GirişŞifresiniSakla(const QString& şifre) {
    AyarYaz(Bölüm, ŞifreAnahtarıAdı, Şifrele(şifre, ŞifreAlfabesi, ŞifreAnahtarı));
    AyarYaz(Bölüm, SorAnahtarı, QStringLiteral("-1"));
    GirişŞifresiSor = true;
}

void GirişŞifresiniKaldır() {
    AyarYaz(Bölüm, SorAnahtarı, QStringLiteral("0"));
    AyarYaz(Bölüm, ŞifreAnahtarıAdı, QString());
    GirişŞifresiSor = false;
}
