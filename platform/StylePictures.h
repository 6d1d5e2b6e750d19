#pragma once
// The picture the Fusion style draws every group box's frame with, read ahead into the pixmap
// cache where the style looks for it.
//
// The style loads it by file name, and Qt's image reader, before it decodes a PNG itself, asks
// every image-format plugin installed whether it reads PNG: the first frame painted would load
// all of them (and their decoders' libraries), though none is wanted. Read here by Qt's own
// PNG reader alone, the picture is the same; the plugins are loaded when an image first needs
// one. Under another style this does nothing.

namespace platform {

void PreloadGroupBoxFramePicture();

} // namespace platform
