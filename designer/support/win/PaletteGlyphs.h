#pragma once
// Component glyphs: bitmap resources named after a class (or "_" + the
// class name), looked up through the class's ancestry in every module that
// may carry them.
#include <string>
#include <vector>

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/ImageList.h"
#include "framework/rtl/win/WinApi.h"

class TClass;

// The glyph shown for a class that has none of its own.
inline constexpr const char* UnknownGlyphName = "PAL_UNKNOWNGLYPH";

// The modules that may hold glyphs: this library and the program (no
// package modules exist in a statically linked framework).
std::vector<HMODULE> ListModuleHandles();
// The first module holding a resource of that name and type; nullptr when
// none does.
HMODULE FindResourceModule(const std::string& Name, LPCSTR Type);
// The class's glyph resource: the class and then each ancestor up to
// TPersistent by class name, then the same with "_" in front. Module is
// nullptr when none is found.
void FindGlyphResource(HMODULE& Module, const TClass* Class, std::string& Name);
// The class's glyph, else the unknown glyph (the bitmap stays as it is
// when that is missing too).
void LoadComponentGlyph(TBitmap* Bitmap, const TClass* Class);
void LoadUnknownGlyph(TBitmap* Bitmap);
// Loads the named bitmap from the first module that has it; false when
// none has.
bool LoadGlyphResource(TBitmap* Bitmap, const std::string& Name);
// Replaces an image with the bitmap masked by its transparent colour; a
// bitmap smaller than the list's images is centred on one of their size.
void ReplaceImageListBitmap(TImageList* ImageList, TBitmap* Bitmap, TColor TransparentColor, int Index);
