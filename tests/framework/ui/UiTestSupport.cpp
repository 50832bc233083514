#include "UiTestSupport.h"

QRN_PUBLISHED(TProbeControl) {}
QRN_PUBLISHED(TProbeGraphic) {}
