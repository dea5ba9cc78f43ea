#include "shell/ListeDenetimi.h"

#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/OrtakYordamlarModülü.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {
constexpr int TwipPiksel = 15;

QString bölümü(int listeNo) { return QStringLiteral("Listeler\\Liste-%1").arg(listeNo); }

double sayıDeğeri(const QString& s) {
    if (s.isEmpty()) return 0;
    return SayıOku(s).value_or(0);
}

qint64 tarihDeğeri(const QString& s) {
    static const qint64 sıfırGünü = QDate(1899, 12, 30).toJulianDay();
    if (s.isEmpty()) return sıfırGünü;
    const auto t = TarihOku(s);
    return t ? t->toJulianDay() : sıfırGünü;
}
}  // namespace

int ListeHücreleriniKarşılaştır(const QString& a, const QString& b, int sayısal) {
    if (sayısal == 0) {
        const auto x = tarihDeğeri(a), y = tarihDeğeri(b);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    const double x = sayıDeğeri(a), y = sayıDeğeri(b);
    return x < y ? -1 : x > y ? 1 : 0;
}

QVariant ListeModeli::data(const QModelIndex& i, int rol) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    if (rol == Qt::DisplayRole) {
        const auto& h = satırlar[static_cast<size_t>(i.row())].hücreler;
        return i.column() < h.size() ? h[i.column()] : QString();
    }
    if (rol == Qt::TextAlignmentRole) {
        return QVariant::fromValue(hizalar[static_cast<size_t>(i.column())] | Qt::AlignVCenter);
    }
    return {};
}

QVariant ListeModeli::headerData(int bölüm, Qt::Orientation yön, int rol) const {
    if (yön != Qt::Horizontal || bölüm < 0 || bölüm >= columnCount()) return {};
    if (rol == Qt::DisplayRole) {
        if (bölüm == okluSütun) return başlıklar[bölüm] + (okYönü == 0 ? QStringLiteral(" ▲") : QStringLiteral(" ▼"));
        return başlıklar[bölüm];
    }
    if (rol == Qt::TextAlignmentRole) return QVariant::fromValue(hizalar[static_cast<size_t>(bölüm)] | Qt::AlignVCenter);
    return {};
}

void ListeModeli::sıfırla(std::vector<ListeSatırı> yeni) {
    beginResetModel();
    satırlar = std::move(yeni);
    endResetModel();
}

void ListeModeli::ekle(ListeSatırı satır) {
    const int n = rowCount();
    beginInsertRows({}, n, n);
    satırlar.push_back(std::move(satır));
    endInsertRows();
}

void ListeModeli::sil(int satır) {
    if (satır < 0 || satır >= rowCount()) return;
    beginRemoveRows({}, satır, satır);
    satırlar.erase(satırlar.begin() + satır);
    endRemoveRows();
}

void ListeModeli::hücreyiYaz(int satır, int sütun, const QString& metin) {
    if (satır < 0 || satır >= rowCount() || sütun < 0 || sütun >= columnCount()) return;
    auto& h = satırlar[static_cast<size_t>(satır)].hücreler;
    while (h.size() <= sütun) h.append(QString());
    h[sütun] = metin;
    emit dataChanged(index(satır, sütun), index(satır, sütun));
}

void ListeModeli::sütunEkle(const QString& başlık, Qt::Alignment hiza) {
    const int n = columnCount();
    beginInsertColumns({}, n, n);
    başlıklar.append(başlık);
    hizalar.push_back(hiza);
    endInsertColumns();
}

void ListeModeli::yenidenDiz(std::vector<ListeSatırı> dizili) {
    emit layoutAboutToBeChanged();
    satırlar = std::move(dizili);
    emit layoutChanged();
}

ListeDenetimi::ListeDenetimi(QWidget* üst) : QTableView(üst), model_(new ListeModeli(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    setShowGrid(ÇizgiliListeler);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& şimdi) {
        if (satırSeçildi) satırSeçildi(şimdi.isValid() ? şimdi.row() : -1);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
        if (çiftTıklandı && i.isValid()) çiftTıklandı(i.row());
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int sütun) {
        if (sıralanabilir_) başlığaTıkla(sütun);
    });
}

int ListeDenetimi::sütunEkle(const QString& başlık, int genişlikTwips, SütunTürü tür, Qt::Alignment hizalama) {
    const int n = model_->columnCount();
    model_->sütunEkle(başlık, hizalama);
    türler_.push_back(tür);
    tasarımGenişlikleri_.push_back(genişlikTwips);
    setColumnWidth(n, genişlikTwips / TwipPiksel);
    return n;
}

void ListeDenetimi::düzeniYükle(int listeNo) {
    QHeaderView* b = horizontalHeader();
    const QString bölüm = bölümü(listeNo);
    for (int i = 0; i < sütunSayısı(); ++i) {
        bool tamam = false;
        const int konum = AyarOku(bölüm, QStringLiteral("Konum-%1").arg(i + 1)).toInt(&tamam);
        if (tamam && konum >= 0 && konum < sütunSayısı()) b->moveSection(b->visualIndex(i), konum);
        const auto genişlik = SayıOku(AyarOku(bölüm, QStringLiteral("Genislik-%1").arg(i + 1)));
        const double twip = genişlik ? *genişlik : tasarımGenişlikleri_[static_cast<size_t>(i)];
        setColumnWidth(i, static_cast<int>(std::lround(twip / TwipPiksel)));
    }
}

