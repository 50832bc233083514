#pragma once
// Fonts and pictures in the OLE forms that ActiveX controls use for their
// font and picture properties. The Get functions hand out a new reference
// (the caller releases it); the Set functions copy, so the framework
// object never shares a handle with the OLE one.
#include "framework/graphics/Bitmap.h"
#include "framework/rtl/win/WinApi.h"

#include <ocidl.h>
#include <olectl.h>

// An OLE font with the font's name, size, style and character set.
HRESULT GetOleFont(TFont* Font, IFontDisp** OleFont);
// Takes name, size, style and character set from an OLE font.
void SetOleFont(TFont* Font, IFontDisp* OleFont);

// An OLE picture of the picture's bitmap, icon or metafile; an empty
// picture gives an empty OLE picture.
HRESULT GetOlePicture(TPicture* Picture, IPictureDisp** OlePicture);
// A bitmap, icon or enhanced metafile OLE picture becomes a TBitmap, TIcon
// or TMetafile; an empty one (or nullptr) empties the picture; any other
// kind leaves it as it was.
void SetOlePicture(TPicture* Picture, IPictureDisp* OlePicture);
