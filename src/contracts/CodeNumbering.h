#pragma once

#include <QString>

namespace contracts {

// The decimal digits of n preceded by zeros up to width digits; the width counts as 1 below 1 and as 8
// above 8, and a longer number is written whole.
QString PadNumber(qint64 n, int width);

// The last number given to a code in the open dossier, as stored in the settings file: 1 when it was
// never stored, 0 when no dossier is open.
int ReadCodeCounter();

// Stores the counter of the open dossier in the settings file at once; nothing when no dossier is open.
// Throws AppError when the file cannot be written.
void WriteCodeCounter(int counter);

// The code of a new contract of the open dossier: prefix + the next counter padded to the width +
// suffix. The counter is stored before the code is returned.
QString NextContractCode();

} // namespace contracts
