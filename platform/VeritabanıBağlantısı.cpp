#include "platform/VeritabanıBağlantısı.h"

#include "platform/Türkçe.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

int türkçeHarmanla(void*, int n1, const void* s1, int n2, const void* s2) {
    const QString a = QString::fromUtf16(static_cast<const char16_t*>(s1), n1 / 2);
    const QString b = QString::fromUtf16(static_cast<const char16_t*>(s2), n2 / 2);
    return TürkçeKarşılaştır(a, b);
}

int numarası(int kod) {
    switch (kod & 0xff) {
    case SQLITE_NOTADB: return HataNo::ŞifreYanlış;
    case SQLITE_CANTOPEN: return HataNo::DosyayaErişilemiyor;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return 3260;  // held by another user
    default: return kod & 0xff;
    }
}

// A failure of a statement on the open store. "Cannot open" there is a file the
// store makes beside itself (the rollback journal) in a folder that takes no new
// files: the write is refused like a write to a read-only store file, and the
// program goes on; it is never taken for a store that cannot be reached.
DeporaHatası çalışmaHatası(int kod, const QString& ileti) {
    if ((kod & 0xff) == SQLITE_CANTOPEN)
        return DeporaHatası(SQLITE_READONLY, QStringLiteral("Veritabanına yazılamıyor: bulunduğu klasörde dosya "
                                                            "oluşturulamadı (klasör salt okunur olabilir)."));
    return DeporaHatası(numarası(kod), ileti);
}

// The format every store is written in: the engine's settings of its version 3 (pages of 1,024
// bytes, 64,000 rounds of PBKDF2-HMAC-SHA1 for the key, each page sealed with HMAC-SHA1). Set on
// every open, after the key and before the first read, so that an engine whose defaults have
// moved on still reads and writes the stores as they are. The first setting is the engine's own
// name for all of them since version 4; an engine that does not know a setting passes it over.
const char* const BiçimAyarları =
    "PRAGMA cipher_compatibility = 3;"
    "PRAGMA cipher_page_size = 1024; PRAGMA kdf_iter = 64000; PRAGMA cipher_use_hmac = ON;"
    "PRAGMA cipher_hmac_algorithm = HMAC_SHA1; PRAGMA cipher_kdf_algorithm = PBKDF2_HMAC_SHA1;";

// The page holding the byte the engine locks a file at (1 GiB): never written, so a
// file larger than that has a page of zeros there.
constexpr std::int64_t KilitSayfası = (std::int64_t{1} << 30) / VeritabanıBağlantısı::SayfaBoyutu + 1;

// Reads the bytes of a file the engine has open, through its own handle.
std::function<bool(char*, std::int64_t, std::int64_t)> okuyanı(sqlite3_file* dosya) {
    return [dosya](char* tampon, std::int64_t konum, std::int64_t uzunluk) {
        return dosya->pMethods->xRead(dosya, tampon, static_cast<int>(uzunluk), konum) == SQLITE_OK;
    };
}

std::function<bool(int)>& diskeYazıcı() {
    static std::function<bool(int)> y;
    return y;
}

}  // namespace

QString VeritabanıBağlantısı::VarsayılanAnahtar() { return QStringLiteral("zegöpnr1987"); }

VeritabanıBağlantısı::~VeritabanıBağlantısı() { kapat(); }

void VeritabanıBağlantısı::hataFırlat(int kod) const {
    if (!db_) throw DeporaHatası(numarası(kod), QString::fromUtf8(sqlite3_errstr(kod)));
    throw çalışmaHatası(kod, QString::fromUtf8(sqlite3_errmsg(db_)));
}

sqlite3* VeritabanıBağlantısı::gerekli() const {
    if (!db_) throw DeporaHatası(HataNo::VeritabanıAçıkDeğil, QStringLiteral("Veritabanı açık değil."));
    return db_;
}

void VeritabanıBağlantısı::aç(const QString& yol, const QString& anahtar) { bağlan(yol, anahtar, false); }
void VeritabanıBağlantısı::saltOkunurAç(const QString& yol, const QString& anahtar) {
    bağlan(yol, anahtar, false, true);
}

void VeritabanıBağlantısı::yeniOluştur(const QString& yol, const QString& anahtar) {
    if (QFileInfo::exists(yol))
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Dosya zaten var: %1").arg(yol));
    bağlan(yol, anahtar, true);
}

