// SPDX-License-Identifier: MIT
#ifndef VIDEOENCODEROPTIONS_H
#define VIDEOENCODEROPTIONS_H

/*! How a video or an animated picture is to be written, beyond its size and frame rate. */
struct VideoEncoderOptions
{
    /*! 1 (smallest file) to 100 (best picture); lossless formats ignore it. */
    int quality = 80;
    /*! How often an animated picture plays: 0 for ever; videos play once. */
    int plays = 0;
    /*! Whether the pictures' alpha is kept, where the format can hold it. */
    bool bTransparent = false;
};

#endif
