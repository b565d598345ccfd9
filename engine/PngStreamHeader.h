#pragma once
// Stream parameters of PNG pictures read from their header chunks. Learning the pixel format by
// decoding would inflate and unfilter the whole picture (seconds and gigabytes for a picture of
// 16000 x 16000), while the format library only needs the format and aspect to finish probing.

#include <cstddef>
#include <cstdint>

extern "C" {
#include <libavutil/rational.h>
}

struct AVFormatContext;

struct TPngHeader {
    int PixFmt = -1;                    // the decoder's pixel format for the picture
    int Width = 0;
    int Height = 0;
    bool HasSampleAspect = false;       // a physical size chunk gave the aspect
    AVRational SampleAspect{0, 1};
};

// Reads the chunks before the first picture data. False when the data is no PNG picture, is cut
// short, or holds a chunk that could change what the decoder reports (transparency, colour
// profiles and the like); the caller then lets the decoder find out.
bool ReadPngHeader(const std::uint8_t* AData, std::size_t ASize, TPngHeader& AHeader);

// Gives every PNG video stream of a freshly opened context whose pixel format is unknown the
// format, size and aspect of its first picture, read from a second opening of the same file, so
// that probing the streams decodes no picture. Streams it cannot settle, and files that cannot be
// read twice (pipes), are left to the decoder.
void FillPngStreamParameters(AVFormatContext* AContext);
