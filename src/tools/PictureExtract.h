#pragma once

#include "PictureGeometry.h"

#include <QImage>
#include <QList>

namespace Picture {

// A colour in OKLab (L 0..1, a and b about -0.4..0.4), from sRGB with the
// standard transfer curve.
struct OkLab {
    double L = 0;
    double a = 0;
    double b = 0;
};
OkLab ToOkLab(TColor color);

// The "Extract" command: n points (2..9) on the picture's representative
// colours, sorted by X like the points after "Randomize!".
//
// The displayed picture's colours are clustered in OKLab by k-means,
// seeded deterministically in the manner of k-means++ (the most frequent
// colour first, then each time the colour with the largest count times
// squared distance to the seeds chosen so far), with up to 64 Lloyd
// rounds. Exact colours are clustered while there are at most 32,768 of
// them; beyond that, colours sharing their top 5 bits per channel are
// pooled first (their OKLab mean and count). Each point then stands on a
// pixel of the real colour nearest its cluster's centre (the middle one of
// that colour's pixels in reading order), so the palette is sampled from
// the picture and the points stay movable. A picture of fewer than n colours
// repeats its colours, most frequent first, on other pixels of them.
//
// The same picture and n give the same points, on every run.
QList<SamplePoint> ExtractPoints(const QImage& displayed, int n);

} // namespace Picture
