#include "controls/BitCheckGlyphArt.h"

namespace {

const char* const Unchecked[CheckGlyphHeight] = {
    "...SSSSSSSSSSSSH...",
    "...SDDDDDDDDDDFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SFFFFFFFFFFFH...",
    "...HHHHHHHHHHHHH...",
};

const char* const Checked[CheckGlyphHeight] = {
    "...SSSSSSSSSSSSH...",
    "...SDDDDDDDDDDFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWKWFH...",
    "...SDWWWWWWKKWFH...",
    "...SDWKWWWKKKWFH...",
    "...SDWKKWKKKWWFH...",
    "...SDWKKKKKWWWFH...",
    "...SDWWKKKWWWWFH...",
    "...SDWWWKWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SDWWWWWWWWWFH...",
    "...SFFFFFFFFFFFH...",
    "...HHHHHHHHHHHHH...",
};

const char* const Grayed[CheckGlyphHeight] = {
    "...SSSSSSSSSSSSH...",
    "...SDDDDDDDDDDFH...",
    "...SDFFFFFFFFFFH...",
    "...SDFFFFFFFGFFH...",
    "...SDFFFFFFGGFFH...",
    "...SDFGFFFGGGFFH...",
    "...SDFGGFGGGFFFH...",
    "...SDFGGGGGFFFFH...",
    "...SDFFGGGFFFFFH...",
    "...SDFFFGFFFFFFH...",
    "...SDFFFFFFFFFFH...",
    "...SDFFFFFFFFFFH...",
    "...SFFFFFFFFFFFH...",
    "...HHHHHHHHHHHHH...",
};

}  // namespace

const char* const* CheckGlyphArt(int State) {
    switch (State) {
        case BitCheck::Checked: return Checked;
        case BitCheck::Grayed: return Grayed;
        default: break;
    }
    return Unchecked;
}

const char* CheckGlyphResourceName(int State) {
    switch (State) {
        case BitCheck::Checked: return "CHECKED";
        case BitCheck::Grayed: return "GRAYED";
        default: break;
    }
    return "UNCHECKED";
}
