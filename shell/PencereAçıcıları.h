#pragma once
// How the main window opens the task windows of the other subsystems. A window
// that does not exist yet has no opener, and its menu item and button stay disabled.
#include <QWidget>
#include <functional>

enum class Pencere {
    ParçaTanımla,
    ParçaGirişi,
    ParçaÇıkışı,
    GirişFişleri,
    ÇıkışFişleri,
    ParçaHareketleri,
    AlınanYerlereGöreHareketler,
    VerilenYerlereGöreHareketler,
    SayımCetveli,
    MalzemeCetveli,
    ÖzetMalzemeCetveli,
    FişSeç,
};

// Opens the window modally over sahip. arşivModu: the voucher windows list
// archived years. The main window sets ArşivModu before it calls the opener;
// with arşivModu the opener makes the window, fills its year list with
// ArşivlenenYıllar() (shell/ArşivModülü.h) and then shows it. The archive gate
// has already let the receipt, issue and movement windows pass. The two
// material sheets' openers ask for the period (TarihSeçFormu) first.
using PencereAçıcı = std::function<void(QWidget* sahip, bool arşivModu)>;

// Empty when the window is not built.
PencereAçıcı PencereAçıcısı(Pencere p);
