#include "shell/KaynakMetinleri.h"

#include <QHash>

QString KaynakMetni(int numara) {
    static const QHash<int, QString> metinler = {
        {10, QStringLiteral("Orvelta - Depora")},
        {30, QStringLiteral("Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile \"Servis Pack 3\" veya daha "
                            "yüksek bir sürümün yüklü olması gerekiyor.")},
        {40, QStringLiteral("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam etmek istiyor "
                            "musunuz?")},
        {50, QStringLiteral("Hata Kodu:")},
        {60, QStringLiteral("Hata Mesajı:")},
        {70, QStringLiteral("Hata oluştu!")},
        {90, QStringLiteral("adlı veritabanı dosyanıza ulaşılamadığı için program başlayamıyor! \nLütfen kontrol "
                            "edip tekrar deneyin.")},
    };
    return metinler.value(numara);
}
