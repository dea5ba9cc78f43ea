#include "platform/ÇözenDosyaKatmanı.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cstring>
#include <fcntl.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How the engine writes a store with its default settings: pages of 1,024 bytes,
// each encrypted with AES-256-CBC and ending in its IV and its HMAC-SHA1 seal
// (48 bytes kept back from every page); the first page keeps its first 16 bytes,
// the salt of the key, in the clear. The key comes from the passphrase and the
// salt (PBKDF2-HMAC-SHA1, 64,000 rounds), the seal's key from the key and the
// salt with every byte xor 0x3a (2 rounds).
constexpr int Sayfa = 1024;
constexpr int Tuz = 16;
constexpr int Iv = 16;
constexpr int Mühür = 20;
constexpr int Ayrılan = 48;
constexpr int AnahtarUzunluğu = 32;
constexpr int Tur = 64000;
constexpr int MühürTuru = 2;
constexpr unsigned char MühürTuzuMaskesi = 0x3a;
constexpr char DosyaBaşlığı[Tuz] = "SQLite format 3";

class Çözücü {
public:
    Çözücü(const unsigned char* harita, sqlite3_int64 boyut) : harita_(harita), boyut_(boyut) {}
    ~Çözücü() {
        EVP_CIPHER_CTX_free(şifre_);
        for (EVP_MD_CTX* c : {iç_, dış_, mühür_}) EVP_MD_CTX_free(c);
        if (boyut_ > 0) ::munmap(const_cast<unsigned char*>(harita_), static_cast<size_t>(boyut_));
    }
    Çözücü(const Çözücü&) = delete;
    Çözücü& operator=(const Çözücü&) = delete;

    sqlite3_int64 boyut() const { return boyut_; }

    bool anahtarıKur(const char* parola) {
        if (boyut_ < Tuz) return true;  // no page to decrypt
        unsigned char anahtar[AnahtarUzunluğu], mühürAnahtarı[AnahtarUzunluğu], mühürTuzu[Tuz];
        std::array<unsigned char, 64> içDolgu{}, dışDolgu{};
        for (int i = 0; i < Tuz; ++i) mühürTuzu[i] = harita_[i] ^ MühürTuzuMaskesi;
        bool tamam = PKCS5_PBKDF2_HMAC(parola, static_cast<int>(std::strlen(parola)), harita_, Tuz, Tur, EVP_sha1(),
                                       AnahtarUzunluğu, anahtar) == 1 &&
                     PKCS5_PBKDF2_HMAC(reinterpret_cast<const char*>(anahtar), AnahtarUzunluğu, mühürTuzu, Tuz,
                                       MühürTuru, EVP_sha1(), AnahtarUzunluğu, mühürAnahtarı) == 1;
        // HMAC with its inner and outer halves begun once, copied for every page
        içDolgu.fill(0x36);
        dışDolgu.fill(0x5c);
        for (int i = 0; i < AnahtarUzunluğu; ++i) {
            içDolgu[i] ^= mühürAnahtarı[i];
            dışDolgu[i] ^= mühürAnahtarı[i];
        }
        şifre_ = EVP_CIPHER_CTX_new();
        iç_ = EVP_MD_CTX_new();
        dış_ = EVP_MD_CTX_new();
        mühür_ = EVP_MD_CTX_new();
        tamam = tamam && şifre_ && iç_ && dış_ && mühür_ &&
                EVP_DecryptInit_ex2(şifre_, EVP_aes_256_cbc(), anahtar, nullptr, nullptr) == 1 &&
                EVP_CIPHER_CTX_set_padding(şifre_, 0) == 1 && EVP_DigestInit_ex2(iç_, EVP_sha1(), nullptr) == 1 &&
                EVP_DigestUpdate(iç_, içDolgu.data(), içDolgu.size()) == 1 &&
                EVP_DigestInit_ex2(dış_, EVP_sha1(), nullptr) == 1 &&
                EVP_DigestUpdate(dış_, dışDolgu.data(), dışDolgu.size()) == 1;
        OPENSSL_cleanse(anahtar, sizeof anahtar);
        OPENSSL_cleanse(mühürAnahtarı, sizeof mühürAnahtarı);
        OPENSSL_cleanse(içDolgu.data(), içDolgu.size());
        OPENSSL_cleanse(dışDolgu.data(), dışDolgu.size());
        return tamam;
    }

