#pragma once

#include <string_view>

namespace lumera {

// Whether a BMP file gives every pixel its header promises, checked before
// the bytes reach the decoder. The decoder fills a picture from whatever
// data there is and leaves the rest of its memory as it found it, so a
// picture is accepted only when:
// - the headers, the colour masks and the palette are complete, and the
//   pixel data begins at or after their end;
// - uncompressed data holds every row, padding included;
// - run-length data is bottom-up and gives every pixel of every row in
//   order (no jumps, no row or bitmap ended early) within the file.
// The formats accepted are the uncompressed 1, 4, 8, 16, 24 and 32 bits per
// pixel, colour masks at 16 and 32, and run lengths at 4 and 8.
bool bitmapGivesEveryPixel(std::string_view file);

} // namespace lumera
