#pragma once
// The workbooks of the two material sheets: the list as the window shows it
// (its rows in their current order, its column captions and widths) under the
// window's caption, on a landscape page one page wide when a printer is installed.
class MalzemeCetveliFormu;
class ÖzetMalzemeCetveliFormu;

// One row per part: row number, part number, name and unit, then the ten
// figures as numbers.
void MalzemeCetveliniAktar(MalzemeCetveliFormu& pencere);

// One row per brand code: code, brand name, then the ten figures as numbers.
void ÖzetMalzemeCetveliniAktar(ÖzetMalzemeCetveliFormu& pencere);
