#include "framework/rtl/win/LocaleFormat.h"

#include <cctype>

#include "framework/rtl/PlatformFormatSettings.h"
#include "framework/rtl/win/WinApi.h"

namespace {

std::string LocaleString(LCTYPE Item, const char* Default) {
    char Buf[256];
    const int Len = GetLocaleInfoA(LOCALE_USER_DEFAULT, Item, Buf, sizeof(Buf));
    if (Len <= 0) return Default;
    return std::string(Buf, Len - 1);  // the count includes the terminating zero
}

size_t RunLength(const std::string& S, size_t I) {
    size_t J = I;
    while (J < S.size() && S[J] == S[I]) ++J;
    return J - I;
}

// A run of text shown as it is; FormatDateTime would read letters as tokens.
void AppendLiteral(std::string& Out, const std::string& Text) {
    if (Text.empty()) return;
    if (Text.find('"') == std::string::npos) {
        Out += '"' + Text + '"';
    } else {
        Out += '\'' + Text + '\'';
    }
}

// Reads a quoted part of a locale picture starting at the opening quote;
// '' inside stands for one quote. Returns the index after the closing quote.
size_t ReadQuoted(const std::string& S, size_t I, std::string& Text) {
    ++I;
    while (I < S.size()) {
        if (S[I] == '\'') {
            if (I + 1 < S.size() && S[I + 1] == '\'') {
                Text += '\'';
                I += 2;
                continue;
            }
            return I + 1;
        }
        Text += S[I++];
    }
    return I;
}

// Shared rewriting loop: Token maps a letter run to our token, or returns
// false when the letters are plain text.
template <typename TTokenMap>
std::string Translate(const std::string& Picture, TTokenMap Token) {
    std::string Out;
    size_t I = 0;
    while (I < Picture.size()) {
        const char C = Picture[I];
        if (C == '\'') {
            std::string Text;
            I = ReadQuoted(Picture, I, Text);
            AppendLiteral(Out, Text);
            continue;
        }
        const size_t N = RunLength(Picture, I);
        std::string Mapped;
        if (Token(C, N, Mapped)) {
            Out += Mapped;
        } else if (std::isalpha(static_cast<unsigned char>(C))) {
            AppendLiteral(Out, Picture.substr(I, N));
        } else {
            Out += Picture.substr(I, N);
        }
        I += N;
    }
    return Out;
}

}  // namespace

std::string TranslateLocaleTimeFormat(const std::string& Picture) {
    return Translate(Picture, [](char C, size_t N, std::string& Out) {
        switch (C) {
        case 'h':
        case 'H':
            Out = N == 1 ? "h" : "hh";
            return true;
        case 'm':
            Out = N == 1 ? "n" : "nn";
            return true;
        case 's':
            Out = N == 1 ? "s" : "ss";
            return true;
        case 't':
            Out = "AMPM";
            return true;
        default:
            return false;
        }
    });
}

std::string TranslateLocaleDateFormat(const std::string& Picture, char DateSeparator) {
    return Translate(Picture, [DateSeparator](char C, size_t N, std::string& Out) {
        if (C == DateSeparator && !std::isalpha(static_cast<unsigned char>(C))) {
            Out.assign(N, '/');
            return true;
        }
        switch (C) {
        case 'd':
            Out.assign(N > 4 ? 4 : N, 'd');
            return true;
        case 'M':
            Out.assign(N > 4 ? 4 : N, 'm');
            return true;
        case 'y':
            Out = N <= 2 ? "yy" : "yyyy";
            return true;
        case 'g':  // era: not shown by our formatter
            Out.clear();
            return true;
        default:
            return false;
        }
    });
}

void GetLocaleFormatSettings(TFormatSettings& Settings) {
    const std::string TimeSep = LocaleString(LOCALE_STIME, ":");
    Settings.TimeSeparator = TimeSep.empty() ? ':' : TimeSep[0];
    const std::string DateSep = LocaleString(LOCALE_SDATE, "/");
    Settings.DateSeparator = DateSep.empty() ? '/' : DateSep[0];
    Settings.TimeAMString = LocaleString(LOCALE_S1159, "AM");
    Settings.TimePMString = LocaleString(LOCALE_S2359, "PM");
    Settings.LongTimeFormat = TranslateLocaleTimeFormat(LocaleString(LOCALE_STIMEFORMAT, "hh:mm:ss"));
    Settings.ShortDateFormat =
        TranslateLocaleDateFormat(LocaleString(LOCALE_SSHORTDATE, "dd/MM/yyyy"), Settings.DateSeparator);
}

TFormatSettings PlatformFormatSettings() {
    TFormatSettings Settings;
    GetLocaleFormatSettings(Settings);
    return Settings;
}