    // Reads as a plain file would, from the decrypted pages.
    int oku(unsigned char* tampon, int uzunluk, sqlite3_int64 konum) {
        while (uzunluk > 0) {
            const sqlite3_int64 no = konum / Sayfa + 1;
            const int içinde = static_cast<int>(konum % Sayfa);
            const int parça = std::min(uzunluk, Sayfa - içinde);
            if (no * Sayfa > boyut_) {
                // past the end: what a plain file gives, zeros and a short read
                std::memset(tampon, 0, static_cast<size_t>(uzunluk));
                return boyut_ % Sayfa == 0 ? SQLITE_IOERR_SHORT_READ : SQLITE_CORRUPT;
            }
            if (no != çözülenNo_) {
                if (!çöz(no)) return no == 1 ? SQLITE_NOTADB : SQLITE_CORRUPT;
                çözülenNo_ = no;
            }
            std::memcpy(tampon, çözülen_.data() + içinde, static_cast<size_t>(parça));
            tampon += parça;
            konum += parça;
            uzunluk -= parça;
        }
        return SQLITE_OK;
    }

private:
    bool çöz(sqlite3_int64 no) {
        const unsigned char* ham = harita_ + (no - 1) * Sayfa;
        const int baş = no == 1 ? Tuz : 0;
        const int boy = Sayfa - baş - Ayrılan;
        const unsigned char* iv = ham + baş + boy;
        const unsigned char sayfaNo[4] = {static_cast<unsigned char>(no), static_cast<unsigned char>(no >> 8),
                                          static_cast<unsigned char>(no >> 16), static_cast<unsigned char>(no >> 24)};
        unsigned char özet[EVP_MAX_MD_SIZE];
        unsigned int özetBoyu = 0;
        // the seal covers the encrypted page and its IV, then the page number
        bool tamam = EVP_MD_CTX_copy_ex(mühür_, iç_) == 1 && EVP_DigestUpdate(mühür_, ham + baş, boy + Iv) == 1 &&
                     EVP_DigestUpdate(mühür_, sayfaNo, sizeof sayfaNo) == 1 &&
                     EVP_DigestFinal_ex(mühür_, özet, &özetBoyu) == 1 && EVP_MD_CTX_copy_ex(mühür_, dış_) == 1 &&
                     EVP_DigestUpdate(mühür_, özet, özetBoyu) == 1 &&
                     EVP_DigestFinal_ex(mühür_, özet, &özetBoyu) == 1;
        if (!tamam || CRYPTO_memcmp(özet, iv + Iv, Mühür) != 0) {
            // a page of zeros only is one the engine never wrote, read as such
            if (std::all_of(ham, ham + Sayfa, [](unsigned char b) { return b == 0; })) {
                çözülen_.fill(0);
                return true;
            }
            return false;
        }
        int yazılan = 0, son = 0;
        if (EVP_DecryptInit_ex2(şifre_, nullptr, nullptr, iv, nullptr) != 1 ||
            EVP_DecryptUpdate(şifre_, çözülen_.data() + baş, &yazılan, ham + baş, boy) != 1 ||
            EVP_DecryptFinal_ex(şifre_, çözülen_.data() + baş + yazılan, &son) != 1)
            return false;
        std::memcpy(çözülen_.data() + baş + boy, ham + baş + boy, Ayrılan);
        if (no == 1) std::memcpy(çözülen_.data(), DosyaBaşlığı, Tuz);
        return true;
    }

    const unsigned char* harita_;
    sqlite3_int64 boyut_;
    EVP_CIPHER_CTX* şifre_ = nullptr;
    EVP_MD_CTX* iç_ = nullptr;
    EVP_MD_CTX* dış_ = nullptr;
    EVP_MD_CTX* mühür_ = nullptr;
    sqlite3_int64 çözülenNo_ = 0;
    std::array<unsigned char, Sayfa> çözülen_{};
};

