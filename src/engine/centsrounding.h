#pragma once

// The estimation's rounding of a cost per hour to cents: exactly roundViaText(value, 2), that is
// fixed notation with two decimals read back, halves away from zero judged on the value's
// 18-significant-digit expansion. Decides in binary when the value is clearly away from a half
// cent and leaves the rest to the text conversion.
double RoundCents(long double value);
