#pragma once

#include <QByteArray>
#include <QString>

// A file layer of the database engine that reads a store file no one writes
// meanwhile (a backup, or the copy the daily backup has just made) and hands the
// engine its pages already decrypted, so that a connection without a key runs the
// engine's own checks on it. Every page's seal is checked before it is decrypted;
// a page that fails is reported as damaged (the first page as a wrong key). The
// pages are read from a memory map, with the decryption set up once per file:
// checking every page of a large store costs half of what the engine's own
// decryption does. Reads alone, without locks.

// The layer's name for sqlite3_open_v2; registered on first use.
const char* ÇözenDosyaKatmanı();

// The name to open: the file's address with the key the layer decrypts it with.
QByteArray ÇözülecekDosyaAdresi(const QString& yol, const QString& anahtar);