void VeritabanıBağlantısı::bağlan(const QString& yol, const QString& anahtar, bool oluştur, bool saltOkunur) {
    kapat();
    const QFileInfo bilgi(yol);
    if (!bilgi.dir().exists())
        throw DeporaHatası(HataNo::YolBulunamadı, QStringLiteral("Yol bulunamadı: %1").arg(yol));
    if (!oluştur && !bilgi.exists())
        throw DeporaHatası(HataNo::DosyayaErişilemiyor, QStringLiteral("Dosya bulunamadı: %1").arg(yol));

    sqlite3* db = nullptr;
    const int bayrak =
        saltOkunur ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | (oluştur ? SQLITE_OPEN_CREATE : 0);
    int kod = sqlite3_open_v2(QFile::encodeName(yol).constData(), &db, bayrak, nullptr);
    auto vazgeç = [&](int k, const QString& ileti) {
        sqlite3_close_v2(db);
        throw DeporaHatası(numarası(k), ileti);
    };
    if (kod != SQLITE_OK) vazgeç(kod, QString::fromUtf8(sqlite3_errmsg(db)));
    const QByteArray a = anahtar.toUtf8();
    kod = sqlite3_key(db, a.constData(), a.size());
    if (kod == SQLITE_OK) kod = sqlite3_exec(db, BiçimAyarları, nullptr, nullptr, nullptr);
    if (kod != SQLITE_OK) vazgeç(kod, QString::fromUtf8(sqlite3_errmsg(db)));
    // another workstation's write in progress is waited for, the first read included
    sqlite3_busy_timeout(db, 5000);
    // The first read tells a wrong key from a good one.
    kod = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (kod != SQLITE_OK) vazgeç(kod, QString::fromUtf8(sqlite3_errmsg(db)));
    // The page cache holds what the lists and sheets of a large store read again
    // and again (the default of 2,000 pages does not); it fills only as pages are read.
    kod = sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA cache_size=-32768;", nullptr,
                       nullptr, nullptr);
    if (kod != SQLITE_OK) vazgeç(kod, QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_create_collation_v2(db, "TURKCE", SQLITE_UTF16_ALIGNED, nullptr, türkçeHarmanla, nullptr);
    db_ = db;
    yol_ = yol;
    if (!oluştur && !saltOkunur) okumaDizinleriniTamamla();
}

void VeritabanıBağlantısı::okumaDizinleriniTamamla() {
    // The totals of a part (alone, or per period) read from the index alone, and an
    // archived voucher found by its number. A store made before them gets them here;
    // one without the table or column, or held by another seat's write, goes on without.
    static const char* const dizinler[] = {
        "CREATE INDEX IF NOT EXISTS Giris_ParcaToplamlari ON GirisIslemleriTablosu (ParcaNo, Tarihi, Miktari, Tutari)",
        "CREATE INDEX IF NOT EXISTS Cikis_ParcaToplamlari ON CikisIslemleriTablosu (ParcaNo, Tarihi, Miktari, Tutari)",
        "CREATE INDEX IF NOT EXISTS Giris_ArsivFisNo ON GirisIslemleriTablosu (ArsivFisNo)",
        "CREATE INDEX IF NOT EXISTS Cikis_ArsivFisNo ON CikisIslemleriTablosu (ArsivFisNo)",
        // the earliest voucher not archived yet, without walking the archived years
        "CREATE INDEX IF NOT EXISTS Giris_ArsivlenmemisTarihi ON GirisIslemleriTablosu (Tarihi) WHERE FisNo>0",
        "CREATE INDEX IF NOT EXISTS Cikis_ArsivlenmemisTarihi ON CikisIslemleriTablosu (Tarihi) WHERE FisNo>0",
    };
    for (const char* d : dizinler) sqlite3_exec(gerekli(), d, nullptr, nullptr, nullptr);
}

void VeritabanıBağlantısı::önbelleğiBoşalt() {
    for (auto& h : önbellek_) sqlite3_finalize(h.st);
    önbellek_.clear();
}

void VeritabanıBağlantısı::kapat() {
    if (!db_) return;
    önbelleğiBoşalt();
    sqlite3_close_v2(db_);
    db_ = nullptr;
    yol_.clear();
}

