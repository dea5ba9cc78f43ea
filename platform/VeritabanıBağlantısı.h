#pragma once
// The one database connection of the program: an encrypted SQLite file
// (SQLCipher) opened with its key, never created by opening. Statements take
// bound values only; rows are read by column name; a failing statement throws
// DeporaHatası with the number the error routine dispatches on.
#include "platform/DeporaHatası.h"
#include "platform/SayıTarih.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
struct sqlite3_file;

class VeritabanıBağlantısı {
public:
    VeritabanıBağlantısı() = default;
    ~VeritabanıBağlantısı();
    VeritabanıBağlantısı(const VeritabanıBağlantısı&) = delete;
    VeritabanıBağlantısı& operator=(const VeritabanıBağlantısı&) = delete;

    // The key every copy of the store is written with.
    static QString VarsayılanAnahtar();
    // The size of a page of every store, as its format is pinned on every open.
    static constexpr int SayfaBoyutu = 1024;

    // Opens an existing file; a missing file or folder, a wrong key or a file that
    // is not a store throws (3044, 3051, 3031). Closes what was open before.
    void aç(const QString& yol, const QString& anahtar = VarsayılanAnahtar());
    // The same for reading alone: nothing is written to the file.
    void saltOkunurAç(const QString& yol, const QString& anahtar = VarsayılanAnahtar());
    // Makes a new, empty store file (the delivery tool and the tests).
    void yeniOluştur(const QString& yol, const QString& anahtar = VarsayılanAnahtar());
    void kapat();
    bool açıkMı() const { return db_ != nullptr; }
    const QString& yol() const { return yol_; }

    // Runs one statement with bound values; returns the number of rows it changed.
    int çalıştır(const QString& sql, const QVariantList& değerler = {});
    // The first column of the first row, or a null value when there is no row.
    QVariant tekDeğer(const QString& sql, const QVariantList& değerler = {});
    // Several statements without values (schema scripts).
    void betikÇalıştır(const QString& sql);
    // The key the store gave the last added row.
    std::int64_t sonEklenenNo() const;

    // Adds the indexes the program reads through to a store that lacks them (done
    // on opening; the table script and the archive step call it after their changes).
    void okumaDizinleriniTamamla();

    bool tabloVarMı(const QString& tablo);
    bool sütunVarMı(const QString& tablo, const QString& sütun);

    // Transactions (use the İşlem guard below).
    void işlemBaşlat();
    void işlemOnayla();
    void işlemGeriAl();
    bool işlemde() const;

    // Throws 11 unless the open store holds the given tables and, with
    // sayfalarıyla, every page of it passes the engine's quick check and none of
    // its pages is all zero bytes on the disk.
    void sağlamlığıDenetle(const QStringList& olmasıGerekenTablolar, bool sayfalarıyla);
    // The largest key each table with growing keys has handed out (never lowered
    // by a delete): table name -> key.
    QHash<QString, std::int64_t> anahtarSayaçları();
    // Copies the open store's file byte for byte (still encrypted with its key) to
    // a new file readable by the user alone, holding a read lock meanwhile so that
    // no seat's write falls in the middle, then flushes it to the disk once the lock
    // is let go. Throws 75 and leaves nothing on failure.
    void dosyaKopyasıYaz(const QString& hedef);
    // Whether the open store's file holds byte for byte what the given file holds, read
    // under a read lock as the copy is.
    bool dosyasıAynıMı(const QString& diğer);

    sqlite3* tutamaç() const { return db_; }

    // Throws for an unopened connection (3420).
    sqlite3* gerekli() const;
    [[noreturn]] void hataFırlat(int kod) const;

