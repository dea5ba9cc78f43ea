#include "shell/ListeDenetimi.h"

#include "platform/SayıTarih.h"
#include "platform/Türkçe.h"
#include "shell/GenelDeğişkenler.h"
#include "shell/OrtakYordamlarModülü.h"
#include "shell/Twip.h"

#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

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

// The order of the rows by their keys: stable, so equal rows keep their order.
template <class Anahtar, class Küçük>
std::vector<int> sıraBul(const std::vector<Anahtar>& anahtarlar, bool azalan, Küçük küçük) {
    std::vector<int> sıra(anahtarlar.size());
    std::iota(sıra.begin(), sıra.end(), 0);
    std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) {
        return azalan ? küçük(anahtarlar[static_cast<size_t>(b)], anahtarlar[static_cast<size_t>(a)])
                      : küçük(anahtarlar[static_cast<size_t>(a)], anahtarlar[static_cast<size_t>(b)]);
    });
    return sıra;
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
    if (rol == Qt::DisplayRole) return hücreMetni(i.row(), i.column());
    if (rol == Qt::TextAlignmentRole) {
        return QVariant::fromValue(hizalar[static_cast<size_t>(i.column())] | Qt::AlignVCenter);
    }
    return {};
}

QVariant ListeModeli::headerData(int bölüm, Qt::Orientation yön, int rol) const {
    if (yön != Qt::Horizontal || bölüm < 0 || bölüm >= columnCount()) return {};
    const Qt::Alignment hiza = hizalar[static_cast<size_t>(bölüm)];
    if (rol == Qt::DisplayRole) {
        if (bölüm != okluSütun) return başlıklar[bölüm];
        // the arrow stands right of the caption, left of it in a right-aligned column
        const QString ok = okYönü == 0 ? QStringLiteral("▲") : QStringLiteral("▼");
        return (hiza & Qt::AlignRight) ? ok + QLatin1Char(' ') + başlıklar[bölüm] : başlıklar[bölüm] + QLatin1Char(' ') + ok;
    }
    if (rol == Qt::TextAlignmentRole) return QVariant::fromValue(hiza | Qt::AlignVCenter);
    return {};
}

void ListeModeli::sıfırla(std::vector<ListeSatırı> yeni) {
    beginResetModel();
    satırlar = std::move(yeni);
    değerler.clear();
    endResetModel();
}

void ListeModeli::sıfırla(std::vector<QVariantList> yeni, std::function<QString(int, const QVariant&)> b) {
    beginResetModel();
    satırlar.assign(yeni.size(), ListeSatırı{});
    değerler = std::move(yeni);
    biçim = std::move(b);
    endResetModel();
}

QString ListeModeli::hücreMetni(int satır, int sütun) const {
    if (sütun < 0) return {};
    const auto r = static_cast<size_t>(satır);
    const auto& h = satırlar[r].hücreler;
    if (h.isEmpty() && r < değerler.size()) {
        const QVariantList& d = değerler[r];
        return sütun < d.size() ? biçim(sütun, d[sütun]) : QString();
    }
    return sütun < h.size() ? h[sütun] : QString();
}

void ListeModeli::hepsiniBiçimle() const {
    for (size_t r = 0; r < değerler.size(); ++r) {
        QStringList& h = satırlar[r].hücreler;
        if (!h.isEmpty()) continue;
        const QVariantList& d = değerler[r];
        h.reserve(d.size());
        for (int k = 0; k < d.size(); ++k) h << biçim(k, d[k]);
    }
    değerler.clear();
}

void ListeModeli::ekle(ListeSatırı satır) {
    const int n = rowCount();
    beginInsertRows({}, n, n);
    satırlar.push_back(std::move(satır));
    if (!değerler.empty()) değerler.emplace_back();
    endInsertRows();
}

void ListeModeli::sil(int satır) {
    if (satır < 0 || satır >= rowCount()) return;
    beginRemoveRows({}, satır, satır);
    satırlar.erase(satırlar.begin() + satır);
    if (!değerler.empty()) değerler.erase(değerler.begin() + satır);
    endRemoveRows();
}

void ListeModeli::hücreyiYaz(int satır, int sütun, const QString& metin) {
    if (satır < 0 || satır >= rowCount() || sütun < 0 || sütun >= columnCount()) return;
    hepsiniBiçimle();
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
    değerler.clear();
    emit layoutChanged();
}

