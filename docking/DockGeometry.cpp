#include "docking/DockGeometry.h"

#include <cstdint>

int MulDivRound(int Number, int Numerator, int Denominator) {
    if (Denominator == 0) return -1;
    int64_t Product = int64_t{Number} * Numerator;
    int64_t Half = (Denominator < 0 ? -int64_t{Denominator} : int64_t{Denominator}) / 2;
    bool Negative = (Product < 0) != (Denominator < 0);
    int64_t Magnitude = (Product < 0 ? -Product : Product);
    int64_t Div = (Denominator < 0 ? -int64_t{Denominator} : int64_t{Denominator});
    int64_t Result = (Magnitude + Half) / Div;
    return static_cast<int>(Negative ? -Result : Result);
}