void ListeDenetimi::düzeniKaydet(int listeNo) {
    QHeaderView* b = horizontalHeader();
    const QString bölüm = bölümü(listeNo);
    try {
        for (int i = 0; i < sütunSayısı(); ++i) {
            AyarYaz(bölüm, QStringLiteral("Konum-%1").arg(i + 1), QString::number(b->visualIndex(i)));
            AyarYaz(bölüm, QStringLiteral("Genislik-%1").arg(i + 1), GenelSayı(double(columnWidth(i) * TwipPiksel)));
        }
    } catch (...) {
        // a layout that cannot be saved is not worth stopping a close for
    }
}

void ListeDenetimi::sıralanabilirYap(bool evet) { sıralanabilir_ = evet; }

void ListeDenetimi::çizgileriUygula() { setShowGrid(ÇizgiliListeler); }

int ListeDenetimi::satırEkle(const QStringList& hücreler, const QVariant& anahtar) {
    model_->ekle({hücreler, anahtar});
    return model_->rowCount() - 1;
}

void ListeDenetimi::satırlarıKoy(std::vector<ListeSatırı> satırlar) { model_->sıfırla(std::move(satırlar)); }

void ListeDenetimi::temizle() { model_->sıfırla({}); }

void ListeDenetimi::satırSil(int satır) { model_->sil(satır); }

QString ListeDenetimi::hücre(int satır, int sütun) const {
    if (satır < 0 || satır >= satırSayısı()) return {};
    const auto& h = model_->satırlar[static_cast<size_t>(satır)].hücreler;
    return sütun >= 0 && sütun < h.size() ? h[sütun] : QString();
}

void ListeDenetimi::hücreYaz(int satır, int sütun, const QString& metin) { model_->hücreyiYaz(satır, sütun, metin); }

QVariant ListeDenetimi::anahtar(int satır) const {
    if (satır < 0 || satır >= satırSayısı()) return {};
    return model_->satırlar[static_cast<size_t>(satır)].anahtar;
}

int ListeDenetimi::seçiliSatır() const {
    const QModelIndex i = selectionModel()->currentIndex();
    if (!i.isValid() || !selectionModel()->isRowSelected(i.row(), {})) return -1;
    return i.row();
}

void ListeDenetimi::satırSeç(int satır) {
    if (satır < 0 || satır >= satırSayısı()) {
        selectionModel()->clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::Clear);
        return;
    }
    const QModelIndex i = model_->index(satır, 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

void ListeDenetimi::başlığaTıkla(int sütun) {
    if (sütun < 0 || sütun >= sütunSayısı()) return;
    // the state is program-wide: the same column number as the last sort anywhere toggles
    if (sütun != SıralananSütun) SıralamaYönü = 0;
    else SıralamaYönü = SıralamaYönü == 0 ? 1 : 0;
    SıralananSütun = sütun;
    const SütunTürü tür = türler_[static_cast<size_t>(sütun)];
    if (tür == SütunTürü::Tarih) SayısalSıralama = 0;
    else if (tür == SütunTürü::Sayı) SayısalSıralama = 1;
    sırala();
    model_->okluSütun = sütun;
    model_->okYönü = SıralamaYönü;
    emit model_->headerDataChanged(Qt::Horizontal, 0, sütunSayısı() - 1);
    if (seçiliSatır() >= 0) scrollTo(model_->index(seçiliSatır(), 0));
}

void ListeDenetimi::sırala() {
    const int sütun = SıralananSütun;
    const bool azalan = SıralamaYönü != 0;
    const SütunTürü tür = türler_[static_cast<size_t>(sütun)];
    const QVariant seçiliAnahtar = anahtar(seçiliSatır());
    const int seçiliEski = seçiliSatır();
    std::vector<std::pair<ListeSatırı, int>> s;
    s.reserve(model_->satırlar.size());
    for (size_t i = 0; i < model_->satırlar.size(); ++i) s.emplace_back(model_->satırlar[i], static_cast<int>(i));
    auto hücreOf = [sütun](const ListeSatırı& r) { return sütun < r.hücreler.size() ? r.hücreler[sütun] : QString(); };
    std::stable_sort(s.begin(), s.end(), [&](const auto& a, const auto& b) {
        int k;
        if (tür == SütunTürü::Metin) k = TürkçeKarşılaştır(hücreOf(a.first), hücreOf(b.first));
        else k = ListeHücreleriniKarşılaştır(hücreOf(a.first), hücreOf(b.first), SayısalSıralama);
        return azalan ? k > 0 : k < 0;
    });
    std::vector<ListeSatırı> dizili;
    dizili.reserve(s.size());
    int yeniSeçili = -1;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i].second == seçiliEski) yeniSeçili = static_cast<int>(i);
        dizili.push_back(std::move(s[i].first));
    }
    (void)seçiliAnahtar;
    model_->yenidenDiz(std::move(dizili));
    if (yeniSeçili >= 0) satırSeç(yeniSeçili);
}
