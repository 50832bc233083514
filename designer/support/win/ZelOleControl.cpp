#include "designer/support/win/ZelOleControl.h"

QRN_PUBLISHED(TCustomZelOleControl) {}
