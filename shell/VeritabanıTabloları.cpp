#include "shell/VeritabanıTabloları.h"

#include "platform/VeritabanıBağlantısı.h"

const QStringList& TemelTablolar() {
    static const QStringList t = {
        QStringLiteral("ParcaBilgileriTablosu"),       QStringLiteral("MarkaBilgileriTablosu"),
        QStringLiteral("DegisenNoBilgileriTablosu"),   QStringLiteral("BaglantiNoBilgileriTablosu"),
        QStringLiteral("GirisIslemleriTablosu"),       QStringLiteral("CikisIslemleriTablosu"),
    };
    return t;
}

void TemelTablolarıOluştur(VeritabanıBağlantısı& vt) {
    vt.betikÇalıştır(QStringLiteral(R"(
BEGIN;
CREATE TABLE ParcaBilgileriTablosu (
  ParcaNo INTEGER PRIMARY KEY AUTOINCREMENT,
  Kodu INTEGER NOT NULL,
  Nosu TEXT NOT NULL DEFAULT '',
  Adi TEXT NOT NULL,
  KdvOrani TEXT,
  Birimi TEXT,
  AmbarYeri TEXT);
CREATE INDEX ParcaBilgileri_Kodu ON ParcaBilgileriTablosu (Kodu);
CREATE INDEX ParcaBilgileri_Nosu ON ParcaBilgileriTablosu (Nosu);
CREATE INDEX ParcaBilgileri_Adi ON ParcaBilgileriTablosu (Adi);

CREATE TABLE MarkaBilgileriTablosu (
  Kodu INTEGER NOT NULL UNIQUE,
  Markasi TEXT);

CREATE TABLE DegisenNoBilgileriTablosu (
  HareketNo INTEGER PRIMARY KEY AUTOINCREMENT,
  ParcaNo INTEGER NOT NULL,
  Adi TEXT,
  DegisenNo TEXT);
CREATE INDEX DegisenNo_ParcaNo ON DegisenNoBilgileriTablosu (ParcaNo);
CREATE INDEX DegisenNo_DegisenNo ON DegisenNoBilgileriTablosu (DegisenNo);

CREATE TABLE BaglantiNoBilgileriTablosu (
  HareketNo INTEGER PRIMARY KEY AUTOINCREMENT,
  ParcaNo INTEGER NOT NULL,
  Nosu TEXT,
  BaglantiNo INTEGER NOT NULL,
  BaglantiNosu TEXT);
CREATE INDEX Baglanti_ParcaNo ON BaglantiNoBilgileriTablosu (ParcaNo);
CREATE INDEX Baglanti_BaglantiNo ON BaglantiNoBilgileriTablosu (BaglantiNo);

CREATE TABLE GirisIslemleriTablosu (
  HareketNo INTEGER PRIMARY KEY AUTOINCREMENT,
  ParcaNo INTEGER NOT NULL,
  Kodu INTEGER,
  Tarihi TEXT,
  FisNo INTEGER,
  Miktari REAL,
  Fiyati INTEGER,
  Tutari INTEGER,
  FaturaTarihi TEXT,
  FaturaNo TEXT,
  FaturaVeren TEXT,
  Yazdirildi INTEGER NOT NULL DEFAULT 0,
  ArsivFisNo INTEGER);
CREATE INDEX Giris_ParcaNo ON GirisIslemleriTablosu (ParcaNo);
CREATE INDEX Giris_Kodu ON GirisIslemleriTablosu (Kodu);
CREATE INDEX Giris_Tarihi ON GirisIslemleriTablosu (Tarihi);
CREATE INDEX Giris_FisNo ON GirisIslemleriTablosu (FisNo);
CREATE INDEX Giris_FaturaVeren ON GirisIslemleriTablosu (FaturaVeren);

CREATE TABLE CikisIslemleriTablosu (
  HareketNo INTEGER PRIMARY KEY AUTOINCREMENT,
  ParcaNo INTEGER NOT NULL,
  Kodu INTEGER,
  Tarihi TEXT,
  FisNo INTEGER,
  VerilecekYer TEXT,
  Miktari REAL,
  Tutari INTEGER,
  Yazdirildi INTEGER NOT NULL DEFAULT 0,
  ArsivFisNo INTEGER);
CREATE INDEX Cikis_ParcaNo ON CikisIslemleriTablosu (ParcaNo);
CREATE INDEX Cikis_Kodu ON CikisIslemleriTablosu (Kodu);
CREATE INDEX Cikis_Tarihi ON CikisIslemleriTablosu (Tarihi);
CREATE INDEX Cikis_FisNo ON CikisIslemleriTablosu (FisNo);
CREATE INDEX Cikis_VerilecekYer ON CikisIslemleriTablosu (VerilecekYer);

CREATE TABLE GeciciCikisIslemleriTablosu (
  ParcaNo INTEGER,
  Miktari REAL,
  VerilecekYer TEXT);
COMMIT;
)"));
    vt.okumaDizinleriniTamamla();
}

void ArşivYapısınıTamamla(VeritabanıBağlantısı& vt) {
    if (!vt.sütunVarMı(QStringLiteral("GirisIslemleriTablosu"), QStringLiteral("ArsivFisNo")))
        vt.çalıştır(QStringLiteral("ALTER TABLE GirisIslemleriTablosu ADD COLUMN ArsivFisNo INTEGER"));
    if (!vt.sütunVarMı(QStringLiteral("CikisIslemleriTablosu"), QStringLiteral("ArsivFisNo")))
        vt.çalıştır(QStringLiteral("ALTER TABLE CikisIslemleriTablosu ADD COLUMN ArsivFisNo INTEGER"));
    if (!vt.tabloVarMı(QStringLiteral("ArsivlenenYillarTablosu")))
        vt.çalıştır(QStringLiteral("CREATE TABLE ArsivlenenYillarTablosu (YilBilgisi TEXT(4))"));
    vt.okumaDizinleriniTamamla();
}
