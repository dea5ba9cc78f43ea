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
};

// Opens the window modally over sahip. arşivModu: the voucher windows list
// archived years (ArşivModu is set before the window is made).
using PencereAçıcı = std::function<void(QWidget* sahip, bool arşivModu)>;

// Empty when the window is not built.
PencereAçıcı PencereAçıcısı(Pencere p);
