#pragma once
// Reading parts and brands, for every window that lists or shows parts: the
// parts of a brand code, the brand name of a code, one part's data, and the texts
// of a part list (a part's row, the count in its label); deleting a part.
#include "shell/ListeKutusu.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The text a part shows in a part list: its number, or its name followed by
// " (Nosu Yok!)" when it has none.
QString ParçaListesiMetni(const QString& nosu, const QString& adı);

// The caption of a part list's label once the list shows found parts: its count.
QString ParçaListesiBaşlığı(int sayı);

// The parts of one brand code as (list text, ParcaNo), in the order read.
std::vector<ListeKutusuÖğesi> KodunParçaları(std::int64_t kodu);

// The brand name of a code (empty when the code has none).
QString MarkaAdı(std::int64_t kodu);

struct ParçaBilgisi {
    QString nosu;
    QString adı;
    QString kdvOranı;  // "0" when none is stored
    QString birimi;
    QString ambarYeri;
};
std::optional<ParçaBilgisi> ParçaBilgisiOku(std::int64_t parçaNo);

// Whether a part is still defined; another workstation may have deleted it
// while it waited in a pending list.
bool ParçaVarMı(std::int64_t parçaNo);
// The refusal of a pending list one of whose parts has been deleted meanwhile.
QString SilinmişParçaMesajı(const QString& nosu, const QString& adı);

// Whether any receipt names the part, in any year.
bool ParçadanGirişVarMı(std::int64_t parçaNo);
// Deletes a part with its links on both sides and its superseded numbers, all or
// nothing. A part with receipts is kept (false): that is checked again inside the
// deleting transaction, since another workstation may have stored one since the
// question. Throws on a failed statement.
bool ParçayıSil(std::int64_t parçaNo);
