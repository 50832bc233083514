#include "controls/Match.h"
#include "framework/rtl/FileUtils.h"

bool TMatchCore::IsMatch() const { return IsMatch([](const std::string& F) { return ReadFileToString(F); }); }

QRN_PUBLISHED(TMatch) {
    B.Prop("CaseSensitive", &TMatch::CaseSensitive, &TMatch::SetCaseSensitive).NoDefault();
    B.Prop("Pattern", &TMatch::Pattern, &TMatch::SetPattern);
    B.Prop("Source", &TMatch::Source, &TMatch::SetSource);
    B.Prop("SourceIsFile", &TMatch::SourceIsFile, &TMatch::SetSourceIsFile).NoDefault();
}
