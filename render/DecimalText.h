// Numbers as text with a '.' decimal point whatever the process's locale:
// readouts, meter figures and exported files must read the same on every
// machine, so nothing here goes through printf or streams.
#pragma once

#include <string>

// value rounded to the given number of decimals (0 to 6), half away from
// zero: "-12.3", "0.00", "440". A result that rounds to zero has no sign.
// Values beyond about 9e12 / 10^decimals or NaN are not expected.
std::string FixedText(double value, int decimals);

// A whole number with an explicit sign: "+21", "-14", "+0".
std::string SignedIntegerText(long long value);
