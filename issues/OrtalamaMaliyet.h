#pragma once
// The average-cost rule: the value of a part's stock on hand divided by its
// quantity on hand, over all receipts and issues of every year (archived rows
// included), rounded to four decimals with halves to even; 0 when the stock is
// 0 or less. Every issue line is priced at it.
#include "platform/SayıTarih.h"

#include <cstdint>

struct ParçaToplamları {
    double girişMiktarı = 0;
    double çıkışMiktarı = 0;
    Para girişTutarı;
    Para çıkışTutarı;
    // Quantity on hand, normalised.
    double mevcut() const { return Normalleştir(girişMiktarı - çıkışMiktarı); }
    // Value on hand, exact.
    Para değer() const { return girişTutarı - çıkışTutarı; }
};

// The four sums of a part (null sums are 0). Throws on a failed query.
ParçaToplamları ParçaToplamlarınıOku(std::int64_t parçaNo);

// The rule on given totals.
Para OrtalamaMaliyetFiyatı(double mevcut, Para değer);
// The rule for a part, from the store.
Para OrtalamaMaliyetFiyatı(std::int64_t parçaNo);
