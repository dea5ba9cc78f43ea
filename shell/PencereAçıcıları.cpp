#include "shell/PencereAçıcıları.h"

#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"
#include "history/ParçaHareketleriFormu.h"
#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"
#include "issues/ParçaÇıkışıFormu.h"
#include "catalogue/ParçaTanımlaFormu.h"
#include "receipts/ParçaGirişiFormu.h"
#include "reports/MalzemeCetveliFormu.h"
#include "reports/SayımCetveliFormu.h"
#include "reports/ÖzetMalzemeCetveliFormu.h"
#include "shell/TarihSeçFormu.h"
#include "vouchers/FişSeçFormu.h"
#include "vouchers/GirişFişiYazdırFormu.h"
#include "vouchers/ÇıkışFişiYazdırFormu.h"

namespace {
// A window that needs nothing filled in: made over its owner and run modally.
template <class P>
void aç(QWidget* sahip, bool) {
    P pencere(sahip);
    pencere.exec();
}
}  // namespace

// Each window's opener: construct, fill what the caller fills, run modally.
PencereAçıcı PencereAçıcısı(Pencere p) {
    switch (p) {
    case Pencere::ParçaTanımla: return aç<ParçaTanımlaFormu>;
    case Pencere::ParçaGirişi: return aç<ParçaGirişiFormu>;
    case Pencere::ParçaÇıkışı: return aç<ParçaÇıkışıFormu>;
    case Pencere::GirişFişleri: return FişPenceresiniAç<GirişFişiYazdırFormu>;
    case Pencere::ÇıkışFişleri: return FişPenceresiniAç<ÇıkışFişiYazdırFormu>;
    case Pencere::ParçaHareketleri: return aç<ParçaHareketleriFormu>;
    case Pencere::AlınanYerlereGöreHareketler: return aç<AlınanYerlereGöreParçaHareketleriFormu>;
    case Pencere::VerilenYerlereGöreHareketler: return aç<VerilenYerlereGöreParçaHareketleriFormu>;
    case Pencere::SayımCetveli: return aç<SayımCetveliFormu>;
    case Pencere::MalzemeCetveli:
        return [](QWidget* sahip, bool) {
            const auto dönem = TarihSeçFormu::Sor(sahip);
            if (!dönem) return;
            MalzemeCetveliFormu pencere(dönem->first, dönem->second, sahip);
            pencere.exec();
        };
    case Pencere::ÖzetMalzemeCetveli:
        return [](QWidget* sahip, bool) {
            const auto dönem = TarihSeçFormu::Sor(sahip);
            if (!dönem) return;
            ÖzetMalzemeCetveliFormu pencere(dönem->first, dönem->second, sahip);
            pencere.exec();
        };
    case Pencere::FişSeç: return aç<FişSeçFormu>;
    }
    return nullptr;
}
