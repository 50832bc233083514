// Apart from ProgramTitleString, so that only programs that show the title
// build it at start-up.
#include "product/ProductTitle.h"

std::string TitleString = ProgramTitleString();
