#include "shell/PencereAçıcıları.h"

#include "history/AlınanYerlereGöreParçaHareketleriFormu.h"
#include "history/ParçaHareketleriFormu.h"
#include "history/VerilenYerlereGöreParçaHareketleriFormu.h"
#include "issues/ParçaÇıkışıFormu.h"
#include "catalogue/ParçaTanımlaFormu.h"
#include "receipts/ParçaGirişiFormu.h"
#include "reports/MalzemeCetveliFormu.h"
#include "reports/SayımCetveliFormu.h"
#include "shell/TarihSeçFormu.h"
#include "vouchers/FişSeçFormu.h"
#include "vouchers/GirişFişiYazdırFormu.h"
#include "vouchers/ÇıkışFişiYazdırFormu.h"

// Each window's opener: construct, fill what the caller fills, run modally.
PencereAçıcı PencereAçıcısı(Pencere p) {
    switch (p) {
    case Pencere::ParçaTanımla:
        return [](QWidget* sahip, bool) {
            ParçaTanımlaFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::ParçaGirişi:
        return [](QWidget* sahip, bool) {
            ParçaGirişiFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::ParçaÇıkışı:
        return [](QWidget* sahip, bool) {
            ParçaÇıkışıFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::GirişFişleri: return FişPenceresiniAç<GirişFişiYazdırFormu>;
    case Pencere::ÇıkışFişleri: return FişPenceresiniAç<ÇıkışFişiYazdırFormu>;
    case Pencere::ParçaHareketleri:
        return [](QWidget* sahip, bool) {
            ParçaHareketleriFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::AlınanYerlereGöreHareketler:
        return [](QWidget* sahip, bool) {
            AlınanYerlereGöreParçaHareketleriFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::VerilenYerlereGöreHareketler:
        return [](QWidget* sahip, bool) {
            VerilenYerlereGöreParçaHareketleriFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::SayımCetveli:
        return [](QWidget* sahip, bool) {
            SayımCetveliFormu pencere(sahip);
            pencere.exec();
        };
    case Pencere::MalzemeCetveli:
        return [](QWidget* sahip, bool) {
            const auto dönem = TarihSeçFormu::Sor(sahip);
            if (!dönem) return;
            MalzemeCetveliFormu pencere(dönem->first, dönem->second, sahip);
            pencere.exec();
        };
    case Pencere::ÖzetMalzemeCetveli: return nullptr;
    case Pencere::FişSeç:
        return [](QWidget* sahip, bool) {
            FişSeçFormu pencere(sahip);
            pencere.exec();
        };
    }
    return nullptr;
}
