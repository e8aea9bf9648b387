#pragma once

#include "capture/CMemoryBuffer.h"

#include <cstddef>

// One colour component of the image being encoded, with its working memory
// for one MCU row.
struct CJPEGColorComponent {
    int id = 0; // written to the file: 0, 1, 2
    int index = 0;
    int h = 1; // sampling factors
    int v = 1;
    int hRatio = 1; // downsampling against the image: 2 for Cb and Cr
    int vRatio = 1;
    int blocksPerMcu = 1;

    // MCU-row sample buffer at the component's own resolution, after colour
    // conversion and downsampling: `lines` lines of `rowLength` samples,
    // padded to whole MCUs by edge replication.
    int lines = 8;
    size_t rowLength = 0;
    CMemoryBuffer samples;
    // Blocks coded per block row and where they start in the coefficient buffer.
    size_t blocksPerLine = 0;
    size_t firstBlock = 0;
    // Chroma of a grey source: flat 128, so every coefficient is zero and
    // nothing needs converting or transforming.
    bool flat = false;

    int quantTable = 0;
    int dcTable = 0;
    int acTable = 0;
    int lastDc = 0;
};
