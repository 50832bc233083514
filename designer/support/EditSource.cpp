#include "designer/support/EditSource.h"

QRN_PUBLISHED(TEditSource) {}
