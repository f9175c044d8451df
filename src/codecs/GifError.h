#pragma once

#include <QString>

// What can go wrong in the GIF codec. The decoder's failures carry giflib's
// own message beside the code (GifResult::message); GifErrorText gives the
// text for the codes that are ours.
enum class GifError {
    None,
    OpenFailed,    // the file could not be opened for reading
    DecodeFailed,  // giflib rejected the data; the message is giflib's
    NoFrames,      // a well-formed GIF without a single image
    TooLarge,      // a frame or screen beyond the pixel limit of the decoder
    EmptyImage,    // nothing to encode (a null or zero-sized bitmap)
    TooManyColors, // more than 256 distinct pixel colours: a GIF cannot hold them
    WriteFailed,   // giflib or the device failed while writing
};

QString GifErrorText(GifError error);
