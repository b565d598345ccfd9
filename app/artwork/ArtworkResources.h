#pragma once
// Registers the embedded pictures that controls load by name as the class library's bitmap
// resources: every glyphs/<name>.bmp as <name> ("BS_HARD", "Image4" ...) and the shell item
// kinds' icons shell/16/NN.png and shell/32/NN.png as "SHELL16_NN" and "SHELL32_NN". The program
// calls it once at start-up, tests before they load such pictures.
void RegisterArtworkBitmaps();
