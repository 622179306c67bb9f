#pragma once

// The worked example, written once for every test: the start-up figures, what one press of the
// estimate button makes of them, and the bargain report at a market price of 30. The end-to-end
// drivers read the same literals from this file (tests/e2e/worked_example.py), so each constant is
// one string literal, or adjacent ones, ending in a semicolon.

namespace worthmere::worked_example {

inline constexpr char kFreeCashFlow[] = "4,141,000,000";
inline constexpr char kGrowth[] = "8";
inline constexpr char kDiscount[] = "0.0625";
inline constexpr char kShares[] = "1,473,000,000";

inline constexpr const char* kYears[10] = {
    "4472280000.0000", "4830062400.0000", "5216467392.0000", "5633784783.3600", "6084487566.0288",
    "6571246571.3111", "7096946297.0160", "7664702000.7773", "8277878160.8395", "8940108413.7067"};
inline constexpr char kPresentValue[] = "65752926687.23";
inline constexpr char kValuePerShare[] = "44.64";

inline constexpr char kPrice[] = "30";
inline constexpr char kReportAtPrice[] =
    "Starting with an assumed FCF annual growth of 8 percent, the estimated intrinsic value per "
    "share is approximately $ 44.64 and you entered at a market price of $30 , so the P/V ratio = "
    ".67  and the estimated bargain = 32.8 percent. \r\n\r\nIf this is a high quality business "
    "with enduring competitive advantages, and honest and able management......based on "
    "compounding for 10 years, and a purchase price bargain of 32.8 percent, and a relative FCF "
    "growth of 8 percent, then the estimated effective annual yield may be greater than 12.1 %.";

}  // namespace worthmere::worked_example
