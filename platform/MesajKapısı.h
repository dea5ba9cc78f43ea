#pragma once
// Every message box of the program goes through here: titled with the program's
// title (unless a title is given), Turkish buttons, centred on the active window
// (not moved when that window is minimised or reaches past the screen's left or
// top edge). Tests install a responder that records each box and answers it.
#include <QString>
#include <functional>
#include <vector>

enum class MesajSimgesi { Bilgi, Soru, Ünlem, Kritik };
enum class MesajDüğmeleri { Tamam, EvetHayır };
enum class MesajCevabı { Tamam, Evet, Hayır };

struct MesajKaydı {
    QString metin;
    QString başlık;
    MesajSimgesi simge;
    MesajDüğmeleri düğmeler;
    MesajCevabı varsayılan;
};

// title empty -> the program title (ProgramBaşlığı, or "Depora" before it is set)
MesajCevabı MesajGöster(const QString& metin, MesajSimgesi simge = MesajSimgesi::Bilgi,
                        MesajDüğmeleri düğmeler = MesajDüğmeleri::Tamam, const QString& başlık = QString(),
                        MesajCevabı varsayılan = MesajCevabı::Evet);

// Shorthands for the program's usual kinds of box.
void Bilgi(const QString& metin);                  // information icon, OK
void Uyarı(const QString& metin);                  // exclamation icon, OK
bool EvetMi(const QString& metin);                 // question icon, Yes/No; true on Yes

namespace MesajKapısı {
// The title used when a box gives none.
void başlığıAyarla(const QString& başlık);
const QString& başlık();

// Test responder: when set, no box is shown; each box is recorded and answered.
using Yanıtlayıcı = std::function<MesajCevabı(const MesajKaydı&)>;
void yanıtlayıcıKur(Yanıtlayıcı y);
void yanıtlayıcıKaldır();
}  // namespace MesajKapısı
