#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace model::measure {

// Reading the project file of a video-analysis program (.trk): XML of objects, each a list of
// named properties, a property holding a number, a text, an object or an array of them (its
// items named "[frame]"). Of it are read:
// - the point-mass tracks (objects whose class names a point mass), each with a "name" and a
//   "framedata" array of the clicked positions in image pixels ("x", "y"); a frame without a
//   position is not a point;
// - the calibration (the object whose class names a coordinate system): at its key frames (the
//   items of its "framedata") the origin in pixels ("xorigin", "yorigin"), the angle of the
//   x axis in degrees counter-clockwise from the image's x axis ("angle") and the pixels per unit
//   on each axis ("xscale", "yscale"), each holding until the next key frame; and the length unit
//   ("lengthunit": m, cm or mm, else metres);
// - the clip (the object whose class names a video clip): "startframe", "starttime" (ms) and the
//   frame duration in ms ("frameduration", or "delta_t" of the clip's player). The frames are
//   numbered as the video's (the step size only says which of them the clip steps through):
//   the time of frame f is starttime + (f − startframe)·frameduration.
// The image's y axis points down, the world's y axis up.

// Whether the text is XML rather than a table.
bool looksLikeXml(std::string_view text);

struct TrackTable {
    std::string error;               // not empty: nothing could be read, the rest is empty
    std::vector<std::string> tracks; // the point-mass tracks' names, in file order
    // The chosen track as a tab-separated table «name», "t (s)  x (m)  y (m)", one row for each
    // frame with a position, in time order, with every digit of the converted values.
    std::string table;
};

// The track-th point-mass track of the project file's text (the first by default).
TrackTable trackTable(std::string_view xml, std::size_t track = 0);

} // namespace model::measure