    // Statements are prepared once and kept by their text.
    sqlite3_stmt* hazırla(const QString& sql, bool& önbellekten);
    void bırak(sqlite3_stmt* st, bool önbellekten);

private:
    void bağlan(const QString& yol, const QString& anahtar, bool oluştur, bool saltOkunur = false);
    void önbelleğiBoşalt();
    // Runs iş in one read of the store (in the caller's transaction when one is open).
    void okurken(const std::function<void()>& iş);
    // The engine's handle of the open file, and its size.
    sqlite3_file* dosyası(std::int64_t& boyut);
    void sıfırSayfasınıAra();

    sqlite3* db_ = nullptr;
    QString yol_;
    struct Hazır {
        sqlite3_stmt* st = nullptr;
        bool kullanımda = false;
    };
    QHash<QString, Hazır> önbellek_;
};

// Guards one transaction: rolled back unless onayla() was called.
class İşlem {
public:
    explicit İşlem(VeritabanıBağlantısı& vt);
    ~İşlem();
    void onayla();
    İşlem(const İşlem&) = delete;
    İşlem& operator=(const İşlem&) = delete;

private:
    VeritabanıBağlantısı& vt_;
    bool bitti_ = false;
};

// A prepared statement: bind values in order, step through rows, read by column name.
class Sorgu {
public:
    Sorgu(VeritabanıBağlantısı& vt, const QString& sql);
    Sorgu(VeritabanıBağlantısı& vt, const QString& sql, const QVariantList& değerler);
    ~Sorgu();
    Sorgu(const Sorgu&) = delete;
    Sorgu& operator=(const Sorgu&) = delete;

    // Binds the next "?" (null QVariant -> NULL, QDate -> ISO text, bool -> 0/1).
    Sorgu& bağla(const QVariant& değer);
    Sorgu& bağla(Para tutar);

    // Next row; false at the end.
    bool sonraki();
    // Runs a statement that returns no rows; the number of rows changed.
    int çalıştır();

    bool boşMu(const QString& sütun) const;
    QVariant değer(const QString& sütun) const;
    QString metin(const QString& sütun) const;
    std::int64_t tamsayı(const QString& sütun) const;
    double sayı(const QString& sütun) const;
    Para para(const QString& sütun) const;
    QDate tarih(const QString& sütun) const;

private:
    int sütunNo(const QString& sütun) const;

    VeritabanıBağlantısı& vt_;
    sqlite3_stmt* st_;
    bool önbellekten_;
    int sıradaki_ = 1;
    mutable QHash<QString, int> sütunlar_;
    mutable std::vector<std::pair<QString, int>> sorulanlar_;  // names as asked, and their columns
    mutable size_t sonSorulan_ = 0;
    mutable std::vector<QString> sonMetinler_;  // by column
};

// Writes a new file (never over an existing one) of boyut bytes that oku(buffer,
// position, length) fills; readable by the user alone or by the umask's default.
// On failure removes it and throws 75.
void YeniDosyaYaz(const QString& hedef, std::int64_t boyut,
                  const std::function<bool(char*, std::int64_t, std::int64_t)>& oku, bool yalnızSahibi);
// Whether oku, reading boyut bytes as above, gives byte for byte what the file diğer holds.
bool AynıBaytlarMı(std::int64_t boyut, const std::function<bool(char*, std::int64_t, std::int64_t)>& oku,
                   const QString& diğer);
// Whether two files hold the same bytes.
bool DosyalarAynıMı(const QString& bir, const QString& diğer);
// Flushes a written file to the disk; on failure removes it and throws 75.
void DiskeYaz(const QString& yol);
// Tests put their own flush in place (nullptr: the system's), to act while it runs.
void DiskeYazıcıKur(std::function<bool(int tanıtıcı)> yazıcı);

// A LIKE pattern for "begins with": %, _ and \ in the text are taken literally
// (use with "LIKE ? ESCAPE '\'").
QString İleBaşlarKalıbı(const QString& önek);

// "Begins with" as an index-friendly range: "x >= ? AND x < ?" bound with the
// prefix and ÖnekÜstSınırı(prefix) finds every text that begins with the prefix
// (exact letter case, the column's default collation).
QString ÖnekÜstSınırı(const QString& önek);