void ListeModeli::sırayıUygula(const std::vector<int>& sıra) {
    if (sıra.size() != satırlar.size()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> yeniYer(sıra.size());
    std::vector<ListeSatırı> yeni;
    std::vector<QVariantList> yeniDeğerler;
    yeni.reserve(sıra.size());
    yeniDeğerler.reserve(değerler.size());
    for (size_t i = 0; i < sıra.size(); ++i) {
        yeniYer[static_cast<size_t>(sıra[i])] = static_cast<int>(i);
        yeni.push_back(std::move(satırlar[static_cast<size_t>(sıra[i])]));
        if (!değerler.empty()) yeniDeğerler.push_back(std::move(değerler[static_cast<size_t>(sıra[i])]));
    }
    satırlar = std::move(yeni);
    değerler = std::move(yeniDeğerler);
    const QModelIndexList eskiler = persistentIndexList();
    QModelIndexList yeniler;
    yeniler.reserve(eskiler.size());
    for (const QModelIndex& e : eskiler) yeniler << index(yeniYer[static_cast<size_t>(e.row())], e.column());
    changePersistentIndexList(eskiler, yeniler);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

ListeDenetimi::ListeDenetimi(QWidget* üst) : QTableView(üst), model_(new ListeModeli(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setAlternatingRowColors(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // one height: fast with many rows
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(false);
    setShowGrid(true);
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
    setColumnWidth(n, TwiptenPiksel(genişlikTwips));
    return n;
}

int ListeDenetimi::sütunGenişliğiTwips(int sütun) const { return PikseldenTwip(columnWidth(sütun)); }

void ListeDenetimi::düzeniBağla(int listeNo) {
    listeNo_ = listeNo;
    düzeniYükle(listeNo);
    if (listeNo_ >= 1 && listeNo_ <= 7) çizgileriUygula();
}

void ListeDenetimi::sütunBaşlığıYaz(int sütun, const QString& başlık) {
    if (sütun < 0 || sütun >= sütunSayısı()) return;
    model_->başlıklar[sütun] = başlık;
    emit model_->headerDataChanged(Qt::Horizontal, sütun, sütun);
}

void ListeDenetimi::düzeniYükle(int listeNo) {
    QHeaderView* b = horizontalHeader();
    const QString bölüm = bölümü(listeNo);
    const int n = sütunSayısı();
    // (saved position, index): placing the columns by ascending position rebuilds
    // any saved order; a damaged one still gives every column a place
    std::vector<std::pair<int, int>> konumlar;
    for (int i = 0; i < n; ++i) {
        bool tamam = false;
        const int konum = AyarOku(bölüm, QStringLiteral("Konum-%1").arg(i + 1)).toInt(&tamam);
        konumlar.emplace_back(tamam ? std::clamp(konum, 1, n) : i + 1, i);
        const auto genişlik = SayıOku(AyarOku(bölüm, QStringLiteral("Genislik-%1").arg(i + 1)));
        const double twip = genişlik && *genişlik >= 0 ? *genişlik : tasarımGenişlikleri_[static_cast<size_t>(i)];
        setColumnWidth(i, TwiptenPiksel(twip));
    }
    std::stable_sort(konumlar.begin(), konumlar.end());
    for (int yer = 0; yer < n; ++yer) {
        const int sütun = konumlar[static_cast<size_t>(yer)].second;
        b->moveSection(b->visualIndex(sütun), yer);
    }
}

void ListeDenetimi::düzeniKaydet(int listeNo) {
    QHeaderView* b = horizontalHeader();
    const QString bölüm = bölümü(listeNo);
    try {
        for (int i = 0; i < sütunSayısı(); ++i) {
            AyarYaz(bölüm, QStringLiteral("Konum-%1").arg(i + 1), QString::number(b->visualIndex(i) + 1));
            AyarYaz(bölüm, QStringLiteral("Genislik-%1").arg(i + 1), GenelSayı(double(sütunGenişliğiTwips(i))));
        }
    } catch (...) {
        // a layout that cannot be saved is not worth stopping a close for
    }
}

bool ListeDenetimi::event(QEvent* olay) {
    if ((olay->type() == QEvent::Show || olay->type() == QEvent::WindowActivate) && listeNo_ >= 1 && listeNo_ <= 7)
        çizgileriUygula();
    return QTableView::event(olay);
}

void ListeDenetimi::hideEvent(QHideEvent* olay) {
    // a window hides its children whichever way it closes
    if (listeNo_ > 0) düzeniKaydet(listeNo_);
    QTableView::hideEvent(olay);
}

void ListeDenetimi::sıralanabilirYap(bool evet) { sıralanabilir_ = evet; }

void ListeDenetimi::çizgileriUygula() { setShowGrid(ÇizgiliListeler); }

int ListeDenetimi::satırEkle(const QStringList& hücreler, const QVariant& anahtar) {
    model_->ekle({hücreler, anahtar});
    return model_->rowCount() - 1;
}

void ListeDenetimi::satırlarıKoy(std::vector<ListeSatırı> satırlar) {
    model_->sıfırla(std::move(satırlar));
    if (metinSıralamasıKalıcı_ && metinSıralamaSütunu_ >= 0) metinleSırala(metinSıralamaSütunu_, metinSıralamasıAzalan_);
}

void ListeDenetimi::satırlarıDeğerlerleKoy(std::vector<QVariantList> değerler,
                                           std::function<QString(int sütun, const QVariant&)> biçim) {
    model_->sıfırla(std::move(değerler), std::move(biçim));
    if (metinSıralamasıKalıcı_ && metinSıralamaSütunu_ >= 0) metinleSırala(metinSıralamaSütunu_, metinSıralamasıAzalan_);
}

void ListeDenetimi::temizle() { model_->sıfırla({}); }

void ListeDenetimi::satırSil(int satır) { model_->sil(satır); }

QString ListeDenetimi::hücre(int satır, int sütun) const {
    if (satır < 0 || satır >= satırSayısı() || sütun < 0) return {};
    return model_->hücreMetni(satır, sütun);
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
    if (sütun != SıralananSütun) SıralamaYönü = 0;
    else SıralamaYönü = SıralamaYönü == 0 ? 1 : 0;
    SıralananSütun = sütun;
    metinSıralamaSütunu_ = -1;
    try {
        switch (türler_[static_cast<size_t>(sütun)]) {
        case SütunTürü::Tarih:
            SayısalSıralama = 0;
            ListeyiSırala();
            break;
        case SütunTürü::Sayı:
            SayısalSıralama = 1;
            ListeyiSırala();
            break;
        case SütunTürü::Metin:
            metinSıralamaSütunu_ = sütun;
            metinSıralamasıAzalan_ = SıralamaYönü != 0;
            metinleSırala(sütun, metinSıralamasıAzalan_);
            break;
        }
    } catch (...) {
        // a failed sort leaves the rows as they were; the arrow is still drawn
    }
    SütunBaşlığınaOkKoy(sütun);
}

void ListeDenetimi::ListeyiSırala() {
    const int sütun = SıralananSütun;
    if (sütun < 0 || sütun >= sütunSayısı()) return;
    const bool azalan = SıralamaYönü != 0;
    const int n = satırSayısı();
    if (SayısalSıralama == 0) {
        std::vector<qint64> günler;
        günler.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) günler.push_back(tarihDeğeri(model_->hücreMetni(i, sütun)));
        model_->sırayıUygula(sıraBul(günler, azalan, std::less<qint64>()));
    } else {
        std::vector<double> sayılar;
        sayılar.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) sayılar.push_back(sayıDeğeri(model_->hücreMetni(i, sütun)));
        model_->sırayıUygula(sıraBul(sayılar, azalan, std::less<double>()));
    }
}

void ListeDenetimi::metinleSırala(int sütun, bool azalan) {
    // Columns of codes and names repeat their texts: each distinct text gets one
    // collation key, and the rows are sorted by the rank of their text.
    QHash<QString, int> farklıNo;
    std::vector<QString> farklılar;
    std::vector<int> satırınFarklısı;
    satırınFarklısı.reserve(model_->satırlar.size());
    for (int i = 0; i < satırSayısı(); ++i) {
        const QString metin = model_->hücreMetni(i, sütun);
        auto it = farklıNo.constFind(metin);
        if (it == farklıNo.cend()) {
            it = farklıNo.insert(metin, static_cast<int>(farklılar.size()));
            farklılar.push_back(metin);
        }
        satırınFarklısı.push_back(*it);
    }
    std::vector<QCollatorSortKey> anahtarlar;
    anahtarlar.reserve(farklılar.size());
    for (const QString& m : farklılar) anahtarlar.push_back(TürkçeSıralamaAnahtarı(m));
    std::vector<int> düzen(farklılar.size());
    std::iota(düzen.begin(), düzen.end(), 0);
    std::sort(düzen.begin(), düzen.end(), [&](int a, int b) {
        return anahtarlar[static_cast<size_t>(a)].compare(anahtarlar[static_cast<size_t>(b)]) < 0;
    });
    // texts that collate equal share a rank, so their rows keep their order
    std::vector<int> derece(farklılar.size());
    for (size_t i = 0, d = 0; i < düzen.size(); ++i) {
        if (i > 0 && anahtarlar[static_cast<size_t>(düzen[i - 1])].compare(anahtarlar[static_cast<size_t>(düzen[i])]) != 0)
            ++d;
        derece[static_cast<size_t>(düzen[i])] = static_cast<int>(d);
    }
    std::vector<int> satırDerecesi;
    satırDerecesi.reserve(satırınFarklısı.size());
    for (int f : satırınFarklısı) satırDerecesi.push_back(derece[static_cast<size_t>(f)]);
    model_->sırayıUygula(sıraBul(satırDerecesi, azalan, std::less<int>()));
}

void ListeDenetimi::SütunBaşlığınaOkKoy(int sütun) {
    model_->okluSütun = sütun;
    model_->okYönü = SıralamaYönü;
    emit model_->headerDataChanged(Qt::Horizontal, 0, sütunSayısı() - 1);
    if (satırSayısı() > 0 && seçiliSatır() >= 0) scrollTo(model_->index(seçiliSatır(), 0));
}