struct ÇözülenDosya {
    sqlite3_file taban;
    Çözücü* çözücü;
};

Çözücü& çözücüsü(sqlite3_file* f) { return *reinterpret_cast<ÇözülenDosya*>(f)->çözücü; }

int kapat(sqlite3_file* f) {
    delete reinterpret_cast<ÇözülenDosya*>(f)->çözücü;
    return SQLITE_OK;
}
int oku(sqlite3_file* f, void* tampon, int uzunluk, sqlite3_int64 konum) {
    return çözücüsü(f).oku(static_cast<unsigned char*>(tampon), uzunluk, konum);
}
int yazma(sqlite3_file*, const void*, int, sqlite3_int64) { return SQLITE_READONLY; }
int kesme(sqlite3_file*, sqlite3_int64) { return SQLITE_READONLY; }
int eşitle(sqlite3_file*, int) { return SQLITE_OK; }
int boyutu(sqlite3_file* f, sqlite3_int64* boyut) {
    *boyut = çözücüsü(f).boyut();
    return SQLITE_OK;
}
int kilit(sqlite3_file*, int) { return SQLITE_OK; }
int kilitVarMı(sqlite3_file*, int* var) {
    *var = 0;
    return SQLITE_OK;
}
int denetim(sqlite3_file*, int, void*) { return SQLITE_NOTFOUND; }
int kesim(sqlite3_file*) { return 4096; }
int özellik(sqlite3_file*) { return 0; }

const sqlite3_io_methods Yöntemler = {
    1,     kapat,   oku,     yazma,   kesme,   eşitle,  boyutu,  kilit,   kilit,   kilitVarMı,
    denetim, kesim, özellik, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};

int aç(sqlite3_vfs*, const char* ad, sqlite3_file* f, int bayrak, int* çıkanBayrak) {
    auto* d = reinterpret_cast<ÇözülenDosya*>(f);
    d->taban.pMethods = nullptr;
    const char* parola = ad ? sqlite3_uri_parameter(ad, "anahtar") : nullptr;
    if (!parola || !(bayrak & SQLITE_OPEN_MAIN_DB) || !(bayrak & SQLITE_OPEN_READONLY)) return SQLITE_CANTOPEN;
    const int tanıtıcı = ::open(ad, O_RDONLY | O_CLOEXEC);
    if (tanıtıcı < 0) return SQLITE_CANTOPEN;
    struct stat durum {};
    void* harita = nullptr;
    if (::fstat(tanıtıcı, &durum) == 0 && durum.st_size > 0)
        harita = ::mmap(nullptr, static_cast<size_t>(durum.st_size), PROT_READ, MAP_SHARED, tanıtıcı, 0);
    ::close(tanıtıcı);
    if (harita == MAP_FAILED) return SQLITE_CANTOPEN;
    if (harita) ::madvise(harita, static_cast<size_t>(durum.st_size), MADV_SEQUENTIAL);
    auto* çözücü = new Çözücü(static_cast<const unsigned char*>(harita), harita ? durum.st_size : 0);
    if (!çözücü->anahtarıKur(parola)) {
        delete çözücü;
        return SQLITE_CANTOPEN;
    }
    d->çözücü = çözücü;
    d->taban.pMethods = &Yöntemler;
    if (çıkanBayrak) *çıkanBayrak = bayrak;
    return SQLITE_OK;
}

}  // namespace

const char* ÇözenDosyaKatmanı() {
    static const char* const ad = [] {
        static sqlite3_vfs vfs = *sqlite3_vfs_find(nullptr);
        vfs.zName = "depora-cozen";
        vfs.szOsFile = sizeof(ÇözülenDosya);
        vfs.xOpen = aç;
        sqlite3_vfs_register(&vfs, 0);
        return vfs.zName;
    }();
    return ad;
}

QByteArray ÇözülecekDosyaAdresi(const QString& yol, const QString& anahtar) {
    return QUrl::fromLocalFile(QFileInfo(yol).absoluteFilePath()).toEncoded() + "?anahtar=" +
           QUrl::toPercentEncoding(anahtar);
}
