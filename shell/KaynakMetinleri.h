#pragma once
// The program's string table, by the numbers the windows use.
#include <QString>

// The text of a string-table entry; empty for an unknown number.
QString KaynakMetni(int numara);