sqlite3_stmt* VeritabanıBağlantısı::hazırla(const QString& sql, bool& önbellekten) {
    sqlite3* db = gerekli();
    auto it = önbellek_.find(sql);
    if (it != önbellek_.end() && !it->kullanımda) {
        it->kullanımda = true;
        önbellekten = true;
        return it->st;
    }
    sqlite3_stmt* st = nullptr;
    const QByteArray s = sql.toUtf8();
    const int kod = sqlite3_prepare_v2(db, s.constData(), s.size(), &st, nullptr);
    if (kod != SQLITE_OK) hataFırlat(kod);
    if (it == önbellek_.end()) {
        önbellek_.insert(sql, Hazır{st, true});
        önbellekten = true;
    } else {
        önbellekten = false;  // the cached one is busy (a nested use)
    }
    return st;
}

void VeritabanıBağlantısı::bırak(sqlite3_stmt* st, bool önbellekten) {
    if (!önbellekten) {
        sqlite3_finalize(st);
        return;
    }
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    for (auto& h : önbellek_)
        if (h.st == st) h.kullanımda = false;
}

int VeritabanıBağlantısı::çalıştır(const QString& sql, const QVariantList& değerler) {
    Sorgu s(*this, sql, değerler);
    return s.çalıştır();
}

QVariant VeritabanıBağlantısı::tekDeğer(const QString& sql, const QVariantList& değerler) {
    Sorgu s(*this, sql, değerler);
    if (!s.sonraki()) return {};
    return s.değer(QString());
}

void VeritabanıBağlantısı::betikÇalıştır(const QString& sql) {
    char* ileti = nullptr;
    const int kod = sqlite3_exec(gerekli(), sql.toUtf8().constData(), nullptr, nullptr, &ileti);
    if (kod != SQLITE_OK) {
        const QString m = QString::fromUtf8(ileti ? ileti : "");
        sqlite3_free(ileti);
        throw çalışmaHatası(kod, m);
    }
}

std::int64_t VeritabanıBağlantısı::sonEklenenNo() const { return sqlite3_last_insert_rowid(gerekli()); }

