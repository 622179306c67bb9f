#pragma once

namespace worthmere {

// The layout's design figures are in twips at this many twips per device-independent pixel
// (96 dots per inch).
inline constexpr double kDesignTwipsPerPixel = 15.0;

// A length in twips as whole pixels at the given ratio (1440 / dots per inch), rounded to the
// nearest pixel with halves going to the even neighbour (172.5 gives 172, 173.5 gives 174).
// Quotients beyond the 32-bit range are held at its ends.
int TwipsToPixels(double twips, double twips_per_pixel);

}  // namespace worthmere