bool VeritabanıBağlantısı::tabloVarMı(const QString& tablo) {
    return tekDeğer(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?"), {tablo})
               .toLongLong() > 0;
}

bool VeritabanıBağlantısı::sütunVarMı(const QString& tablo, const QString& sütun) {
    // PRAGMA takes no bound table name; the name is checked against the catalogue first.
    if (!tabloVarMı(tablo)) return false;
    QString t = tablo;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    Sorgu s(*this, QStringLiteral("PRAGMA table_info(\"%1\")").arg(t));
    while (s.sonraki())
        if (s.metin(QStringLiteral("name")).compare(sütun, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void VeritabanıBağlantısı::işlemBaşlat() { betikÇalıştır(QStringLiteral("BEGIN IMMEDIATE")); }
void VeritabanıBağlantısı::işlemOnayla() { betikÇalıştır(QStringLiteral("COMMIT")); }
void VeritabanıBağlantısı::işlemGeriAl() {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}
bool VeritabanıBağlantısı::işlemde() const { return db_ && !sqlite3_get_autocommit(db_); }

void VeritabanıBağlantısı::sağlamlığıDenetle(const QStringList& olmasıGerekenTablolar, bool sayfalarıyla) {
    for (const QString& t : olmasıGerekenTablolar)
        if (!tabloVarMı(t)) throw DeporaHatası(HataNo::VeritabanıBozuk, QStringLiteral("%1 tablosu yok.").arg(t));
    if (!sayfalarıyla) return;
    okurken([&] {
        sıfırSayfasınıAra();
        QString sonuç;
        try {
            sonuç = tekDeğer(QStringLiteral("PRAGMA quick_check(1)")).toString();
        } catch (const DeporaHatası& h) {
            // the key opened the first page: a page that does not decrypt is a damaged one
            if (h.numara() != HataNo::ŞifreYanlış) throw;
            sonuç = h.açıklama();
        }
        if (sonuç != QLatin1String("ok")) throw DeporaHatası(HataNo::VeritabanıBozuk, sonuç);
    });
}

void VeritabanıBağlantısı::okurken(const std::function<void()>& iş) {
    const bool kendiİşlemi = !işlemde();
    if (kendiİşlemi) betikÇalıştır(QStringLiteral("BEGIN"));
    try {
        tekDeğer(QStringLiteral("SELECT count(*) FROM sqlite_master"));  // takes the read lock
        iş();
    } catch (...) {
        if (kendiİşlemi) işlemGeriAl();
        throw;
    }
    if (kendiİşlemi) işlemGeriAl();  // a read: nothing to keep
}

sqlite3_file* VeritabanıBağlantısı::dosyası(std::int64_t& boyut) {
    // The engine's own handle of the file: opening the file a second time and
    // closing it would drop every lock this process holds on it.
    sqlite3_file* dosya = nullptr;
    sqlite3_int64 b = 0;
    if (sqlite3_file_control(gerekli(), "main", SQLITE_FCNTL_FILE_POINTER, &dosya) != SQLITE_OK || !dosya ||
        !dosya->pMethods || dosya->pMethods->xFileSize(dosya, &b) != SQLITE_OK)
        throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("Veritabanı dosyası okunamadı: %1").arg(yol_));
    boyut = b;
    return dosya;
}

void VeritabanıBağlantısı::sıfırSayfasınıAra() {
    // The engine takes a page of zero bytes for an empty one without checking its seal, so a
    // page wiped on the disk would pass its checks; the engine itself never writes one.
    // Only whether a page is all zero bytes is looked at: nothing is decrypted here.
    const std::int64_t sayfalar = tekDeğer(QStringLiteral("PRAGMA page_count")).toLongLong();
    std::int64_t boyut = 0;
    sqlite3_file* dosya = dosyası(boyut);
    constexpr int Öbek = 1024;  // pages read at once
    static const char sıfır[SayfaBoyutu] = {};
    std::vector<char> tampon(static_cast<size_t>(Öbek) * SayfaBoyutu);
    for (std::int64_t ilk = 0; ilk < sayfalar; ilk += Öbek) {
        const int n = static_cast<int>(std::min<std::int64_t>(Öbek, sayfalar - ilk));
        // a file shorter than its pages reads as zeros past its end
        const int kod = dosya->pMethods->xRead(dosya, tampon.data(), n * SayfaBoyutu, ilk * SayfaBoyutu);
        if (kod != SQLITE_OK && kod != SQLITE_IOERR_SHORT_READ) hataFırlat(kod);
        for (int i = 0; i < n; ++i) {
            const std::int64_t no = ilk + i + 1;
            if (no != KilitSayfası && std::memcmp(tampon.data() + i * SayfaBoyutu, sıfır, SayfaBoyutu) == 0)
                throw DeporaHatası(HataNo::VeritabanıBozuk,
                                   QStringLiteral("Dosyanın %1. sayfası boş (yalnız sıfır).").arg(no));
        }
    }
}

QHash<QString, std::int64_t> VeritabanıBağlantısı::anahtarSayaçları() {
    QHash<QString, std::int64_t> sayaçlar;
    if (!tabloVarMı(QStringLiteral("sqlite_sequence"))) return sayaçlar;
    Sorgu s(*this, QStringLiteral("SELECT name, seq FROM sqlite_sequence"));
    while (s.sonraki()) sayaçlar.insert(s.metin(QStringLiteral("name")), s.tamsayı(QStringLiteral("seq")));
    return sayaçlar;
}

void VeritabanıBağlantısı::dosyaKopyasıYaz(const QString& hedef) {
    okurken([&] {
        std::int64_t boyut = 0;
        sqlite3_file* dosya = dosyası(boyut);
        YeniDosyaYaz(hedef, boyut, okuyanı(dosya), true);
    });
    // flushed once the read has ended: a slow disk keeps no seat's write waiting
    DiskeYaz(hedef);
}

bool VeritabanıBağlantısı::dosyasıAynıMı(const QString& diğer) {
    bool aynı = false;
    okurken([&] {
        std::int64_t boyut = 0;
        sqlite3_file* dosya = dosyası(boyut);
        aynı = AynıBaytlarMı(boyut, okuyanı(dosya), diğer);
    });
    return aynı;
}

bool AynıBaytlarMı(std::int64_t boyut, const std::function<bool(char*, std::int64_t, std::int64_t)>& oku,
                   const QString& diğer) {
    QFile öteki(diğer);
    if (!öteki.open(QIODevice::ReadOnly) || öteki.size() != boyut) return false;
    constexpr std::int64_t Parça = 1 << 17;
    std::vector<char> bu(static_cast<size_t>(Parça)), o(static_cast<size_t>(Parça));
    for (std::int64_t konum = 0; konum < boyut; konum += Parça) {
        const std::int64_t n = std::min(Parça, boyut - konum);
        if (!oku(bu.data(), konum, n) || öteki.read(o.data(), n) != n ||
            std::memcmp(bu.data(), o.data(), static_cast<size_t>(n)) != 0)
            return false;
    }
    return true;
}

bool DosyalarAynıMı(const QString& bir, const QString& diğer) {
    QFile f(bir);
    return f.open(QIODevice::ReadOnly) &&
           AynıBaytlarMı(f.size(), [&f](char* tampon, std::int64_t konum, std::int64_t uzunluk) {
               return f.seek(konum) && f.read(tampon, uzunluk) == uzunluk;
           }, diğer);
}

void YeniDosyaYaz(const QString& hedef, std::int64_t boyut,
                  const std::function<bool(char*, std::int64_t, std::int64_t)>& oku, bool yalnızSahibi) {
    auto hata = [&](const QString& neden) {
        return DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("%1 yazılamadı: %2").arg(hedef, neden));
    };
    const int tanıtıcı = ::open(QFile::encodeName(hedef).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                yalnızSahibi ? 0600 : 0666);
    if (tanıtıcı < 0) throw hata(QString::fromLocal8Bit(std::strerror(errno)));
    QFile f;
    f.open(tanıtıcı, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    auto vazgeç = [&](const QString& neden) {
        f.close();
        QFile::remove(hedef);
        throw hata(neden);
    };
    constexpr std::int64_t Parça = 1 << 17;
    std::vector<char> tampon(static_cast<size_t>(std::min(Parça, std::max<std::int64_t>(boyut, 1))));
    for (std::int64_t konum = 0; konum < boyut; konum += Parça) {
        const std::int64_t n = std::min(Parça, boyut - konum);
        if (!oku(tampon.data(), konum, n)) vazgeç(QStringLiteral("kaynak okunamadı"));
        if (f.write(tampon.data(), n) != n) vazgeç(f.errorString());
    }
    if (!f.flush()) vazgeç(f.errorString());
    f.close();
}

void DiskeYaz(const QString& yol) {
    const int tanıtıcı = ::open(QFile::encodeName(yol).constData(), O_RDONLY | O_CLOEXEC);
    const bool tamam = tanıtıcı >= 0 && (diskeYazıcı() ? diskeYazıcı()(tanıtıcı) : ::fsync(tanıtıcı) == 0);
    const QString neden = QString::fromLocal8Bit(std::strerror(errno));
    if (tanıtıcı >= 0) ::close(tanıtıcı);
    if (!tamam) {
        QFile::remove(yol);
        throw DeporaHatası(HataNo::YedekYazılamadı, QStringLiteral("%1 diske yazılamadı: %2").arg(yol, neden));
    }
}

void DiskeYazıcıKur(std::function<bool(int tanıtıcı)> yazıcı) { diskeYazıcı() = std::move(yazıcı); }

İşlem::İşlem(VeritabanıBağlantısı& vt) : vt_(vt) { vt_.işlemBaşlat(); }
İşlem::~İşlem() {
    if (!bitti_) vt_.işlemGeriAl();
}
void İşlem::onayla() {
    vt_.işlemOnayla();
    bitti_ = true;
}

Sorgu::Sorgu(VeritabanıBağlantısı& vt, const QString& sql) : vt_(vt), st_(vt.hazırla(sql, önbellekten_)) {}

Sorgu::Sorgu(VeritabanıBağlantısı& vt, const QString& sql, const QVariantList& değerler) : Sorgu(vt, sql) {
    try {
        for (const auto& d : değerler) bağla(d);
    } catch (...) {
        vt_.bırak(st_, önbellekten_);
        throw;
    }
}

Sorgu::~Sorgu() { vt_.bırak(st_, önbellekten_); }

Sorgu& Sorgu::bağla(const QVariant& d) {
    const int i = sıradaki_++;
    int kod;
    if (d.isNull() || !d.isValid()) {
        kod = sqlite3_bind_null(st_, i);
    } else {
        switch (d.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            kod = sqlite3_bind_int64(st_, i, d.toLongLong());
            break;
        case QMetaType::ULongLong:
        case QMetaType::ULong: {
            const auto u = d.toULongLong();
            if (u > static_cast<unsigned long long>(INT64_MAX))
                throw DeporaHatası(HataNo::Taşma, QStringLiteral("Taşma"));
            kod = sqlite3_bind_int64(st_, i, static_cast<sqlite3_int64>(u));
            break;
        }
        case QMetaType::Double:
        case QMetaType::Float:
            kod = sqlite3_bind_double(st_, i, d.toDouble());
            break;
        case QMetaType::QDate: {
            const QByteArray t = VtTarihi(d.toDate()).toUtf8();
            kod = sqlite3_bind_text(st_, i, t.constData(), t.size(), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString s = d.toString();
            kod = sqlite3_bind_text16(st_, i, s.utf16(), static_cast<int>(s.size() * 2), SQLITE_TRANSIENT);
        }
        }
    }
    if (kod != SQLITE_OK) vt_.hataFırlat(kod);
    return *this;
}

Sorgu& Sorgu::bağla(Para tutar) { return bağla(QVariant(static_cast<qlonglong>(tutar.onBinde()))); }

bool Sorgu::sonraki() {
    const int kod = sqlite3_step(st_);
    if (kod == SQLITE_ROW) return true;
    if (kod == SQLITE_DONE) return false;
    sqlite3_reset(st_);
    vt_.hataFırlat(kod);
}

int Sorgu::çalıştır() {
    while (sonraki()) {
    }
    return sqlite3_changes(vt_.tutamaç());
}

int Sorgu::sütunNo(const QString& sütun) const {
    if (sütun.isEmpty()) return 0;
    // A loop over many rows asks for the same few names again and again, spelled
    // alike and in the same order: the last name asked, or the one after it, first.
    const size_t n = sorulanlar_.size();
    for (size_t k = 0; k < n; ++k) {
        const size_t i = (sonSorulan_ + k) % n;
        if (sorulanlar_[i].first == sütun) {
            sonSorulan_ = i;
            return sorulanlar_[i].second;
        }
    }
    if (sütunlar_.isEmpty()) {
        const int n = sqlite3_column_count(st_);
        for (int i = 0; i < n; ++i)
            sütunlar_.insert(QString::fromUtf8(sqlite3_column_name(st_, i)).toLower(), i);
    }
    const auto it = sütunlar_.constFind(sütun.toLower());
    if (it == sütunlar_.constEnd())
        throw DeporaHatası(3265, QStringLiteral("Sütun bulunamadı: %1").arg(sütun));
    sonSorulan_ = sorulanlar_.size();
    sorulanlar_.emplace_back(sütun, *it);
    return *it;
}

bool Sorgu::boşMu(const QString& sütun) const { return sqlite3_column_type(st_, sütunNo(sütun)) == SQLITE_NULL; }

QVariant Sorgu::değer(const QString& sütun) const {
    const int i = sütunNo(sütun);
    switch (sqlite3_column_type(st_, i)) {
    case SQLITE_NULL: return {};
    case SQLITE_INTEGER: return QVariant(static_cast<qlonglong>(sqlite3_column_int64(st_, i)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(st_, i));
    default: return metin(sütun);
    }
}

QString Sorgu::metin(const QString& sütun) const {
    const int i = sütunNo(sütun);
    const auto* p = static_cast<const char16_t*>(sqlite3_column_text16(st_, i));
    if (!p) return {};
    const qsizetype uzunluk = sqlite3_column_bytes16(st_, i) / 2;
    // a text like the one this column gave last is shared, not made again: long
    // lists repeat a column's date, name or invoice over many rows
    if (sonMetinler_.size() <= static_cast<size_t>(i)) sonMetinler_.resize(static_cast<size_t>(i) + 1);
    QString& son = sonMetinler_[static_cast<size_t>(i)];
    if (son.isNull() || son.size() != uzunluk || std::memcmp(son.utf16(), p, static_cast<size_t>(uzunluk) * 2) != 0)
        son = QString::fromUtf16(p, uzunluk);
    return son;
}

std::int64_t Sorgu::tamsayı(const QString& sütun) const { return sqlite3_column_int64(st_, sütunNo(sütun)); }
double Sorgu::sayı(const QString& sütun) const { return sqlite3_column_double(st_, sütunNo(sütun)); }
Para Sorgu::para(const QString& sütun) const { return Para::onBindeden(sqlite3_column_int64(st_, sütunNo(sütun))); }
QDate Sorgu::tarih(const QString& sütun) const { return VtTarihindenOku(metin(sütun)); }

QString İleBaşlarKalıbı(const QString& önek) {
    QString s = önek;
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    s.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return s + QLatin1Char('%');
}

QString ÖnekÜstSınırı(const QString& önek) {
    // U+10FFFF is the largest code point: its UTF-8 form sorts above every
    // character that can follow the prefix.
    return önek + QString::fromUcs4(U"\U0010FFFF", 1);
}
